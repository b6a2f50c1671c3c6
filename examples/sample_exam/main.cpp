// A stand-in for the exam program of a package: a window titled "frmJPBG0010"
// that shows where it runs. Closing it ends the program.
#include <windows.h>

#include <string>

#ifndef SAMPLE_EXAM_NO_WINDOW
namespace {

std::wstring g_text;

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT rc;
            GetClientRect(hwnd, &rc);
            InflateRect(&rc, -16, -16);
            DrawTextW(dc, g_text.c_str(), -1, &rc, DT_LEFT | DT_TOP | DT_WORDBREAK);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

}  // namespace
#endif

int WINAPI wWinMain(HINSTANCE inst, HINSTANCE, PWSTR, int show) {
#ifdef SAMPLE_EXAM_NO_WINDOW
    (void)inst, (void)show;
    Sleep(15000);  // stays up past the launcher's wait, without a window
    return 0;
#else
    wchar_t exe[MAX_PATH], cwd[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    GetCurrentDirectoryW(MAX_PATH, cwd);
    g_text = L"サンプル試験プログラム\n\n実行ファイル: " + std::wstring(exe) + L"\n作業フォルダ: " + cwd;

    WNDCLASSW wc{};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"SampleExam";
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"frmJPBG0010", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                800, 500, nullptr, nullptr, inst, nullptr);
    ShowWindow(hwnd, show);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
#endif
}
