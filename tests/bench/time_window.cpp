// time_window TITLE RUNS EXE: starts EXE (in its folder) RUNS times and prints,
// per run, the milliseconds from CreateProcessW until its window TITLE is shown
// and answers a message; the program is ended after each run.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "driver/driver.h"

namespace {

double TimeToWindow(const std::wstring& exe, const wchar_t* title) {
    LARGE_INTEGER freq, t0, t1;
    QueryPerformanceFrequency(&freq);
    const std::wstring dir = exe.substr(0, exe.find_last_of(L"\\/") + 1);
    QueryPerformanceCounter(&t0);
    driver::Process p(L"\"" + exe + L"\"", dir);
    if (!p.started())
        return -1;
    for (int i = 0; i < 30000; ++i) {
        HWND h = FindWindowW(nullptr, title);
        DWORD_PTR r = 0;
        if (h && IsWindowVisible(h) && SendMessageTimeoutW(h, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &r)) {
            QueryPerformanceCounter(&t1);
            p.Kill();
            return 1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(freq.QuadPart);
        }
        Sleep(1);
    }
    p.Kill();
    return -1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4)
        return 2;
    const int runs = _wtoi(argv[2]);
    for (int i = 0; i < runs; ++i) {
        const double t = TimeToWindow(argv[3], argv[1]);
        if (t < 0)
            return 1;
        std::printf("%.1f\n", t);
    }
    return 0;
}
