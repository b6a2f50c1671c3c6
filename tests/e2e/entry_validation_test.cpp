#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "driver/driver.h"
#include "exam_pc.h"
#include "launcher_screen.h"

namespace {

// "E11" + these texts: the code selects an error box with one OK button.
const wchar_t kKaiEmpty[] = L"会場コードを入力してください。";
const wchar_t kKaiBad[] = L"会場コードは半角で5文字としてください。";
const wchar_t kJuBad[] = L"受験番号は数値で入力してください。";

// The running launcher with its two entry fields.
class EntryScreen : public ::testing::Test, protected e2e::LauncherScreen {
protected:
    void SetUp() override { ASSERT_TRUE(Open(pc)); }
    void TearDown() override { Kill(); }

    void EnterIn(HWND edit, bool shift = false, bool ctrl = false) {
        ASSERT_TRUE(LauncherScreen::EnterIn(edit, shift, ctrl));
    }

    e2e::ExamPc pc;
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
