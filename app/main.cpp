// Program entry: the main form's window has its own taskbar button, the
// application window none; the program ends when the main form closes.
#include <windows.h>

#include "platform/app.h"
#include "platform/ui/forms.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace launcher;
    Form mainForm(nullptr);
    mainForm.SetName(u"frmJPZZ0010");
    mainForm.CreateWindowNow(u"frmJPZZ0010",
                             RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    ShowWindow(mainForm.Handle(), SW_SHOW);
    SetWindowPos(mainForm.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Application::Run(mainForm);
    return 0;
}
