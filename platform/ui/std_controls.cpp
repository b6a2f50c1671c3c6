#include "platform/ui/std_controls.h"

#include <imm.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/ui/control_helpers.h"
#include "platform/wstr.h"

namespace launcher {

using detail::Contains;
using detail::DrawTextFormat;
using detail::MouseShift;

// ---- Panel ----

Panel::Panel(Component* owner) : WinControl(owner) {
    SetParentColor(true);
    SetBounds(0, 0, 185, 41);
}

void Panel::PaintWindow(Canvas& canvas) {
    canvas.SetBrushColor(GetColor());
    canvas.FillRect(RECT{0, 0, Width(), Height()});
    if (!text_.empty()) {
        canvas.SetFont(Font());
        SetBkMode(canvas.Handle(), TRANSPARENT);
        SetTextColor(canvas.Handle(), ColorToRGB(Font().FontColor()));
        RECT r = AlignRect();
        DrawTextW(canvas.Handle(), W(text_), static_cast<int>(text_.size()), &r,
                  DrawTextFormat(alignment_) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    PaintGraphicChildren(canvas);
}

// ---- CustomControl ----

CustomControl::CustomControl(Component* owner) : WinControl(owner) {}

void CustomControl::PaintWindow(Canvas& canvas) {
    canvas.SetBrushColor(GetColor());
    canvas.FillRect(RECT{0, 0, Width(), Height()});
    Paint(canvas);
    PaintGraphicChildren(canvas);
}

LRESULT CustomControl::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    const ShiftState shift = MouseShift(wp);
    switch (msg) {
        case WM_LBUTTONDOWN:
            SetCapture(Handle());
            clickArmed_ = true;
            MouseDown(MouseButton::Left, shift, p.x, p.y);
            return 0;
        case WM_LBUTTONDBLCLK:
            // The release that ends a double click is no click.
            SetCapture(Handle());
            clickArmed_ = false;
            DblClick();
            MouseDown(MouseButton::Left, shift, p.x, p.y);
            return 0;
        case WM_LBUTTONUP: {
            const bool armed = clickArmed_;
            clickArmed_ = false;
            if (GetCapture() == Handle())
                ReleaseCapture();
            if (armed && Contains(RECT{0, 0, Width(), Height()}, p))
                Click();
            MouseUp(MouseButton::Left, shift, p.x, p.y);
            return 0;
        }
        case WM_RBUTTONDOWN:
            MouseDown(MouseButton::Right, shift, p.x, p.y);
            return 0;
        case WM_RBUTTONUP:
            MouseUp(MouseButton::Right, shift, p.x, p.y);
            return 0;
        case WM_MBUTTONDOWN:
            MouseDown(MouseButton::Middle, shift, p.x, p.y);
            return 0;
        case WM_MBUTTONUP:
            MouseUp(MouseButton::Middle, shift, p.x, p.y);
            return 0;
        case WM_MOUSEMOVE: {
            const bool now = Contains(RECT{0, 0, Width(), Height()}, p);
            if (now != inside_) {
                inside_ = now;
                if (now) {
                    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, Handle(), 0};
                    TrackMouseEvent(&tme);
                    MouseEnter();
                } else {
                    MouseLeave();
                }
            }
            MouseMove(shift, p.x, p.y);
            return 0;
        }
        case WM_MOUSELEAVE:
            if (inside_ && GetCapture() != Handle()) {
                inside_ = false;
                MouseLeave();
            }
            return 0;
        case WM_CAPTURECHANGED:
            clickArmed_ = false;
            break;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        default:
            break;
    }
    return WinControl::WndProc(msg, wp, lp);
}

// ---- Edit ----

Edit::Edit(Component* owner) : WinControl(owner) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
}

std::u16string Edit::Text() const {
    if (!HandleAllocated())
        return text_;
    const int n = GetWindowTextLengthW(Handle());
    std::u16string s(static_cast<size_t>(n) + 1, u'\0');
    const int got = GetWindowTextW(Handle(), reinterpret_cast<wchar_t*>(s.data()), n + 1);
    s.resize(static_cast<size_t>(std::max(got, 0)));
    return s;
}

void Edit::SetText(const std::u16string& text) {
    text_ = text;
    if (HandleAllocated())
        SetWindowTextW(Handle(), W(text_));
}

void Edit::SetMaxLength(int n) {
    maxLength_ = n;
    if (HandleAllocated())
        SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(n), 0);
}

void Edit::GetCreateParams(CreateParams& p) {
    p.windowClass = L"EDIT";
    p.style = WS_CHILD | WS_CLIPSIBLINGS | ES_AUTOHSCROLL;
    if (border_)
        p.exStyle |= WS_EX_CLIENTEDGE;
}

void Edit::HandleCreated() {
    SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    // No input method: the entries are half-width digits and letters only.
    ImmAssociateContext(Handle(), nullptr);
}

LRESULT Edit::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    // Enter, Tab and Escape are keys for the form, not characters: no beep.
    if (msg == WM_CHAR && (wp == L'\r' || wp == L'\t' || wp == 0x1B))
        return 0;
    return WinControl::WndProc(msg, wp, lp);
}

// ---- Memo ----

Memo::Memo(Component* owner) : Edit(owner) {
    SetTabStop(false);
}

void Memo::SetLines(std::vector<std::u16string> lines) {
    lines_ = std::move(lines);
    std::u16string text;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (i)
            text += u"\r\n";
        text += lines_[i];
    }
    SetText(text);
}

void Memo::GetCreateParams(CreateParams& p) {
    Edit::GetCreateParams(p);
    p.style = WS_CHILD | WS_CLIPSIBLINGS | ES_MULTILINE | ES_READONLY;
}
}  // namespace launcher
