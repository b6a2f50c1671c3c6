// Facts about the display: its installed fonts.
#pragma once
#include <string>
#include <vector>

namespace launcher {

// The screen font families, with "Default", sorted without regard to case.
std::vector<std::u16string> ScreenFonts();

}  // namespace launcher
