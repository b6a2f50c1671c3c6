// Program entry: the main form's window has its own taskbar button, the
// application window none; the program ends when the main form closes.
#include <windows.h>

#include "app/JPZZ0010.h"
#include "core/errors.h"
#include "platform/handles.h"
#include "platform/ui/application.h"
#include "platform/wstr.h"

namespace {

// One launcher per desktop. A second one (a double click is enough) would stack
// another topmost screen, write its own key over the first one's and hold its
// executable against the clean-up: it hands over to the first one and ends before
// reading or writing anything. The mutex lives as long as the process.
bool HandedOverToAnotherLauncher(launcher::KernelHandle& guard) {
    guard = launcher::KernelHandle(CreateMutexW(nullptr, FALSE, L"Local\\ExamLauncher.JPZZ0010"));
    if (!guard || GetLastError() != ERROR_ALREADY_EXISTS)
        return false;
    if (HWND other = FindWindowW(nullptr, L"frmJPZZ0010")) {
        // A message or the exit dialog of the first one comes forward with it.
        HWND popup = GetLastActivePopup(other);
        SetForegroundWindow(popup ? popup : other);
    }
    return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace launcher;
    KernelHandle guard;
    if (HandedOverToAnotherLauncher(guard))
        return 0;
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
