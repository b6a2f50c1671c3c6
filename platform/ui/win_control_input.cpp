// The windowed control's input: focus, tab order, dialog keys, key and mouse
// events, and the hints of its children.
#include "platform/ui/win_control.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/ui/control_helpers.h"
#include "platform/ui/forms.h"
#include "platform/wstr.h"

namespace launcher {

using detail::Contains;
using detail::MouseShift;

bool WinControl::CanFocus() const {
    if (!handle_)
        return false;
    for (const Control* c = this; c; c = c->Parent()) {
        if (!c->Visible() && !dynamic_cast<const Form*>(c))
            return false;
        if (!c->Enabled())
            return false;
    }
    return true;
}

bool WinControl::Focused() const {
    return handle_ && GetFocus() == handle_;
}

void WinControl::SetFocus() {
    if (Form* f = ParentForm(); f && f != this)
        f->SetActiveControl(this);
    if (handle_ && IsWindowVisible(handle_))
        ::SetFocus(handle_);
}

void WinControl::GetTabOrderList(std::vector<WinControl*>& list) const {
    std::vector<WinControl*> kids;
    for (Control* c : controls_) {
        if (auto* w = dynamic_cast<WinControl*>(c))
            kids.push_back(w);
    }
    std::stable_sort(kids.begin(), kids.end(),
                     [](const WinControl* a, const WinControl* b) { return a->tabOrder_ < b->tabOrder_; });
    for (WinControl* w : kids) {
        if (w->tabStop_ && w->CanFocus())
            list.push_back(w);
        w->GetTabOrderList(list);
    }
}

bool WinControl::DialogKey(std::uint16_t key, ShiftState shift) {
    for (Control* c : controls_) {
        auto* w = dynamic_cast<WinControl*>(c);
        if (w && w->Visible() && w->DialogKey(key, shift))
            return true;
    }
    return false;
}

void WinControl::KeyDown(std::uint16_t& key, ShiftState shift) {
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void WinControl::DoEnter() {
    if (OnEnter)
        OnEnter(this);
}

void WinControl::DoExit() {
    if (OnExit)
        OnExit(this);
}

Control* WinControl::GraphicChildAt(POINT p) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* c = *it;
        if (c->IsWindowed() || !c->Visible() || !c->Enabled())
            continue;
        if (Contains(c->BoundsRect(), p))
            return c;
    }
    return nullptr;
}

void WinControl::UpdateHintTools() {
    if (!handle_)
        return;
    Form* form = ParentForm();
    if (!form)
        return;
    bool any = false;
    for (Control* c : controls_)
        any = any || (c->ShowHint() && !c->Hint().empty());
    if (!any)
        return;
    HWND tip = form->TooltipHandle();
    if (!tip)
        return;
    for (Control* c : controls_) {
        TTTOOLINFOW ti{};
        ti.cbSize = sizeof ti;
        ti.hwnd = handle_;
        auto* w = dynamic_cast<WinControl*>(c);
        if (w) {
            if (!w->HandleAllocated())
                continue;
            ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            ti.uId = reinterpret_cast<UINT_PTR>(w->Handle());
        } else {
            ti.uFlags = TTF_SUBCLASS;
            ti.uId = reinterpret_cast<UINT_PTR>(c);
            ti.rect = c->BoundsRect();
        }
        SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
        if (!c->ShowHint() || c->Hint().empty() || !c->Visible())
            continue;
        std::u16string text = c->Hint();
        ti.lpszText = W(text);
        SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

bool WinControl::MouseMessage(UINT msg, WPARAM wp, LPARAM lp) {
    const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    const ShiftState shift = MouseShift(wp);
    // A graphic child under the pointer takes the mouse; elsewhere this control does.
    Control* target = pressedControl_ ? pressedControl_ : GraphicChildAt(p);
    if (!target)
        target = this;
    const int x = target == this ? p.x : p.x - target->Left();
    const int y = target == this ? p.y : p.y - target->Top();
    if (msg == WM_MOUSEMOVE) {
        Control* over = GraphicChildAt(p);
        if (over != mouseControl_) {
            if (mouseControl_)
                mouseControl_->MouseLeave();
            mouseControl_ = over;
            if (over)
                over->MouseEnter();
        }
        if (!tracking_) {
            TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, handle_, 0};
            tracking_ = TrackMouseEvent(&tme) != FALSE;
        }
        target->MouseMove(shift, x, y);
        return false;
    }
    if (msg == WM_MOUSELEAVE) {
        tracking_ = false;
        if (mouseControl_)
            mouseControl_->MouseLeave();
        mouseControl_ = nullptr;
        return false;
    }
    switch (msg) {
        case WM_LBUTTONDOWN:
            pressedControl_ = target;
            SetCapture(handle_);
            target->MouseDown(MouseButton::Left, shift, x, y);
            return true;
        case WM_LBUTTONDBLCLK:
            target->DblClick();
            target->MouseDown(MouseButton::Left, shift, x, y);
            return true;
        case WM_LBUTTONUP: {
            const bool armed = pressedControl_ == target;
            pressedControl_ = nullptr;
            // Release before notifying: a click handler may open a modal dialog.
            if (GetCapture() == handle_)
                ReleaseCapture();
            if (armed && Contains(RECT{0, 0, target->Width(), target->Height()}, POINT{x, y}))
                target->Click();
            target->MouseUp(MouseButton::Left, shift, x, y);
            return true;
        }
        case WM_RBUTTONDOWN:
            target->MouseDown(MouseButton::Right, shift, x, y);
            return true;
        case WM_RBUTTONUP:
            target->MouseUp(MouseButton::Right, shift, x, y);
            return true;
        case WM_MBUTTONDOWN:
            target->MouseDown(MouseButton::Middle, shift, x, y);
            return true;
        case WM_MBUTTONUP:
            target->MouseUp(MouseButton::Middle, shift, x, y);
            return true;
        default:
            return false;
    }
}
}  // namespace launcher
