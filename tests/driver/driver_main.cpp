// Command-line face of the test driver, for scripts:
//   driver wait-window TITLE [MS]          exit 0 when a window so titled is shown
//   driver msgbox [MS]                     prints the first message box's caption and text, presses OK
//   driver type TITLE TEXT                 types TEXT into the focused field of TITLE
//   driver key TITLE VK [shift] [ctrl]     presses a key (decimal virtual-key code)
//   driver bench-start LAUNCHER_DIR VENUE NUMBER SAMPLE_EXE
//                                          times one start of the launcher (scripts/bench-start.sh)
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "driver/driver.h"

namespace {

void PrintUtf8(const std::wstring& s) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, s.c_str(), static_cast<int>(s.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, s.c_str(), static_cast<int>(s.size()), out.data(), n, nullptr, nullptr);
    fwrite(out.data(), 1, out.size(), stdout);
}

double Now() {
    static LARGE_INTEGER freq = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(freq.QuadPart);
}

// Polls without pausing, so that a short-lived file or a new window is seen at once.
template <typename Done>
bool Poll(Done done, double timeoutMs) {
    const double end = Now() + timeoutMs;
    while (!done())
        if (Now() > end)
            return false;
    return true;
}

const wchar_t kExamWindow[] = L"frmJPBG0010";

void CloseExamWindows() {
    for (HWND w; (w = FindWindowW(nullptr, kExamWindow)) != nullptr;) {
        PostMessageW(w, WM_CLOSE, 0, 0);
        if (!driver::WaitForWindowGone(w, 5000))
            break;
    }
}

// The sample exam program started directly: time to its shown window.
double SampleStartup(const std::wstring& exe) {
    const std::wstring dir = exe.substr(0, exe.find_last_of(L'\\') + 1);
    const double start = Now();
    driver::Process sample(L"\"" + exe + L"\"", dir);
    if (!sample.started())
        return -1;
    // Found the way the launcher looks for it.
    const bool up = Poll([] { return FindWindowW(nullptr, kExamWindow) != nullptr; }, 20000);
    const double took = Now() - start;
    CloseExamWindows();
    sample.Wait(5000);
    return up ? took : -1;
}

struct Fields {
    HWND kaiCd = nullptr, juban = nullptr;
};

BOOL CALLBACK TakeEdit(HWND hwnd, LPARAM p) {
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (lstrcmpiW(cls, L"Edit") != 0 || (GetWindowLongW(hwnd, GWL_STYLE) & ES_MULTILINE))
        return TRUE;
    auto* f = reinterpret_cast<Fields*>(p);
    (SendMessageW(hwnd, EM_GETLIMITTEXT, 0, 0) == 5 ? f->kaiCd : f->juban) = hwnd;
    return TRUE;
}

int BenchStart(const std::wstring& launcherDir,
               const wchar_t* venue,
               const wchar_t* number,
               const std::wstring& sample) {
    std::vector<double> own;
    for (int i = 0; i < 3; ++i)
        own.push_back(SampleStartup(sample));

    std::wstring parent = launcherDir.substr(0, launcherDir.size() - 1);
    parent = parent.substr(0, parent.find_last_of(L'\\') + 1);
    driver::Process launcher(L"\"" + launcherDir + L"launcher.exe\"", launcherDir);
    HWND main = driver::WaitForShownWindow(nullptr, L"frmJPZZ0010", 20000);
    if (!launcher.started() || !main) {
        std::fprintf(stderr, "the launcher's window did not appear\n");
        return 1;
    }
    Fields f;
    for (int i = 0; i < 250 && !(f.kaiCd && f.juban && IsWindowVisible(f.kaiCd)); ++i, Sleep(20))
        EnumChildWindows(main, TakeEdit, reinterpret_cast<LPARAM>(&f));
    if (!f.kaiCd || !f.juban)
        return 1;
    SendMessageW(f.kaiCd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(venue));
    SendMessageW(f.juban, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(number));
    driver::Activate(main);
    PostMessageW(f.juban, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(f.juban, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    for (int i = 0; i < 100 && driver::FocusedWindow(main) != f.juban; ++i)
        Sleep(20);

    const std::wstring batch = parent + L"JukenExeStart.BAT";
    HWND exam = nullptr;
    const auto examUp = [&exam] { return (exam = FindWindowW(nullptr, kExamWindow)) != nullptr; };
    const double enter = Now();
    driver::PressKey(VK_RETURN);
    const bool batchSeen =
        Poll([&] { return GetFileAttributesW(batch.c_str()) != INVALID_FILE_ATTRIBUTES || examUp(); }, 20000) && !exam;
    const double batchAt = Now();
    const bool examSeen = Poll(examUp, 20000);
    const double examAt = Now();
    const bool ended = launcher.Wait(20000);
    const double endAt = Now();

    std::printf("sample exam program alone, start to window: %.0f ms, %.0f ms, %.0f ms (three runs)\n", own[0], own[1],
                own[2]);
    if (batchSeen)
        std::printf("launcher, Enter to exam-start batch written and started: %.0f ms\n", batchAt - enter);
    else
        std::printf("launcher, Enter to exam-start batch: not seen\n");
    if (examSeen) {
        std::printf("exam-start batch to exam window: %.0f ms\n", examAt - batchAt);
        std::printf("Enter to exam window: %.0f ms\n", examAt - enter);
    }
    if (examSeen && ended)
        std::printf("launcher, exam window to its process's end: %.0f ms\n", endAt - examAt);
    CloseExamWindows();
    return batchSeen && examSeen && ended ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2)
        return 2;
    const std::wstring cmd = argv[1];
    if (cmd == L"wait-window" && argc >= 3) {
        const DWORD ms = argc >= 4 ? static_cast<DWORD>(_wtoi(argv[3])) : 10000;
        return driver::WaitForShownWindow(nullptr, argv[2], ms) ? 0 : 1;
    }
    if (cmd == L"msgbox") {
        const DWORD ms = argc >= 3 ? static_cast<DWORD>(_wtoi(argv[2])) : 10000;
        const auto box = driver::WaitForMessageBox(0, ms);
        if (!box.found())
            return 1;
        PrintUtf8(box.caption + L"\n" + box.text + L"\n");
        driver::AnswerMessageBox(box.hwnd, IDOK);
        return 0;
    }
    if ((cmd == L"type" || cmd == L"key") && argc >= 4) {
        HWND top = FindWindowW(nullptr, argv[2]);
        if (!top)
            return 1;
        driver::Activate(top);
        if (cmd == L"type") {
            driver::TypeText(argv[3]);
        } else {
            bool shift = false, ctrl = false;
            for (int i = 4; i < argc; ++i) {
                shift |= std::wstring(argv[i]) == L"shift";
                ctrl |= std::wstring(argv[i]) == L"ctrl";
            }
            driver::PressKey(static_cast<WORD>(_wtoi(argv[3])), shift, ctrl);
        }
        return 0;
    }
    if (cmd == L"bench-start" && argc >= 6)
        return BenchStart(argv[2], argv[3], argv[4], argv[5]);
    return 2;
}
