#include "core/paths.h"

#include <gtest/gtest.h>

#include "core/ustring.h"

using namespace launcher;

namespace {

TEST(ParentFolder, IsTheFolderAboveTheLauncherFolder) {
    struct Case {
        std::u16string launcherDir, parent;
    };
    const Case cases[] = {
        {u"C:\\A\\B\\", u"C:\\A\\"},
        {u"C:\\A\\", u"C:\\"},
        {u"C:\\Exam Files\\受験［1］\\", u"C:\\Exam Files\\"},
        {u"\\\\server\\share\\A\\", u"\\\\server\\share\\"},
        {u"\\\\?\\C:\\A\\", u"\\\\?\\C:\\"},
        {u"\\\\?\\UNC\\server\\share\\A\\B\\", u"\\\\?\\UNC\\server\\share\\A\\"},
    };
    for (const auto& c : cases) {
        const auto parent = ParentFolder(c.launcherDir);
        ASSERT_TRUE(parent.has_value()) << ToUtf8(c.launcherDir);
        EXPECT_EQ(*parent, c.parent) << ToUtf8(c.launcherDir);
    }
}

// A root has no folder above it: the plain rule would give "C:" and make every
// batch path drive-relative.
TEST(ParentFolder, NoneForARoot) {
    for (const std::u16string dir :
         {u"C:\\", u"C:", u"\\\\server\\share\\", u"\\\\?\\C:\\", u"\\\\?\\UNC\\server\\share\\", u"", u"A\\"})
        EXPECT_FALSE(ParentFolder(dir).has_value()) << ToUtf8(dir);
}

TEST(IsSafeRootDir, OnlyFoldersInsideTheLauncherFolder) {
    for (const std::u16string ok : {u"JPEXAM", u"試験 フォルダ［1］", u"a\\b", u"a\\", u".hidden", u"a..b"})
        EXPECT_TRUE(IsSafeRootDir(ok)) << ToUtf8(ok);
    for (const std::u16string bad :
         {u"", u".", u"..", u"a\\..", u"..\\x", u"a\\.\\b", u"a/../b", u"...", u". .", u"C:\\x", u"C:x", u"\\x", u"/x",
          u"\\\\server\\share", u"\\\\?\\C:\\x", u"a*", u"a\tb", u"x:stream"})
        EXPECT_FALSE(IsSafeRootDir(bad)) << ToUtf8(bad);
}

TEST(FolderSteps, EveryFolderOnTheWayDown) {
    using Steps = std::vector<std::u16string>;
    EXPECT_EQ(FolderSteps(u"JPEXAM"), Steps{u"JPEXAM"});
    EXPECT_EQ(FolderSteps(u"a\\b\\試験"), (Steps{u"a", u"a\\b", u"a\\b\\試験"}));
    EXPECT_EQ(FolderSteps(u"a/b\\"), (Steps{u"a", u"a/b"}));
    EXPECT_EQ(FolderSteps(u""), Steps{});
}

}  // namespace
