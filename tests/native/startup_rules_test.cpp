#include "core/startup_rules.h"

#include <gtest/gtest.h>

#include "core/font_list.h"
#include "core/ustring.h"

using namespace launcher;

namespace {

TEST(StartupRules, OsVersionJoinsFiveFieldsWithDots) {
    EXPECT_EQ(FormatOsVersion(6, 1, 7601, u"Service Pack 1", 2), u"6.1.7601.Service Pack 1.2");
    // No service pack: its empty text leaves two dots in a row.
    EXPECT_EQ(FormatOsVersion(10, 0, 19045, u"", 2), u"10.0.19045..2");
}

TEST(StartupRules, ResolutionUsesTheMultiplicationSign) {
    EXPECT_EQ(FormatResolution(1366, 768), u"1366\u00D7768");
}

TEST(StartupRules, TemporaryFolderGuard) {
    struct Case {
        const char* what;
        std::u16string temp, exe;
        bool inside;
    } cases[] = {
        {"inside", u"C:\\Users\\A\\AppData\\Local\\Temp\\", u"C:\\Users\\A\\AppData\\Local\\Temp\\x\\launcher.exe",
         true},
        {"ASCII case differs", u"C:\\Users\\A\\AppData\\Local\\Temp\\", u"c:\\users\\a\\appdata\\local\\TEMP\\l.exe",
         true},
        {"beside, name only begins alike", u"C:\\TEMP\\", u"C:\\TEMPLATE\\launcher.exe", false},
        {"elsewhere", u"C:\\TEMP\\", u"D:\\exam\\launcher.exe", false},
        // Only a to z change case: full-width letters must match exactly.
        {"full-width letters differ in case", u"C:\\ｔｅｍｐ\\", u"C:\\ＴＥＭＰ\\launcher.exe", false},
        {"no temporary path", u"", u"C:\\exam\\launcher.exe", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsInTempFolder(c.temp, c.exe), c.inside) << c.what;
}

TEST(StartupRules, DebugSwitchIsExactAndMayStandAnywhere) {
    EXPECT_TRUE(HasDebugSwitch({u"-debug"}));
    EXPECT_TRUE(HasDebugSwitch({u"a", u"b", u"-debug"}));
    EXPECT_FALSE(HasDebugSwitch({}));
    EXPECT_FALSE(HasDebugSwitch({u"-DEBUG", u"-Debug", u"/debug", u"-debug ", u"--debug", u"debug"}));
}

TEST(StartupRules, FontRule) {
    const std::u16string yu = u"游ゴシック", meiryo = u"メイリオ";
    EXPECT_EQ(ChooseFontName({u"Arial", u"Default", yu}), yu);
    EXPECT_EQ(ChooseFontName({u"Arial", u"Default", meiryo}), meiryo);
    EXPECT_EQ(ChooseFontName({}), meiryo);
    // At position 0 it counts as absent.
    EXPECT_EQ(ChooseFontName({yu, u"Arial"}), meiryo);
    // In the toolkit's list "Default" always sorts before it, so in practice it is found when installed.
    EXPECT_EQ(ChooseFontName(SortFontNames({yu})), yu);
}

TEST(StartupRules, ScreenFontListIsSortedWithoutCaseAndHoldsDefault) {
    const auto list = SortFontNames({u"arial", u"Courier", u"Arial Black", u"メイリオ", u"Courier", u"@MS Gothic"});
    const std::vector<std::u16string> expected = {u"@MS Gothic", u"arial",   u"Arial Black",
                                                  u"Courier",    u"Default", u"メイリオ"};
    EXPECT_EQ(list, expected);
}

}  // namespace
