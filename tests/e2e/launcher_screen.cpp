#include "launcher_screen.h"

namespace e2e {
namespace {

// Single-line edits only: the memos are edits too.
BOOL CALLBACK TakeEdit(HWND hwnd, LPARAM self) {
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (lstrcmpiW(cls, L"Edit") != 0 || (GetWindowLongW(hwnd, GWL_STYLE) & ES_MULTILINE))
        return TRUE;
    auto* screen = reinterpret_cast<LauncherScreen*>(self);
    (SendMessageW(hwnd, EM_GETLIMITTEXT, 0, 0) == 5 ? screen->kaiCd : screen->juban) = hwnd;
    return TRUE;
}

}  // namespace

bool LauncherScreen::Open(const ExamPc& pc, const std::wstring& args) {
    launcher = pc.StartLauncher(args);
    if (!launcher.started())
        return false;
    main = driver::WaitForWindow(nullptr, L"frmJPZZ0010", 15000);
    if (!main)
        return false;
    for (int i = 0; i < 250 && !(kaiCd && juban && IsWindowVisible(kaiCd)); ++i, Sleep(20))
        EnumChildWindows(main, TakeEdit, reinterpret_cast<LPARAM>(this));
    return kaiCd && juban;
}

void LauncherScreen::SetText(HWND edit, const wchar_t* text) {
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

bool LauncherScreen::EnterIn(HWND edit, bool shift, bool ctrl) {
    driver::Activate(main);
    PostMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    for (int i = 0; i < 100 && driver::FocusedWindow(main) != edit; ++i)
        Sleep(20);
    if (driver::FocusedWindow(main) != edit)
        return false;
    driver::PressKey(VK_RETURN, shift, ctrl);
    return true;
}

std::wstring LauncherScreen::AnswerBox(DWORD timeoutMs) {
    const driver::MessageBoxInfo box = driver::WaitForMessageBox(launcher.pid(), timeoutMs);
    if (!box.found())
        return L"(no message box)";
    driver::AnswerMessageBox(box.hwnd);
    driver::WaitForWindowGone(box.hwnd, 5000);
    return box.text;
}

bool LauncherScreen::NoFurtherBox(DWORD ms) {
    return !driver::WaitForMessageBox(launcher.pid(), ms).found();
}

}  // namespace e2e
