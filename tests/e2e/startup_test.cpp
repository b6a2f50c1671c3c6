#include <windows.h>

#include <gtest/gtest.h>

#include <cwctype>
#include <string>

#include "driver/driver.h"
#include "exam_pc.h"

namespace {

using testsupport::ReadIni;

bool AllDigits(const std::wstring& s) {
    if (s.empty())
        return false;
    for (wchar_t c : s) {
        if (!std::iswdigit(c))
            return false;
    }
    return true;
}

TEST(Startup, MainWindowIsFullScreenTopmostAndTitled) {
    e2e::ExamPc pc;
    auto launcher = pc.StartLauncher();
    ASSERT_TRUE(launcher.started());
    HWND main = driver::WaitForShownWindow(nullptr, L"frmJPZZ0010", 15000);
    ASSERT_NE(main, nullptr);
    RECT rc;
    GetWindowRect(main, &rc);
    EXPECT_EQ(rc.left, 0);
    EXPECT_EQ(rc.top, 0);
    EXPECT_EQ(rc.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(rc.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongW(main, GWL_STYLE) & WS_CAPTION);
    // Its own taskbar button: an unowned application window.
    EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
    EXPECT_TRUE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_APPWINDOW);

    // The environment record, written before the window opened.
    const std::wstring ini = pc.examDir() + L"system\\shiken.ini";
    const std::wstring os = ReadIni(ini, L"受験者情報", L"OS");
    size_t dots = 0;
    for (wchar_t c : os)
        dots += c == L'.';
    EXPECT_GE(dots, 4u) << "OS=" << os.size();
    EXPECT_TRUE(AllDigits(os.substr(os.find_last_of(L'.') + 1)));
    HDC dc = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
    EXPECT_EQ(ReadIni(ini, L"受験者情報", L"DPI"), std::to_wstring(GetDeviceCaps(dc, LOGPIXELSX)));
    DeleteDC(dc);
    EXPECT_EQ(ReadIni(ini, L"受験者情報", L"解像度"),
              std::to_wstring(GetSystemMetrics(SM_CXSCREEN)) + L"×" + std::to_wstring(GetSystemMetrics(SM_CYSCREEN)));
    // Total physical memory as a 32-bit count: more than that reads as the top value.
    MEMORYSTATUS ms{};
    ms.dwLength = sizeof ms;
    GlobalMemoryStatus(&ms);
    const unsigned long long total = ms.dwTotalPhys;
    EXPECT_EQ(ReadIni(ini, L"受験者情報", L"メモリ"), std::to_wstring(total > 0xFFFFFFFFull ? 0xFFFFFFFFull : total));
    launcher.Kill();
}

// The manifest declares no Windows versions, so the record holds what Windows tells
// such a program (6.2.9200 on Windows 10 and 11), as the exam program expects.
// Wine tells it so too when the launcher's own Windows version is set to 10.
TEST(Startup, TheOsRecordIsWhatAProgramDeclaringNoWindowsVersionsIsTold) {
    if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"))
        GTEST_SKIP() << "needs Wine's per-program Windows version";
    const wchar_t kAppDefaults[] = L"Software\\Wine\\AppDefaults\\launcher.exe";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kAppDefaults, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const wchar_t win10[] = L"win10";
    RegSetValueExW(key, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(win10), sizeof win10);
    RegCloseKey(key);
    struct Restore {
        const wchar_t* path;
        ~Restore() { RegDeleteKeyW(HKEY_CURRENT_USER, path); }
    } restore{kAppDefaults};

    e2e::ExamPc pc;
    auto launcher = pc.StartLauncher();
    ASSERT_TRUE(launcher.started());
    ASSERT_NE(driver::WaitForShownWindow(nullptr, L"frmJPZZ0010", 15000), nullptr);
    launcher.Kill();
    const std::wstring os = ReadIni(pc.examDir() + L"system\\shiken.ini", L"受験者情報", L"OS");
    EXPECT_EQ(os.rfind(L"6.2.9200.", 0), 0u) << os;
}

TEST(Startup, FromInsideTheTemporaryFolderItRefusesAndEndsWithoutBatchFiles) {
    e2e::ExamPc pc;
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    // The same package, one level down in the temporary folder, the letters' case changed.
    std::wstring parent = std::wstring(tmp) + L"e2eTEMP" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    for (auto& c : parent)
        c = static_cast<wchar_t>(std::towlower(c));
    CreateDirectoryW(parent.c_str(), nullptr);
    e2e::CopyTree(pc.launcherDir().substr(0, pc.launcherDir().size() - 1), parent + L"launcher");
    driver::Process launcher(L"\"" + parent + L"launcher\\launcher.exe\"", parent + L"launcher");
    ASSERT_TRUE(launcher.started());

    const auto box = driver::WaitForMessageBox(launcher.pid(), 15000);
    ASSERT_TRUE(box.found());
    EXPECT_NE(box.text.find(L"受験プログラムが解凍されていません。"), std::wstring::npos);
    driver::AnswerMessageBox(box.hwnd);
    DWORD code = 0;
    EXPECT_TRUE(launcher.Wait(10000, &code));
    EXPECT_EQ(GetFileAttributesW((parent + L"JukenExeStart.BAT").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesW((parent + L"Corvanta.BAT").c_str()), INVALID_FILE_ATTRIBUTES);
    launcher.Kill();
    e2e::RemoveTree(parent.substr(0, parent.size() - 1));
}

TEST(Startup, AnUnwritableShikenIniDelaysTheWindowButShowsNoMessage) {
    e2e::ExamPc pc;
    const std::wstring ini = pc.examDir() + L"system\\shiken.ini";
    // Held without sharing by a stand-in process, so every write fails even for root.
    testsupport::FileHolder hold(ini);
    ASSERT_TRUE(hold.holding());
    const ULONGLONG start = GetTickCount64();
    auto launcher = pc.StartLauncher();
    ASSERT_TRUE(launcher.started());
    HWND main = driver::WaitForShownWindow(nullptr, L"frmJPZZ0010", 30000);
    const ULONGLONG elapsed = GetTickCount64() - start;
    ASSERT_NE(main, nullptr);
    // Four writes, each given up after its retries of about a second.
    EXPECT_GE(elapsed, 3500u);
    EXPECT_FALSE(driver::WaitForMessageBox(launcher.pid(), 500).found());
    std::printf("window after %llu ms with shiken.ini held\n", elapsed);
    launcher.Kill();
}

}  // namespace
