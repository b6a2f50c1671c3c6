#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "driver/driver.h"
#include "exam_pc.h"

namespace {

// "E11" + these texts: the code selects an error box with one OK button.
const wchar_t kKaiEmpty[] = L"会場コードを入力してください。";
const wchar_t kKaiBad[] = L"会場コードは半角で5文字としてください。";
const wchar_t kJuBad[] = L"受験番号は数値で入力してください。";

// The running launcher with its two entry fields, told apart by their length limits.
class EntryScreen : public ::testing::Test {
protected:
    void SetUp() override {
        launcher = pc.StartLauncher();
        ASSERT_TRUE(launcher.started());
        main = driver::WaitForWindow(nullptr, L"frmJPZZ0010", 15000);
        ASSERT_NE(main, nullptr);
        for (int i = 0; i < 250 && !(kaiCd && juban && IsWindowVisible(kaiCd)); ++i, Sleep(20))
            EnumChildWindows(main, &EntryScreen::TakeEdit, reinterpret_cast<LPARAM>(this));
        ASSERT_NE(kaiCd, nullptr);
        ASSERT_NE(juban, nullptr);
    }
    void TearDown() override { launcher.Kill(); }

    // Single-line edits only: the memos are edits too.
    static BOOL CALLBACK TakeEdit(HWND hwnd, LPARAM self) {
        wchar_t cls[16] = {};
        GetClassNameW(hwnd, cls, 16);
        if (lstrcmpiW(cls, L"Edit") != 0 || (GetWindowLongW(hwnd, GWL_STYLE) & ES_MULTILINE))
            return TRUE;
        auto* screen = reinterpret_cast<EntryScreen*>(self);
        (SendMessageW(hwnd, EM_GETLIMITTEXT, 0, 0) == 5 ? screen->kaiCd : screen->juban) = hwnd;
        return TRUE;
    }

    static void SetText(HWND edit, const wchar_t* text) {
        SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }

    // Focuses the field the way a click does, then presses Enter in it.
    void EnterIn(HWND edit, bool shift = false, bool ctrl = false) {
        driver::Activate(main);
        PostMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        for (int i = 0; i < 100 && driver::FocusedWindow(main) != edit; ++i)
            Sleep(20);
        ASSERT_EQ(driver::FocusedWindow(main), edit);
        driver::PressKey(VK_RETURN, shift, ctrl);
    }

    // The one message box the launcher shows: its text, after closing it.
    std::wstring AnswerBox() {
        const driver::MessageBoxInfo box = driver::WaitForMessageBox(launcher.pid(), 10000);
        if (!box.found())
            return L"(no message box)";
        driver::AnswerMessageBox(box.hwnd);
        driver::WaitForWindowGone(box.hwnd, 5000);
        return box.text;
    }

    bool NoFurtherBox() { return !driver::WaitForMessageBox(launcher.pid(), 700).found(); }

    e2e::ExamPc pc;
    driver::Process launcher;
    HWND main = nullptr;
    HWND kaiCd = nullptr;
    HWND juban = nullptr;
};

TEST_F(EntryScreen, BothEmptyShowsOnlyTheVenueCodeMessage) {
    EnterIn(juban);
    EXPECT_EQ(AnswerBox(), kKaiEmpty);
    EXPECT_TRUE(NoFurtherBox());
    EXPECT_EQ(driver::FocusedWindow(main), kaiCd);
}

TEST_F(EntryScreen, BadVenueCodeHidesABadNumber) {
    SetText(kaiCd, L"1234 ");
    SetText(juban, L"12a");
    EnterIn(kaiCd, true);  // Shift+Enter behaves as Enter
    EXPECT_EQ(AnswerBox(), kKaiBad);
    EXPECT_TRUE(NoFurtherBox());
    EXPECT_EQ(driver::FocusedWindow(main), kaiCd);
    // The field keeps what was typed.
    EXPECT_EQ(driver::WindowText(kaiCd), L"1234 ");
}

TEST_F(EntryScreen, BadNumberIsReportedAndFocused) {
    SetText(kaiCd, L"00001");
    SetText(juban, L"12a");
    EnterIn(kaiCd, false, true);  // Ctrl+Enter too
    EXPECT_EQ(AnswerBox(), kJuBad);
    EXPECT_TRUE(NoFurtherBox());
    EXPECT_EQ(driver::FocusedWindow(main), juban);
    EXPECT_EQ(driver::WindowText(juban), L"12a");
}

TEST_F(EntryScreen, VenueCodeTakesAtMostFiveCharacters) {
    driver::Activate(main);
    PostMessageW(kaiCd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(kaiCd, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    for (int i = 0; i < 100 && driver::FocusedWindow(main) != kaiCd; ++i)
        Sleep(20);
    driver::TypeText(L"1234567");
    for (int i = 0; i < 50 && driver::WindowText(kaiCd).size() < 5; ++i)
        Sleep(20);
    Sleep(100);
    EXPECT_EQ(driver::WindowText(kaiCd), L"12345");
}

}  // namespace
