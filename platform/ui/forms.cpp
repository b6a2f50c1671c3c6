#include "platform/ui/forms.h"

#include "platform/app.h"
#include "platform/wstr.h"

namespace launcher {
namespace {

constexpr wchar_t kWindowClass[] = L"LauncherWindow";

void RegisterOwnClass(WNDPROC proc) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
    registered = true;
}

constexpr wchar_t kSelfProp[] = L"Launcher.WinControl";

}  // namespace

WinControl::~WinControl() {
    if (handle_) {
        HWND h = handle_;
        handle_ = nullptr;
        DestroyWindow(h);
    }
}

void WinControl::CreateHandle(const wchar_t* cls, DWORD style, DWORD exStyle, const std::u16string& text, RECT bounds,
                              HWND parent) {
    HINSTANCE inst = GetModuleHandleW(nullptr);
    if (!cls) {
        RegisterOwnClass(&WinControl::StaticWndProc);
        handle_ = CreateWindowExW(exStyle, kWindowClass, W(text), style, bounds.left, bounds.top,
                                  bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr, inst, this);
        return;
    }
    // A system class: subclass it so its messages reach WndProc too.
    handle_ = CreateWindowExW(exStyle, cls, W(text), style, bounds.left, bounds.top, bounds.right - bounds.left,
                              bounds.bottom - bounds.top, parent, nullptr, inst, nullptr);
    if (handle_) {
        SetPropW(handle_, kSelfProp, this);
        defProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WinControl::SubclassProc)));
    }
}

LRESULT WinControl::WndProc(UINT msg, WPARAM wp, LPARAM lp) { return DefaultProc(msg, wp, lp); }

LRESULT WinControl::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    return defProc_ ? CallWindowProcW(defProc_, handle_, msg, wp, lp) : DefWindowProcW(handle_, msg, wp, lp);
}

LRESULT CALLBACK WinControl::StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        auto* self = static_cast<WinControl*>(cs->lpCreateParams);
        self->handle_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<WinControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    LRESULT result = 0;
    try {
        result = self->WndProc(msg, wp, lp);
    } catch (...) {
        // Nothing may unwind through user32; handlers report their own errors.
        result = DefWindowProcW(hwnd, msg, wp, lp);
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
    }
    return result;
}

LRESULT CALLBACK WinControl::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = static_cast<WinControl*>(GetPropW(hwnd, kSelfProp));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    LRESULT result = 0;
    try {
        result = self->WndProc(msg, wp, lp);
    } catch (...) {
        result = CallWindowProcW(self->defProc_, hwnd, msg, wp, lp);
    }
    if (msg == WM_NCDESTROY) {
        RemovePropW(hwnd, kSelfProp);
        self->handle_ = nullptr;
    }
    return result;
}

Form::Form(Component* owner) : WinControl(owner) {}

void Form::CreateWindowNow(const std::u16string& caption, RECT bounds) {
    CreateHandle(nullptr, WS_POPUP | WS_CLIPCHILDREN, WS_EX_APPWINDOW, caption, bounds, nullptr);
}

void Form::Close() {
    if (HandleAllocated()) PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

LRESULT Form::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND: {
            RECT rc;
            GetClientRect(Handle(), &rc);
            FillRect(reinterpret_cast<HDC>(wp), &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            return 1;
        }
        case WM_DESTROY:
            if (Application::MainForm() == this) Application::Terminate();
            break;
        default:
            break;
    }
    return DefaultProc(msg, wp, lp);
}

}  // namespace launcher
