#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "driver/driver.h"
#include "exam_pc.h"

namespace {

std::wstring BesideThisProgram(const std::wstring& name) {
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring dir = exe;
    return dir.substr(0, dir.find_last_of(L'\\') + 1) + name;
}

std::set<std::wstring> Listing(const std::wstring& folder) {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((folder + L"*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (wcscmp(fd.cFileName, L".") != 0 && wcscmp(fd.cFileName, L"..") != 0)
            names.insert(fd.cFileName);
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    return names;
}

// The first process that `parent` started.
HANDLE WaitForChild(DWORD parent, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    do {
        HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        PROCESSENTRY32W pe{};
        pe.dwSize = sizeof pe;
        DWORD child = 0;
        for (BOOL ok = Process32FirstW(snap, &pe); ok && !child; ok = Process32NextW(snap, &pe))
            if (pe.th32ParentProcessID == parent)
                child = pe.th32ProcessID;
        CloseHandle(snap);
        if (child)
            return OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, child);
        Sleep(20);
    } while (GetTickCount64() < end);
    return nullptr;
}

// The launcher ends on its way out after starting the clean-up batch; the batch
// waits for it without using the processor, then leaves the parent folder as it
// was before the launcher came: without the launcher folder and without itself.
TEST(Cleanup, RemovesTheLauncherItsFolderAndItselfAndLeavesNothingNew) {
    e2e::ExamPc pc;
    ASSERT_TRUE(CopyFileW(BesideThisProgram(L"cleanup_launcher.exe").c_str(), pc.launcherExe().c_str(), FALSE));
    std::set<std::wstring> expected = Listing(pc.parent());
    expected.erase(L"launcher");

    auto launcher = pc.StartLauncher();
    ASSERT_TRUE(launcher.started());
    HANDLE batch = WaitForChild(launcher.pid(), 5000);
    ASSERT_NE(batch, nullptr);
    const std::wstring batchFile = pc.parent() + L"Corvanta.BAT";
    const double atStart = driver::CpuMilliseconds(batch, batchFile);
    DWORD code = 1;
    ASSERT_TRUE(launcher.Wait(10000, &code));
    EXPECT_EQ(code, 0u);
    const double atLauncherEnd = driver::CpuMilliseconds(batch, batchFile);
    std::printf("clean-up batch CPU time: %.1f ms when found, %.1f ms when the launcher ended\n", atStart,
                atLauncherEnd);
    EXPECT_LT(atLauncherEnd - atStart, 100.0);

    EXPECT_EQ(WaitForSingleObject(batch, 20000), WAIT_OBJECT_0);
    CloseHandle(batch);
    EXPECT_FALSE(GetFileAttributesW(pc.launcherDir().c_str()) != INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Listing(pc.parent()), expected);
}

}  // namespace
