#include "core/startup_rules.h"

#include <algorithm>

#include "core/ustring.h"

namespace launcher {

std::u16string FormatOsVersion(std::uint32_t major,
                               std::uint32_t minor,
                               std::uint32_t build,
                               const std::u16string& servicePack,
                               std::uint32_t platformId) {
    return IntToStr(major) + u"." + IntToStr(minor) + u"." + IntToStr(build) + u"." + servicePack + u"." +
           IntToStr(platformId);
}

std::u16string FormatResolution(int width, int height) {
    return IntToStr(width) + u"\u00D7" + IntToStr(height);
}

bool IsInTempFolder(const std::u16string& tempPath, const std::u16string& exePath) {
    // An empty path would be found in every path; the caller only asks with a real one.
    if (tempPath.empty())
        return false;
    return AsciiUpper(exePath).find(AsciiUpper(tempPath)) != std::u16string::npos;
}

bool HasDebugSwitch(const std::vector<std::u16string>& params) {
    return std::find(params.begin(), params.end(), u"-debug") != params.end();
}

std::u16string ChooseFontName(const std::vector<std::u16string>& sortedFonts) {
    const auto it = std::find(sortedFonts.begin(), sortedFonts.end(), u"游ゴシック");
    // Position 0 counts as absent, as the list lookup the rule comes from reports it.
    if (it != sortedFonts.end() && it != sortedFonts.begin())
        return u"游ゴシック";
    return u"メイリオ";
}

}  // namespace launcher
