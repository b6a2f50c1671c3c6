#include "core/button_geometry.h"

#include <gtest/gtest.h>

using namespace launcher;

namespace {

constexpr std::uint32_t Grey(std::uint32_t v) {
    return v | v << 8 | v << 16;
}

TEST(ButtonGeometry, GradientRows) {
    const auto rows = GradientRows(16777215, 12632256, 26);
    ASSERT_EQ(rows.size(), 26u);
    EXPECT_EQ(rows[0], Grey(255));
    // 255 + (-63 * 12) div 25: the division truncates toward zero (225, not 224).
    EXPECT_EQ(rows[12], Grey(225));
    EXPECT_EQ(rows[25], Grey(192));
    // Each channel on its own, rising and falling: red 0 -> 100, blue 200 -> 0.
    const auto mixed = GradientRows(0xC80000u, 0x000064u, 3);
    EXPECT_EQ(mixed, (std::vector<std::uint32_t>{0xC80000u, 0x640032u, 0x000064u}));
    EXPECT_EQ(GradientRows(0x123456u, 0u, 1), std::vector<std::uint32_t>{0x123456u});
    EXPECT_TRUE(GradientRows(0xFFFFFFu, 0u, 0).empty());
    EXPECT_TRUE(GradientRows(0xFFFFFFu, 0u, -3).empty());
}

TEST(ButtonGeometry, CaptionLineTops) {
    struct Case {
        const char* what;
        bool centred, hasA, hasB;
        int captionTop;
        int yA, yB, topAfter;
    } cases[] = {
        // Height 40, line height 17, line space 4.
        {"centred, two lines", true, true, true, 0, 1, 22, 1},
        {"centred, line A only", true, true, false, 0, 12, 33, 12},
        {"centred, line B only", true, false, true, 0, 1, 11, 11},
        {"fixed, two lines", false, true, true, 8, 8, 29, 8},
        {"fixed, line B only", false, false, true, 8, 8, 8, 8},
    };
    for (const Case& c : cases) {
        CaptionMeasure m;
        m.height = 40;
        m.capHeight = 17;
        m.lineBHeight = 17;
        m.lineSpace = 4;
        m.hasA = c.hasA;
        m.hasB = c.hasB;
        m.captionTop = c.captionTop;
        m.vertCenter = c.centred;
        const CaptionTops t = CaptionLineTops(m);
        EXPECT_EQ(t.yA, c.yA) << c.what;
        EXPECT_EQ(t.yB, c.yB) << c.what;
        EXPECT_EQ(t.captionTop, c.topAfter) << c.what;
    }
}

TEST(ButtonGeometry, CaptionX) {
    struct Case {
        TplBtnAlignment align;
        int left, right, length;
        bool pressed;
        int x;
    } cases[] = {
        {taCenter, 0, 0, 4, false, 37}, {taCenter, 0, 0, 4, true, 38}, {taLeft, 6, 0, 4, false, 8},
        {taRight, 0, 5, 4, false, 68},  {taRight, 0, 5, 4, true, 69},  {taEven, 3, 0, 4, false, 5},
        {taEven, 3, 0, 1, false, 37},  // one character: centred
    };
    for (const Case& c : cases)
        EXPECT_EQ(CaptionX(c.align, 75, c.left, c.right, c.pressed, c.length), c.x) << int(c.align) << c.pressed;
}

TEST(ButtonGeometry, EvenPositionsSpreadTheRemainderOverTheFirstGaps) {
    // Width 100, four characters of 10: spare 56 over 3 gaps is 18 each, 2 over.
    EXPECT_EQ(EvenCharacterPositions(100, 0, 0, false, 40, {10, 10, 10, 10}), (std::vector<int>{2, 31, 60, 88}));
    EXPECT_EQ(EvenCharacterPositions(100, 0, 0, true, 40, {10, 10, 10, 10}), (std::vector<int>{3, 32, 61, 89}));
    // Too wide: 41 in 30 gives -5 per gap and the first gap one narrower.
    const auto tight = EvenCharacterPositions(34, 0, 0, false, 41, {13, 14, 14});
    EXPECT_EQ(tight, (std::vector<int>{2, 9, 18}));
    // The insets narrow the line from both sides: the last character ends at W - R - 2.
    const auto inset = EvenCharacterPositions(100, 10, 20, false, 30, {10, 10, 10});
    EXPECT_EQ(inset.back() + 10, 100 - 20 - 2);
    EXPECT_TRUE(EvenCharacterPositions(100, 0, 0, false, 10, {10}).empty());
}

TEST(ButtonGeometry, ImagePlacement) {
    // A 16-pixel-high bitmap centred on a 26-high button.
    ImagePlacement p = PlaceImage(75, 26, 16, 16, 10, 0, true, false, false, false);
    EXPECT_EQ(p.top, 5);
    EXPECT_EQ(p.left, 10);
    EXPECT_EQ(p.x, 10);
    p = PlaceImage(75, 26, 16, 16, 10, 0, true, true, true, false);
    EXPECT_EQ(p.left, 29);
    EXPECT_EQ(p.x, 30);
    EXPECT_EQ(p.y, 6);
    // Fixed position; a transparent bitmap keeps still when pressed.
    p = PlaceImage(75, 26, 16, 16, 4, 3, false, false, true, true);
    EXPECT_EQ(p.x, 4);
    EXPECT_EQ(p.y, 3);
}

TEST(ButtonGeometry, FocusIndicatorPerStyle) {
    struct Case {
        TplButtonStyle style;
        TplBtnFrameType frame;
        FocusIndicator expected;
    } cases[] = {
        {bsRoundRect, bffFlat, {true, {2, 2, 127, 32}, 5}},
        {bsRoundRectNoFrame, bffBump, {true, {2, 2, 127, 32}, 5}},
        {bsNormal, bffBump, {false, {2, 2, 127, 32}, 0}},
        {bsFlat, bffFlat, {false, {2, 2, 127, 32}, 0}},
        {bsFlat, bffBump, {false, {2, 2, 128, 33}, 0}},
        {bsFlat, bffEtched, {false, {2, 2, 126, 31}, 0}},
        {bsFlatNoFrame, bffEtched, {false, {2, 2, 127, 32}, 0}},
    };
    for (const Case& c : cases) {
        const FocusIndicator f = FocusIndicatorFor(c.style, c.frame, 129, 34, 7);
        EXPECT_EQ(f.rounded, c.expected.rounded) << int(c.style) << int(c.frame);
        EXPECT_EQ(f.rect, c.expected.rect) << int(c.style) << int(c.frame);
        EXPECT_EQ(f.ellipse, c.expected.ellipse) << int(c.style) << int(c.frame);
    }
}

}  // namespace
