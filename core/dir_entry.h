// How a folder deletion treats one entry of the folder, by its attributes.
#pragma once
#include <cstdint>

namespace launcher {

enum class DirEntryAction {
    Descend,     // a real sub-folder: emptied, then removed
    RemoveLink,  // a link to a folder: the link itself is removed, its target left alone
    DeleteFile,  // a file, or a link to one
};

DirEntryAction ClassifyDirEntry(std::uint32_t attributes);

}  // namespace launcher
