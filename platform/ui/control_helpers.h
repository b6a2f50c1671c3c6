// Small helpers the control sources share.
#pragma once
#include <windows.h>

#include "platform/ui/control.h"

namespace launcher::detail {

// The shift state of a mouse message: the modifier keys and the buttons held.
inline ShiftState MouseShift(WPARAM wp) {
    ShiftState s = KeyShiftState();
    if (wp & MK_LBUTTON)
        s |= ssLeft;
    if (wp & MK_RBUTTON)
        s |= ssRight;
    if (wp & MK_MBUTTON)
        s |= ssMiddle;
    return s;
}

inline bool Contains(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

inline UINT DrawTextFormat(TextAlign a) {
    switch (a) {
        case TextAlign::Center:
            return DT_CENTER;
        case TextAlign::Right:
            return DT_RIGHT;
        case TextAlign::Left:
            break;
    }
    return DT_LEFT;
}

}  // namespace launcher::detail
