#include "core/file_names.h"

#include <gtest/gtest.h>

#include "core/ustring.h"

using namespace launcher;

namespace {

TEST(FileNames, ExtensionIsTheLastDotAfterTheLastSeparator) {
    const struct {
        std::u16string name, stem;
    } cases[] = {
        {u"C:\\A\\B\\launcher.exe", u"C:\\A\\B\\launcher"},
        {u"C:\\A\\B\\launcher.tar.gz", u"C:\\A\\B\\launcher.tar"},
        {u"C:\\A.d\\B\\launcher", u"C:\\A.d\\B\\launcher"},
        {u"C:\\A\\B.d\\", u"C:\\A\\B.d\\"},
        {u"C:/A.d/x", u"C:/A.d/x"},
        {u"C:.x", u"C:"},
        {u"C:x.", u"C:x"},
        {u".ini", u""},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToUtf8(RemoveExtension(c.name)), ToUtf8(c.stem)) << ToUtf8(c.name);
}

TEST(FileNames, LauncherFileUnderAnyExtensionCaseSensitive) {
    const std::u16string exe = u"C:\\A\\B\\launcher.exe";
    EXPECT_TRUE(IsLauncherFile(exe, exe));
    EXPECT_TRUE(IsLauncherFile(u"C:\\A\\B\\launcher.ini", exe));
    EXPECT_TRUE(IsLauncherFile(u"C:\\A\\B\\launcher", exe));
    EXPECT_FALSE(IsLauncherFile(u"C:\\A\\B\\LAUNCHER.exe", exe));
    EXPECT_FALSE(IsLauncherFile(u"C:\\A\\B\\launcher.exe\\", exe));
    EXPECT_FALSE(IsLauncherFile(u"C:\\A\\B\\試験\\system", exe));
    EXPECT_FALSE(IsLauncherFile(u"C:\\A\\launcher.exe", exe));
}

}  // namespace
