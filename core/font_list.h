// The list of screen fonts as the toolkit offers it. Portable: the Windows side
// only enumerates the installed families.
#pragma once
#include <string>
#include <vector>

namespace launcher {

// The installed families plus "Default", sorted without regard to case, duplicates dropped.
std::vector<std::u16string> SortFontNames(std::vector<std::u16string> families);

}  // namespace launcher
