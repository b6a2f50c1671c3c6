// The start sequence: what the start button does.
#include "app/JPZZ0010.h"

namespace launcher {

// The checks run on every press, even while a start is under way; only the first
// failing one reports.
void TfrmJPZZ0010::StartBtnClick(Component*) {
    if (!CheckKaiCd() || !CheckJuBan())
        return;
}

}  // namespace launcher
