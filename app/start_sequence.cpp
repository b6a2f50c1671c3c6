// The start sequence: what the start button does.
#include "app/JPZZ0010.h"

namespace launcher {

void TfrmJPZZ0010::StartBtnClick(Component*) {}

}  // namespace launcher
