#include "core/integer_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <regex>
#include <string>

#include "core/entry_rules.h"
#include "core/ustring.h"

using namespace launcher;

namespace {

const std::u16string kKaiEmpty = u"E11会場コードを入力してください。";
const std::u16string kKaiBad = u"E11会場コードは半角で5文字としてください。";
const std::u16string kJuEmpty = u"E11受験番号を入力してください。";
const std::u16string kJuBad = u"E11受験番号は数値で入力してください。";

struct EntryCase {
    bool venue;  // the venue code field, else the examinee number
    std::u16string text;
    std::u16string message;  // empty: accepted
};

TEST(EntryRules, EachFieldAcceptsOrNamesItsProblem) {
    const EntryCase cases[] = {
        // venue code: five characters that form an integer text
        {true, u"12345", u""},
        {true, u"00001", u""},
        {true, u" 1234", u""},
        {true, u"+1234", u""},
        {true, u"-1234", u""},
        {true, u"$1A2B", u""},
        {true, u"0x1F0", u""},
        {true, u"x1f0A", u""},
        {true, u"99999", u""},
        {true, u"", kKaiEmpty},
        {true, u"1234", kKaiBad},
        {true, u"123456", kKaiBad},
        {true, u"1234 ", kKaiBad},
        {true, u"abcde", kKaiBad},
        {true, u"12 45", kKaiBad},
        {true, u"１２３４５", kKaiBad},
        {true, u"     ", kKaiBad},
        {true, u"\t1234", kKaiBad},
        {true, u"\u30001234", kKaiBad},
        {true, u"+-123", kKaiBad},
        {true, u"0x   ", kKaiBad},
        // examinee number: any integer text except the failure value
        {false, u"1", u""},
        {false, u"007", u""},
        {false, u"-5", u""},
        {false, u"2147483647", u""},
        {false, u"-2147483648", u""},
        {false, u"  42", u""},
        {false, u"$FFFFFFFF", u""},
        {false, u"0000000000002147483647", u""},
        {false, u"-999998", u""},
        {false, u"", kJuEmpty},
        {false, u"12a", kJuBad},
        {false, u"2147483648", kJuBad},
        {false, u"-2147483649", kJuBad},
        {false, u"$100000000", kJuBad},
        {false, u"1 ", kJuBad},
        {false, u"-999999", kJuBad},
        {false, u"１", kJuBad},
        {false, u" ", kJuBad},
        {false, u"-", kJuBad},
        {false, u"$", kJuBad},
        {false, u"0x", kJuBad},
        {false, u"- 1", kJuBad},
        {false, u"1.0", kJuBad},
    };
    for (const EntryCase& c : cases) {
        const std::u16string got = c.venue ? KaiCdMessage(c.text) : JuBanMessage(c.text);
        EXPECT_EQ(ToUtf8(got), ToUtf8(c.message)) << (c.venue ? "venue " : "number ") << '"' << ToUtf8(c.text) << '"';
    }
}

TEST(StrToIntDef, ValuesOfBothForms) {
    const struct {
        std::u16string text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {u"0", 0},
        {u"-0", 0},
        {u"  +17", 17},
        {u"007", 7},
        {u"-2147483648", INT32_MIN},
        {u"2147483647", INT32_MAX},
        {u"$7FFFFFFF", INT32_MAX},
        {u"$80000000", INT32_MIN},  // the 32 bits as two's complement
        {u"$FFFFFFFF", -1},
        {u"-$FFFFFFFF", 1},          // negated after
        {u"-$80000000", INT32_MIN},  // negation wraps
        {u"0X1f", 31},
        {u"X10", 16},
        {u"-x10", -16},
        {u"$000000000001", 1},
        {u"0x", std::nullopt},
        {u"00x1", std::nullopt},
        {u"$-1", std::nullopt},
        {u"$g", std::nullopt},
        {u"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IntegerTextValue(c.text), c.value) << ToUtf8(c.text);
        EXPECT_EQ(StrToIntDef(c.text, 12345), c.value.value_or(12345)) << ToUtf8(c.text);
    }
}

// An independent reading of the rule: a regular expression for the shape, and the
// standard library's conversions for the value.
std::optional<std::int32_t> Reference(const std::u16string& text) {
    std::string ascii;
    for (char16_t c : text) {
        if (c > 0x7F)
            return std::nullopt;
        ascii += static_cast<char>(c);
    }
    static const std::regex shape(R"(^ *([+-]?)(?:([0-9]+)|(?:\$|0[xX]|[xX])([0-9a-fA-F]+))$)");
    std::smatch m;
    if (!std::regex_match(ascii, m, shape))
        return std::nullopt;
    const bool negative = m[1] == "-";
    if (m[2].matched) {
        std::string digits = m[2].str();
        digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
        if (digits.size() > 10)
            return std::nullopt;
        const long long v = std::stoll(digits) * (negative ? -1 : 1);
        if (v < INT32_MIN || v > INT32_MAX)
            return std::nullopt;
        return static_cast<std::int32_t>(v);
    }
    std::string digits = m[3].str();
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    if (digits.size() > 8)
        return std::nullopt;
    const unsigned long long pattern = std::stoull(digits, nullptr, 16);
    long long v =
        pattern >= 0x80000000ull ? static_cast<long long>(pattern) - 0x100000000ll : static_cast<long long>(pattern);
    if (negative)
        v = -v;
    if (v > INT32_MAX)
        v -= 0x100000000ll;  // only -INT32_MIN wraps
    return static_cast<std::int32_t>(v);
}

TEST(StrToIntDef, AgreesWithAnIndependentReadingOnGeneratedTexts) {
    // Pieces chosen so that valid texts, near misses and overflows all come up often.
    const std::u16string pieces[] = {u" ",  u" ",  u"+",  u"-",  u"$",  u"x",  u"X",  u"0x", u"0X",
                                     u"0",  u"1",  u"2",  u"7",  u"9",  u"a",  u"F",  u"g",  u"\t",
                                     u"１", u"　", u"00", u"21", u"47", u"48", u"ff", u"80", u"9999"};
    std::mt19937 generator(20240611);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> length(0, 8);
    int valid = 0;
    for (int i = 0; i < 200000; ++i) {
        std::u16string text;
        for (int n = length(generator); n > 0; --n)
            text += pieces[pick(generator)];
        const auto expected = Reference(text);
        ASSERT_EQ(IntegerTextValue(text), expected) << '"' << ToUtf8(text) << '"';
        valid += expected.has_value();
    }
    // The generator must really exercise the accepting paths.
    EXPECT_GT(valid, 10000);
}

}  // namespace
