#include "core/button_geometry.h"

#include <cstddef>

namespace launcher {
namespace {

int Channel(std::uint32_t c, int shift) {
    return static_cast<int>((c >> shift) & 0xFFu);
}

}  // namespace

std::vector<std::uint32_t> GradientRows(std::uint32_t begin, std::uint32_t end, int height) {
    std::vector<std::uint32_t> rows;
    if (height < 1)
        return rows;
    if (height == 1) {
        rows.push_back(begin & 0xFFFFFFu);
        return rows;
    }
    rows.reserve(static_cast<std::size_t>(height));
    for (int i = 0; i < height; ++i) {
        std::uint32_t c = 0;
        for (int shift : {0, 8, 16}) {
            const int s = Channel(begin, shift);
            const int e = Channel(end, shift);
            // Integer division truncating toward zero, also for a falling channel.
            c |= static_cast<std::uint32_t>(s + (e - s) * i / (height - 1)) << shift;
        }
        rows.push_back(c);
    }
    return rows;
}

CaptionTops CaptionLineTops(const CaptionMeasure& m) {
    CaptionTops t;
    t.captionTop = m.captionTop;
    if (!m.vertCenter) {
        t.yA = m.captionTop;
        t.yB = m.hasA ? m.captionTop + m.capHeight + m.lineSpace : m.captionTop;
        return t;
    }
    // Two lines share the block 2 * capHeight + lineSpace; one line sits a pixel low.
    t.yA = m.hasB ? (m.height - 2 * m.capHeight - m.lineSpace) / 2 : (m.height - m.capHeight) / 2 + 1;
    t.captionTop = t.yA;
    if (m.hasA) {
        t.yB = t.yA + m.capHeight + m.lineSpace;
    } else {
        t.yB = (m.height - m.lineBHeight) / 2;
        t.captionTop = t.yB;
    }
    return t;
}

int CaptionX(TplBtnAlignment align, int width, int insetLeft, int insetRight, bool pressed, int length) {
    if (align == taEven && length == 1)
        align = taCenter;
    int x = 0;
    switch (align) {
        case taCenter:
            x = width / 2;
            break;
        case taLeft:
        case taEven:
            x = insetLeft + 2;
            break;
        case taRight:
            x = width - insetRight - 2;
            break;
    }
    return pressed ? x + 1 : x;
}

std::vector<int> EvenCharacterPositions(int width,
                                        int insetLeft,
                                        int insetRight,
                                        bool pressed,
                                        int textWidth,
                                        const std::vector<int>& charWidths) {
    std::vector<int> xs;
    const int n = static_cast<int>(charWidths.size());
    if (n < 2)
        return xs;
    const int x = CaptionX(taEven, width, insetLeft, insetRight, pressed, n);
    const int available = width - insetLeft - insetRight - 4;
    // The spare width goes evenly into the gaps; the remainder (negative when the
    // text is too wide) widens or narrows the first gaps by one pixel each.
    const int dx = (available - textWidth) / (n - 1);
    int remainder = (available - textWidth) % (n - 1);
    int pos = x;
    for (int w : charWidths) {
        xs.push_back(pos);
        pos += w + dx;
        if (remainder > 0) {
            ++pos;
            --remainder;
        } else if (remainder < 0) {
            --pos;
            ++remainder;
        }
    }
    return xs;
}

ImagePlacement PlaceImage(int width,
                          int height,
                          int graphicWidth,
                          int graphicHeight,
                          int left,
                          int top,
                          bool vertCenter,
                          bool horzCenter,
                          bool pressed,
                          bool transparentBitmap) {
    ImagePlacement p;
    p.top = vertCenter ? (height - graphicHeight) / 2 : top;
    p.left = horzCenter ? (width - graphicWidth) / 2 : left;
    const int offset = pressed && !transparentBitmap ? 1 : 0;
    p.x = p.left + offset;
    p.y = p.top + offset;
    return p;
}

FocusIndicator FocusIndicatorFor(TplButtonStyle style, TplBtnFrameType frame, int width, int height, int diameter) {
    FocusIndicator f;
    f.rect = BtnRect{2, 2, width - 2, height - 2};
    if (IsRoundedStyle(style)) {
        f.rounded = true;
        f.ellipse = diameter - 2;
        return f;
    }
    if (style == bsFlat && frame == bffBump) {
        f.rect.right += 1;
        f.rect.bottom += 1;
    } else if (style == bsFlat && frame == bffEtched) {
        f.rect.right -= 1;
        f.rect.bottom -= 1;
    }
    return f;
}

FrameKind FrameFor(TplButtonStyle style, TplBtnFrameType frame, bool mouseDown) {
    switch (style) {
        case bsNormal:
            return mouseDown ? FrameKind::PressedRings : FrameKind::RaisedEdge;
        case bsFlat:
            return frame == bffEtched ? FrameKind::Etched : frame == bffBump ? FrameKind::Bump : FrameKind::FlatBump;
        case bsRoundRect:
            return FrameKind::RoundOutline;
        case bsFlatNoFrame:
        case bsRoundRectNoFrame:
            break;
    }
    return FrameKind::None;
}

}  // namespace launcher
