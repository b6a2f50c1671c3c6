// The text and decision rules of program start-up, apart from the calls that
// gather their inputs.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace launcher {

// "major.minor.build.servicepack.platform"; an empty service pack gives two dots.
std::u16string FormatOsVersion(std::uint32_t major,
                               std::uint32_t minor,
                               std::uint32_t build,
                               const std::u16string& servicePack,
                               std::uint32_t platformId);
// "width×height" with U+00D7.
std::u16string FormatResolution(int width, int height);
// True when the executable's path contains the temporary folder's path, the two
// compared with only the ASCII letters upper-cased.
bool IsInTempFolder(const std::u16string& tempPath, const std::u16string& exePath);
// True when any parameter is exactly "-debug".
bool HasDebugSwitch(const std::vector<std::u16string>& params);
// "游ゴシック" when it stands at a position above 0 in the sorted list, else "メイリオ".
std::u16string ChooseFontName(const std::vector<std::u16string>& sortedFonts);

}  // namespace launcher
