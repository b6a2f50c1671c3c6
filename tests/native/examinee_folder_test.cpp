#include "core/examinee_folder.h"

#include <gtest/gtest.h>

#include "core/ustring.h"

using namespace launcher;

namespace {

TEST(ComposeChangeFileName, UsesFileTitleOrDevelopmentCodeAndKeepsEntriesAsTyped) {
    EXPECT_EQ(ComposeChangeFileName(u"表計算3級_模擬A", u"XL3A01", u"00001", u"007", u"aB3xZ"),
              u"受験者用_表計算3級_模擬A_00001_007［aB3xZ］");
    // No file title: the development code takes its place.
    EXPECT_EQ(ComposeChangeFileName(u"", u"XL3A01", u" 1234", u"-5", u"k9k9k"), u"受験者用_XL3A01_ 1234_-5［k9k9k］");
}

TEST(IsSingleName, RefusesWhatWouldSplitClimbOrVanish) {
    for (const std::u16string ok : {u"受験者用_a_1_2［k］", u"[1]表計算.exe", u"a..b", u".hidden", u"x y", u"50%TEMP%"})
        EXPECT_TRUE(IsSingleName(ok)) << ToUtf8(ok);
    for (const std::u16string& bad : std::initializer_list<std::u16string>{
             u"", u".", u"..", u"...", u" ", u". .", u"a\\b", u"a/b", u"C:x", u"a*", u"a?", u"a\"b", u"a<b", u"a>b",
             u"a|b", u"a\tb", std::u16string(u"a\0b", 3)})
        EXPECT_FALSE(IsSingleName(bad)) << ToUtf8(bad);
}

StartNames Sample() {
    StartNames n;
    n.LauncherDir = u"C:\\A\\B\\";
    n.RootDir = u"EXAM";
    n.ChangeFileDir = u"C:\\A\\";
    n.FileName = u"表計算3級";
    n.ChangeFileName = ComposeChangeFileName(n.FileName, u"XL3A01", u"12345", u"007", u"aB3xZ");
    n.BuMei = u"表計算";
    return n;
}

TEST(StartRefusal, NamesTheKeyWhoseValueIsNotOneName) {
    EXPECT_EQ(StartRefusal(Sample()), u"");
    struct Case {
        const char16_t* fileName;
        const char16_t* kaiCode;
        const char16_t* buMei;
        const char16_t* key;
    };
    const Case cases[] = {
        {u"..\\..\\##AUTO##\\x", u"XL3A01", u"表計算", u"「ファイル名称」"},
        {u"", u"a/b", u"表計算", u"「開発コード」"},
        {u"表計算3級", u"XL3A01", u"..\\..\\..\\evil", u"「部種名称」"},
        {u"表計算3級", u"XL3A01", u"a:b", u"「部種名称」"},
    };
    for (const Case& c : cases) {
        StartNames n = Sample();
        n.FileName = c.fileName;
        n.ChangeFileName = ComposeChangeFileName(c.fileName, c.kaiCode, u"12345", u"007", u"aB3xZ");
        n.BuMei = c.buMei;
        const std::u16string detail = StartRefusal(n);
        EXPECT_NE(detail.find(c.key), std::u16string::npos) << ToUtf8(detail);
    }
}

// The longest path of a start decides, up to MAX_PATH less its NUL.
TEST(StartRefusal, RefusesPathsLongerThanTheCallsTake) {
    StartNames n = Sample();
    n.ChangeFileName = ComposeChangeFileName(n.FileName, u"", u"12345", std::u16string(240, u'0') + u"1", u"aB3xZ");
    std::u16string detail = StartRefusal(n);
    EXPECT_NE(detail.find(u"長すぎます"), std::u16string::npos) << ToUtf8(detail);

    // A deep parent folder: the INI files of the exam folder come first.
    n = Sample();
    const std::u16string deep = u"C:\\" + std::u16string(235, u'p') + u"\\";
    n.ChangeFileDir = deep;
    n.LauncherDir = deep + u"B\\";
    detail = StartRefusal(n);
    EXPECT_EQ(detail.rfind(u"パスが長すぎます（263文字、259文字まで）：…", 0), 0u) << ToUtf8(detail);
    EXPECT_EQ(detail.substr(detail.size() - 23), u"\\EXAM\\system\\system.ini") << ToUtf8(detail);
    EXPECT_LE(detail.size(), 150u);

    // Exactly at the limit and one past it, on the rename's target inside the launcher folder.
    for (const std::size_t length : {kMaxPathLength, kMaxPathLength + 1}) {
        n = Sample();
        n.LauncherDir = u"C:\\" + std::u16string(length - n.ChangeFileName.size() - 4, u'l') + u"\\";
        n.ChangeFileDir = u"C:\\";
        EXPECT_EQ(StartRefusal(n).empty(), length == kMaxPathLength) << length;
    }
}

}  // namespace
