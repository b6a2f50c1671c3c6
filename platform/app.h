// Process-wide facts of the running program: its executable, its folder, its
// hidden application window and the event loop.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace launcher {

class Form;

class Application {
public:
    // Full path of the running executable (the module file name).
    static std::u16string ExeName();
    // The command-line parameters after the program path.
    static std::vector<std::u16string> Params();
    // The launcher folder: the executable's folder with a trailing backslash.
    // In-process tests point it at a fixture folder instead.
    static const std::u16string& LauncherDir();
    static void SetLauncherDir(std::u16string dir);

    // The application's own top-level window: hidden, with no taskbar button.
    // It owns message boxes raised on behalf of components that are not forms.
    static HWND Handle();

    // Shows the main form, then runs the event loop until Terminate or until the
    // main form closes.
    static void Run(Form& mainForm);
    static void Terminate();
    static bool Terminated();
    static Form* MainForm();
    // Handles the messages waiting, without blocking.
    static void ProcessMessages();
};

// Windows' text for a system error code (FormatMessageW), without the final line break.
std::u16string SysErrorMessage(DWORD code);
// Raises EOSError for GetLastError(), with the system's text for it.
[[noreturn]] void RaiseLastOSError();

}  // namespace launcher
