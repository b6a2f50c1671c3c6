// The main form built in-process on a fixture exam folder.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <imm.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/JPZZ0010.h"
#include "controls/plButton.h"
#include "core/startup_rules.h"
#include "core/ustring.h"
#include "platform/process.h"
#include "platform/ui/layout.h"
#include "platform/ui/screen.h"
#include "platform/wstr.h"
#include "support/test_support.h"

using namespace launcher;
using testsupport::TempDir;

namespace {

// A launcher folder whose "auto.ini" names the exam folder "模擬試験PKG".
class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDirectoryW((dir.path() + L"##AUTO##").c_str(), nullptr);
        testsupport::WriteBytes(dir.path() + L"##AUTO##\\auto.ini",
                                testsupport::ToCodePage(L"[情報]\r\n解凍前フォルダ名=模擬試験PKG\r\n", 932));
        CreateDirectoryW((dir.path() + L"模擬試験PKG").c_str(), nullptr);
        CreateDirectoryW((dir.path() + L"模擬試験PKG\\system").c_str(), nullptr);
        Process::SetLauncherDir(U(dir.path().c_str()));
    }

    TempDir dir;
};

void ExpectBounds(const Control* c, int left, int top, int width, int height) {
    EXPECT_EQ(c->Left(), left) << ToUtf8(c->Name());
    EXPECT_EQ(c->Top(), top) << ToUtf8(c->Name());
    EXPECT_EQ(c->Width(), width) << ToUtf8(c->Name());
    EXPECT_EQ(c->Height(), height) << ToUtf8(c->Name());
}

// Run at the prefix's own resolution, and again in a child process at 120
// pixels per inch (see below): every design value is scaled, then the form goes
// full screen and its anchored and aligned children follow.
TEST_F(MainFormTest, ComponentsStandAtTheirScaledDesignPlaces) {
    const int dpi = ScreenPixelsPerInch();
    if (const char* want = std::getenv("LAUNCHER_EXPECT_DPI")) {
        ASSERT_EQ(dpi, std::atoi(want));
    }
    const auto S = [dpi](int v) { return ScaleDesign(v, dpi); };
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    const int dw = sw - S(1029), dh = sh - S(674);  // how far the screen exceeds the design client area

    TfrmJPZZ0010 form;
    EXPECT_EQ(form.DPI, dpi);
    EXPECT_EQ(form.Text(), u"frmJPZZ0010");
    RECT wr;
    GetWindowRect(form.Handle(), &wr);
    EXPECT_EQ(wr.left, 0);
    EXPECT_EQ(wr.top, 0);
    EXPECT_EQ(wr.right, sw);
    EXPECT_EQ(wr.bottom, sh);

    // Anchored top and right: the same distance from the right edge as designed.
    ExpectBounds(form.CloseImg, S(901) + dw, 0, S(120), S(97));
    ExpectBounds(form.LogoImg, dw, 0, S(425), S(97));
    // Bottom-aligned strips at the bottom, the file-title strip above the copyright strip.
    ExpectBounds(form.CopyrightPnl, 0, sh - S(23), sw, S(23));
    ExpectBounds(form.Panel11, 0, 0, sw, S(1));
    ExpectBounds(form.Panel7, 0, sh - S(23) - S(24), sw, S(24));
    ExpectBounds(form.JukenLbl, 0, 0, sw, S(24));
    ExpectBounds(form.MidashiPnl, S(8), S(8), S(1000), S(121));
    // Anchored on all four sides: it stretches with the screen.
    ExpectBounds(form.MainPnl, 0, S(135), S(1029) + dw, S(486) + dh);
    ExpectBounds(form.MakerImg, S(9) + dw, S(7), S(991), S(151));
    ExpectBounds(form.InfoPnl, S(278), S(173), S(508), S(276));
    ExpectBounds(form.Panel5, 0, 0, S(508), S(126));
    ExpectBounds(form.Memo1, S(-1), S(8), S(512), S(55));
    ExpectBounds(form.Panel9, S(185), S(129), S(305), S(41));
    // Client-aligned inside the 2-pixel border (the border width is not scaled).
    ExpectBounds(form.Panel3, 2, 2, S(305) - 4, S(41) - 4);
    ExpectBounds(form.KaiCdEdt, S(7), S(4), S(156), S(33));
    ExpectBounds(form.JubanEdt, S(7), S(4), S(156), S(33));
    ExpectBounds(form.StartBtn, S(199), S(239), S(129), S(34));
    EXPECT_EQ(form.Label1->Left(), S(16));

    // Fonts: the family goes to labels, memos, panels and buttons; edits keep theirs.
    // The one-family lookup decides as the full list would.
    EXPECT_EQ(form.FontName, ChooseFontName(ScreenFonts()));
    for (const Control* c : {static_cast<Control*>(form.Label1), static_cast<Control*>(form.Memo1),
                             static_cast<Control*>(form.CopyrightPnl), static_cast<Control*>(form.StartBtn),
                             static_cast<Control*>(form.ShikenNameLbl)}) {
        EXPECT_EQ(c->Font().Name(), form.FontName) << ToUtf8(c->Name());
    }
    EXPECT_EQ(form.KaiCdEdt->Font().Name(), u"メイリオ");
    EXPECT_EQ(form.JubanEdt->Font().Name(), u"メイリオ");
    EXPECT_EQ(form.KaiCdEdt->Font().Height(), S(17));
    EXPECT_EQ(form.ShikenNameLbl->Font().Height(), S(40));
    EXPECT_EQ(form.Memo1->Font().Height(), S(12));

    // A still wider screen: the close picture keeps its distance again.
    form.SetBounds(0, 0, sw + 200, sh);
    EXPECT_EQ(form.CloseImg->Left(), S(901) + dw + 200);
    EXPECT_EQ(form.MainPnl->Width(), sw + 200);
}

// Wine reads LogPixels when a process starts, so the 120 case runs in a child.
TEST_F(MainFormTest, ComponentsScaleAt120PixelsPerInch) {
    if (std::getenv("LAUNCHER_EXPECT_DPI"))
        GTEST_SKIP() << "inside the child";
    HKEY key;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_SET_VALUE | KEY_QUERY_VALUE, &key),
              ERROR_SUCCESS);
    struct Restore {
        HKEY key;
        ~Restore() {
            RegDeleteValueW(key, L"LogPixels");
            RegCloseKey(key);
        }
    } restore{key};
    const DWORD dpi = 120;
    ASSERT_EQ(RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi),
              ERROR_SUCCESS);

    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring cmd =
        L"\"" + std::wstring(exe) + L"\" --gtest_filter=MainFormTest.ComponentsStandAtTheirScaledDesignPlaces";
    SetEnvironmentVariableW(L"LAUNCHER_EXPECT_DPI", L"120");
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const BOOL started = CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    SetEnvironmentVariableW(L"LAUNCHER_EXPECT_DPI", nullptr);
    ASSERT_TRUE(started);
    WaitForSingleObject(pi.hProcess, 60000);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    EXPECT_EQ(code, 0u) << "the layout at 120 pixels per inch failed; its output is above";
}

TEST_F(MainFormTest, ShowingClearsTheEntriesFocusesTheVenueCodeAndMakesTheWindowTopmost) {
    TfrmJPZZ0010 form;
    EXPECT_EQ(form.KaiCdEdt->Text(), u"99999");  // the design text until shown
    EXPECT_FALSE(form.DebugFlg);
    EXPECT_FALSE(form.StartFlg);
    form.ShowForm();
    EXPECT_TRUE(GetWindowLongW(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    EXPECT_EQ(form.KaiCdEdt->Text(), u"");
    EXPECT_EQ(form.JubanEdt->Text(), u"");
    EXPECT_EQ(GetFocus(), form.KaiCdEdt->Handle());
    // Tab order: venue code, examinee number, start button; the notices never take the focus.
    std::vector<WinControl*> order;
    form.GetTabOrderList(order);
    ASSERT_EQ(order.size(), 3u);
    EXPECT_EQ(order[0], form.KaiCdEdt);
    EXPECT_EQ(order[1], form.JubanEdt);
    EXPECT_EQ(order[2], static_cast<WinControl*>(form.StartBtn));
    // Five characters at most in the venue code; the input method is off in both.
    EXPECT_EQ(SendMessageW(form.KaiCdEdt->Handle(), EM_GETLIMITTEXT, 0, 0), 5);
    EXPECT_EQ(ImmGetContext(form.KaiCdEdt->Handle()), nullptr);
    EXPECT_EQ(ImmGetContext(form.JubanEdt->Handle()), nullptr);
}

TEST_F(MainFormTest, MemoTextsAndClientAreaForOtherParts) {
    TfrmJPZZ0010 form;
    EXPECT_EQ(form.Memo1->Text(),
              u" 当プログラムは、ヴェルマークが主催する正規の認定試験の一部です。\r\n"
              u" 当プログラムの不正な入手、問題演習、模試試験等への二次利用・転載・改変・配布は\r\n"
              u" 知的財産権の侵害にあたり、法律により罰せられます。");
    EXPECT_EQ(form.Memo2->Text(),
              u"「会場コード（団体ID）」、「受験番号」を半角数値で入力後、\r\n"
              u"［試験開始］ボタンをクリックしてください。");
    EXPECT_EQ(form.Label1->Text(), u"会場コード (団体ID)");
    EXPECT_EQ(form.Label2->Text(), u"受験番号");
    EXPECT_EQ(form.StartBtn->CaptionA().Caption(), u"試験開始");
    EXPECT_EQ(form.CloseImg->GetCursor(), Cursor::HandPoint);
    // The close picture's hint is a tooltip over wherever the picture is now.
    form.CloseImg->SetBounds(form.Width() - 90, 3, 80, 70);
    const HWND tip = form.TooltipHandle();
    ASSERT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    wchar_t text[80] = {};
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.lpszText = text;
    ASSERT_TRUE(SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&ti)));
    EXPECT_STREQ(text, L"受験プログラムの終了");
    EXPECT_EQ(ti.hwnd, form.Handle());
    EXPECT_EQ(ti.rect.left, form.Width() - 90);
    EXPECT_EQ(ti.rect.bottom, 73);
    const RECT rc = form.ClientRectOnScreen();
    EXPECT_EQ(rc.right - rc.left, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(rc.bottom - rc.top, GetSystemMetrics(SM_CYSCREEN));
}

}  // namespace
