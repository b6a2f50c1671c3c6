#include "platform/ui/screen.h"

#include <windows.h>

#include "platform/ui/font_list.h"
#include "platform/ui/gdi.h"
#include "platform/wstr.h"

namespace launcher {
namespace {

int CALLBACK CollectFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM lp) {
    reinterpret_cast<std::vector<std::u16string>*>(lp)->push_back(U(font->lfFaceName));
    return 1;
}

}  // namespace

std::vector<std::u16string> ScreenFonts() {
    std::vector<std::u16string> families;
    WindowDC screen(nullptr);
    // One call back per family (the Ex form calls once per family and character set).
    EnumFontFamiliesW(screen.Get(), nullptr, &CollectFamily, reinterpret_cast<LPARAM>(&families));
    return SortFontNames(std::move(families));
}

}  // namespace launcher
