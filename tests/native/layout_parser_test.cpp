#include "core/layout_parser.h"

#include <gtest/gtest.h>

#include "core/ustring.h"

using namespace launcher;

namespace {

TEST(LayoutParser, ReadsNestedObjectsAndEveryValueKind) {
    const LayoutObject root = ParseLayout(R"(# a comment
object frmX: Form
  Caption = "タイトル \"引用\"\r\n"
  Left = -12
  Color = rgb(47, 85, 152)
  Anchors = [akTop, akRight]
  Empty = []
  Align = alClient
  CaptionA.Caption = "試験開始"
  Lines = (
    " 一行目",
    "二行目")
  object Pnl: Panel   # trailing comment
    object Lbl: Label
    end
  end
  object Img: Image
  end
end
)",
                                          u"x.form");
    EXPECT_EQ(root.name, u"frmX");
    EXPECT_EQ(root.kind, u"Form");
    ASSERT_EQ(root.properties.size(), 8u);
    EXPECT_EQ(root.properties[0].value.text, u"タイトル \"引用\"\r\n");
    EXPECT_EQ(root.properties[1].value.integer, -12);
    EXPECT_EQ(root.properties[2].value.integer, 9983279);  // red lowest: 47 + 85·256 + 152·65536
    EXPECT_EQ(root.properties[3].value.items, (std::vector<std::u16string>{u"akTop", u"akRight"}));
    EXPECT_EQ(root.properties[4].value.kind, LayoutValue::Kind::Set);
    EXPECT_TRUE(root.properties[4].value.items.empty());
    EXPECT_EQ(root.properties[5].value.kind, LayoutValue::Kind::Identifier);
    EXPECT_EQ(root.properties[6].name, u"CaptionA.Caption");
    EXPECT_EQ(root.properties[7].value.items, (std::vector<std::u16string>{u" 一行目", u"二行目"}));
    EXPECT_EQ(root.properties[7].line, 10);
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].children.at(0).name, u"Lbl");
    EXPECT_EQ(root.children[1].line, 17);
}

TEST(LayoutParser, ErrorsNameTheSourceAndLine) {
    struct Case {
        const char* text;
        const char* expected;  // the error text after "f.form:"
    } cases[] = {
        {"", "1: empty layout"},
        {"object A: Form\n  Left = 1\n", "3: \"end\" missing for object A"},
        {"object A: Form\nend\nobject B: Form\nend\n", "3: unexpected text after the last \"end\""},
        {"object A Form\nend\n", "1: expected \":\""},
        {"object A: Form\n  Left = 1\n  Left = 2\nend\n", "3: property Left given twice"},
        {"object A: Form\n  Left 1\nend\n", "2: expected \"=\""},
        {"object A: Form\n  Caption = \"open\nend\n", "2: string not closed"},
        {"object A: Form\n  Caption = \"\\q\"\nend\n", "2: unknown escape \\q"},
        {"object A: Form\n  Left = 99999999999\nend\n", "2: number out of range"},
        {"object A: Form\n  Color = rgb(256, 0, 0)\nend\n", "2: colour part out of 0 to 255"},
        {"object A: Form\n  Left = 1 2\nend\n", "2: unexpected \"2\" at the end of the line"},
        {"object A: Form\n  Left = ?\nend\n", "2: expected a value"},
    };
    for (const Case& c : cases) {
        try {
            ParseLayout(c.text, u"f.form");
            ADD_FAILURE() << "no error for: " << c.text;
        } catch (const LayoutError& e) {
            EXPECT_EQ(ToUtf8(e.Message).rfind(std::string("f.form:") + c.expected, 0), 0u)
                << "got: " << ToUtf8(e.Message);
        }
    }
}

TEST(LayoutParser, DesignValuesScaleAsMulDivRounds) {
    EXPECT_EQ(ScaleDesign(1029, 96), 1029);
    EXPECT_EQ(ScaleDesign(1029, 120), 1286);  // 1286.25
    EXPECT_EQ(ScaleDesign(2, 120), 3);        // 2.5 rounds away from zero
    EXPECT_EQ(ScaleDesign(-1, 144), -2);      // -1.5 likewise
    EXPECT_EQ(ScaleDesign(17, 144), 26);      // 25.5
}

}  // namespace
