// The windowed control's handle lifetime, its window procedures and dispatch,
// alignment and painting. Input, focus and hints are in win_control_input.cpp.
#include "platform/ui/win_control.h"

#include <algorithm>

#include "platform/ui/control_helpers.h"
#include "platform/ui/forms.h"
#include "platform/wstr.h"

namespace launcher {
namespace {

constexpr wchar_t kWindowClass[] = L"LauncherWindow";
constexpr wchar_t kSelfProp[] = L"Launcher.WinControl";

void RegisterOwnClass(WNDPROC proc) {
    static bool registered = false;
    if (registered)
        return;
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

}  // namespace

using detail::Contains;

// ---- WinControl ----

WinControl::~WinControl() {
    DestroyHandle();
    for (Control* c : controls_)
        c->parent_ = nullptr;
}

WinControl* WinControl::FromHandle(HWND hwnd) {
    if (!hwnd)
        return nullptr;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != GetCurrentProcessId())
        return nullptr;
    return static_cast<WinControl*>(GetPropW(hwnd, kSelfProp));
}

void WinControl::InsertControl(Control* c) {
    controls_.push_back(c);
}

void WinControl::RemoveControl(Control* c) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    if (mouseControl_ == c)
        mouseControl_ = nullptr;
    if (pressedControl_ == c)
        pressedControl_ = nullptr;
}

void WinControl::GetCreateParams(CreateParams&) {}

void WinControl::HandleNeeded() {
    if (handle_)
        return;
    if (!Parent() || !Parent()->HandleAllocated()) {
        if (!dynamic_cast<Form*>(this))
            return;  // made when the parent's window is
    }
    CreateParams p;
    GetCreateParams(p);
    if (Visible() && !dynamic_cast<Form*>(this))
        p.style |= WS_VISIBLE;
    if (!Enabled())
        p.style |= WS_DISABLED;
    HWND parentWnd = Parent() ? Parent()->Handle() : nullptr;
    if (auto* f = dynamic_cast<Form*>(this); f && !parentWnd) {
        auto* ownerForm = dynamic_cast<Form*>(Owner());
        if (ownerForm && ownerForm->HandleAllocated())
            parentWnd = ownerForm->Handle();
    }
    CreateHandle(p.windowClass, p.style, p.exStyle, text_, BoundsRect(), parentWnd);
    if (!handle_)
        return;
    // Later children stack above earlier ones, as the layout lists them.
    if (Parent())
        SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ApplyFont();
    HandleCreated();
    for (Control* c : controls_) {
        if (auto* w = dynamic_cast<WinControl*>(c))
            w->HandleNeeded();
    }
    UpdateHintTools();
}

void WinControl::CreateHandle(const wchar_t* cls,
                              DWORD style,
                              DWORD exStyle,
                              const std::u16string& text,
                              RECT bounds,
                              HWND parent) {
    HINSTANCE inst = GetModuleHandleW(nullptr);
    if (!cls) {
        RegisterOwnClass(&WinControl::StaticWndProc);
        CreateWindowExW(exStyle, kWindowClass, W(text), style, bounds.left, bounds.top, bounds.right - bounds.left,
                        bounds.bottom - bounds.top, parent, nullptr, inst, this);
        return;  // handle_ was set at WM_NCCREATE
    }
    // A system class: subclass it so its messages reach WndProc too.
    HWND h = CreateWindowExW(exStyle, cls, W(text), style, bounds.left, bounds.top, bounds.right - bounds.left,
                             bounds.bottom - bounds.top, parent, nullptr, inst, nullptr);
    if (h) {
        handle_ = h;
        SetPropW(h, kSelfProp, this);
        defProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WinControl::SubclassProc)));
    }
}

void WinControl::DestroyHandle() {
    if (!handle_)
        return;
    // Unhook the whole tree first: while Windows destroys the windows, no message
    // may reach an object that is being torn down.
    struct Unhook {
        static void Run(WinControl* w) {
            for (Control* c : w->controls_) {
                if (auto* child = dynamic_cast<WinControl*>(c))
                    Run(child);
            }
            if (!w->handle_)
                return;
            RemovePropW(w->handle_, kSelfProp);
            if (w->defProc_) {
                SetWindowLongPtrW(w->handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(w->defProc_));
            } else {
                SetWindowLongPtrW(w->handle_, GWLP_USERDATA, 0);
            }
            w->handle_ = nullptr;
        }
    };
    HWND h = handle_;
    Unhook::Run(this);
    DestroyWindow(h);
}

void WinControl::ApplyFont() {
    if (handle_ && defProc_)
        SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
}

void WinControl::FontChanged() {
    Control::FontChanged();
    ApplyFont();
    for (Control* c : controls_) {
        if (c->ParentFont())
            c->ParentFontChanged();
    }
}

void WinControl::ColorChanged() {
    colorBrush_.Reset();
    Invalidate();
    for (Control* c : controls_) {
        if (c->ParentColor())
            c->ParentColorChanged();
    }
}

void WinControl::EnabledChanged() {
    if (handle_)
        EnableWindow(handle_, Enabled());
    Invalidate();
}

void WinControl::TextChanged() {
    if (handle_)
        SetWindowTextW(handle_, W(text_));
    Invalidate();
}

void WinControl::SetBorderWidth(int v) {
    if (v == borderWidth_)
        return;
    borderWidth_ = v;
    Realign();
    Invalidate();
}

RECT WinControl::AlignRect() const {
    return RECT{borderWidth_, borderWidth_, Width() - borderWidth_, Height() - borderWidth_};
}

void WinControl::SetBounds(int left, int top, int width, int height) {
    const bool resized = width != Width() || height != Height();
    if (!resized && left == Left() && top == Top())
        return;
    Control::SetBounds(left, top, width, height);
    if (handle_) {
        if (dynamic_cast<Form*>(this)) {
            SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        } else {
            MoveWindow(handle_, left, top, width, height, TRUE);
        }
    }
    if (resized)
        Realign();
}

void WinControl::Realign() {
    if (alignedWidth_ >= 0 && (alignedWidth_ != Width() || alignedHeight_ != Height())) {
        const int dw = Width() - alignedWidth_;
        const int dh = Height() - alignedHeight_;
        alignedWidth_ = Width();
        alignedHeight_ = Height();
        for (Control* c : controls_) {
            if (c->GetAlign() != Align::None)
                continue;
            const Anchors a = c->GetAnchors();
            int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
            if (a & akRight) {
                if (a & akLeft)
                    w += dw;
                else
                    l += dw;
            }
            if (a & akBottom) {
                if (a & akTop)
                    h += dh;
                else
                    t += dh;
            }
            c->SetBounds(l, t, w, h);
        }
    }
    alignedWidth_ = Width();
    alignedHeight_ = Height();

    RECT r = AlignRect();
    // Each side in turn takes the controls aligned to it, in stacking order; what
    // is left goes to the client-aligned ones.
    for (Align side : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
        for (Control* c : controls_) {
            if (c->GetAlign() != side || !c->Visible())
                continue;
            const int w = std::max(0, static_cast<int>(r.right - r.left));
            const int h = std::max(0, static_cast<int>(r.bottom - r.top));
            switch (side) {
                case Align::Top:
                    c->Control::align_ = Align::None;  // no re-entry while placing
                    c->SetBounds(r.left, r.top, w, c->Height());
                    c->Control::align_ = side;
                    r.top += c->Height();
                    break;
                case Align::Bottom:
                    c->Control::align_ = Align::None;
                    c->SetBounds(r.left, r.bottom - c->Height(), w, c->Height());
                    c->Control::align_ = side;
                    r.bottom -= c->Height();
                    break;
                case Align::Left:
                    c->Control::align_ = Align::None;
                    c->SetBounds(r.left, r.top, c->Width(), h);
                    c->Control::align_ = side;
                    r.left += c->Width();
                    break;
                case Align::Right:
                    c->Control::align_ = Align::None;
                    c->SetBounds(r.right - c->Width(), r.top, c->Width(), h);
                    c->Control::align_ = side;
                    r.right -= c->Width();
                    break;
                case Align::Client:
                    c->Control::align_ = Align::None;
                    c->SetBounds(r.left, r.top, w, h);
                    c->Control::align_ = side;
                    break;
                case Align::None:
                    break;
            }
        }
    }
}

POINT WinControl::ClientToScreen(POINT p) const {
    if (handle_) {
        ::ClientToScreen(handle_, &p);
        return p;
    }
    for (const Control* c = this; c; c = c->Parent()) {
        p.x += c->Left();
        p.y += c->Top();
    }
    return p;
}

RECT WinControl::ClientRectOnScreen() const {
    const POINT tl = ClientToScreen(POINT{0, 0});
    return RECT{tl.x, tl.y, tl.x + Width(), tl.y + Height()};
}

void WinControl::Invalidate() {
    if (handle_) {
        InvalidateRect(handle_, nullptr, FALSE);
    } else {
        Control::Invalidate();
    }
}

void WinControl::PaintWindow(Canvas& canvas) {
    canvas.SetBrushColor(GetColor());
    canvas.FillRect(RECT{0, 0, Width(), Height()});
    PaintGraphicChildren(canvas);
}

void WinControl::PaintGraphicChildren(Canvas& canvas) {
    for (Control* c : controls_) {
        if (c->IsWindowed() || !c->Visible())
            continue;
        SavedDC saved(canvas.Handle());
        IntersectClipRect(canvas.Handle(), c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height());
        OffsetViewportOrgEx(canvas.Handle(), c->Left(), c->Top(), nullptr);
        Canvas childCanvas(canvas.Handle());
        c->Paint(childCanvas);
    }
}

void WinControl::PaintBuffered() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(handle_, &ps);
    RECT rc;
    GetClientRect(handle_, &rc);
    if (rc.right > 0 && rc.bottom > 0) {
        // Drawn off screen and copied in one go: no flicker on the full-screen form.
        const OwnedDC mem = OwnedDC::CompatibleWith(dc);
        BitmapHandle bmp(CreateCompatibleBitmap(dc, rc.right, rc.bottom));
        {
            SelectGuard keep(mem.Get(), bmp.Get());
            {
                Canvas canvas(mem.Get());
                PaintWindow(canvas);
            }
            BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
                   ps.rcPaint.bottom - ps.rcPaint.top, mem.Get(), ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
        }
    }
    EndPaint(handle_, &ps);
}

HBRUSH WinControl::ControlColorBrush(HDC dc) {
    SetTextColor(dc, ColorToRGB(Font().FontColor()));
    SetBkColor(dc, ColorToRGB(GetColor()));
    if (!colorBrush_)
        colorBrush_.Reset(CreateSolidBrush(ColorToRGB(GetColor())));
    return colorBrush_.Get();
}

LRESULT WinControl::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT:
            if (defProc_)
                break;
            PaintBuffered();
            return 0;
        case WM_PRINTCLIENT:
            if (defProc_)
                break;
            {
                Canvas canvas(reinterpret_cast<HDC>(wp));
                PaintWindow(canvas);
            }
            return 0;
        case WM_ERASEBKGND:
            if (defProc_)
                break;
            return 1;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (WinControl* child = FromHandle(reinterpret_cast<HWND>(lp))) {
                return reinterpret_cast<LRESULT>(child->ControlColorBrush(reinterpret_cast<HDC>(wp)));
            }
            break;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wp) == handle_ && LOWORD(lp) == HTCLIENT) {
                POINT p;
                GetCursorPos(&p);
                ScreenToClient(handle_, &p);
                const Control* c = GraphicChildAt(p);
                if (!c)
                    c = this;
                if (c->GetCursor() == Cursor::HandPoint) {
                    ::SetCursor(LoadCursorW(nullptr, IDC_HAND));
                    return TRUE;
                }
            }
            break;
        case WM_SETFOCUS:
            if (Form* f = ParentForm(); f && f != this)
                f->FocusChanged(this);
            DoEnter();
            break;
        case WM_KILLFOCUS:
            DoExit();
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            std::uint16_t key = static_cast<std::uint16_t>(wp);
            KeyDown(key, KeyShiftState());
            if (key == 0)
                return 0;
            break;
        }
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            std::uint16_t key = static_cast<std::uint16_t>(wp);
            KeyUp(key, KeyShiftState());
            if (key == 0)
                return 0;
            break;
        }
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            if (!defProc_ && MouseMessage(msg, wp, lp))
                return 0;
            break;
        case WM_CAPTURECHANGED:
            pressedControl_ = nullptr;
            break;
        default:
            break;
    }
    return DefaultProc(msg, wp, lp);
}

LRESULT WinControl::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    return defProc_ ? CallWindowProcW(defProc_, handle_, msg, wp, lp) : DefWindowProcW(handle_, msg, wp, lp);
}

LRESULT WinControl::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    try {
        return WndProc(msg, wp, lp);
    } catch (...) {
        // Nothing may unwind through user32; handlers report their own errors.
        return DefaultProc(msg, wp, lp);
    }
}

LRESULT CALLBACK WinControl::StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        auto* self = static_cast<WinControl*>(cs->lpCreateParams);
        self->handle_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        SetPropW(hwnd, kSelfProp, self);
    }
    auto* self = reinterpret_cast<WinControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, msg, wp, lp);
    const LRESULT result = self->Dispatch(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        RemovePropW(hwnd, kSelfProp);
        self->handle_ = nullptr;
    }
    return result;
}

LRESULT CALLBACK WinControl::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = static_cast<WinControl*>(GetPropW(hwnd, kSelfProp));
    if (!self)
        return DefWindowProcW(hwnd, msg, wp, lp);
    const WNDPROC def = self->defProc_;
    const LRESULT result = self->Dispatch(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        RemovePropW(hwnd, kSelfProp);
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(def));
        self->handle_ = nullptr;
    }
    return result;
}
}  // namespace launcher
