// The initial display: the screen laid out once, when the main window is first shown.
#include "app/JPZZ0010.h"

namespace launcher {

void TfrmJPZZ0010::InitialDisplay() {
    KaiCdEdt->SetText(u"");
    JubanEdt->SetText(u"");
}

}  // namespace launcher
