#include <windows.h>

#include <gtest/gtest.h>

#include <set>

#include "app/file_utils.h"
#include "core/random_key.h"
#include "platform/process.h"
#include "platform/wstr.h"
#include "support/test_support.h"

using namespace launcher;
using testsupport::TempDir;

namespace {

constexpr DWORD kHiddenArchive = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;  // 34

DWORD Attributes(const std::wstring& path) {
    return GetFileAttributesW(path.c_str());
}
std::u16string Text(const std::wstring& s) {
    return U(s.c_str());
}

TEST(SetFileAttrib, ReplacesTheWholeAttributeSet) {
    TempDir tmp;
    const std::wstring file = tmp.path() + L"desktop.ini";
    testsupport::WriteBytes(file, "[.ShellClassInfo]\r\n");
    const std::u16string exe = Text(tmp.path() + L"launcher.exe");

    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
    SetFileAttribExcept(exe, Text(file), kHiddenArchive);
    EXPECT_EQ(Attributes(file), kHiddenArchive);

    // Hidden is cleared. Wine reports archive on every file, so that bit is not compared.
    SetFileAttribExcept(exe, Text(file), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Attributes(file) & ~FILE_ATTRIBUTE_ARCHIVE, static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
}

TEST(SetFileAttrib, FolderWithTrailingBackslashIsChanged) {
    TempDir tmp;
    const std::wstring folder = tmp.path() + L"試験\\system";
    CreateDirectoryW((tmp.path() + L"試験").c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    SetFileAttribExcept(Text(tmp.path() + L"launcher.exe"), Text(folder + L"\\"), kHiddenArchive);
    // Wine keeps no archive bit on folders.
    EXPECT_EQ(Attributes(folder) & ~FILE_ATTRIBUTE_ARCHIVE,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN));
}

TEST(SetFileAttrib, LauncherOwnFilesMissingPathsAndHeldFilesAreLeftAlone) {
    // The running program's own path, and the same path with another extension.
    const std::u16string exe = Process::ExeName();
    const std::wstring exePath(reinterpret_cast<const wchar_t*>(exe.c_str()));
    const DWORD exeBefore = Attributes(exePath);
    SetFileAttribExcept(exe, exe, kHiddenArchive);
    EXPECT_EQ(Attributes(exePath), exeBefore);

    const std::wstring sibling = exePath.substr(0, exePath.rfind(L'.')) + L".ini";
    testsupport::WriteBytes(sibling, "");
    SetFileAttributesW(sibling.c_str(), FILE_ATTRIBUTE_ARCHIVE);
    SetFileAttribExcept(exe, Text(sibling), kHiddenArchive);
    EXPECT_EQ(Attributes(sibling), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    // The same file is changed when the launcher is named otherwise.
    SetFileAttribExcept(u"C:\\other\\launcher.exe", Text(sibling), kHiddenArchive);
    EXPECT_EQ(Attributes(sibling), kHiddenArchive);
    SetFileAttributesW(sibling.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(sibling.c_str());

    TempDir tmp;
    const std::wstring missing = tmp.path() + L"無い.ini";
    EXPECT_NO_THROW(SetFileAttribExcept(exe, Text(missing), kHiddenArchive));
    EXPECT_FALSE(testsupport::Exists(missing));

    // A file open elsewhere without write sharing refuses the open for writing and
    // keeps its attributes.
    const std::wstring held = tmp.path() + L"held.ini";
    testsupport::WriteBytes(held, "x");
    SetFileAttributesW(held.c_str(), FILE_ATTRIBUTE_ARCHIVE);
    HANDLE reader = CreateFileW(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    SetFileAttribExcept(exe, Text(held), kHiddenArchive);
    EXPECT_EQ(Attributes(held), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    CloseHandle(reader);
}

// Seeded from the clock on every call: keys drawn one after another differ.
TEST(ClockKey, EachCallDrawsAFreshKey) {
    std::set<std::u16string> keys;
    for (int i = 0; i < 50; ++i) {
        const std::u16string key = ClockKey(5);
        ASSERT_EQ(key.size(), 5u);
        for (char16_t c : key)
            ASSERT_NE(KeyAlphabet.find(c), std::u16string_view::npos);
        keys.insert(key);
    }
    EXPECT_GT(keys.size(), 45u);
}

}  // namespace
