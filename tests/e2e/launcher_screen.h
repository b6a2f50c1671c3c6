// The running launcher seen from outside: its window, its two entry fields (told
// apart by their length limits) and the message boxes it shows.
#pragma once
#include <windows.h>

#include <string>

#include "driver/driver.h"
#include "exam_pc.h"

namespace e2e {

class LauncherScreen {
public:
    // Starts the launcher of `pc` and waits for its screen with both fields shown.
    bool Open(const ExamPc& pc, const std::wstring& args = L"");
    void Kill() { launcher.Kill(); }

    static void SetText(HWND edit, const wchar_t* text);
    // Focuses the field the way a click does, then presses Enter in it; false when
    // the field did not take the focus.
    bool EnterIn(HWND edit, bool shift = false, bool ctrl = false);
    // The next message box's text, after pressing its OK; "(no message box)" when
    // none came within the time.
    std::wstring AnswerBox(DWORD timeoutMs = 10000);
    bool NoFurtherBox(DWORD ms = 700);

    driver::Process launcher;
    HWND main = nullptr;
    HWND kaiCd = nullptr;
    HWND juban = nullptr;
};

}  // namespace e2e
