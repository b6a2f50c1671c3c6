#include "driver/driver.h"

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace driver {

HWND WaitForWindow(const wchar_t* cls, const wchar_t* title, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (HWND h = FindWindowW(cls, title))
            return h;
        if (GetTickCount64() >= end)
            return nullptr;
        Sleep(20);
    }
}

HWND WaitForShownWindow(const wchar_t* cls, const wchar_t* title, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        HWND h = FindWindowW(cls, title);
        if (h && IsWindowVisible(h))
            return h;
        if (GetTickCount64() >= end)
            return nullptr;
        Sleep(20);
    }
}

bool WaitForWindowGone(HWND hwnd, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (IsWindow(hwnd)) {
        if (GetTickCount64() >= end)
            return false;
        Sleep(20);
    }
    return true;
}

std::wstring WindowText(HWND hwnd) {
    // WM_GETTEXT works across processes for any window class.
    const LRESULT n = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    const LRESULT got = SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(got));
    return text;
}

namespace {

struct BoxSearch {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindBox(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<BoxSearch*>(lp);
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (wcscmp(cls, L"#32770") != 0 || !IsWindowVisible(hwnd))
        return TRUE;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (s->pid != 0 && pid != s->pid)
        return TRUE;
    s->found = hwnd;
    return FALSE;
}

BOOL CALLBACK CollectChildren(HWND hwnd, LPARAM lp) {
    auto* info = reinterpret_cast<MessageBoxInfo*>(lp);
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (_wcsicmp(cls, L"Static") == 0 && GetDlgCtrlID(hwnd) == 0xFFFF) {
        info->text = WindowText(hwnd);
    } else if (_wcsicmp(cls, L"Button") == 0) {
        info->buttons.push_back(WindowText(hwnd));
    }
    return TRUE;
}

}  // namespace

MessageBoxInfo WaitForMessageBox(DWORD pid, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    MessageBoxInfo info;
    for (;;) {
        BoxSearch s{pid, nullptr};
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&s));
        if (s.found) {
            info.hwnd = s.found;
            info.caption = WindowText(s.found);
            info.owner = GetWindow(s.found, GW_OWNER);
            EnumChildWindows(s.found, CollectChildren, reinterpret_cast<LPARAM>(&info));
            return info;
        }
        if (GetTickCount64() >= end)
            return info;
        Sleep(20);
    }
}

void AnswerMessageBox(HWND box, int id) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

HWND FocusedWindow(HWND top) {
    GUITHREADINFO gti{};
    gti.cbSize = sizeof gti;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &gti))
        return nullptr;
    return gti.hwndFocus;
}

void Activate(HWND top) {
    SetForegroundWindow(top);
    const ULONGLONG end = GetTickCount64() + 2000;
    while (GetForegroundWindow() != top && GetTickCount64() < end)
        Sleep(20);
}

namespace {

void SendKey(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

}  // namespace

void TypeText(const std::wstring& text) {
    for (wchar_t c : text) {
        INPUT in[2]{};
        for (int i = 0; i < 2; ++i) {
            in[i].type = INPUT_KEYBOARD;
            in[i].ki.wScan = c;
            in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
        }
        SendInput(2, in, sizeof(INPUT));
        Sleep(5);
    }
}

void PressKey(WORD vk, bool shift, bool ctrl) {
    if (shift)
        SendKey(VK_SHIFT, false);
    if (ctrl)
        SendKey(VK_CONTROL, false);
    SendKey(vk, false);
    SendKey(vk, true);
    if (ctrl)
        SendKey(VK_CONTROL, true);
    if (shift)
        SendKey(VK_SHIFT, true);
    Sleep(20);
}

Process::Process(const std::wstring& commandLine, const std::wstring& workDir) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    std::wstring cmd = commandLine;  // CreateProcessW may write into it
    if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workDir.empty() ? nullptr : workDir.c_str(), &si, &info_)) {
        info_ = {};
        return;
    }
    CloseHandle(info_.hThread);
    info_.hThread = nullptr;
}

Process::~Process() {
    if (info_.hProcess)
        CloseHandle(info_.hProcess);
}

Process::Process(Process&& other) noexcept : info_(std::exchange(other.info_, {})) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        if (info_.hProcess)
            CloseHandle(info_.hProcess);
        info_ = std::exchange(other.info_, {});
    }
    return *this;
}

bool Process::Wait(DWORD timeoutMs, DWORD* exitCode) const {
    if (!info_.hProcess)
        return true;
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (exitCode)
        GetExitCodeProcess(info_.hProcess, exitCode);
    return true;
}

std::string ReadFileBytes(const std::wstring& path) {
    HANDLE h =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return {};
    std::string out;
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0)
        out.append(buf, got);
    CloseHandle(h);
    return out;
}

void Process::Kill() {
    if (info_.hProcess) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
}

namespace {

std::string Utf8(const std::wstring& text) {
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// The identity of a folder (Wine gives the inode as the file index), or 0.
ULONGLONG FolderIndex(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool ok = GetFileInformationByHandle(h, &info);
    CloseHandle(h);
    return ok ? (ULONGLONG(info.nFileIndexHigh) << 32) | info.nFileIndexLow : 0;
}

// utime + stime of /proc/<pid>/stat, in clock ticks of 10 ms, of the process whose
// command line holds the batch's name and whose working folder is the batch's:
// the launcher names its batches relative to that folder, and /proc holds every
// process of the machine.
double LinuxCpuMilliseconds(const std::wstring& batchFile) {
    const std::size_t slash = batchFile.find_last_of(L'\\');
    const std::string needle = Utf8(batchFile.substr(slash + 1));
    const ULONGLONG folder = FolderIndex(batchFile.substr(0, slash + 1));
    WIN32_FIND_DATAW fd;
    HANDLE find = FindFirstFileW(L"Z:\\proc\\*", &fd);
    if (find == INVALID_HANDLE_VALUE)
        return -1;
    double found = -1;
    do {
        const std::wstring pid = fd.cFileName;
        if (pid.find_first_not_of(L"0123456789") != std::wstring::npos)
            continue;
        // Wine splits the Windows command line at blanks into Linux's NUL-separated arguments.
        std::string commandLine = ReadFileBytes(L"Z:\\proc\\" + pid + L"\\cmdline");
        for (char& c : commandLine)
            if (c == '\0')
                c = ' ';
        if (commandLine.find(needle) == std::string::npos || FolderIndex(L"Z:\\proc\\" + pid + L"\\cwd\\") != folder)
            continue;
        const std::string stat = ReadFileBytes(L"Z:\\proc\\" + pid + L"\\stat");
        std::istringstream fields(stat.substr(stat.rfind(')') + 2));
        std::vector<std::string> f;
        for (std::string t; fields >> t;)
            f.push_back(t);
        if (f.size() > 12)
            found = (std::stod(f[11]) + std::stod(f[12])) * 10.0;  // fields 14 and 15
        break;
    } while (FindNextFileW(find, &fd));
    FindClose(find);
    return found;
}

}  // namespace

double CpuMilliseconds(HANDLE process, const std::wstring& batchFile) {
    if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"))
        return LinuxCpuMilliseconds(batchFile);
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return -1;
    auto ticks = [](const FILETIME& t) { return (ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return double(ticks(kernel) + ticks(user)) / 10000.0;
}

}  // namespace driver
