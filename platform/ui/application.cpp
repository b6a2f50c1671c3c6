#include "platform/ui/application.h"

#include <memory>
#include <vector>

#include "platform/ui/forms.h"
#include "platform/wstr.h"

namespace launcher {
namespace {

HWND g_appWindow = nullptr;
Form* g_mainForm = nullptr;
bool g_terminated = false;

}  // namespace

HWND Application::Handle() {
    if (!g_appWindow) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"LauncherApplication";
        RegisterClassExW(&wc);
        // A tool window never shows a taskbar button; the main form has its own.
        g_appWindow = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                      wc.hInstance, nullptr);
    }
    return g_appWindow;
}

void Application::Run(Form& mainForm) {
    g_mainForm = &mainForm;
    if (!g_terminated)
        mainForm.ShowForm();
    MSG msg;
    while (!g_terminated && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (Form::PreTranslate(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    g_mainForm = nullptr;
}

void Application::Terminate() {
    if (!g_terminated) {
        g_terminated = true;
        PostQuitMessage(0);
    }
}

bool Application::Terminated() {
    return g_terminated;
}

Form* Application::MainForm() {
    return g_mainForm;
}

void Application::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            g_terminated = true;
            break;
        }
        if (Form::PreTranslate(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace launcher
