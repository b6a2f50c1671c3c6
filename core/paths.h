// Folder rules shared by the start and the clean-up: where the parent folder is,
// and whether RootDir names a folder of our own.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace launcher {

// The folder that holds LauncherDir, both with a trailing backslash. Nothing for a
// drive or share root, which has no folder above it.
std::optional<std::u16string> ParentFolder(const std::u16string& LauncherDir);

// True only when RootDir names a folder inside the launcher folder.
bool IsSafeRootDir(const std::u16string& RootDir);

// The folders on the way down RootDir, the last one RootDir itself without a
// trailing separator: "a\b" gives "a" and "a\b".
std::vector<std::u16string> FolderSteps(const std::u16string& RootDir);

}  // namespace launcher
