#include "core/batch_text.h"

#include <gtest/gtest.h>

#include "core/ustring.h"

using namespace launcher;

namespace {

struct EscapeCase {
    std::u16string path, escaped;
};

TEST(EscapeBatPath, EscapesInOrderAndLeavesTheRest) {
    const EscapeCase cases[] = {
        {u"C:\\Exam Files\\受験者用_a", u"C:\\Exam^ Files\\受験者用_a"},
        {u"50%", u"50%%"},
        {u"a^&b", u"a^^^&b"},  // the path's caret doubled once, the added one not again
        {u"x=1,y;z", u"x^=1^,y^;z"},
        {u"a\u3000b", u"a^\u3000b"},
        {u"(1)!［K］", u"(1)!［K］"},
        {u"%^%", u"%%^^%%"},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EscapeBatPath(c.path), c.escaped) << ToUtf8(c.path);
}

TEST(QuoteBatCondition, QuotesAndDoublesOnlyPercent) {
    EXPECT_EQ(QuoteBatCondition(u"C:\\a b\\50% ^&;,=\u3000!"), u"\"C:\\a b\\50%% ^&;,=\u3000!\"");
}

TEST(BatLines, ExamStartBatchStartsTheProgramOnlyWhenItExists) {
    const auto lines = ExamStartBatLines(u"C:\\Exam Files\\受験者用_表計算_12345_007［aB3xZ］\\[1]表計算 1.exe");
    const std::vector<std::u16string> expected = {
        u"IF NOT EXIST \"C:\\Exam Files\\受験者用_表計算_12345_007［aB3xZ］\\[1]表計算 1.exe\" GOTO Lbl2",
        u"START /b \"\" ^\"C:\\Exam^ Files\\受験者用_表計算_12345_007［aB3xZ］\\[1]表計算^ 1.exe^\"",
        u":Lbl2",
        u"DEL %0",
        u"EXIT",
    };
    EXPECT_EQ(lines, expected);
}

TEST(BatLines, CleanupBatchPausesBetweenTriesAndGivesUp) {
    const auto lines = CleanupBatLines(u"C:\\Exam Files\\ランチャー\\launcher.exe", u"C:\\Exam Files\\ランチャー\\");
    const std::vector<std::u16string> expected = {
        u"SET Tries=0",
        u":Lbl0",
        u"DEL ^\"C:\\Exam^ Files\\ランチャー\\launcher.exe^\"",
        u"IF NOT EXIST \"C:\\Exam Files\\ランチャー\\launcher.exe\" GOTO Lbl1",
        u"SET /A Tries+=1",
        u"IF %Tries% GEQ 300 GOTO Lbl2",
        u"ping -n 2 127.0.0.1 >nul",
        u"GOTO Lbl0",
        u":Lbl1",
        u"RMDIR ^\"C:\\Exam^ Files\\ランチャー\\^\"",
        u"IF NOT EXIST \"C:\\Exam Files\\ランチャー\\\" GOTO Lbl2",
        u"SET /A Tries+=1",
        u"IF %Tries% GEQ 300 GOTO Lbl2",
        u"ping -n 2 127.0.0.1 >nul",
        u"GOTO Lbl1",
        u":Lbl2",
        u"DEL %0",
        u"EXIT",
    };
    EXPECT_EQ(lines, expected);
}

// The whole files, for a path that needs every escape: DEL, RMDIR and START get
// carets, the IF lines only quotes and doubled "%".
TEST(BatLines, WholeTextsEndEveryLineWithCrLf) {
    const std::u16string dir = u"D:\\試験 50%\\a^&b;c,d=e\u3000f(1)!\\";
    EXPECT_EQ(JoinBatLines(ExamStartBatLines(dir + u"[1]表.exe")),
              u"IF NOT EXIST \"D:\\試験 50%%\\a^&b;c,d=e\u3000f(1)!\\[1]表.exe\" GOTO Lbl2\r\n"
              u"START /b \"\" ^\"D:\\試験^ 50%%\\a^^^&b^;c^,d^=e^\u3000f(1)!\\[1]表.exe^\"\r\n"
              u":Lbl2\r\n"
              u"DEL %0\r\n"
              u"EXIT\r\n");
    EXPECT_EQ(JoinBatLines(CleanupBatLines(dir + u"L.exe", dir)),
              u"SET Tries=0\r\n"
              u":Lbl0\r\n"
              u"DEL ^\"D:\\試験^ 50%%\\a^^^&b^;c^,d^=e^\u3000f(1)!\\L.exe^\"\r\n"
              u"IF NOT EXIST \"D:\\試験 50%%\\a^&b;c,d=e\u3000f(1)!\\L.exe\" GOTO Lbl1\r\n"
              u"SET /A Tries+=1\r\n"
              u"IF %Tries% GEQ 300 GOTO Lbl2\r\n"
              u"ping -n 2 127.0.0.1 >nul\r\n"
              u"GOTO Lbl0\r\n"
              u":Lbl1\r\n"
              u"RMDIR ^\"D:\\試験^ 50%%\\a^^^&b^;c^,d^=e^\u3000f(1)!\\^\"\r\n"
              u"IF NOT EXIST \"D:\\試験 50%%\\a^&b;c,d=e\u3000f(1)!\\\" GOTO Lbl2\r\n"
              u"SET /A Tries+=1\r\n"
              u"IF %Tries% GEQ 300 GOTO Lbl2\r\n"
              u"ping -n 2 127.0.0.1 >nul\r\n"
              u"GOTO Lbl1\r\n"
              u":Lbl2\r\n"
              u"DEL %0\r\n"
              u"EXIT\r\n");
}

}  // namespace
