#include "platform/ui/controls.h"

#include <commctrl.h>
#include <imm.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/ui/forms.h"
#include "platform/wstr.h"

namespace launcher {
namespace {

constexpr wchar_t kWindowClass[] = L"LauncherWindow";
constexpr wchar_t kSelfProp[] = L"Launcher.WinControl";

void RegisterOwnClass(WNDPROC proc) {
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
    registered = true;
}

ShiftState MouseShift(WPARAM wp) {
    ShiftState s = KeyShiftState();
    if (wp & MK_LBUTTON)
        s |= ssLeft;
    if (wp & MK_RBUTTON)
        s |= ssRight;
    if (wp & MK_MBUTTON)
        s |= ssMiddle;
    return s;
}

bool Contains(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

UINT DrawTextFormat(TextAlign a) {
    switch (a) {
        case TextAlign::Center:
            return DT_CENTER;
        case TextAlign::Right:
            return DT_RIGHT;
        case TextAlign::Left:
            break;
    }
    return DT_LEFT;
}

}  // namespace

ShiftState KeyShiftState() {
    ShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        s |= ssShift;
    if (GetKeyState(VK_MENU) < 0)
        s |= ssAlt;
    if (GetKeyState(VK_CONTROL) < 0)
        s |= ssCtrl;
    return s;
}

// ---- ControlFont ----

void ControlFont::SetName(const std::u16string& v) {
    if (v == name_)
        return;
    name_ = v;
    Changed();
}
void ControlFont::SetHeight(int v) {
    if (v == height_)
        return;
    height_ = v;
    Changed();
}
void ControlFont::SetColor(Color v) {
    if (v == color_)
        return;
    color_ = v;
    Changed();
}
void ControlFont::SetStyle(std::uint8_t v) {
    if (v == style_)
        return;
    style_ = v;
    Changed();
}
void ControlFont::Assign(const ControlFont& from) {
    if (from.name_ == name_ && from.height_ == height_ && from.color_ == color_ && from.style_ == style_)
        return;
    name_ = from.name_;
    height_ = from.height_;
    color_ = from.color_;
    style_ = from.style_;
    Changed();
}

void ControlFont::Changed() {
    handle_.Reset();
    if (control_)
        control_->FontChanged();
}

HFONT ControlFont::Handle() const {
    if (!handle_) {
        LOGFONTW lf{};
        lf.lfHeight = -height_;  // negative: the character height, without the internal leading
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
        lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
        lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = DEFAULT_QUALITY;
        const size_t n = std::min<size_t>(name_.size(), LF_FACESIZE - 1);
        std::copy_n(name_.data(), n, reinterpret_cast<char16_t*>(lf.lfFaceName));
        handle_.Reset(CreateFontIndirectW(&lf));
    }
    return handle_.Get();
}

// ---- Control ----

Control::Control(Component* owner) : Component(owner), font_(this) {}

Control::~Control() {
    if (parent_)
        parent_->RemoveControl(this);
}

void Control::SetParent(WinControl* parent) {
    if (parent == parent_)
        return;
    if (parent_) {
        Invalidate();
        parent_->RemoveControl(this);
    }
    parent_ = parent;
    if (!parent_)
        return;
    parent_->InsertControl(this);
    if (parentFont_)
        ParentFontChanged();
    if (parentColor_)
        ParentColorChanged();
    if (auto* w = dynamic_cast<WinControl*>(this)) {
        if (w->HandleAllocated()) {
            ::SetParent(w->Handle(), parent_->Handle());
        } else {
            w->HandleNeeded();
        }
    }
    Invalidate();
}

Form* Control::ParentForm() {
    Control* c = this;
    while (c->parent_)
        c = c->parent_;
    return dynamic_cast<Form*>(c);
}

void Control::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    Invalidate();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Invalidate();
    BoundsChanged();
    if (showHint_ && parent_)
        parent_->UpdateHintTools();
    if (parent_ && align_ != Align::None)
        parent_->Realign();
}

void Control::SetAlign(Align a) {
    if (a == align_)
        return;
    align_ = a;
    if (parent_)
        parent_->Realign();
}

void Control::SetVisible(bool v) {
    if (v == visible_)
        return;
    visible_ = v;
    if (auto* w = dynamic_cast<WinControl*>(this); w && w->HandleAllocated() && !dynamic_cast<Form*>(this)) {
        ShowWindow(w->Handle(), v ? SW_SHOWNA : SW_HIDE);
    } else if (parent_ && parent_->HandleAllocated()) {
        const RECT r = BoundsRect();
        InvalidateRect(parent_->Handle(), &r, FALSE);
    }
    if (showHint_ && parent_)
        parent_->UpdateHintTools();
    if (parent_ && align_ != Align::None)
        parent_->Realign();
}

bool Control::Showing() const {
    for (const Control* c = this; c; c = c->parent_) {
        if (!c->visible_)
            return false;
    }
    return true;
}

void Control::SetEnabled(bool v) {
    if (v == enabled_)
        return;
    enabled_ = v;
    EnabledChanged();
}

void Control::SetParentFont(bool v) {
    parentFont_ = v;
    if (v && parent_)
        ParentFontChanged();
}

void Control::SetColor(Color c) {
    parentColor_ = false;
    if (c == color_)
        return;
    color_ = c;
    ColorChanged();
}

void Control::SetParentColor(bool v) {
    parentColor_ = v;
    if (v && parent_)
        ParentColorChanged();
}

void Control::ParentFontChanged() {
    if (!parentFont_ || !parent_)
        return;
    font_.Assign(parent_->Font());
    parentFont_ = true;  // a handed-down font keeps following the parent
}

void Control::ParentColorChanged() {
    if (!parentColor_ || !parent_)
        return;
    if (color_ != parent_->color_) {
        color_ = parent_->color_;
        ColorChanged();
    }
}

void Control::FontChanged() {
    parentFont_ = false;
    Invalidate();
}

void Control::SetHint(const std::u16string& h) {
    hint_ = h;
    if (Form* f = ParentForm(); f && parent_)
        f->TooltipHandle();
    if (parent_)
        parent_->UpdateHintTools();
}

void Control::SetShowHint(bool v) {
    showHint_ = v;
    if (parent_)
        parent_->UpdateHintTools();
}

void Control::SetText(const std::u16string& text) {
    if (text == text_)
        return;
    text_ = text;
    TextChanged();
}

void Control::Invalidate() {
    if (parent_ && parent_->HandleAllocated()) {
        const RECT r = BoundsRect();
        InvalidateRect(parent_->Handle(), &r, FALSE);
    }
}

void Control::Refresh() {
    Invalidate();
    if (auto* w = dynamic_cast<WinControl*>(this); w && w->HandleAllocated()) {
        UpdateWindow(w->Handle());
    } else if (parent_ && parent_->HandleAllocated()) {
        UpdateWindow(parent_->Handle());
    }
}

void Control::Click() {
    if (OnClick)
        OnClick(this);
}

void Control::DblClick() {
    if (OnDblClick)
        OnDblClick(this);
}

void Control::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void Control::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

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

// ---- WinControl ----

WinControl::~WinControl() {
    DestroyHandle();
    for (Control* c : controls_)
        c->parent_ = nullptr;
}

WinControl* WinControl::FromHandle(HWND hwnd) {
    if (!hwnd)
        return nullptr;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != GetCurrentProcessId())
        return nullptr;
    return static_cast<WinControl*>(GetPropW(hwnd, kSelfProp));
}

void WinControl::InsertControl(Control* c) {
    controls_.push_back(c);
}

void WinControl::RemoveControl(Control* c) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    if (mouseControl_ == c)
        mouseControl_ = nullptr;
    if (pressedControl_ == c)
        pressedControl_ = nullptr;
}

void WinControl::GetCreateParams(CreateParams&) {}

void WinControl::HandleNeeded() {
    if (handle_)
        return;
    if (!Parent() || !Parent()->HandleAllocated()) {
        if (!dynamic_cast<Form*>(this))
            return;  // made when the parent's window is
    }
    CreateParams p;
    GetCreateParams(p);
    if (Visible() && !dynamic_cast<Form*>(this))
        p.style |= WS_VISIBLE;
    if (!Enabled())
        p.style |= WS_DISABLED;
    HWND parentWnd = Parent() ? Parent()->Handle() : nullptr;
    if (auto* f = dynamic_cast<Form*>(this); f && !parentWnd) {
        auto* ownerForm = dynamic_cast<Form*>(Owner());
        if (ownerForm && ownerForm->HandleAllocated())
            parentWnd = ownerForm->Handle();
    }
    CreateHandle(p.windowClass, p.style, p.exStyle, text_, BoundsRect(), parentWnd);
    if (!handle_)
        return;
    // Later children stack above earlier ones, as the layout lists them.
    if (Parent())
        SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ApplyFont();
    HandleCreated();
    for (Control* c : controls_) {
        if (auto* w = dynamic_cast<WinControl*>(c))
            w->HandleNeeded();
    }
    UpdateHintTools();
}

void WinControl::CreateHandle(const wchar_t* cls,
                              DWORD style,
                              DWORD exStyle,
                              const std::u16string& text,
                              RECT bounds,
                              HWND parent) {
    HINSTANCE inst = GetModuleHandleW(nullptr);
    if (!cls) {
        RegisterOwnClass(&WinControl::StaticWndProc);
        CreateWindowExW(exStyle, kWindowClass, W(text), style, bounds.left, bounds.top, bounds.right - bounds.left,
                        bounds.bottom - bounds.top, parent, nullptr, inst, this);
        return;  // handle_ was set at WM_NCCREATE
    }
    // A system class: subclass it so its messages reach WndProc too.
    HWND h = CreateWindowExW(exStyle, cls, W(text), style, bounds.left, bounds.top, bounds.right - bounds.left,
                             bounds.bottom - bounds.top, parent, nullptr, inst, nullptr);
    if (h) {
        handle_ = h;
        SetPropW(h, kSelfProp, this);
        defProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WinControl::SubclassProc)));
    }
}

void WinControl::DestroyHandle() {
    if (!handle_)
        return;
    // Unhook the whole tree first: while Windows destroys the windows, no message
    // may reach an object that is being torn down.
    struct Unhook {
        static void Run(WinControl* w) {
            for (Control* c : w->controls_) {
                if (auto* child = dynamic_cast<WinControl*>(c))
                    Run(child);
            }
            if (!w->handle_)
                return;
            RemovePropW(w->handle_, kSelfProp);
            if (w->defProc_) {
                SetWindowLongPtrW(w->handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(w->defProc_));
            } else {
                SetWindowLongPtrW(w->handle_, GWLP_USERDATA, 0);
            }
            w->handle_ = nullptr;
        }
    };
    HWND h = handle_;
    Unhook::Run(this);
    DestroyWindow(h);
}

void WinControl::ApplyFont() {
    if (handle_ && defProc_)
        SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
}

void WinControl::FontChanged() {
    Control::FontChanged();
    ApplyFont();
    for (Control* c : controls_) {
        if (c->ParentFont())
            c->ParentFontChanged();
    }
}

void WinControl::ColorChanged() {
    colorBrush_.Reset();
    Invalidate();
    for (Control* c : controls_) {
        if (c->ParentColor())
            c->ParentColorChanged();
    }
}

void WinControl::EnabledChanged() {
    if (handle_)
        EnableWindow(handle_, Enabled());
    Invalidate();
}

void WinControl::TextChanged() {
    if (handle_)
        SetWindowTextW(handle_, W(text_));
    Invalidate();
}

void WinControl::SetBorderWidth(int v) {
    if (v == borderWidth_)
        return;
    borderWidth_ = v;
    Realign();
    Invalidate();
}

RECT WinControl::AlignRect() const {
    return RECT{borderWidth_, borderWidth_, Width() - borderWidth_, Height() - borderWidth_};
}

void WinControl::SetBounds(int left, int top, int width, int height) {
    const bool resized = width != Width() || height != Height();
    if (!resized && left == Left() && top == Top())
        return;
    Control::SetBounds(left, top, width, height);
    if (handle_) {
        if (dynamic_cast<Form*>(this)) {
            SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        } else {
            MoveWindow(handle_, left, top, width, height, TRUE);
        }
    }
    if (resized)
        Realign();
}

void WinControl::Realign() {
    if (alignedWidth_ >= 0 && (alignedWidth_ != Width() || alignedHeight_ != Height())) {
        const int dw = Width() - alignedWidth_;
        const int dh = Height() - alignedHeight_;
        alignedWidth_ = Width();
        alignedHeight_ = Height();
        for (Control* c : controls_) {
            if (c->GetAlign() != Align::None)
                continue;
            const Anchors a = c->GetAnchors();
            int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
            if (a & akRight) {
                if (a & akLeft)
                    w += dw;
                else
                    l += dw;
            }
            if (a & akBottom) {
                if (a & akTop)
                    h += dh;
                else
                    t += dh;
            }
            c->SetBounds(l, t, w, h);
        }
    }
    alignedWidth_ = Width();
    alignedHeight_ = Height();

    RECT r = AlignRect();
    // Each side in turn takes the controls aligned to it, in stacking order; what
    // is left goes to the client-aligned ones.
    for (Align side : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
        for (Control* c : controls_) {
            if (c->GetAlign() != side || !c->Visible())
                continue;
            const int w = std::max(0, static_cast<int>(r.right - r.left));
            const int h = std::max(0, static_cast<int>(r.bottom - r.top));
            switch (side) {
                case Align::Top:
                    c->Control::align_ = Align::None;  // no re-entry while placing
                    c->SetBounds(r.left, r.top, w, c->Height());
                    c->Control::align_ = side;
                    r.top += c->Height();
                    break;
                case Align::Bottom:
                    c->Control::align_ = Align::None;
                    c->SetBounds(r.left, r.bottom - c->Height(), w, c->Height());
                    c->Control::align_ = side;
                    r.bottom -= c->Height();
                    break;
                case Align::Left:
                    c->Control::align_ = Align::None;
                    c->SetBounds(r.left, r.top, c->Width(), h);
                    c->Control::align_ = side;
                    r.left += c->Width();
                    break;
                case Align::Right:
                    c->Control::align_ = Align::None;
                    c->SetBounds(r.right - c->Width(), r.top, c->Width(), h);
                    c->Control::align_ = side;
                    r.right -= c->Width();
                    break;
                case Align::Client:
                    c->Control::align_ = Align::None;
                    c->SetBounds(r.left, r.top, w, h);
                    c->Control::align_ = side;
                    break;
                case Align::None:
                    break;
            }
        }
    }
}

POINT WinControl::ClientToScreen(POINT p) const {
    if (handle_) {
        ::ClientToScreen(handle_, &p);
        return p;
    }
    for (const Control* c = this; c; c = c->Parent()) {
        p.x += c->Left();
        p.y += c->Top();
    }
    return p;
}

RECT WinControl::ClientRectOnScreen() const {
    const POINT tl = ClientToScreen(POINT{0, 0});
    return RECT{tl.x, tl.y, tl.x + Width(), tl.y + Height()};
}

bool WinControl::CanFocus() const {
    if (!handle_)
        return false;
    for (const Control* c = this; c; c = c->Parent()) {
        if (!c->Visible() && !dynamic_cast<const Form*>(c))
            return false;
        if (!c->Enabled())
            return false;
    }
    return true;
}

bool WinControl::Focused() const {
    return handle_ && GetFocus() == handle_;
}

void WinControl::SetFocus() {
    if (Form* f = ParentForm(); f && f != this)
        f->SetActiveControl(this);
    if (handle_ && IsWindowVisible(handle_))
        ::SetFocus(handle_);
}

void WinControl::GetTabOrderList(std::vector<WinControl*>& list) const {
    std::vector<WinControl*> kids;
    for (Control* c : controls_) {
        if (auto* w = dynamic_cast<WinControl*>(c))
            kids.push_back(w);
    }
    std::stable_sort(kids.begin(), kids.end(),
                     [](const WinControl* a, const WinControl* b) { return a->tabOrder_ < b->tabOrder_; });
    for (WinControl* w : kids) {
        if (w->tabStop_ && w->CanFocus())
            list.push_back(w);
        w->GetTabOrderList(list);
    }
}

bool WinControl::DialogKey(std::uint16_t key, ShiftState shift) {
    for (Control* c : controls_) {
        auto* w = dynamic_cast<WinControl*>(c);
        if (w && w->Visible() && w->DialogKey(key, shift))
            return true;
    }
    return false;
}

void WinControl::KeyDown(std::uint16_t& key, ShiftState shift) {
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void WinControl::DoEnter() {
    if (OnEnter)
        OnEnter(this);
}

void WinControl::DoExit() {
    if (OnExit)
        OnExit(this);
}

void WinControl::Invalidate() {
    if (handle_) {
        InvalidateRect(handle_, nullptr, FALSE);
    } else {
        Control::Invalidate();
    }
}

Control* WinControl::GraphicChildAt(POINT p) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* c = *it;
        if (c->IsWindowed() || !c->Visible() || !c->Enabled())
            continue;
        if (Contains(c->BoundsRect(), p))
            return c;
    }
    return nullptr;
}

void WinControl::PaintWindow(Canvas& canvas) {
    canvas.SetBrushColor(GetColor());
    canvas.FillRect(RECT{0, 0, Width(), Height()});
    PaintGraphicChildren(canvas);
}

void WinControl::PaintGraphicChildren(Canvas& canvas) {
    for (Control* c : controls_) {
        if (c->IsWindowed() || !c->Visible())
            continue;
        SavedDC saved(canvas.Handle());
        IntersectClipRect(canvas.Handle(), c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height());
        OffsetViewportOrgEx(canvas.Handle(), c->Left(), c->Top(), nullptr);
        Canvas childCanvas(canvas.Handle());
        c->Paint(childCanvas);
    }
}

void WinControl::PaintBuffered() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(handle_, &ps);
    RECT rc;
    GetClientRect(handle_, &rc);
    if (rc.right > 0 && rc.bottom > 0) {
        // Drawn off screen and copied in one go: no flicker on the full-screen form.
        const OwnedDC mem = OwnedDC::CompatibleWith(dc);
        BitmapHandle bmp(CreateCompatibleBitmap(dc, rc.right, rc.bottom));
        {
            SelectGuard keep(mem.Get(), bmp.Get());
            {
                Canvas canvas(mem.Get());
                PaintWindow(canvas);
            }
            BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
                   ps.rcPaint.bottom - ps.rcPaint.top, mem.Get(), ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
        }
    }
    EndPaint(handle_, &ps);
}

HBRUSH WinControl::ControlColorBrush(HDC dc) {
    SetTextColor(dc, ColorToRGB(Font().FontColor()));
    SetBkColor(dc, ColorToRGB(GetColor()));
    if (!colorBrush_)
        colorBrush_.Reset(CreateSolidBrush(ColorToRGB(GetColor())));
    return colorBrush_.Get();
}

void WinControl::UpdateHintTools() {
    if (!handle_)
        return;
    Form* form = ParentForm();
    if (!form)
        return;
    bool any = false;
    for (Control* c : controls_)
        any = any || (c->ShowHint() && !c->Hint().empty());
    if (!any)
        return;
    HWND tip = form->TooltipHandle();
    if (!tip)
        return;
    for (Control* c : controls_) {
        TTTOOLINFOW ti{};
        ti.cbSize = sizeof ti;
        ti.hwnd = handle_;
        auto* w = dynamic_cast<WinControl*>(c);
        if (w) {
            if (!w->HandleAllocated())
                continue;
            ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            ti.uId = reinterpret_cast<UINT_PTR>(w->Handle());
        } else {
            ti.uFlags = TTF_SUBCLASS;
            ti.uId = reinterpret_cast<UINT_PTR>(c);
            ti.rect = c->BoundsRect();
        }
        SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
        if (!c->ShowHint() || c->Hint().empty() || !c->Visible())
            continue;
        std::u16string text = c->Hint();
        ti.lpszText = W(text);
        SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

bool WinControl::MouseMessage(UINT msg, WPARAM wp, LPARAM lp) {
    const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    const ShiftState shift = MouseShift(wp);
    // A graphic child under the pointer takes the mouse; elsewhere this control does.
    Control* target = pressedControl_ ? pressedControl_ : GraphicChildAt(p);
    if (!target)
        target = this;
    const int x = target == this ? p.x : p.x - target->Left();
    const int y = target == this ? p.y : p.y - target->Top();
    if (msg == WM_MOUSEMOVE) {
        Control* over = GraphicChildAt(p);
        if (over != mouseControl_) {
            if (mouseControl_)
                mouseControl_->MouseLeave();
            mouseControl_ = over;
            if (over)
                over->MouseEnter();
        }
        if (!tracking_) {
            TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, handle_, 0};
            tracking_ = TrackMouseEvent(&tme) != FALSE;
        }
        target->MouseMove(shift, x, y);
        return false;
    }
    if (msg == WM_MOUSELEAVE) {
        tracking_ = false;
        if (mouseControl_)
            mouseControl_->MouseLeave();
        mouseControl_ = nullptr;
        return false;
    }
    switch (msg) {
        case WM_LBUTTONDOWN:
            pressedControl_ = target;
            SetCapture(handle_);
            target->MouseDown(MouseButton::Left, shift, x, y);
            return true;
        case WM_LBUTTONDBLCLK:
            target->DblClick();
            target->MouseDown(MouseButton::Left, shift, x, y);
            return true;
        case WM_LBUTTONUP: {
            const bool armed = pressedControl_ == target;
            pressedControl_ = nullptr;
            // Release before notifying: a click handler may open a modal dialog.
            if (GetCapture() == handle_)
                ReleaseCapture();
            if (armed && Contains(RECT{0, 0, target->Width(), target->Height()}, POINT{x, y}))
                target->Click();
            target->MouseUp(MouseButton::Left, shift, x, y);
            return true;
        }
        case WM_RBUTTONDOWN:
            target->MouseDown(MouseButton::Right, shift, x, y);
            return true;
        case WM_RBUTTONUP:
            target->MouseUp(MouseButton::Right, shift, x, y);
            return true;
        case WM_MBUTTONDOWN:
            target->MouseDown(MouseButton::Middle, shift, x, y);
            return true;
        case WM_MBUTTONUP:
            target->MouseUp(MouseButton::Middle, shift, x, y);
            return true;
        default:
            return false;
    }
}

LRESULT WinControl::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT:
            if (defProc_)
                break;
            PaintBuffered();
            return 0;
        case WM_PRINTCLIENT:
            if (defProc_)
                break;
            {
                Canvas canvas(reinterpret_cast<HDC>(wp));
                PaintWindow(canvas);
            }
            return 0;
        case WM_ERASEBKGND:
            if (defProc_)
                break;
            return 1;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (WinControl* child = FromHandle(reinterpret_cast<HWND>(lp))) {
                return reinterpret_cast<LRESULT>(child->ControlColorBrush(reinterpret_cast<HDC>(wp)));
            }
            break;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wp) == handle_ && LOWORD(lp) == HTCLIENT) {
                POINT p;
                GetCursorPos(&p);
                ScreenToClient(handle_, &p);
                const Control* c = GraphicChildAt(p);
                if (!c)
                    c = this;
                if (c->GetCursor() == Cursor::HandPoint) {
                    ::SetCursor(LoadCursorW(nullptr, IDC_HAND));
                    return TRUE;
                }
            }
            break;
        case WM_SETFOCUS:
            if (Form* f = ParentForm(); f && f != this)
                f->FocusChanged(this);
            DoEnter();
            break;
        case WM_KILLFOCUS:
            DoExit();
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            std::uint16_t key = static_cast<std::uint16_t>(wp);
            KeyDown(key, KeyShiftState());
            if (key == 0)
                return 0;
            break;
        }
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            std::uint16_t key = static_cast<std::uint16_t>(wp);
            KeyUp(key, KeyShiftState());
            if (key == 0)
                return 0;
            break;
        }
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            if (!defProc_ && MouseMessage(msg, wp, lp))
                return 0;
            break;
        case WM_CAPTURECHANGED:
            pressedControl_ = nullptr;
            break;
        default:
            break;
    }
    return DefaultProc(msg, wp, lp);
}

LRESULT WinControl::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    return defProc_ ? CallWindowProcW(defProc_, handle_, msg, wp, lp) : DefWindowProcW(handle_, msg, wp, lp);
}

LRESULT WinControl::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    try {
        return WndProc(msg, wp, lp);
    } catch (...) {
        // Nothing may unwind through user32; handlers report their own errors.
        return DefaultProc(msg, wp, lp);
    }
}

LRESULT CALLBACK WinControl::StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        auto* self = static_cast<WinControl*>(cs->lpCreateParams);
        self->handle_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        SetPropW(hwnd, kSelfProp, self);
    }
    auto* self = reinterpret_cast<WinControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, msg, wp, lp);
    const LRESULT result = self->Dispatch(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        RemovePropW(hwnd, kSelfProp);
        self->handle_ = nullptr;
    }
    return result;
}

LRESULT CALLBACK WinControl::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = static_cast<WinControl*>(GetPropW(hwnd, kSelfProp));
    if (!self)
        return DefWindowProcW(hwnd, msg, wp, lp);
    const WNDPROC def = self->defProc_;
    const LRESULT result = self->Dispatch(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        RemovePropW(hwnd, kSelfProp);
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(def));
        self->handle_ = nullptr;
    }
    return result;
}

// ---- Panel ----

Panel::Panel(Component* owner) : WinControl(owner) {
    SetParentColor(true);
    SetBounds(0, 0, 185, 41);
}

void Panel::PaintWindow(Canvas& canvas) {
    canvas.SetBrushColor(GetColor());
    canvas.FillRect(RECT{0, 0, Width(), Height()});
    if (!text_.empty()) {
        canvas.SetFont(Font());
        SetBkMode(canvas.Handle(), TRANSPARENT);
        SetTextColor(canvas.Handle(), ColorToRGB(Font().FontColor()));
        RECT r = AlignRect();
        DrawTextW(canvas.Handle(), W(text_), static_cast<int>(text_.size()), &r,
                  DrawTextFormat(alignment_) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    PaintGraphicChildren(canvas);
}

// ---- CustomControl ----

CustomControl::CustomControl(Component* owner) : WinControl(owner) {}

void CustomControl::PaintWindow(Canvas& canvas) {
    canvas.SetBrushColor(GetColor());
    canvas.FillRect(RECT{0, 0, Width(), Height()});
    Paint(canvas);
    PaintGraphicChildren(canvas);
}

LRESULT CustomControl::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    const ShiftState shift = MouseShift(wp);
    switch (msg) {
        case WM_LBUTTONDOWN:
            SetCapture(Handle());
            clickArmed_ = true;
            MouseDown(MouseButton::Left, shift, p.x, p.y);
            return 0;
        case WM_LBUTTONDBLCLK:
            // The release that ends a double click is no click.
            SetCapture(Handle());
            clickArmed_ = false;
            DblClick();
            MouseDown(MouseButton::Left, shift, p.x, p.y);
            return 0;
        case WM_LBUTTONUP: {
            const bool armed = clickArmed_;
            clickArmed_ = false;
            if (GetCapture() == Handle())
                ReleaseCapture();
            if (armed && Contains(RECT{0, 0, Width(), Height()}, p))
                Click();
            MouseUp(MouseButton::Left, shift, p.x, p.y);
            return 0;
        }
        case WM_RBUTTONDOWN:
            MouseDown(MouseButton::Right, shift, p.x, p.y);
            return 0;
        case WM_RBUTTONUP:
            MouseUp(MouseButton::Right, shift, p.x, p.y);
            return 0;
        case WM_MBUTTONDOWN:
            MouseDown(MouseButton::Middle, shift, p.x, p.y);
            return 0;
        case WM_MBUTTONUP:
            MouseUp(MouseButton::Middle, shift, p.x, p.y);
            return 0;
        case WM_MOUSEMOVE: {
            const bool now = Contains(RECT{0, 0, Width(), Height()}, p);
            if (now != inside_) {
                inside_ = now;
                if (now) {
                    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, Handle(), 0};
                    TrackMouseEvent(&tme);
                    MouseEnter();
                } else {
                    MouseLeave();
                }
            }
            MouseMove(shift, p.x, p.y);
            return 0;
        }
        case WM_MOUSELEAVE:
            if (inside_ && GetCapture() != Handle()) {
                inside_ = false;
                MouseLeave();
            }
            return 0;
        case WM_CAPTURECHANGED:
            clickArmed_ = false;
            break;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        default:
            break;
    }
    return WinControl::WndProc(msg, wp, lp);
}

// ---- Edit ----

Edit::Edit(Component* owner) : WinControl(owner) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
}

std::u16string Edit::Text() const {
    if (!HandleAllocated())
        return text_;
    const int n = GetWindowTextLengthW(Handle());
    std::u16string s(static_cast<size_t>(n) + 1, u'\0');
    const int got = GetWindowTextW(Handle(), reinterpret_cast<wchar_t*>(s.data()), n + 1);
    s.resize(static_cast<size_t>(std::max(got, 0)));
    return s;
}

void Edit::SetText(const std::u16string& text) {
    text_ = text;
    if (HandleAllocated())
        SetWindowTextW(Handle(), W(text_));
}

void Edit::SetMaxLength(int n) {
    maxLength_ = n;
    if (HandleAllocated())
        SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(n), 0);
}

void Edit::GetCreateParams(CreateParams& p) {
    p.windowClass = L"EDIT";
    p.style = WS_CHILD | WS_CLIPSIBLINGS | ES_AUTOHSCROLL;
    if (border_)
        p.exStyle |= WS_EX_CLIENTEDGE;
}

void Edit::HandleCreated() {
    SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    // No input method: the entries are half-width digits and letters only.
    ImmAssociateContext(Handle(), nullptr);
}

LRESULT Edit::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    // Enter, Tab and Escape are keys for the form, not characters: no beep.
    if (msg == WM_CHAR && (wp == L'\r' || wp == L'\t' || wp == 0x1B))
        return 0;
    return WinControl::WndProc(msg, wp, lp);
}

// ---- Memo ----

Memo::Memo(Component* owner) : Edit(owner) {
    SetTabStop(false);
}

void Memo::SetLines(std::vector<std::u16string> lines) {
    lines_ = std::move(lines);
    std::u16string text;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (i)
            text += u"\r\n";
        text += lines_[i];
    }
    SetText(text);
}

void Memo::GetCreateParams(CreateParams& p) {
    Edit::GetCreateParams(p);
    p.style = WS_CHILD | WS_CLIPSIBLINGS | ES_MULTILINE | ES_READONLY;
}

}  // namespace launcher
