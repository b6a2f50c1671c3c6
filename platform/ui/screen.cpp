#include "platform/ui/screen.h"

#include <windows.h>

#include <algorithm>

#include "core/font_list.h"
#include "platform/ui/gdi.h"
#include "platform/wstr.h"

namespace launcher {
namespace {

int CALLBACK CollectFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM lp) {
    reinterpret_cast<std::vector<std::u16string>*>(lp)->push_back(U(font->lfFaceName));
    return 1;
}

}  // namespace

std::vector<std::u16string> ScreenFonts(const std::u16string& family) {
    std::vector<std::u16string> families;
    WindowDC screen(nullptr);
    // One call back per family (the Ex form calls once per family and character set).
    EnumFontFamiliesW(screen.Get(), family.empty() ? nullptr : W(family), &CollectFamily,
                      reinterpret_cast<LPARAM>(&families));
    if (!family.empty()) {
        // The faces of one family each call back; the family is listed once.
        families.erase(
            std::remove_if(families.begin(), families.end(), [&](const std::u16string& f) { return f != family; }),
            families.end());
        families.resize(std::min<size_t>(families.size(), 1));
    }
    return SortFontNames(std::move(families));
}

}  // namespace launcher
