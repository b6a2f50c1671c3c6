#include "core/font_list.h"

#include <algorithm>

#include "core/ustring.h"

namespace launcher {

std::vector<std::u16string> SortFontNames(std::vector<std::u16string> families) {
    families.push_back(u"Default");
    const auto caseless = [](const std::u16string& a, const std::u16string& b) {
        const std::u16string ua = AsciiUpper(a), ub = AsciiUpper(b);
        return ua != ub ? ua < ub : a < b;
    };
    std::sort(families.begin(), families.end(), caseless);
    families.erase(std::unique(families.begin(), families.end()), families.end());
    return families;
}

}  // namespace launcher
