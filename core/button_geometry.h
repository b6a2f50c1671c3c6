// Where the push button draws its parts: gradient rows, caption lines, image,
// focus indicator. The control measures text and draws; the arithmetic is here.
#pragma once
#include <cstdint>
#include <vector>

namespace launcher {

enum TplButtonStyle : std::uint8_t { bsNormal, bsFlat, bsFlatNoFrame, bsRoundRect, bsRoundRectNoFrame };
enum TplBtnFrameType : std::uint8_t { bffFlat, bffEtched, bffBump };
enum TplBtnAlignment : std::uint8_t { taCenter, taLeft, taRight, taEven };

// The two styles that shape the window to a rounded rectangle.
constexpr bool IsRoundedStyle(TplButtonStyle s) {
    return s == bsRoundRect || s == bsRoundRectNoFrame;
}

struct BtnRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const BtnRect&) const = default;
};

// One RGB colour per row from the begin colour (row 0) to the end colour (row
// height - 1); one row in the begin colour when the height is 1; none below 1.
// Colours are 0x00BBGGRR.
std::vector<std::uint32_t> GradientRows(std::uint32_t begin, std::uint32_t end, int height);

// What the face measured for its captions.
struct CaptionMeasure {
    int height = 0;       // control height
    int capHeight = 0;    // TextHeight of line A (also when it is empty)
    int lineBHeight = 0;  // TextHeight of line B
    bool hasA = false;    // line A has text
    bool hasB = false;    // line B has text
    int lineSpace = 0;    // CaptionLineSpace
    int captionTop = 0;   // CaptionTop as stored
    bool vertCenter = false;
};
struct CaptionTops {
    int yA = 0;
    int yB = 0;
    int captionTop = 0;  // CaptionTop after the paint (the last centred top, or unchanged)
};
CaptionTops CaptionLineTops(const CaptionMeasure& m);

// The x that the line is drawn at with its text alignment (centre, left end or
// right end; the left end of the first character for taEven), pressed offset included.
// A taEven line of one character is placed as taCenter.
int CaptionX(TplBtnAlignment align, int width, int insetLeft, int insetRight, bool pressed, int length);

// Left ends of the characters of a taEven line of two or more characters.
// `textWidth` is the whole line's measured width, `charWidths` each character's.
std::vector<int> EvenCharacterPositions(int width,
                                        int insetLeft,
                                        int insetRight,
                                        bool pressed,
                                        int textWidth,
                                        const std::vector<int>& charWidths);

struct ImagePlacement {
    int left = 0, top = 0;  // Image.Left / Image.Top after the paint
    int x = 0, y = 0;       // where the graphic is drawn
};
// Centring writes the position back; the pressed offset moves everything but a
// transparent bitmap.
ImagePlacement PlaceImage(int width,
                          int height,
                          int graphicWidth,
                          int graphicHeight,
                          int left,
                          int top,
                          bool vertCenter,
                          bool horzCenter,
                          bool pressed,
                          bool transparentBitmap);

struct FocusIndicator {
    bool rounded = false;  // a dotted rounded outline; otherwise the system focus rectangle
    BtnRect rect;
    int ellipse = 0;  // corner ellipse of the rounded outline
};
FocusIndicator FocusIndicatorFor(TplButtonStyle style, TplBtnFrameType frame, int width, int height, int diameter);

enum class FrameKind {
    None,
    RaisedEdge,    // DrawEdge EDGE_RAISED, BF_RECT
    PressedRings,  // button shadow on the outer ring, grey 128 inside it
    FlatBump,      // DrawEdge EDGE_BUMP, BF_RECT | BF_FLAT
    Etched,        // DrawEdge EDGE_ETCHED, BF_RECT
    Bump,          // DrawEdge EDGE_BUMP, BF_RECT
    RoundOutline,  // rounded rectangle in grey 117 over the whole face
};
FrameKind FrameFor(TplButtonStyle style, TplBtnFrameType frame, bool mouseDown);

}  // namespace launcher
