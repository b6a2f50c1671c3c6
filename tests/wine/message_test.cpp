#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "common/CMFunc.h"
#include "driver/driver.h"
#include "platform/ui/forms.h"
#include "platform/ui/status_bar.h"
#include "platform/wstr.h"

using namespace launcher;

namespace {

class TestForm : public Form {
public:
    TestForm() : Form(nullptr) { CreateWindowNow(u"MessageOwner", RECT{0, 0, 300, 200}); }
};

// Reads the box that DispMessage shows from another thread, as the examinee sees it.
TEST(DispMessage, ShowsDecodedBoxOwnedByTheForm) {
    TestForm form;
    ASSERT_TRUE(form.HandleAllocated());
    driver::MessageBoxInfo seen;
    HWND owner = nullptr;
    std::thread reader([&] {
        seen = driver::WaitForMessageBox(GetCurrentProcessId(), 10000);
        if (seen.found()) {
            owner = GetWindow(seen.hwnd, GW_OWNER);
            driver::AnswerMessageBox(seen.hwnd, IDNO);
        }
    });
    const std::uint16_t answer = DispMessage(&form, nullptr, u"Q22続けますか", u"詳細の文");
    reader.join();

    ASSERT_TRUE(seen.found());
    EXPECT_EQ(seen.caption, L"確認");
    EXPECT_EQ(seen.text, L"続けますか\r\n\r\n詳細の文");
    EXPECT_EQ(seen.buttons.size(), 2u);
    EXPECT_EQ(owner, form.Handle());
    EXPECT_EQ(answer, IDNO);
}

TEST(DispMessage, StatusBarPathShowsWholeCodeAndReturnsZero) {
    TestForm form;
    StatusBar bar(&form, form);
    ASSERT_TRUE(bar.HandleAllocated());
    EXPECT_EQ(DispMessage(&form, &bar, u"I0処理中", u"無視される"), 0);
    EXPECT_EQ(bar.SimpleText(), u"I0処理中");
    wchar_t text[64] = {};
    GetWindowTextW(bar.Handle(), text, 64);
    EXPECT_STREQ(text, L"I0処理中");
}

}  // namespace
