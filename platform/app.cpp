#include "platform/app.h"

#include <shellapi.h>
#include <memory>
#include <vector>

#include "common/errors.h"
#include "platform/ui/forms.h"
#include "platform/wstr.h"

namespace launcher {
namespace {

std::u16string g_launcherDir;
bool g_launcherDirSet = false;
HWND g_appWindow = nullptr;
Form* g_mainForm = nullptr;
bool g_terminated = false;

std::u16string DirectoryOf(const std::u16string& path) {
    const auto slash = path.find_last_of(u"\\/");
    return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash + 1);
}

}  // namespace

std::u16string Application::ExeName() {
    std::vector<wchar_t> buf(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n < buf.size())
            return U(buf.data(), n);
        buf.resize(buf.size() * 2);
    }
}

std::vector<std::u16string> Application::Params() {
    std::vector<std::u16string> params;
    int n = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &n);
    if (!argv)
        return params;
    for (int i = 1; i < n; ++i)
        params.push_back(U(argv[i]));
    LocalFree(argv);
    return params;
}

const std::u16string& Application::LauncherDir() {
    if (!g_launcherDirSet) {
        g_launcherDir = DirectoryOf(ExeName());
        g_launcherDirSet = true;
    }
    return g_launcherDir;
}

void Application::SetLauncherDir(std::u16string dir) {
    g_launcherDir = std::move(dir);
    g_launcherDirSet = true;
}

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

std::u16string SysErrorMessage(DWORD code) {
    wchar_t* raw = nullptr;
    const DWORD n =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<LPWSTR>(&raw), 0, nullptr);
    const std::unique_ptr<wchar_t, decltype(&LocalFree)> text(raw, &LocalFree);
    std::u16string result = n ? U(text.get(), n) : std::u16string();
    while (!result.empty() && (result.back() == u'\r' || result.back() == u'\n' || result.back() == u' '))
        result.pop_back();
    return result;
}

void RaiseLastOSError() {
    const DWORD code = GetLastError();
    throw EOSError(code, OSErrorMessage(code, SysErrorMessage(code)));
}

}  // namespace launcher
