// Test-only driver: finds windows by title, reads and answers message boxes,
// types into fields and presses keys in another process's windows.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// Polls FindWindowW until the window exists or the time is up; null on timeout.
HWND WaitForWindow(const wchar_t* cls, const wchar_t* title, DWORD timeoutMs);
// As WaitForWindow, for a window that is also shown (a program may make its
// window hidden and show it only when its screen is ready).
HWND WaitForShownWindow(const wchar_t* cls, const wchar_t* title, DWORD timeoutMs);
bool WaitForWindowGone(HWND hwnd, DWORD timeoutMs);
std::wstring WindowText(HWND hwnd);

struct MessageBoxInfo {
    HWND hwnd = nullptr;
    std::wstring caption;
    std::wstring text;
    std::vector<std::wstring> buttons;  // the push buttons' captions, in creation order
    HWND owner = nullptr;
    bool found() const { return hwnd != nullptr; }
};
// The first message box (dialog class #32770 with a static text) owned by a
// process, or of any process when pid is 0.
MessageBoxInfo WaitForMessageBox(DWORD pid, DWORD timeoutMs);
// Presses the button with this command id (IDOK, IDYES, ...).
void AnswerMessageBox(HWND box, int id = IDOK);

// The window that has the keyboard focus in the thread of `top`.
HWND FocusedWindow(HWND top);
// Makes `top` the foreground window, then types or presses through SendInput.
void Activate(HWND top);
void TypeText(const std::wstring& text);
void PressKey(WORD vk, bool shift = false, bool ctrl = false);

// A file's bytes, read with sharing; empty when it cannot be opened.
std::string ReadFileBytes(const std::wstring& path);

// A started process, owned: the handle is closed with the object.
class Process {
public:
    Process() = default;
    Process(const std::wstring& commandLine, const std::wstring& workDir);
    ~Process();
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool started() const { return info_.hProcess != nullptr; }
    DWORD pid() const { return info_.dwProcessId; }
    // True when the process has ended within the time; then exitCode is set.
    bool Wait(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
    void Kill();

private:
    PROCESS_INFORMATION info_{};
};

// Processor time (kernel + user) that a batch process has used so far, in
// milliseconds; negative when it cannot be read. Under Wine, GetProcessTimes does
// not see another process's time, so Linux's account in /proc is read instead, for
// the process that runs batchFile (full path) in batchFile's folder.
double CpuMilliseconds(HANDLE process, const std::wstring& batchFile);

}  // namespace driver
