// Forms: borderless top-level windows that own their components, offer dialog
// keys to their controls, remember the focused control and run modally.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/ui/win_control.h"

namespace launcher {

using ModalResult = std::int32_t;
constexpr ModalResult mrNone = 0;
constexpr ModalResult mrOk = 1;
constexpr ModalResult mrCancel = 2;

class Form : public WinControl {
public:
    explicit Form(Component* owner);
    ~Form() override;

    // Makes the window now with this caption and bounds (forms built in code).
    void CreateWindowNow(const std::u16string& caption, RECT bounds);
    // Shows the window; OnShow runs first, the first time.
    void ShowForm();
    // Runs a nested loop until ModalResult is set (or the application ends); the
    // other windows of the program are disabled meanwhile and the form is hidden after.
    ModalResult ShowModal();
    // Takes effect once the current handler has returned to the loop. A modal form
    // gets mrCancel; the main form's closing ends the program.
    void Close();
    ModalResult GetModalResult() const { return modalResult_; }
    void SetModalResult(ModalResult r) { modalResult_ = r; }
    bool Modal() const { return modal_; }

    // Places the window above all windows that are not topmost.
    void MakeTopmost();
    // Centre on the screen when shown.
    void SetCenterOnScreen(bool v) { centerOnScreen_ = v; }

    WinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(WinControl* c);
    // Moves the focus to the next (or previous) control in tab order.
    void SelectNext(bool forward);
    // Enter, Escape and Tab, offered before the focused control sees them.
    bool DialogKey(std::uint16_t key, ShiftState shift) override;
    // Client size at design (the layout's ClientWidth and ClientHeight).
    void SetClientSize(int width, int height) { SetBounds(Left(), Top(), width, height); }

    NotifyEvent OnCreate;
    NotifyEvent OnShow;

    // For message loops: offers Enter, Escape and Tab to the form of the control
    // the key went to; true when a control took it, and it is not dispatched.
    static bool PreTranslate(MSG& msg);
    // The form's tooltip window for hints, made on first use.
    HWND TooltipHandle();

protected:
    void GetCreateParams(CreateParams& params) override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    // Creates the window and the children's; the layout is read before this.
    void CreateAllHandles();
    void DoShow();

private:
    friend class WinControl;
    void FocusChanged(WinControl* c);
    ModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool shown_ = false;
    bool centerOnScreen_ = false;
    bool topmost_ = false;
    WinControl* activeControl_ = nullptr;  // borrowed: one of this form's controls
    HWND tooltip_ = nullptr;
};

}  // namespace launcher
