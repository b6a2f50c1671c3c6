#include "core/paths.h"

#include <algorithm>
#include <string_view>

namespace launcher {
namespace {

bool IsSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

// Index just past "\\server\share\" starting at `from`, or the end of the text.
std::size_t PastShare(std::u16string_view path, std::size_t from) {
    std::size_t i = from;
    for (int part = 0; part < 2; ++part) {
        while (i < path.size() && !IsSeparator(path[i]))
            ++i;
        if (i < path.size())
            ++i;
    }
    return i;
}

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char16_t a = text[i], b = prefix[i];
        if (a >= u'a' && a <= u'z')
            a = static_cast<char16_t>(a - u'a' + u'A');
        if (a != b)
            return false;
    }
    return true;
}

// Length of the part of an absolute path that no folder lies above: "C:\",
// "\\server\share\", or either behind the "\\?\" prefix. 0 for a relative path.
std::size_t RootLength(std::u16string_view path) {
    std::size_t i = 0;
    if (path.size() >= 4 && IsSeparator(path[0]) && IsSeparator(path[1]) && (path[2] == u'?' || path[2] == u'.') &&
        IsSeparator(path[3])) {
        i = 4;
        if (StartsWithNoCase(path.substr(4), u"UNC\\"))
            return PastShare(path, 8);
    } else if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        return PastShare(path, 2);
    }
    if (path.size() >= i + 2 && path[i + 1] == u':') {
        i += 2;
        if (i < path.size() && IsSeparator(path[i]))
            ++i;
        return i;
    }
    return i;
}

}  // namespace

std::optional<std::u16string> ParentFolder(const std::u16string& LauncherDir) {
    const std::size_t root = RootLength(LauncherDir);
    // A drive root would give a bare "C:", which makes every path drive-relative.
    if (root == 0 || LauncherDir.size() <= root)
        return std::nullopt;
    std::u16string_view folder = LauncherDir;
    if (IsSeparator(folder.back()))
        folder.remove_suffix(1);
    const std::size_t last = folder.find_last_of(u"\\/");
    if (last == std::u16string_view::npos || last + 1 < root)
        return std::nullopt;
    return std::u16string(folder.substr(0, last + 1));
}

bool IsSafeRootDir(const std::u16string& RootDir) {
    if (RootDir.empty() || IsSeparator(RootDir.front()))
        return false;
    for (char16_t c : RootDir) {
        // A colon is a drive prefix or a stream name; the rest cannot be in a name.
        if (c < 0x20 || std::u16string_view(u":*?\"<>|").find(c) != std::u16string_view::npos)
            return false;
    }
    std::u16string_view rest = RootDir;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find_first_of(u"\\/"), rest.size());
        std::u16string_view part = rest.substr(0, end);
        // Windows drops trailing dots and blanks, so "..." and ". ." climb like "..".
        if (!part.empty() && part.find_last_not_of(u". ") == std::u16string_view::npos)
            return false;
        rest.remove_prefix(end == rest.size() ? end : end + 1);
    }
    return true;
}

std::vector<std::u16string> FolderSteps(const std::u16string& RootDir) {
    std::vector<std::u16string> steps;
    for (std::size_t at = 0; at < RootDir.size();) {
        const std::size_t end = std::min(RootDir.find_first_of(u"\\/", at), RootDir.size());
        if (end > at)
            steps.push_back(RootDir.substr(0, end));
        at = end + 1;
    }
    return steps;
}

}  // namespace launcher
