// Facts of the running process and of the file system it sees: its executable,
// its folder and command line, whether a path is a folder or a file, and the
// system's text for an error code.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace launcher {

class Process {
public:
    // Full path of the running executable (the module file name).
    static std::u16string ExeName();
    // The command-line parameters after the program path.
    static std::vector<std::u16string> Params();
    // The launcher folder: the executable's folder with a trailing backslash.
    // In-process tests point it at a fixture folder instead.
    static const std::u16string& LauncherDir();
    static void SetLauncherDir(std::u16string dir);
};

bool FolderExists(const std::u16string& path);
bool FileExists(const std::u16string& path);
// Anything of that name, file or folder.
bool PathExists(const std::u16string& path);

// Windows' text for a system error code (FormatMessageW), without the final line break.
std::u16string SysErrorMessage(DWORD code);
// Raises EOSError for GetLastError(), with the system's text for it.
[[noreturn]] void RaiseLastOSError();

}  // namespace launcher
