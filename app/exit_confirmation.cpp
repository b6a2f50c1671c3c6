// Exit confirmation: the close picture asks before the launcher ends.
#include "app/JPZZ0010.h"

namespace launcher {

void TfrmJPZZ0010::CloseImgClick(Component*) {}

}  // namespace launcher
