#include "platform/ui/forms.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "platform/ui/application.h"
#include "platform/wstr.h"

namespace launcher {
namespace {

BOOL CALLBACK CollectEnabledWindow(HWND h, LPARAM lp) {
    auto* list = reinterpret_cast<std::vector<HWND>*>(lp);
    if (IsWindowVisible(h) && IsWindowEnabled(h))
        list->push_back(h);
    return TRUE;
}

}  // namespace

Form::Form(Component* owner) : WinControl(owner) {
    SetVisible(false);
    SetColor(clBtnFace);
}

Form::~Form() {
    // The windows go while this form is still whole, so no late message reaches a
    // half-destroyed form.
    if (tooltip_)
        DestroyWindow(tooltip_);
    DestroyHandle();
}

void Form::GetCreateParams(CreateParams& p) {
    p.style = WS_POPUP | WS_CLIPCHILDREN;
    // Only a form without an owner window shows a taskbar button of its own.
    auto* ownerForm = dynamic_cast<Form*>(Owner());
    p.exStyle = (ownerForm && ownerForm->HandleAllocated()) ? 0 : WS_EX_APPWINDOW;
}

void Form::CreateWindowNow(const std::u16string& caption, RECT bounds) {
    SetText(caption);
    SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    CreateAllHandles();
}

void Form::CreateAllHandles() {
    HandleNeeded();
    // Every container records the size its anchored children were placed for.
    struct Realigner {
        static void Run(WinControl* w) {
            w->Realign();
            for (Control* c : w->Controls()) {
                if (auto* child = dynamic_cast<WinControl*>(c))
                    Run(child);
            }
        }
    };
    Realigner::Run(this);
}

HWND Form::TooltipHandle() {
    if (!tooltip_ && HandleAllocated()) {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
        // Not owned by the form: under Wine a topmost owned popup keeps its owner
        // from becoming topmost itself. The form destroys it.
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    return tooltip_;
}

void Form::DoShow() {
    if (OnShow)
        OnShow(this);
}

void Form::ShowForm() {
    HandleNeeded();
    if (!HandleAllocated())
        return;
    if (!Visible()) {
        // OnShow runs before the window appears, as each showing begins.
        DoShow();
        if (centerOnScreen_) {
            SetBounds((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2, (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2,
                      Width(), Height());
        }
        SetVisible(true);
        if (!activeControl_) {
            std::vector<WinControl*> order;
            GetTabOrderList(order);
            if (!order.empty())
                activeControl_ = order.front();
        }
        ShowWindow(Handle(), SW_SHOW);
        // Wine drops the topmost state of a window made topmost while hidden.
        if (topmost_)
            SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(Handle());
    }
    if (activeControl_ && activeControl_->CanFocus())
        ::SetFocus(activeControl_->Handle());
}

ModalResult Form::ShowModal() {
    HandleNeeded();
    modal_ = true;
    modalResult_ = mrNone;
    // The rest of the program waits: its windows take no input while the form is up.
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), &CollectEnabledWindow, reinterpret_cast<LPARAM>(&disabled));
    std::erase(disabled, Handle());
    for (HWND h : disabled)
        EnableWindow(h, FALSE);

    ShowForm();
    MSG msg;
    while (modalResult_ == mrNone && !Application::Terminated()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            Application::Terminate();
            break;
        }
        if (!PreTranslate(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    // Enable the others before hiding, so the activation goes back to them.
    for (HWND h : disabled)
        EnableWindow(h, TRUE);
    if (HandleAllocated()) {
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetVisible(false);
    modal_ = false;
    return modalResult_;
}

void Form::Close() {
    if (HandleAllocated())
        PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

void Form::MakeTopmost() {
    topmost_ = true;
    if (HandleAllocated())
        SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Form::SetActiveControl(WinControl* c) {
    activeControl_ = c;
    if (c && c->CanFocus() && IsWindowVisible(Handle()))
        ::SetFocus(c->Handle());
}

void Form::FocusChanged(WinControl* c) {
    activeControl_ = c;
}

void Form::SelectNext(bool forward) {
    std::vector<WinControl*> order;
    GetTabOrderList(order);
    if (order.empty())
        return;
    auto it = std::find(order.begin(), order.end(), activeControl_);
    size_t i;
    if (it == order.end()) {
        i = forward ? 0 : order.size() - 1;
    } else {
        const size_t cur = static_cast<size_t>(it - order.begin());
        i = forward ? (cur + 1) % order.size() : (cur + order.size() - 1) % order.size();
    }
    order[i]->SetFocus();
}

bool Form::DialogKey(std::uint16_t key, ShiftState shift) {
    if (key == VK_TAB && !(shift & (ssCtrl | ssAlt))) {
        SelectNext(!(shift & ssShift));
        return true;
    }
    return WinControl::DialogKey(key, shift);
}

bool Form::PreTranslate(MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return false;
    const auto key = static_cast<std::uint16_t>(msg.wParam);
    if (key != VK_RETURN && key != VK_ESCAPE && key != VK_TAB)
        return false;
    WinControl* target = nullptr;
    for (HWND h = msg.hwnd; h && !target; h = GetParent(h))
        target = FromHandle(h);
    if (!target)
        return false;
    // A control that asks for the key itself gets it first.
    const LRESULT code = SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if (code & DLGC_WANTALLKEYS)
        return false;
    if (key == VK_TAB && (code & DLGC_WANTTAB))
        return false;
    Form* form = target->ParentForm();
    try {
        return form && form->DialogKey(key, KeyShiftState());
    } catch (...) {
        // A click run by a dialog key is an event like any other: handlers report
        // their own errors, and nothing escapes into the message loop.
        return true;
    }
}

LRESULT Form::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CLOSE:
            if (modal_) {
                modalResult_ = mrCancel;
                return 0;
            }
            if (Application::MainForm() == this)
                Application::Terminate();
            SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            SetVisible(false);
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wp) != WA_INACTIVE && activeControl_ && activeControl_->CanFocus()) {
                // Back to where the program left the focus (after a message box, say).
                ::SetFocus(activeControl_->Handle());
                return 0;
            }
            break;
        case WM_SETFOCUS:
            if (activeControl_ && activeControl_->CanFocus()) {
                ::SetFocus(activeControl_->Handle());
                return 0;
            }
            break;
        case WM_DESTROY:
            if (Application::MainForm() == this)
                Application::Terminate();
            break;
        default:
            break;
    }
    return WinControl::WndProc(msg, wp, lp);
}

}  // namespace launcher
