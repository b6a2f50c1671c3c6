#include "core/message_code.h"

#include <gtest/gtest.h>

#include "core/ustring.h"

using namespace launcher;

namespace {

struct DecodeCase {
    const char* name;
    std::u16string msg;
    std::u16string detail;
    bool statusBar;
    std::u16string caption;
    unsigned flags;
    std::u16string text;
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
    *os << c.name;
}

std::u16string Repeat(char16_t c, std::size_t n) {
    return std::u16string(n, c);
}

class DecodeTable : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTable, Decodes) {
    const DecodeCase& c = GetParam();
    const MessageRequest r = DecodeMessage(c.msg, c.detail);
    EXPECT_EQ(r.StatusBarPath, c.statusBar);
    EXPECT_EQ(ToUtf8(r.Caption), ToUtf8(c.caption));
    EXPECT_EQ(r.Flags, c.flags);
    EXPECT_EQ(ToUtf8(r.Text), ToUtf8(c.text));
    EXPECT_LE(r.Text.size(), c.statusBar ? c.msg.size() : MessageTextLimit);
}

const std::u16string k190 = Repeat(u'あ', 190);
const std::u16string k250 = Repeat(u'x', 250);
const std::u16string k50 = u"0123456789" + Repeat(u'd', 40);

INSTANTIATE_TEST_SUITE_P(
    Codes,
    DecodeTable,
    ::testing::Values(
        DecodeCase{"error_ok", u"E11会場コードを入力してください。", u"", false, u"エラー", 16 + 0 + 0 + 65536,
                   u"会場コードを入力してください。"},
        DecodeCase{"question_yes_no_default_no", u"Q22続けますか", u"", false, u"確認", 32 + 4 + 256 + 65536,
                   u"続けますか"},
        DecodeCase{"warning_yes_no_cancel_default_cancel", u"W33注意", u"", false, u"警告", 48 + 3 + 512 + 65536,
                   u"注意"},
        DecodeCase{"information", u"I1x情報です", u"", false, u"情報", 64 + 65536, u"情報です"},
        DecodeCase{"unknown_kind_still_a_box", u"Z21本文", u"", false, u"", 4 + 65536, u"本文"},
        DecodeCase{"status_bar_keeps_whole_code", u"I0状態", u"詳細", true, u"", 0, u"I0状態"},
        DecodeCase{"empty_is_status_bar", u"", u"", true, u"", 0, u""},
        DecodeCase{"two_chars_box_without_text", u"E1", u"", false, u"エラー", 16 + 65536, u""},
        DecodeCase{"exactly_code_is_empty_body", u"E11", u"", false, u"エラー", 16 + 65536, u""},
        DecodeCase{"code_only_with_detail", u"E11", u"詳細", false, u"エラー", 16 + 65536, u"\r\n\r\n詳細"},
        DecodeCase{"detail_after_blank_line", u"E11失敗しました。", u"理由", false, u"エラー", 16 + 65536,
                   u"失敗しました。\r\n\r\n理由"},
        DecodeCase{"long_text_cut_at_200", u"E11" + k250, u"", false, u"エラー", 16 + 65536, Repeat(u'x', 200)},
        // 190 + 4 line-break characters + the first 6 of the detail = 200.
        DecodeCase{"limit_covers_message_and_detail", u"E11" + k190, k50, false, u"エラー", 16 + 65536,
                   k190 + u"\r\n\r\n012345"}),
    [](const ::testing::TestParamInfo<DecodeCase>& p) { return std::string(p.param.name); });

}  // namespace
