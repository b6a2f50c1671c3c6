#include <windows.h>

#include <gtest/gtest.h>

#include "common/CMFunc.h"
#include "core/errors.h"
#include "core/ustring.h"
#include "platform/process.h"
#include "platform/wstr.h"
#include "support/test_support.h"

using namespace launcher;
using testsupport::Exists;
using testsupport::TempDir;
using testsupport::WriteBytes;

namespace {

void MakeFile(const std::wstring& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    WriteBytes(path, "x");
    SetFileAttributesW(path.c_str(), attributes);
}

std::u16string Text(const std::wstring& s) {
    return U(s.c_str());
}

TEST(DeleteDirTree, RemovesNestedTreeWhateverTheAttributes) {
    TempDir tmp;
    const std::wstring root = tmp.path() + L"木";
    ASSERT_TRUE(CreateDirectoryW(root.c_str(), nullptr));
    CreateDirectoryW((root + L"\\a").c_str(), nullptr);
    CreateDirectoryW((root + L"\\a\\b").c_str(), nullptr);
    CreateDirectoryW((root + L"\\隠し").c_str(), nullptr);
    SetFileAttributesW((root + L"\\隠し").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    MakeFile(root + L"\\a\\b\\deep.txt", FILE_ATTRIBUTE_HIDDEN);
    MakeFile(root + L"\\a\\plain.txt");
    MakeFile(root + L"\\隠し\\desktop.ini", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
    MakeFile(root + L"\\sys.dat", FILE_ATTRIBUTE_SYSTEM);
    MakeFile(root + L"\\noext", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);

    // With and without the trailing backslash.
    EXPECT_NO_THROW(DeleteDirTree(Text(root)));
    EXPECT_FALSE(Exists(root));

    const std::wstring again = tmp.path() + L"again\\";
    CreateDirectoryW(again.c_str(), nullptr);
    MakeFile(again + L"f.txt", FILE_ATTRIBUTE_HIDDEN);
    EXPECT_NO_THROW(DeleteDirTree(Text(again)));
    EXPECT_FALSE(Exists(again));
}

TEST(DeleteDirTree, FileThatCannotBeDeletedStopsItWithTheSystemError) {
    TempDir tmp;
    const std::wstring root = tmp.path() + L"tree";
    CreateDirectoryW(root.c_str(), nullptr);
    CreateDirectoryW((root + L"\\sub").c_str(), nullptr);
    CreateDirectoryW((root + L"\\sub\\inner").c_str(), nullptr);
    MakeFile(root + L"\\sub\\inner\\x.txt");
    const std::wstring locked = root + L"\\locked.txt";
    // Read-only stops the deletion on Windows; Wine running as root ignores the
    // attribute, so a process holding the file open stands in for it.
    MakeFile(locked, FILE_ATTRIBUTE_READONLY);
    testsupport::FileHolder holder(locked);
    ASSERT_TRUE(holder.holding());

    try {
        DeleteDirTree(Text(root));
        ADD_FAILURE() << "expected EOSError";
    } catch (const EOSError& e) {
        EXPECT_NE(e.ErrorCode, 0u);
        const std::u16string expected =
            u"システム エラー。コード: " + IntToStr(e.ErrorCode) + u"。\r\n" + SysErrorMessage(e.ErrorCode);
        EXPECT_EQ(ToUtf8(e.Message), ToUtf8(expected));
        EXPECT_FALSE(SysErrorMessage(e.ErrorCode).empty());
    }
    // Sub-folders go before files: they are gone, the folder and the file remain.
    EXPECT_FALSE(Exists(root + L"\\sub"));
    EXPECT_TRUE(Exists(locked));
    EXPECT_TRUE(Exists(root));

    holder.Release();
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_NO_THROW(DeleteDirTree(Text(root)));
    EXPECT_FALSE(Exists(root));
}

TEST(DeleteDirTree, MissingFolderRaisesFromTheFinalRemovalAndEmptyPathDoesNothing) {
    TempDir tmp;
    const std::wstring missing = tmp.path() + L"無い";
    try {
        DeleteDirTree(Text(missing));
        ADD_FAILURE() << "expected EOSError";
    } catch (const EOSError& e) {
        EXPECT_EQ(e.ErrorCode, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
        EXPECT_EQ(ToUtf8(e.Message),
                  ToUtf8(OSErrorMessage(ERROR_FILE_NOT_FOUND, SysErrorMessage(ERROR_FILE_NOT_FOUND))));
    }
    EXPECT_NO_THROW(DeleteDirTree(u""));
    EXPECT_TRUE(Exists(tmp.path()));
}

// Wine shows a Linux symbolic link to a folder as directory + reparse point, and
// its RemoveDirectoryW acts on the target (refusing a non-empty one), so only the
// outcome that matters is checked here: nothing outside the tree is deleted.
TEST(DeleteDirTree, LinkToOutsideFolderIsNotFollowed) {
    TempDir tmp;
    const std::wstring outside = tmp.path() + L"outside";
    const std::wstring root = tmp.path() + L"tree";
    CreateDirectoryW(outside.c_str(), nullptr);
    CreateDirectoryW(root.c_str(), nullptr);
    MakeFile(outside + L"\\keep.txt");
    MakeFile(root + L"\\own.txt");
    if (!testsupport::MakeFolderLink(outside, root + L"\\link"))
        GTEST_SKIP() << "no way to make a folder link here";

    try {
        DeleteDirTree(Text(root));
    } catch (const EOSError&) {
        // Wine refuses to remove the link because its target is not empty.
    }
    EXPECT_TRUE(Exists(outside + L"\\keep.txt"));
    // Given the link itself, it goes as a link or stays.
    try {
        DeleteDirTree(Text(root + L"\\link"));
    } catch (const EOSError&) {
    }
    EXPECT_TRUE(Exists(outside + L"\\keep.txt"));
    testsupport::RemoveFolderLink(root + L"\\link");
}

}  // namespace
