// Program entry: the main form's window has its own taskbar button, the
// application window none; the program ends when the main form closes.
#include <windows.h>

#include "app/JPZZ0010.h"
#include "core/errors.h"
#include "platform/ui/application.h"
#include "platform/wstr.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace launcher;
    try {
        TfrmJPZZ0010 frmJPZZ0010;
        Application::Run(frmJPZZ0010);
    } catch (const Exception& e) {
        // A broken layout: say so plainly rather than show half a screen.
        MessageBoxW(nullptr, W(e.Message), L"frmJPZZ0010", MB_OK | MB_ICONERROR);
        return 1;
    }
    return 0;
}
