#include <windows.h>

#include <gtest/gtest.h>

#include "driver/driver.h"
#include "exam_pc.h"

namespace {

TEST(Startup, MainWindowIsFullScreenTopmostAndTitled) {
    e2e::ExamPc pc;
    auto launcher = pc.StartLauncher();
    ASSERT_TRUE(launcher.started());
    HWND main = driver::WaitForShownWindow(nullptr, L"frmJPZZ0010", 15000);
    ASSERT_NE(main, nullptr);
    RECT rc;
    GetWindowRect(main, &rc);
    EXPECT_EQ(rc.left, 0);
    EXPECT_EQ(rc.top, 0);
    EXPECT_EQ(rc.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(rc.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongW(main, GWL_STYLE) & WS_CAPTION);
    launcher.Kill();
}

}  // namespace
