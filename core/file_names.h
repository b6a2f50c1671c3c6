// File-name rules of the attribute routine.
#pragma once
#include <string_view>

namespace launcher {

// FileName without its extension: the part from the last "." after the last
// "\", "/" or ":". A name without one is returned whole.
std::u16string_view RemoveExtension(std::u16string_view FileName);

// True when FileName names the launcher's own executable under any extension
// (exact, case-sensitive comparison).
bool IsLauncherFile(std::u16string_view FileName, std::u16string_view ExeName);

}  // namespace launcher
