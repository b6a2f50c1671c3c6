#include "core/dir_entry.h"

namespace launcher {
namespace {

constexpr std::uint32_t kDirectory = 0x10;
constexpr std::uint32_t kReparsePoint = 0x400;

}  // namespace

// A junction or symbolic link to a folder carries the directory bit too; descending
// into it would delete the linked folder's contents, which lie outside the tree.
DirEntryAction ClassifyDirEntry(std::uint32_t attributes) {
    if (!(attributes & kDirectory))
        return DirEntryAction::DeleteFile;
    return (attributes & kReparsePoint) ? DirEntryAction::RemoveLink : DirEntryAction::Descend;
}

}  // namespace launcher
