// Drawing on a device context with the toolkit's colours and fonts.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/ui/gdi.h"

namespace launcher {

// 32-bit colour: RGB with red lowest, or 0xFF0000nn for system colour nn.
using Color = std::uint32_t;
constexpr Color kSystemColor = 0xFF000000u;
constexpr Color clWhite = 0x00FFFFFFu;
constexpr Color clBlack = 0x00000000u;
constexpr Color clWindowText = kSystemColor | COLOR_WINDOWTEXT;
constexpr Color clBtnFace = kSystemColor | COLOR_BTNFACE;
constexpr Color clWindow = kSystemColor | COLOR_WINDOW;
constexpr Color RGBColor(int r, int g, int b) {
    return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}
COLORREF ColorToRGB(Color c);

class ControlFont;

// Borrows the DC; pens, brushes and fonts it makes are its own and are
// deselected before they are deleted.
class Canvas {
public:
    explicit Canvas(HDC dc) : dc_(dc) {}
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Handle() const { return dc_; }

    void SetPenColor(Color c);
    void SetPenWidth(int w);
    void SetBrushColor(Color c);
    // Null brush: shapes are outlined only.
    void SetBrushClear();
    void SetFont(const ControlFont& font);

    void FillRect(const RECT& r);
    void Polyline(const POINT* points, int count);
    void RoundRect(int left, int top, int right, int bottom, int w, int h);
    // Transparent text in the font's colour.
    void TextOut(int x, int y, const std::u16string& text);
    SIZE TextExtent(const std::u16string& text);

private:
    void SelectPen();
    void SelectBrush();

    HDC dc_;
    Color penColor_ = clBlack;
    int penWidth_ = 1;
    Color brushColor_ = clWhite;
    bool brushClear_ = false;
    PenHandle pen_;
    BrushHandle brush_;
    FontHandle font_;
    Color fontColor_ = clBlack;
    HGDIOBJ oldPen_ = nullptr, oldBrush_ = nullptr, oldFont_ = nullptr;
};

}  // namespace launcher
