#include "platform/ui/canvas.h"

#include "platform/ui/control.h"
#include "platform/wstr.h"

namespace launcher {

COLORREF ColorToRGB(Color c) {
    if ((c & 0xFF000000u) == kSystemColor)
        return GetSysColor(static_cast<int>(c & 0xFF));
    return c & 0x00FFFFFFu;
}

Canvas::~Canvas() {
    // Put back what the DC held before deleting our own objects.
    if (oldPen_)
        SelectObject(dc_, oldPen_);
    if (oldBrush_)
        SelectObject(dc_, oldBrush_);
    if (oldFont_)
        SelectObject(dc_, oldFont_);
}

void Canvas::SetPenColor(Color c) {
    if (c == penColor_ && pen_)
        return;
    penColor_ = c;
    SelectPen();
}

void Canvas::SetPenWidth(int w) {
    if (w == penWidth_ && pen_)
        return;
    penWidth_ = w;
    SelectPen();
}

void Canvas::SelectPen() {
    PenHandle pen(CreatePen(PS_SOLID, penWidth_, ColorToRGB(penColor_)));
    HGDIOBJ old = SelectObject(dc_, pen.Get());
    if (!oldPen_)
        oldPen_ = old;
    pen_ = std::move(pen);  // the previous pen is no longer selected
}

void Canvas::SetBrushColor(Color c) {
    brushClear_ = false;
    brushColor_ = c;
    SelectBrush();
}

void Canvas::SetBrushClear() {
    brushClear_ = true;
    HGDIOBJ old = SelectObject(dc_, GetStockObject(NULL_BRUSH));
    if (!oldBrush_)
        oldBrush_ = old;
    brush_.Reset();
}

void Canvas::SelectBrush() {
    BrushHandle brush(CreateSolidBrush(ColorToRGB(brushColor_)));
    HGDIOBJ old = SelectObject(dc_, brush.Get());
    if (!oldBrush_)
        oldBrush_ = old;
    brush_ = std::move(brush);
}

void Canvas::SetFont(const ControlFont& font) {
    // The control keeps the font object; the canvas only selects it.
    HGDIOBJ old = SelectObject(dc_, font.Handle());
    if (!oldFont_)
        oldFont_ = old;
    fontColor_ = font.FontColor();
}

void Canvas::FillRect(const RECT& r) {
    if (brushClear_)
        return;
    BrushHandle brush(CreateSolidBrush(ColorToRGB(brushColor_)));
    ::FillRect(dc_, &r, brush.Get());
}

void Canvas::Polyline(const POINT* points, int count) {
    if (!pen_)
        SelectPen();
    ::Polyline(dc_, points, count);
}

void Canvas::RoundRect(int left, int top, int right, int bottom, int w, int h) {
    if (!pen_)
        SelectPen();
    if (!brush_ && !brushClear_)
        SelectBrush();
    ::RoundRect(dc_, left, top, right, bottom, w, h);
}

void Canvas::TextOut(int x, int y, const std::u16string& text) {
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, ColorToRGB(fontColor_));
    ::TextOutW(dc_, x, y, W(text), static_cast<int>(text.size()));
}

SIZE Canvas::TextExtent(const std::u16string& text) {
    SIZE size{0, 0};
    GetTextExtentPoint32W(dc_, W(text), static_cast<int>(text.size()), &size);
    return size;
}

}  // namespace launcher
