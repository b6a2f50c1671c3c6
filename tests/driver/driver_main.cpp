// Command-line face of the test driver, for scripts:
//   driver wait-window TITLE [MS]          exit 0 when a window so titled is shown
//   driver msgbox [MS]                     prints the first message box's caption and text, presses OK
//   driver type TITLE TEXT                 types TEXT into the focused field of TITLE
//   driver key TITLE VK [shift] [ctrl]     presses a key (decimal virtual-key code)
#include <windows.h>

#include <cstdio>
#include <string>

#include "driver/driver.h"

namespace {

void PrintUtf8(const std::wstring& s) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, s.c_str(), static_cast<int>(s.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, s.c_str(), static_cast<int>(s.size()), out.data(), n, nullptr, nullptr);
    fwrite(out.data(), 1, out.size(), stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    const std::wstring cmd = argv[1];
    if (cmd == L"wait-window" && argc >= 3) {
        const DWORD ms = argc >= 4 ? static_cast<DWORD>(_wtoi(argv[3])) : 10000;
        return driver::WaitForShownWindow(nullptr, argv[2], ms) ? 0 : 1;
    }
    if (cmd == L"msgbox") {
        const DWORD ms = argc >= 3 ? static_cast<DWORD>(_wtoi(argv[2])) : 10000;
        const auto box = driver::WaitForMessageBox(0, ms);
        if (!box.found()) return 1;
        PrintUtf8(box.caption + L"\n" + box.text + L"\n");
        driver::AnswerMessageBox(box.hwnd, IDOK);
        return 0;
    }
    if ((cmd == L"type" || cmd == L"key") && argc >= 4) {
        HWND top = FindWindowW(nullptr, argv[2]);
        if (!top) return 1;
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
    return 2;
}
