// The main form built in-process on a fixture exam folder.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/JPZZ0010.h"
#include "common/ustring.h"
#include "controls/plButton.h"
#include "platform/app.h"
#include "platform/ui/layout.h"
#include "platform/wstr.h"
#include "test_support.h"

using namespace launcher;
using testsupport::TempDir;

namespace {

// A launcher folder whose "auto.ini" names the exam folder "模擬試験PKG".
class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDirectoryW((dir.path() + L"##AUTO##").c_str(), nullptr);
        testsupport::WriteBytes(dir.path() + L"##AUTO##\\auto.ini",
                                testsupport::ToCodePage(L"[情報]\r\n解凍前フォルダ名=模擬試験PKG\r\n", 932));
        CreateDirectoryW((dir.path() + L"模擬試験PKG").c_str(), nullptr);
        CreateDirectoryW((dir.path() + L"模擬試験PKG\\system").c_str(), nullptr);
        Application::SetLauncherDir(U(dir.path().c_str()));
    }
    std::wstring ShikenIni() const { return dir.path() + L"模擬試験PKG\\system\\shiken.ini"; }

    TempDir dir;
};

TEST_F(MainFormTest, ShowingMakesTheWindowTopmost) {
    TfrmJPZZ0010 form;
    form.ShowForm();
    EXPECT_TRUE(GetWindowLongW(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    EXPECT_EQ(form.KaiCdEdt->Text(), u"");
}

}  // namespace
