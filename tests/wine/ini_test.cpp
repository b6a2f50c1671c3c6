#include <windows.h>

#include <gtest/gtest.h>

#include "common/CMFunc.h"
#include "core/errors.h"
#include "core/ustring.h"
#include "platform/process.h"
#include "platform/wstr.h"
#include "support/test_support.h"

using namespace launcher;
using testsupport::TempDir;

namespace {

class IniTest : public ::testing::Test {
protected:
    void SetUp() override { Process::SetLauncherDir(U(dir.path().c_str())); }
    std::wstring Path(const wchar_t* rel) const { return dir.path() + rel; }

    TempDir dir;
};

TEST_F(IniTest, ReadsJapaneseNamesFromCodePage932File) {
    CreateDirectoryW(Path(L"##AUTO##").c_str(), nullptr);
    const std::string bytes =
        testsupport::ToCodePage(L"[情報]\r\n解凍前フォルダ名=模擬試験ＰＫＧ\r\n空=\r\n[基本情報]\r\n部数=2\r\n", 932);
    testsupport::WriteBytes(Path(L"##AUTO##\\auto.ini"), bytes);

    EXPECT_EQ(GetIniString(u"##AUTO##\\auto.ini", u"情報", u"解凍前フォルダ名"), u"模擬試験ＰＫＧ");
    EXPECT_EQ(GetIniString(u"##AUTO##\\auto.ini", u"基本情報", u"部数"), u"2");
    // Missing file, section and key, and a present but empty value, all read as empty.
    EXPECT_EQ(GetIniString(u"##AUTO##\\none.ini", u"情報", u"解凍前フォルダ名"), u"");
    EXPECT_EQ(GetIniString(u"##AUTO##\\auto.ini", u"無い", u"解凍前フォルダ名"), u"");
    EXPECT_EQ(GetIniString(u"##AUTO##\\auto.ini", u"情報", u"無い"), u"");
    EXPECT_EQ(GetIniString(u"##AUTO##\\auto.ini", u"情報", u"空"), u"");
}

TEST_F(IniTest, LongValueIsCutTo2047Characters) {
    const std::wstring value(3000, L'あ');
    testsupport::WriteBytes(Path(L"long.ini"), testsupport::ToCodePage(L"[s]\r\nk=" + value + L"\r\n", 932));
    const std::u16string got = GetIniString(u"long.ini", u"s", u"k");
    EXPECT_EQ(got.size(), 2047u);
    EXPECT_EQ(got, std::u16string(2047, u'あ'));
}

TEST_F(IniTest, WriteCreatesFileInCodePage932AndReadsBack) {
    CreateDirectoryW(Path(L"system").c_str(), nullptr);
    PutIniString(u"system\\shiken.ini", u"受験者情報", u"解像度", u"1366×768", false);
    PutIniString(u"system\\shiken.ini", u"受験者情報", u"会場コード", u"00001", false);
    EXPECT_EQ(GetIniString(u"system\\shiken.ini", u"受験者情報", u"解像度"), u"1366×768");
    EXPECT_EQ(GetIniString(u"system\\shiken.ini", u"受験者情報", u"会場コード"), u"00001");
    const std::string bytes = testsupport::ReadBytes(Path(L"system\\shiken.ini"));
    EXPECT_NE(bytes.find(testsupport::ToCodePage(L"[受験者情報]\r\n", 932)), std::string::npos);
    EXPECT_NE(bytes.find(testsupport::ToCodePage(L"解像度=1366×768\r\n", 932)), std::string::npos);
}

TEST_F(IniTest, FailingWriteGivesUpAfterAboutOneSecondAndRaisesOnlyWhenAsked) {
    testsupport::WriteBytes(Path(L"locked.ini"), "[s]\r\nk=old\r\n");
    testsupport::FileHolder holder(Path(L"locked.ini"));
    ASSERT_TRUE(holder.holding());

    const ULONGLONG start = GetTickCount64();
    EXPECT_NO_THROW(PutIniString(u"locked.ini", u"s", u"k", u"new", false));
    const ULONGLONG quiet = GetTickCount64() - start;
    // 10 pauses of 100 ms between 11 attempts: about one second.
    EXPECT_GE(quiet, 900u);
    EXPECT_LT(quiet, 5000u);

    try {
        PutIniString(u"locked.ini", u"s", u"k", u"new", true);
        ADD_FAILURE() << "expected the last failure to be raised";
    } catch (const Exception& e) {
        EXPECT_NE(e.Message.find(U(Path(L"locked.ini").c_str())), std::u16string::npos) << e.what();
    }

    holder.Release();
    EXPECT_EQ(GetIniString(u"locked.ini", u"s", u"k"), u"old");
    PutIniString(u"locked.ini", u"s", u"k", u"new", true);
    EXPECT_EQ(GetIniString(u"locked.ini", u"s", u"k"), u"new");
}

}  // namespace
