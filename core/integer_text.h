// The one rule by which the entry checks decide that a text is a number.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace launcher {

// The value of S when it is an integer text: leading U+0020 spaces, at most one
// sign, then decimal digits within signed 32 bits, or "$", "x", "X", "0x", "0X"
// and hexadecimal digits within 32 bits (two's complement, negated after), and
// nothing after.
std::optional<std::int32_t> IntegerTextValue(std::u16string_view S);

// The value of S when it is an integer text, else Default.
std::int32_t StrToIntDef(std::u16string_view S, std::int32_t Default);

}  // namespace launcher
