#include "platform/process.h"

#include <shellapi.h>

#include <memory>
#include <vector>

#include "core/errors.h"
#include "platform/wstr.h"

namespace launcher {
namespace {

std::u16string g_launcherDir;
bool g_launcherDirSet = false;

std::u16string DirectoryOf(const std::u16string& path) {
    const auto slash = path.find_last_of(u"\\/");
    return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash + 1);
}

// LocalFree'd memory that Windows allocated for us.
template <class T>
using LocalPtr = std::unique_ptr<T, decltype(&LocalFree)>;

}  // namespace

std::u16string Process::ExeName() {
    std::vector<wchar_t> buf(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n < buf.size())
            return U(buf.data(), n);
        buf.resize(buf.size() * 2);
    }
}

std::vector<std::u16string> Process::Params() {
    std::vector<std::u16string> params;
    int n = 0;
    const LocalPtr<LPWSTR> argv(CommandLineToArgvW(GetCommandLineW(), &n), &LocalFree);
    if (!argv)
        return params;
    for (int i = 1; i < n; ++i)
        params.push_back(U(argv.get()[i]));
    return params;
}

const std::u16string& Process::LauncherDir() {
    if (!g_launcherDirSet) {
        g_launcherDir = DirectoryOf(ExeName());
        g_launcherDirSet = true;
    }
    return g_launcherDir;
}

void Process::SetLauncherDir(std::u16string dir) {
    g_launcherDir = std::move(dir);
    g_launcherDirSet = true;
}

bool FolderExists(const std::u16string& path) {
    const DWORD attr = GetFileAttributesW(W(path));
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::u16string& path) {
    const DWORD attr = GetFileAttributesW(W(path));
    return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

bool PathExists(const std::u16string& path) {
    return GetFileAttributesW(W(path)) != INVALID_FILE_ATTRIBUTES;
}

std::u16string SysErrorMessage(DWORD code) {
    wchar_t* raw = nullptr;
    const DWORD n =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<LPWSTR>(&raw), 0, nullptr);
    const LocalPtr<wchar_t> text(raw, &LocalFree);
    std::u16string result = n ? U(text.get(), n) : std::u16string();
    while (!result.empty() && (result.back() == u'\r' || result.back() == u'\n' || result.back() == u' '))
        result.pop_back();
    return result;
}

void RaiseLastOSError() {
    const DWORD code = GetLastError();
    throw EOSError(code, OSErrorMessage(code, SysErrorMessage(code)));
}

}  // namespace launcher
