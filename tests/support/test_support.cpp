#include "support/test_support.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include <shellapi.h>

namespace testsupport {

TempDir::TempDir() {
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    static unsigned counter = 0;
    for (;;) {
        path_ = std::wstring(tmp) + L"lt" + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++counter) +
                L"\\";
        if (CreateDirectoryW(path_.c_str(), nullptr))
            break;
    }
}

TempDir::~TempDir() {
    RemoveTree(path_);
}

void RemoveTree(const std::wstring& path) {
    std::wstring dir = path;
    if (!dir.empty() && dir.back() == L'\\')
        dir.pop_back();
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring full = dir + L"\\" + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                !(fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                RemoveTree(full);
            else if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveDirectoryW(full.c_str());
            else
                DeleteFileW(full.c_str());
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    SetFileAttributesW(dir.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(dir.c_str());
}

namespace {

// Starts a Linux program (Wine starts ELF binaries); false where that is not possible.
// Wine gives no process handle to wait on, so callers poll for the effect.
bool RunUnix(const wchar_t* program, const std::wstring& args) {
    std::wstring cmd = std::wstring(program) + L" " + args;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const std::wstring exe = std::wstring(L"Z:\\bin\\") + program;
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

std::wstring UnixName(const std::wstring& path) {
    using Fn = char*(CDECL*)(LPCWSTR);
    auto fn = reinterpret_cast<Fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    if (!fn)
        return {};
    char* name = fn(path.c_str());
    if (!name)
        return {};
    const std::string bytes = name;
    HeapFree(GetProcessHeap(), 0, name);
    return std::wstring(bytes.begin(), bytes.end());
}

}  // namespace

bool MakeFolderLink(const std::wstring& target, const std::wstring& link) {
    const std::wstring unixTarget = UnixName(target);
    const std::wstring unixLink = UnixName(link);
    if (unixTarget.empty() || unixLink.empty() || !RunUnix(L"ln", L"-s " + unixTarget + L" " + unixLink))
        return false;
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    for (int i = 0; i < 500 && attributes == INVALID_FILE_ATTRIBUTES; ++i, Sleep(10))
        attributes = GetFileAttributesW(link.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

void RemoveFolderLink(const std::wstring& link) {
    const std::wstring unixLink = UnixName(link);
    if (unixLink.empty() || !RunUnix(L"rm", L"-f " + unixLink))
        return;
    for (int i = 0; i < 500 && GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES; ++i)
        Sleep(10);
}

void CopyTree(const std::wstring& from, const std::wstring& to) {
    CreateDirectoryW(to.c_str(), nullptr);
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((from + L"\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = fd.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CopyTree(from + L"\\" + name, to + L"\\" + name);
        else
            CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE);
    } while (FindNextFileW(h, &fd));
    FindClose(h);
}

std::vector<std::wstring> ListDir(const std::wstring& folder) {
    std::wstring dir = folder;
    if (!dir.empty() && dir.back() == L'\\')
        dir.pop_back();
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring name = fd.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    std::sort(names.begin(), names.end());
    return names;
}

void Snapshot(const std::wstring& dir, std::vector<std::wstring>& out) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir + L"*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = fd.cFileName;
        if (name == L"." || name == L"..")
            continue;
        out.push_back(dir + name + L" " + std::to_wstring(fd.nFileSizeLow));
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            Snapshot(dir + name + L"\\", out);
    } while (FindNextFileW(h, &fd));
    FindClose(h);
}

std::string ToCodePage(const std::wstring& text, UINT codePage) {
    if (text.empty())
        return {};
    const int n =
        WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring FromCodePage(const std::string& bytes, UINT codePage) {
    if (bytes.empty())
        return {};
    const int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
    return out;
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

std::string ReadBytes(const std::wstring& path) {
    return driver::ReadFileBytes(path);
}

std::wstring FileText(const std::wstring& path) {
    return FromCodePage(ReadBytes(path), 932);
}

std::wstring ReadIni(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
    wchar_t buf[2048] = {};
    const DWORD n = GetPrivateProfileStringW(section, key, L"", buf, 2048, file.c_str());
    return std::wstring(buf, n);
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

FileHolder::FileHolder(const std::wstring& path) {
    // The test program itself, started in its holder mode (see main.cpp).
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring cmd = L"\"" + std::wstring(exe) + L"\" --hold-file \"" + path + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return;
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    // Wait until the holder has the file open: then a shared open fails. A busy
    // machine can take seconds to start the holder.
    for (int i = 0; i < 1500; ++i) {
        HANDLE probe = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (probe == INVALID_HANDLE_VALUE)
            return;
        CloseHandle(probe);
        Sleep(10);
    }
}

FileHolder::~FileHolder() {
    Release();
}

void FileHolder::Release() {
    if (!process_)
        return;
    TerminateProcess(process_, 0);
    WaitForSingleObject(process_, 5000);
    CloseHandle(process_);
    process_ = nullptr;
}

bool HoldFileIfAsked(int argc, char** argv) {
    if (argc != 3 || std::string(argv[1]) != "--hold-file")
        return false;
    int n = 0;
    wchar_t** wargv = CommandLineToArgvW(GetCommandLineW(), &n);
    if (wargv && n == 3 &&
        CreateFileW(wargv[2], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr) !=
            INVALID_HANDLE_VALUE)
        Sleep(INFINITE);
    ExitProcess(1);
}

BoxReader::BoxReader()
    : thread_([this] {
          while (!stop_) {
              auto box = driver::WaitForMessageBox(GetCurrentProcessId(), 50);
              if (!box.found())
                  continue;
              driver::AnswerMessageBox(box.hwnd);
              driver::WaitForWindowGone(box.hwnd, 5000);
              std::lock_guard<std::mutex> lock(mutex_);
              boxes_.push_back(std::move(box));
              answered_.notify_all();
          }
      }) {}

BoxReader::~BoxReader() {
    Stop();
}

driver::MessageBoxInfo BoxReader::Take(DWORD timeoutMs) {
    std::unique_lock<std::mutex> lock(mutex_);
    answered_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return boxes_.size() > taken_; });
    if (boxes_.size() <= taken_)
        return {};
    return boxes_[taken_++];
}

std::vector<std::wstring> BoxReader::Stop() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    std::vector<std::wstring> texts;
    for (const auto& box : boxes_)
        texts.push_back(box.text);
    return texts;
}

}  // namespace testsupport
