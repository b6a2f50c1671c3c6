// The UI toolkit on small forms read from layout text: the reader's errors,
// labels, images, focus and dialog keys, graphic clicks, modal results.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "controls/plButton.h"
#include "core/ustring.h"

#include "core/font_list.h"
#include "platform/ui/layout.h"
#include "platform/ui/screen.h"
#include "platform/wstr.h"

using namespace launcher;

namespace {

class TestForm : public Form {
public:
    TestForm(const std::string& layout, const EventTable& events, Component* owner = nullptr) : Form(owner) {
        RegisterTplButtonKind();
        ReadLayout(*this, layout, u"test.form", events, 96);
        CreateAllHandles();
    }
    using Form::CreateAllHandles;
};

template <class T>
T* Get(Form& f, const char16_t* name) {
    auto* c = dynamic_cast<T*>(f.FindComponent(name));
    EXPECT_NE(c, nullptr) << ToUtf8(name);
    return c;
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (Form::PreTranslate(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

TEST(LayoutReader, UnknownNamesAndBadValuesAreErrorsWithTheirLine) {
    EventTable events;
    events.Notify[u"Known"] = [](Component*) {};
    struct Case {
        const char* body;  // inside "object F: Form" ... "end"; the first body line is line 2
        const char* expected;
    } cases[] = {
        {"  object A: Gadget\n  end\n", "test.form:2: unknown kind Gadget"},
        {"  object A: Panel\n    Colour = 1\n  end\n", "test.form:3: unknown property Colour of kind Panel"},
        {"  object A: Label\n    MaxLength = 5\n  end\n", "test.form:3: unknown property MaxLength of kind Label"},
        {"  object A: Image\n    OnClick = Missing\n  end\n", "test.form:3: OnClick: unknown notify handler Missing"},
        {"  object A: Edit\n    OnKeyDown = Known\n  end\n", "test.form:3: OnKeyDown: unknown key handler Known"},
        {"  object A: Panel\n    Align = alMiddle\n  end\n", "test.form:3: Align: unknown value alMiddle"},
        {"  object A: Panel\n    Left = \"5\"\n  end\n", "test.form:3: Left: expected a number"},
        {"  object A: Label\n    object B: Label\n    end\n  end\n", "test.form:3: A (Label) cannot hold controls"},
        {"  object A: Panel\n  end\n  object A: Label\n  end\n", "test.form:4: component A named twice"},
        {"  object A: Form\n  end\n", "test.form:2: kind Form cannot be placed on a form"},
        {"  Frobnicate = 1\n", "test.form:2: unknown property Frobnicate of kind Form"},
    };
    for (const Case& c : cases) {
        Form form(nullptr);
        try {
            ReadLayout(form, std::string("object F: Form\n") + c.body + "end\n", u"test.form", events, 96);
            ADD_FAILURE() << "no error for:\n" << c.body;
        } catch (const LayoutError& e) {
            EXPECT_EQ(ToUtf8(e.Message), c.expected);
        }
    }
    Form form(nullptr);
    EXPECT_THROW(ReadLayout(form, "object P: Panel\nend\n", u"test.form", events, 96), LayoutError);
}

TEST(LayoutReader, BothFormLayoutsLoadWithTheHandlersTheirFormsOffer) {
    RegisterTplButtonKind();
    EventTable dialog;
    for (const char16_t* n : {u"FormCreate", u"FormShow"})
        dialog.Notify[n] = [](Component*) {};
    dialog.Mouse[u"MidashiMouseDown"] = [](Component*, MouseButton, ShiftState, int, int) {};
    Form exitDialog(nullptr);
    ReadLayoutResource(exitDialog, u"JPED0010", dialog, 96);
    EXPECT_EQ(exitDialog.Name(), u"frmJPED0010");
    auto* end = Get<TplButton>(exitDialog, u"EndBtn");
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end->GetModalResult(), mrOk);
    EXPECT_EQ(end->CaptionA().Caption(), u"はい");
    EXPECT_EQ(Get<TplButton>(exitDialog, u"CancelBtn")->GetModalResult(), mrCancel);
    // The 1-pixel frame around the 439 x 116 client area.
    exitDialog.Realign();
    auto* body = Get<Panel>(exitDialog, u"Panel2");
    EXPECT_EQ(body->Top() + body->Height(), 117);
    EXPECT_EQ(body->Width(), 439);
    EXPECT_EQ(Get<Panel>(exitDialog, u"Panel1")->Height(), 38);
}

TEST(Toolkit, ScreenFontsListInstalledFamiliesWithDefault) {
    const auto all = ScreenFonts();
    ASSERT_GT(all.size(), 2u);
    EXPECT_NE(std::find(all.begin(), all.end(), u"Default"), all.end());
    EXPECT_NE(std::find(all.begin(), all.end(), u"Noto Sans CJK JP"), all.end());
    EXPECT_EQ(all, SortFontNames(all));
    // Asked for one family: that family and "Default", or "Default" alone.
    EXPECT_EQ(ScreenFonts(u"Noto Sans CJK JP"), (std::vector<std::u16string>{u"Default", u"Noto Sans CJK JP"}));
    EXPECT_EQ(ScreenFonts(u"No Such Family"), std::vector<std::u16string>{u"Default"});
}

TEST(Toolkit, LabelsSizeToAllLinesAndAnEmptyTextIsOneBlankHigh) {
    TestForm form(
        "object F: Form\n  ClientWidth = 300\n  ClientHeight = 200\n"
        "  object One: Label\n    Font.Height = 20\n    Caption = \"会場\"\n  end\n"
        "  object Two: Label\n    Font.Height = 20\n    Caption = \"会場\\r\\n受験番号の入力\"\n  end\n"
        "  object None: Label\n    Font.Height = 20\n    Caption = \"\"\n  end\n"
        "  object Fixed: Label\n    AutoSize = false\n    Width = 7\n    Height = 9\n    Caption = \"長い文字列\"\n  "
        "end\n"
        "end\n",
        {});
    auto* one = Get<Label>(form, u"One");
    auto* two = Get<Label>(form, u"Two");
    auto* none = Get<Label>(form, u"None");
    EXPECT_GT(one->Width(), 20);
    EXPECT_GE(two->Height(), 2 * one->Height() - 2);
    EXPECT_GT(two->Width(), one->Width());
    EXPECT_EQ(none->Height(), one->Height());
    EXPECT_GT(none->Width(), 0);
    EXPECT_EQ(Get<Label>(form, u"Fixed")->Width(), 7);
    // A new font re-measures; switching auto-size on measures at once.
    const int h = one->Height();
    one->Font().SetHeight(40);
    EXPECT_GT(one->Height(), h);
    auto* fixed = Get<Label>(form, u"Fixed");
    fixed->SetAutoSize(true);
    EXPECT_GT(fixed->Width(), 7);
}

TEST(Toolkit, ImageSurfaceIsMadeWhiteAtTheFirstDrawingWithTheSizeThen) {
    TestForm form("object F: Form\n  object Img: Image\n    Width = 30\n    Height = 20\n  end\nend\n", {});
    auto* img = Get<Image>(form, u"Img");
    EXPECT_FALSE(img->HasSurface());
    img->SetBounds(0, 0, 50, 40);
    Canvas& canvas = img->GetCanvas();
    EXPECT_EQ(img->SurfaceSize().cx, 50);
    EXPECT_EQ(img->SurfaceSize().cy, 40);
    EXPECT_EQ(GetPixel(canvas.Handle(), 49, 39), RGB(255, 255, 255));
    canvas.SetPenColor(RGBColor(191, 191, 191));
    const POINT pts[] = {{5, 30}, {5, 10}, {40, 10}, {40, 30}};
    canvas.Polyline(pts, 4);
    EXPECT_EQ(GetPixel(canvas.Handle(), 20, 10), RGB(191, 191, 191));
    // Growing the component later keeps the surface it was given.
    img->SetBounds(0, 0, 80, 60);
    EXPECT_EQ(img->SurfaceSize().cx, 50);
}

class FocusForm : public ::testing::Test {
protected:
    void SetUp() override {
        events.Key[u"EdtKeyDown"] = [this](Component* s, std::uint16_t& k, ShiftState sh) {
            keys.push_back({static_cast<Control*>(s)->Name(), k, sh});
        };
        events.Notify[u"BtnClick"] = [this](Component*) { ++clicks; };
        events.Notify[u"ImgClick"] = [this](Component*) { ++imageClicks; };
        events.Mouse[u"BoxDown"] = [this](Component* s, MouseButton b, ShiftState, int x, int y) {
            downs.push_back({static_cast<Control*>(s)->Name(), b, x, y});
        };
        form = std::make_unique<TestForm>(
            "object F: Form\n  ClientWidth = 400\n  ClientHeight = 300\n"
            "  object Img: Image\n    Left = 300\n    Top = 0\n    Width = 50\n    Height = 50\n"
            "    OnClick = ImgClick\n  end\n"
            "  object Notes: Panel\n    Left = 0\n    Top = 200\n    Width = 100\n    Height = 50\n"
            "    Enabled = false\n    TabOrder = 0\n"
            "    object M: Memo\n      Width = 90\n      Height = 40\n      Lines = (\"x\")\n    end\n  end\n"
            "  object Box: Panel\n    Left = 10\n    Top = 10\n    Width = 200\n    Height = 100\n    TabOrder = 1\n"
            "    OnMouseDown = BoxDown\n"
            "    object B: Edit\n      Top = 40\n      TabOrder = 1\n      OnKeyDown = EdtKeyDown\n    end\n"
            "    object A: Edit\n      Top = 5\n      TabOrder = 0\n      OnKeyDown = EdtKeyDown\n    end\n  end\n"
            "  object Btn: TplButton\n    Left = 10\n    Top = 150\n    TabOrder = 2\n    OnClick = BtnClick\n  end\n"
            "end\n",
            events);
        form->ShowForm();
        Pump();
    }
    void Key(WORD vk) {
        PostMessageW(GetFocus(), WM_KEYDOWN, vk, 0);
        Pump();
    }
    struct KeySeen {
        std::u16string sender;
        std::uint16_t key;
        ShiftState shift;
    };
    EventTable events;
    std::unique_ptr<TestForm> form;
    std::vector<KeySeen> keys;
    struct DownSeen {
        std::u16string sender;
        MouseButton button;
        int x, y;
    };
    std::vector<DownSeen> downs;
    int clicks = 0, imageClicks = 0;
};

TEST_F(FocusForm, TabFollowsTabOrderAndEnterGoesToTheFocusedButtonOnly) {
    auto* a = Get<Edit>(*form, u"A");
    auto* b = Get<Edit>(*form, u"B");
    auto* btn = Get<TplButton>(*form, u"Btn");
    EXPECT_EQ(GetFocus(), a->Handle());  // first in tab order, though created second
    // Enter in an edit is the edit's key: no button is clicked.
    Key(VK_RETURN);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].sender, u"A");
    EXPECT_EQ(keys[0].key, VK_RETURN);
    EXPECT_EQ(clicks, 0);
    // Tab is the form's: the edits never see it, and the disabled panel is skipped.
    Key(VK_TAB);
    EXPECT_EQ(GetFocus(), b->Handle());
    Key(VK_TAB);
    EXPECT_EQ(GetFocus(), btn->Handle());
    EXPECT_EQ(keys.size(), 1u);
    // Enter on the focused button clicks it, as a dialog key.
    Key(VK_RETURN);
    EXPECT_EQ(clicks, 1);
    Key(VK_TAB);
    EXPECT_EQ(GetFocus(), a->Handle());
    // Set by the program, the focus also is where a reactivated form puts it back.
    b->SetFocus();
    EXPECT_EQ(GetFocus(), b->Handle());
    EXPECT_EQ(form->ActiveControl(), b);
    SetFocus(form->Handle());
    EXPECT_EQ(GetFocus(), b->Handle());
}

TEST_F(FocusForm, AClickOnAGraphicControlNeedsPressAndReleaseInside) {
    const HWND h = form->Handle();
    PostMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(310, 10));
    PostMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(320, 20));
    Pump();
    EXPECT_EQ(imageClicks, 1);
    // Released outside: no click.
    PostMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(310, 10));
    PostMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(200, 20));
    Pump();
    EXPECT_EQ(imageClicks, 1);
    // A windowed panel has its own mouse events, whichever button.
    const HWND box = Get<Panel>(*form, u"Box")->Handle();
    PostMessageW(box, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(150, 80));
    PostMessageW(box, WM_RBUTTONUP, 0, MAKELPARAM(150, 80));
    Pump();
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].sender, u"Box");
    EXPECT_EQ(downs[0].button, MouseButton::Right);
    EXPECT_EQ(downs[0].x, 150);
    EXPECT_EQ(downs[0].y, 80);
}

TEST(Toolkit, AButtonClickEndsTheModalLoopWithItsModalResult) {
    TestForm dialog(
        "object D: Form\n  ClientWidth = 200\n  ClientHeight = 100\n  Position = poScreenCenter\n"
        "  object Yes: TplButton\n    ModalResult = 1\n  end\nend\n",
        {});
    auto* yes = Get<TplButton>(dialog, u"Yes");
    PostMessageW(yes->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(yes->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    EXPECT_EQ(dialog.Left(), (GetSystemMetrics(SM_CXSCREEN) - 200) / 2);
    // Closing a modal form by the window system gives Cancel.
    PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
}

}  // namespace
