// UTF-16 text helpers shared by the portable logic and the Windows code.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace launcher {

// Decimal text of a number, as the system writes numbers into INI values.
std::u16string IntToStr(std::int64_t value);

// UTF-8 for diagnostics and test output; UTF-16 from UTF-8 source text.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

// Upper-cases the ASCII letters a to z only; every other code unit is kept.
std::u16string AsciiUpper(std::u16string_view text);

}  // namespace launcher
