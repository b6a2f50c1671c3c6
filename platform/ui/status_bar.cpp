#include "platform/ui/status_bar.h"

#include "platform/wstr.h"

namespace launcher {

// Our own thin bar rather than comctl32's: one line of simple text is all the
// system asks of it, and its window text is that line (WM_GETTEXT reads it).
StatusBar::StatusBar(Component* owner, WinControl& parent) : WinControl(owner) {
    RECT rc{};
    GetClientRect(parent.Handle(), &rc);
    const int height = GetSystemMetrics(SM_CYMENU) + 4;
    CreateHandle(nullptr, WS_CHILD | WS_VISIBLE, 0, u"", RECT{0, rc.bottom - height, rc.right, rc.bottom},
                 parent.Handle());
}

void StatusBar::SetSimpleText(const std::u16string& text) {
    if (text == simpleText_)
        return;
    simpleText_ = text;
    if (HandleAllocated()) {
        SetWindowTextW(Handle(), W(simpleText_));
        InvalidateRect(Handle(), nullptr, TRUE);
    }
}

LRESULT StatusBar::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        RECT rc;
        GetClientRect(Handle(), &rc);
        FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
        rc.left += 4;
        SetBkMode(dc, TRANSPARENT);
        const auto oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        DrawTextW(dc, W(simpleText_), -1, &rc, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        SelectObject(dc, oldFont);
        EndPaint(Handle(), &ps);
        return 0;
    }
    return WinControl::WndProc(msg, wp, lp);
}

}  // namespace launcher
