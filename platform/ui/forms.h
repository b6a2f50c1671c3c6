// Windowed controls and forms over Win32: one window procedure, `this` stored at
// WM_NCCREATE, every message forwarded to a virtual member.
#pragma once
#include <windows.h>

#include <string>

#include "platform/ui/component.h"

namespace launcher {

class WinControl : public Component {
public:
    explicit WinControl(Component* owner) : Component(owner) {}
    ~WinControl() override;

    HWND Handle() const { return handle_; }
    bool HandleAllocated() const { return handle_ != nullptr; }

protected:
    // Creates the window; `cls` null means this library's own window class.
    void CreateHandle(const wchar_t* cls, DWORD style, DWORD exStyle, const std::u16string& text, RECT bounds,
                      HWND parent);
    virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);

private:
    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    HWND handle_ = nullptr;
    WNDPROC defProc_ = nullptr;  // the system class's procedure for subclassed controls
};

class Form : public WinControl {
public:
    explicit Form(Component* owner);

    void CreateWindowNow(const std::u16string& caption, RECT bounds);
    void Close();

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
};

}  // namespace launcher
