// The application object: its hidden application window, the main form and the
// one event loop.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace launcher {

class Form;

class Application {
public:
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

}  // namespace launcher
