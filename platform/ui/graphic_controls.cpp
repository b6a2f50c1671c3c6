#include "platform/ui/graphic_controls.h"

#include <algorithm>

#include "platform/ui/control_helpers.h"
#include "platform/ui/win_control.h"
#include "platform/wstr.h"

namespace launcher {

using detail::DrawTextFormat;

// ---- Label ----

Label::Label(Component* owner) : Control(owner) {
    SetParentColor(true);
}

void Label::SetAutoSize(bool v) {
    if (v == autoSize_)
        return;
    autoSize_ = v;
    AdjustSize();
}

void Label::SetAlignment(TextAlign a) {
    if (a == alignment_)
        return;
    alignment_ = a;
    Invalidate();
}

SIZE Label::TextSize() const {
    WindowDC screen(nullptr);
    SelectGuard font(screen.Get(), Font().Handle());
    // An empty caption still takes the height of one line.
    const std::u16string text = text_.empty() ? u" " : text_;
    RECT r{0, 0, 0, 0};
    DrawTextW(screen.Get(), W(text), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

void Label::AdjustSize() {
    if (!autoSize_ || Loading())
        return;
    const SIZE s = TextSize();
    SetBounds(Left(), Top(), s.cx, s.cy);
}

void Label::TextChanged() {
    AdjustSize();
    Invalidate();
}

void Label::FontChanged() {
    Control::FontChanged();
    AdjustSize();
}

void Label::Paint(Canvas& canvas) {
    // No background: the parent shows through, so white digits can sit on a coloured circle.
    canvas.SetFont(Font());
    SetBkMode(canvas.Handle(), TRANSPARENT);
    SetTextColor(canvas.Handle(), ColorToRGB(Font().FontColor()));
    RECT r{0, 0, Width(), Height()};
    DrawTextW(canvas.Handle(), W(text_), static_cast<int>(text_.size()), &r,
              DrawTextFormat(alignment_) | DT_NOPREFIX | DT_EXPANDTABS);
}

// ---- Image ----

Image::Image(Component* owner) : Control(owner) {}

Image::~Image() {
    canvas_.reset();
    if (oldBitmap_)
        SelectObject(dc_.Get(), oldBitmap_);
}

void Image::MakeSurface() {
    if (bitmap_)
        return;
    WindowDC screen(nullptr);
    dc_ = OwnedDC::CompatibleWith(screen.Get());
    surfaceSize_ = SIZE{std::max(Width(), 1), std::max(Height(), 1)};
    bitmap_.Reset(CreateCompatibleBitmap(screen.Get(), surfaceSize_.cx, surfaceSize_.cy));
    oldBitmap_ = SelectObject(dc_.Get(), bitmap_.Get());
    RECT r{0, 0, surfaceSize_.cx, surfaceSize_.cy};
    ::FillRect(dc_.Get(), &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    canvas_ = std::make_unique<Canvas>(dc_.Get());
}

Canvas& Image::GetCanvas() {
    MakeSurface();
    Invalidate();
    return *canvas_;
}

HDC Image::SurfaceDC() {
    MakeSurface();
    Invalidate();
    return dc_.Get();
}

void Image::SetStretch(bool v) {
    if (v == stretch_)
        return;
    stretch_ = v;
    Invalidate();
}

void Image::Paint(Canvas& canvas) {
    // Nothing drawn yet: nothing to show, and what lies beneath stays visible.
    if (!bitmap_)
        return;
    if (stretch_) {
        StretchBlt(canvas.Handle(), 0, 0, Width(), Height(), dc_.Get(), 0, 0, surfaceSize_.cx, surfaceSize_.cy,
                   SRCCOPY);
    } else {
        BitBlt(canvas.Handle(), 0, 0, std::min<int>(Width(), surfaceSize_.cx), std::min<int>(Height(), surfaceSize_.cy),
               dc_.Get(), 0, 0, SRCCOPY);
    }
}
}  // namespace launcher
