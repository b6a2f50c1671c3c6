#include "core/integer_text.h"

namespace launcher {
namespace {

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

}  // namespace

std::optional<std::int32_t> IntegerTextValue(std::u16string_view S) {
    std::size_t i = 0;
    // Only U+0020: a tab or an ideographic space is not a blank here.
    while (i < S.size() && S[i] == u' ')
        ++i;
    bool negative = false;
    if (i < S.size() && (S[i] == u'+' || S[i] == u'-'))
        negative = S[i++] == u'-';

    bool hex = false;
    if (i < S.size() && (S[i] == u'$' || S[i] == u'x' || S[i] == u'X')) {
        hex = true;
        i += 1;
    } else if (i + 1 < S.size() && S[i] == u'0' && (S[i + 1] == u'x' || S[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i == S.size())
        return std::nullopt;  // empty, a lone sign or a lone prefix

    // Accumulate in 64 bits and stop as soon as the 32-bit range is left.
    const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 2147483648ull : 2147483647ull);
    std::uint64_t value = 0;
    for (; i < S.size(); ++i) {
        const int digit = hex ? HexDigit(S[i]) : (S[i] >= u'0' && S[i] <= u'9' ? S[i] - u'0' : -1);
        if (digit < 0)
            return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
        if (value > limit)
            return std::nullopt;
    }
    // Both forms end as a 32-bit pattern; negation wraps, so "-$80000000" stays -2147483648.
    std::uint32_t bits = static_cast<std::uint32_t>(value);
    if (negative)
        bits = 0u - bits;
    return static_cast<std::int32_t>(bits);
}

std::int32_t StrToIntDef(std::u16string_view S, std::int32_t Default) {
    return IntegerTextValue(S).value_or(Default);
}

}  // namespace launcher
