// TplButton on real windows: the painted face read back pixel by pixel, the
// window region, the setters' rules, and the input driven by real input.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/plButton.h"
#include "core/ustring.h"
#include "platform/ui/layout.h"

using namespace launcher;

namespace {

class TestForm : public Form {
public:
    TestForm(const std::string& layout, const EventTable& events) : Form(nullptr) {
        RegisterTplButtonKind();
        ReadLayout(*this, layout, u"test.form", events, 96);
        CreateAllHandles();
    }
};

void PumpFor(DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    MSG msg;
    do {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (Form::PreTranslate(msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount64() < end);
}

constexpr COLORREF Grey(int v) {
    return RGB(v, v, v);
}

// The face as the button paints it, in a 32-bit DIB.
class Face {
public:
    explicit Face(TplButton& b) : w_(b.Width()), h_(b.Height()) {
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w_, -h_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_.Reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<const std::uint32_t*>(bits);
        const OwnedDC dc = OwnedDC::CompatibleWith(nullptr);
        const SelectGuard keep(dc.Get(), bitmap_.Get());
        Canvas canvas(dc.Get());
        b.PaintFace(canvas);
        GdiFlush();
    }
    COLORREF At(int x, int y) const {
        const std::uint32_t v = bits_[y * w_ + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    int Count(COLORREF c, int x0 = 0, int y0 = 0, int x1 = -1, int y1 = -1) const {
        int n = 0;
        for (int y = y0; y < (y1 < 0 ? h_ : y1); ++y) {
            for (int x = x0; x < (x1 < 0 ? w_ : x1); ++x)
                n += At(x, y) == c;
        }
        return n;
    }
    int w_, h_;

private:
    BitmapHandle bitmap_;
    const std::uint32_t* bits_ = nullptr;
};

// One form, one button, whose properties the test names.
struct OneButton {
    explicit OneButton(const std::string& props, int width = 75, int height = 26) {
        events.Notify[u"Clicked"] = [this](Component*) { ++clicks; };
        form = std::make_unique<TestForm>(
            "object F: Form\n  Left = 100\n  Top = 100\n  ClientWidth = 300\n"
            "  ClientHeight = 200\n  Color = rgb(0, 128, 0)\n"
            "  object E: Edit\n    Left = 10\n    Top = 10\n    TabOrder = 0\n  end\n"
            "  object B: TplButton\n    Left = 50\n    Top = 80\n    Width = " +
                std::to_string(width) + "\n    Height = " + std::to_string(height) +
                "\n    TabOrder = 1\n    OnClick = Clicked\n" + props + "  end\nend\n",
            events);
        button = dynamic_cast<TplButton*>(form->FindComponent(u"B"));
        form->ShowForm();
        PumpFor(30);
    }
    void Press() { SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }
    void ReleaseOutside() { SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(-20, -20)); }

    EventTable events;
    std::unique_ptr<TestForm> form;
    TplButton* button = nullptr;
    int clicks = 0;
};

TEST(ButtonPaint, GradientRowsAndNoFrame) {
    OneButton t("    ButtonStyle = bsFlatNoFrame\n    CaptionA.Caption = \"\"\n");
    const Face f(*t.button);
    for (int x : {0, 37, 74}) {
        EXPECT_EQ(f.At(x, 0), Grey(255));
        EXPECT_EQ(f.At(x, 12), Grey(225));
        EXPECT_EQ(f.At(x, 25), Grey(192));
    }
}

TEST(ButtonPaint, FramesAtRestAndPressed) {
    const COLORREF face = RGB(0, 0, 128);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    // bsRoundRect: the grey outline on the outermost pixels, the corner left out.
    {
        OneButton t("    ButtonStyle = bsRoundRect\n    Gradation = false\n    Color = rgb(0, 0, 128)\n");
        const Face f(*t.button);
        for (POINT p : {POINT{37, 0}, POINT{37, 25}, POINT{0, 13}, POINT{74, 13}})
            EXPECT_EQ(f.At(p.x, p.y), Grey(117)) << p.x << "," << p.y;
        EXPECT_EQ(f.At(0, 0), face);
        EXPECT_EQ(f.At(5, 13), face);
    }
    // bsNormal: the raised edge at rest, two grey rings when pressed, whatever HasFocus is.
    for (const char* hasFocus : {"true", "false"}) {
        OneButton t(std::string("    Gradation = false\n    Color = rgb(0, 0, 128)\n    CaptionA.Caption = \"\"\n") +
                    "    HasFocus = " + hasFocus + "\n");
        const Face rest(*t.button);
        EXPECT_EQ(rest.At(74, 13), GetSysColor(COLOR_3DDKSHADOW));
        EXPECT_EQ(rest.At(73, 13), shadow);
        EXPECT_EQ(rest.At(1, 13), GetSysColor(COLOR_BTNHIGHLIGHT));
        t.Press();
        ASSERT_TRUE(t.button->MouseIsDown());
        const Face pressed(*t.button);
        for (POINT p : {POINT{0, 13}, POINT{74, 13}, POINT{37, 0}, POINT{37, 25}, POINT{0, 0}, POINT{74, 25}})
            EXPECT_EQ(pressed.At(p.x, p.y), shadow) << hasFocus << " " << p.x << "," << p.y;
        for (POINT p : {POINT{1, 13}, POINT{73, 13}, POINT{37, 1}, POINT{37, 24}})
            EXPECT_EQ(pressed.At(p.x, p.y), Grey(128)) << hasFocus << " " << p.x << "," << p.y;
        EXPECT_EQ(pressed.At(2, 13), face);
        t.ReleaseOutside();
        EXPECT_FALSE(t.button->MouseIsDown());
        EXPECT_EQ(t.clicks, 0);
    }
}

TEST(ButtonPaint, PressedCaptionMovesOnePixelOnlyWithHasFocus) {
    for (bool hasFocus : {true, false}) {
        OneButton t(std::string("    ButtonStyle = bsFlatNoFrame\n    Gradation = false\n    Color = clWhite\n"
                                "    Font.Color = clBlack\n    Font.Height = 17\n    CaptionA.Caption = \"試験\"\n") +
                    "    HasFocus = " + (hasFocus ? "true" : "false") + "\n");
        const Face rest(*t.button);
        t.Press();
        const Face pressed(*t.button);
        t.ReleaseOutside();
        ASSERT_GT(rest.Count(RGB(0, 0, 0)), 20);
        int same = 0, moved = 0;
        // Inside the focus rectangle that the press brings.
        for (int y = 3; y < 22; ++y) {
            for (int x = 3; x < 71; ++x) {
                same += rest.At(x, y) == pressed.At(x, y);
                moved += rest.At(x, y) == pressed.At(x + 1, y + 1);
            }
        }
        EXPECT_EQ(hasFocus ? moved : same, 68 * 19) << hasFocus;
    }
}

TEST(ButtonPaint, FocusIndicatorFollowsTheFocusAndHasFocus) {
    struct Case {
        const char* style;
        bool hasFocus;
        bool dotted;
    } cases[] = {
        {"bsRoundRect", true, true}, {"bsRoundRectNoFrame", true, true}, {"bsNormal", true, true},
        {"bsFlat", true, true},      {"bsRoundRect", false, false},
    };
    for (const Case& c : cases) {
        OneButton t(std::string("    Gradation = false\n    Color = clWhite\n    CaptionA.Caption = \"\"\n") +
                    "    ButtonStyle = " + c.style + "\n    HasFocus = " + (c.hasFocus ? "true" : "false") + "\n");
        const Face unfocused(*t.button);
        t.button->SetFocus();
        ASSERT_TRUE(t.button->Focused());
        const Face focused(*t.button);
        // Row 2 between the corners: every other pixel is set.
        int alternations = 0;
        for (int x = 8; x < 66; ++x) {
            EXPECT_EQ(unfocused.At(x, 2), unfocused.At(x + 1, 2)) << c.style;
            alternations += focused.At(x, 2) != focused.At(x + 1, 2);
        }
        EXPECT_EQ(alternations, c.dotted ? 58 : 0) << c.style << " " << c.hasFocus;
        if (std::string(c.style).starts_with("bsRoundRect") && c.dotted) {
            EXPECT_EQ(focused.Count(Grey(32), 8, 2, 66, 3), 29) << c.style;
            // No frame: only the dotted outline.
            EXPECT_EQ(focused.At(37, 0), c.style == std::string("bsRoundRect") ? Grey(117) : Grey(255));
        }
    }
}

TEST(ButtonPaint, DisabledLookOnlyWithHasFocus) {
    const COLORREF text = RGB(255, 255, 0);
    for (bool hasFocus : {true, false}) {
        OneButton t(std::string("    ButtonStyle = bsFlatNoFrame\n    Gradation = false\n    Color = rgb(0, 0, 128)\n"
                                "    Font.Color = rgb(255, 255, 0)\n    Font.Height = 17\n"
                                "    CaptionA.Caption = \"■■\"\n    Enabled = false\n") +
                    "    HasFocus = " + (hasFocus ? "true" : "false") + "\n");
        const Face f(*t.button);
        const int shadow = f.Count(GetSysColor(COLOR_BTNSHADOW));
        const int highlight = f.Count(GetSysColor(COLOR_BTNHIGHLIGHT));
        if (hasFocus) {
            EXPECT_EQ(f.Count(text), 0);
            EXPECT_GT(shadow, 20);
            // The highlight copy one pixel down and right shows beside the shadow.
            EXPECT_GT(highlight, 5);
        } else {
            EXPECT_GT(f.Count(text), 20);
            EXPECT_EQ(shadow + highlight, 0);
        }
    }
}

// A 16 x 16 bitmap: magenta with a green square from (4, 4) to (12, 12).
HBITMAP MakeBitmap() {
    const WindowDC screen(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(screen.Get(), 16, 16);
    const OwnedDC dc = OwnedDC::CompatibleWith(screen.Get());
    const SelectGuard keep(dc.Get(), bmp);
    Canvas c(dc.Get());
    c.SetBrushColor(RGBColor(255, 0, 255));
    c.FillRect(RECT{0, 0, 16, 16});
    c.SetBrushColor(RGBColor(0, 255, 0));
    c.FillRect(RECT{4, 4, 12, 12});
    return bmp;
}

TEST(ButtonPaint, ImagePlacementTransparencyAndDisabledLook) {
    const COLORREF magenta = RGB(255, 0, 255), green = RGB(0, 255, 0), white = RGB(255, 255, 255);
    struct Case {
        bool transparent, pressed, disabled;
        POINT corner;  // where the bitmap's top-left pixel lands
    } cases[] = {
        {false, false, false, {10, 5}}, {false, true, false, {11, 6}},
        {true, false, false, {10, 5}},  {true, true, false, {10, 5}},  // a transparent bitmap keeps still
        {false, false, true, {10, 5}},
    };
    for (const Case& c : cases) {
        OneButton t(std::string("    ButtonStyle = bsFlatNoFrame\n    Gradation = false\n    Color = clWhite\n"
                                "    CaptionA.Caption = \"\"\n    Image.Top = 0\n") +
                    "    Image.TransParent = " + (c.transparent ? "true" : "false") + "\n");
        Picture pic;
        pic.SetBitmap(MakeBitmap());
        t.button->Image().SetPicture(pic);
        if (c.disabled)
            t.button->SetEnabled(false);
        if (c.pressed)
            t.Press();
        const Face f(*t.button);
        t.ReleaseOutside();
        EXPECT_EQ(t.button->Image().Top(), 5);  // centred on the 26-high button
        EXPECT_TRUE(t.button->Image().VertCenter());
        const POINT o = c.corner;
        EXPECT_EQ(f.At(o.x - 1, o.y - 1), white);
        if (c.disabled) {
            EXPECT_EQ(f.Count(green) + f.Count(magenta), 0);
            continue;
        }
        EXPECT_EQ(f.At(o.x + 8, o.y + 8), green) << c.transparent << c.pressed;
        EXPECT_EQ(f.At(o.x, o.y), c.transparent ? white : magenta) << c.transparent << c.pressed;
        EXPECT_EQ(f.Count(magenta), c.transparent ? 0 : 16 * 16 - 64);
    }
}

TEST(ButtonPaint, IconsMoveWhenPressedAndOtherGraphicsAreDropped) {
    OneButton t(
        "    ButtonStyle = bsFlatNoFrame\n    Gradation = false\n    Color = clWhite\n"
        "    CaptionA.Caption = \"\"\n    Image.Left = 20\n    Image.Top = 2\n");
    const HBITMAP colour = MakeBitmap();
    const HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);  // all 0: every pixel drawn
    ICONINFO info{TRUE, 0, 0, mask, colour};
    Picture icon;
    icon.SetIcon(CreateIconIndirect(&info));
    DeleteObject(colour);
    DeleteObject(mask);
    ASSERT_EQ(icon.GraphicKind(), Picture::Kind::Icon);
    t.button->Image().SetPicture(icon);
    EXPECT_EQ(Face(*t.button).At(20 + 8, 2 + 8), RGB(0, 255, 0));
    t.Press();
    const Face pressed(*t.button);
    t.ReleaseOutside();
    EXPECT_EQ(pressed.At(21, 3), RGB(255, 0, 255));
    EXPECT_EQ(pressed.At(20, 10), RGB(255, 255, 255));

    // A metafile is neither bitmap nor icon: the picture ends up empty.
    HDC meta = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    Rectangle(meta, 0, 0, 10, 10);
    Picture other;
    other.SetMetafile(CloseEnhMetaFile(meta));
    ASSERT_EQ(other.GraphicKind(), Picture::Kind::Metafile);
    t.button->Image().SetPicture(other);
    EXPECT_TRUE(t.button->Image().GetPicture().Empty());
}

TEST(ButtonPaint, CentredCaptionWritesItsTopBack) {
    OneButton t("    CaptionA.Caption = \"はい\"\n    Font.Height = 17\n");
    EXPECT_TRUE(t.button->CaptionVertCenter());
    const Face f(*t.button);
    (void)f;
    const WindowDC screen(nullptr);
    const SelectGuard font(screen.Get(), t.button->Font().Handle());
    SIZE size{};
    GetTextExtentPoint32W(screen.Get(), L"はい", 2, &size);
    EXPECT_EQ(t.button->CaptionTop(), (26 - size.cy) / 2 + 1);
    EXPECT_TRUE(t.button->CaptionVertCenter());
}

// The window's region, pixel by pixel, against the rounded rectangle of this size.
bool RegionEquals(HWND h, int w, int h2, int d) {
    const RegionHandle have(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(h, have.Get()) == ERROR)
        return false;
    const RegionHandle want(CreateRoundRectRgn(0, 0, w + 1, h2 + 1, d, d));
    for (int y = -1; y <= h2 + 1; ++y) {
        for (int x = -1; x <= w + 1; ++x) {
            if (PtInRegion(have.Get(), x, y) != PtInRegion(want.Get(), x, y))
                return false;
        }
    }
    return true;
}

bool HasRegion(HWND h) {
    const RegionHandle have(CreateRectRgn(0, 0, 0, 0));
    return GetWindowRgn(h, have.Get()) != ERROR;
}

TEST(ButtonRegion, RoundedStylesShapeTheWindowAndTheCornersLetTheMouseThrough) {
    OneButton t("    ButtonStyle = bsRoundRect\n");
    TplButton& b = *t.button;
    const HWND h = b.Handle();
    EXPECT_TRUE(RegionEquals(h, 75, 26, 7));
    const POINT corner = b.ClientToScreen(POINT{0, 0});
    const POINT centre = b.ClientToScreen(POINT{37, 13});
    EXPECT_EQ(WindowFromPoint(centre), h);
    EXPECT_EQ(WindowFromPoint(corner), t.form->Handle());

    // The same style again: no new region.
    const HRGN before = b.WindowRegion();
    b.SetButtonStyle(bsRoundRect);
    EXPECT_EQ(b.WindowRegion(), before);
    // Between the two rounded styles: a new one.
    b.SetButtonStyle(bsRoundRectNoFrame);
    EXPECT_NE(b.WindowRegion(), before);
    EXPECT_TRUE(RegionEquals(h, 75, 26, 7));
    // A new size, a new region.
    b.SetBounds(b.Left(), b.Top(), 90, 30);
    EXPECT_TRUE(RegionEquals(h, 90, 30, 7));
    // Back to a rectangle.
    b.SetButtonStyle(bsNormal);
    EXPECT_EQ(b.WindowRegion(), nullptr);
    EXPECT_FALSE(HasRegion(h));
    EXPECT_EQ(WindowFromPoint(corner), h);
    // A diameter set meanwhile is kept for the next rounded style.
    b.SetRoundDiameter(12);
    EXPECT_EQ(b.RoundDiameter(), 12);
    EXPECT_FALSE(HasRegion(h));
    b.SetBounds(b.Left(), b.Top(), 75, 26);
    EXPECT_FALSE(HasRegion(h));
    b.SetButtonStyle(bsRoundRect);
    EXPECT_TRUE(RegionEquals(h, 75, 26, 12));
    b.SetRoundDiameter(9);
    EXPECT_TRUE(RegionEquals(h, 75, 26, 9));
}

TEST(ButtonModel, DefaultsAndTheCaptionFromTheName) {
    OneButton t("");
    TplButton& b = *t.button;
    EXPECT_EQ(b.CaptionA().Caption(), u"B");
    EXPECT_EQ(b.ButtonStyle(), bsNormal);
    EXPECT_TRUE(b.Gradation());
    EXPECT_EQ(b.GradBeginColor(), 16777215u);
    EXPECT_EQ(b.GradEndColor(), 12632256u);
    EXPECT_EQ(b.RoundDiameter(), 7);
    EXPECT_EQ(b.CaptionLineSpace(), 4);
    EXPECT_TRUE(b.HasFocus());
    EXPECT_TRUE(b.TabStop());
    EXPECT_FALSE(HasRegion(b.Handle()));
    // A new button has its own size until a layout gives one.
    TplButton loose(nullptr);
    EXPECT_EQ(loose.Width(), 75);
    EXPECT_EQ(loose.Height(), 26);
    EXPECT_EQ(loose.CaptionA().Caption(), u"");
    // The name is taken once, at the first parent only.
    loose.SetName(u"Loose");
    loose.SetParent(t.form.get());
    EXPECT_EQ(loose.CaptionA().Caption(), u"Loose");
    loose.CaptionA().SetCaption(u"x");
    loose.SetParent(nullptr);
    loose.SetParent(t.form.get());
    EXPECT_EQ(loose.CaptionA().Caption(), u"x");
    loose.SetParent(nullptr);
}

TEST(ButtonModel, PositionSettersTurnCentringOffUnlessNothingChanges) {
    // Image.Top = 0 from a form file meets the new image's 0: centring stays on.
    OneButton t("    Image.Top = 0\n    CaptionTop = 3\n");
    TplButton& b = *t.button;
    EXPECT_TRUE(b.Image().VertCenter());
    EXPECT_FALSE(b.CaptionVertCenter());
    EXPECT_EQ(b.CaptionTop(), 3);
    b.Image().SetImagePosition(2, 4);
    EXPECT_FALSE(b.Image().VertCenter());
    b.Image().SetImageBool(4, true);
    b.Image().SetImagePosition(1, 10);  // the value it has: nothing changes
    EXPECT_TRUE(b.Image().HorzCenter());
    b.Image().SetImagePosition(1, 11);
    EXPECT_FALSE(b.Image().HorzCenter());
    b.Image().SetImagePosition(7, 1);  // no such index
    EXPECT_EQ(b.Image().Left(), 11);
}

TEST(ButtonModel, AssignCopiesItsOwnKindAndRefusesOthers) {
    OneButton t("    CaptionB.Caption = \"二行目\"\n    CaptionB.Alignment = taEven\n    CaptionB.Right = 5\n");
    TplButton& b = *t.button;
    b.SetCaptionAorB(1, b.CaptionB());
    EXPECT_EQ(b.CaptionA().Caption(), u"二行目");
    EXPECT_EQ(b.CaptionA().Alignment(), taEven);
    EXPECT_EQ(b.CaptionA().Right(), 5);
    try {
        b.CaptionA().Assign(b.Image());
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(ToUtf8(e.Message), "Cannot assign a TplBtnImage to a TplBtnCaption");
    }
    EXPECT_THROW(b.Image().Assign(b.CaptionA()), EConvertError);
    // Images copy their picture: each button owns its own.
    OneButton other("");
    Picture pic;
    pic.SetBitmap(MakeBitmap());
    other.button->Image().SetPicture(pic);
    other.button->Image().SetImageBool(2, true);
    b.SetImage(other.button->Image());
    EXPECT_TRUE(b.Image().TransParent());
    ASSERT_EQ(b.Image().GetPicture().GraphicKind(), Picture::Kind::Bitmap);
    EXPECT_NE(b.Image().GetPicture().Bitmap(), other.button->Image().GetPicture().Bitmap());
}

TEST(ButtonModel, UnknownIdentifiersAreLayoutErrorsWithTheirLine) {
    RegisterTplButtonKind();
    for (const char* prop : {"ButtonStyle = bsRound", "CaptionA.Alignment = taMiddle", "FlatFrameType = bffNone",
                             "CaptionC.Caption = \"x\""}) {
        Form form(nullptr);
        try {
            ReadLayout(form, std::string("object F: Form\n  object B: TplButton\n    ") + prop + "\n  end\nend\n",
                       u"t.form", {}, 96);
            ADD_FAILURE() << prop;
        } catch (const LayoutError& e) {
            EXPECT_TRUE(ToUtf8(e.Message).starts_with("t.form:3: ")) << ToUtf8(e.Message);
        }
    }
}

// Real input, as the window system delivers it.
void MoveTo(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MOVE;  // no distance: a move message at the new place
    SendInput(1, &in, sizeof in);
    PumpFor(40);
}

void Mouse(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof in);
    PumpFor(40);
}

void Key(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
    PumpFor(30);
}

void Press(WORD vk, WORD modifier = 0) {
    if (modifier)
        Key(modifier, false);
    Key(vk, false);
    Key(vk, true);
    if (modifier)
        Key(modifier, true);
}

struct InputButton : OneButton {
    explicit InputButton(const std::string& props)
        : OneButton("    ButtonStyle = bsRoundRect\n    ModalResult = 1\n" + props) {
        SetForegroundWindow(form->Handle());
        PumpFor(30);
        edit = dynamic_cast<Edit*>(form->FindComponent(u"E"));
        edit->SetFocus();
        button->OnMouseDown = [this](Component*, MouseButton b, ShiftState, int, int) { downs.push_back(b); };
        button->OnEnter = [this](Component*) { ++enters; };
        button->OnDblClick = [this](Component*) { ++doubleClicks; };
    }
    POINT At(int x, int y) const { return button->ClientToScreen(POINT{x, y}); }
    void Reset() {
        clicks = 0;
        form->SetModalResult(mrNone);
    }
    Edit* edit = nullptr;
    std::vector<MouseButton> downs;
    int enters = 0, doubleClicks = 0;
};

TEST(ButtonInput, APressDraggedOutStaysReleasedAndStillClicksInside) {
    InputButton t("");
    const POINT inside = t.At(37, 13), outside = t.At(37, 60);
    MoveTo(inside);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(t.button->MouseIsDown());
    EXPECT_TRUE(t.button->Focused());
    EXPECT_EQ(t.enters, 1);
    MoveTo(outside);
    EXPECT_FALSE(t.button->MouseIsDown());
    MoveTo(inside);
    EXPECT_FALSE(t.button->MouseIsDown());  // no pressed look on the way back
    Mouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(t.clicks, 1);
    EXPECT_EQ(t.form->GetModalResult(), 1);

    // Released outside: no click. (Waiting first, so that this press is no double click.)
    t.Reset();
    Sleep(GetDoubleClickTime() + 50);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    MoveTo(outside);
    Mouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(t.clicks, 0);
    EXPECT_EQ(t.form->GetModalResult(), mrNone);
    EXPECT_FALSE(t.button->MouseIsDown());

    // A double click: one click, one double click, and the press looks pressed again.
    MoveTo(inside);
    Sleep(GetDoubleClickTime() + 50);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(t.doubleClicks, 1);
    EXPECT_TRUE(t.button->MouseIsDown());
    Mouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(t.clicks, 1);
    EXPECT_EQ(t.downs, (std::vector<MouseButton>(4, MouseButton::Left)));
    MoveTo(outside);
}

TEST(ButtonInput, RightAndMiddlePressesOnlyReachTheMouseEvent) {
    InputButton t("");
    MoveTo(t.At(37, 13));
    for (DWORD down : {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_MIDDLEDOWN}) {
        Mouse(down);
        EXPECT_FALSE(t.button->MouseIsDown());
        Mouse(down << 1);  // the matching release
    }
    EXPECT_EQ(t.downs, (std::vector<MouseButton>{MouseButton::Right, MouseButton::Middle}));
    EXPECT_TRUE(t.edit->Focused());
    EXPECT_EQ(t.clicks, 0);
    MoveTo(t.At(37, 60));
}

TEST(ButtonInput, MouseEnterGetsClientPositionAndShiftState) {
    InputButton t("");
    std::vector<std::pair<ShiftState, POINT>> seen;
    t.button->OnMouseEnter = [&](Component*, ShiftState s, int x, int y) { seen.push_back({s, POINT{x, y}}); };
    int leaves = 0;
    t.button->OnMouseLeave = [&](Component*, ShiftState, int, int) { ++leaves; };
    MoveTo(t.At(37, 60));
    Key(VK_SHIFT, false);
    Key(VK_CONTROL, false);
    MoveTo(t.At(10, 7));
    Key(VK_CONTROL, true);
    Key(VK_SHIFT, true);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].first & (ssShift | ssCtrl | ssAlt | ssLeft), ssShift | ssCtrl);
    EXPECT_EQ(seen[0].second.x, 10);
    EXPECT_EQ(seen[0].second.y, 7);
    MoveTo(t.At(37, 60));
    EXPECT_EQ(leaves, 1);
}

TEST(ButtonInput, EnterAndEscape) {
    struct Case {
        const char* what;
        const char* props;
        bool focusButton;
        WORD key, modifier;
        int clicks;
        ModalResult result;
    } cases[] = {
        {"Enter on the button", "", true, VK_RETURN, 0, 1, 1},
        {"Shift+Enter: the click event only", "", true, VK_RETURN, VK_SHIFT, 1, mrNone},
        {"Ctrl+Enter: the click event only", "", true, VK_RETURN, VK_CONTROL, 1, mrNone},
        {"Enter in the edit", "", false, VK_RETURN, 0, 0, mrNone},
        {"Escape without Cancel", "", true, VK_ESCAPE, 0, 0, mrNone},
        {"Escape with Cancel, the edit focused", "    Cancel = true\n", false, VK_ESCAPE, 0, 1, 1},
        {"Shift+Escape with Cancel", "    Cancel = true\n", false, VK_ESCAPE, VK_SHIFT, 0, mrNone},
        {"Enter with HasFocus off", "    HasFocus = false\n", true, VK_RETURN, 0, 1, mrNone},
        {"Escape with Cancel and HasFocus off", "    Cancel = true\n    HasFocus = false\n", false, VK_ESCAPE, 0, 0,
         mrNone},
    };
    for (const Case& c : cases) {
        InputButton t(c.props);
        if (c.focusButton)
            Press(VK_TAB);  // from the edit to the button
        ASSERT_EQ(t.button->Focused(), c.focusButton) << c.what;
        t.Reset();
        Press(c.key, c.modifier);
        EXPECT_EQ(t.clicks, c.clicks) << c.what;
        EXPECT_EQ(t.form->GetModalResult(), c.result) << c.what;
    }
}

TEST(ButtonInput, WithHasFocusOffAPressTakesNoFocusAndNoFocusEventsFire) {
    InputButton t("    HasFocus = false\n");
    MoveTo(t.At(37, 13));
    Mouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(t.edit->Focused());
    Mouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(t.clicks, 1);
    // Tab still reaches it, but it shows no focus and fires no OnEnter.
    Press(VK_TAB);
    EXPECT_TRUE(t.button->Focused());
    EXPECT_EQ(t.enters, 0);
    const Face f(*t.button);
    EXPECT_EQ(f.Count(Grey(32)), 0);
    MoveTo(t.At(37, 60));
}

}  // namespace
