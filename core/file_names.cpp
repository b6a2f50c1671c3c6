#include "core/file_names.h"

namespace launcher {

std::u16string_view RemoveExtension(std::u16string_view FileName) {
    const auto dot = FileName.find_last_of(u".\\/:");
    if (dot == std::u16string_view::npos || FileName[dot] != u'.')
        return FileName;
    return FileName.substr(0, dot);
}

// The launcher's ".ini" or any other file of its name is spared along with the exe.
bool IsLauncherFile(std::u16string_view FileName, std::u16string_view ExeName) {
    return RemoveExtension(FileName) == RemoveExtension(ExeName);
}

}  // namespace launcher
