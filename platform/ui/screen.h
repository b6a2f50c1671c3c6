// Facts about the display: its installed fonts.
#pragma once
#include <string>
#include <vector>

namespace launcher {

// The screen font families, with "Default", sorted without regard to case. Given
// a family, the list holds only that one (when installed) and "Default": enough to
// tell where the name stands against "Default", at a fraction of the cost.
std::vector<std::u16string> ScreenFonts(const std::u16string& family = u"");

}  // namespace launcher
