// The random key that ends the examinee folder name and is recorded as 固有キー.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace launcher {

// 60 characters: a-z without "t", A-Z without "T", then "1" to "9" and "0".
inline constexpr std::u16string_view KeyAlphabet = u"abcdefghijklmnopqrsuvwxyzABCDEFGHIJKLMNOPQRSUVWXYZ1234567890";

// PLen characters drawn uniformly from KeyAlphabet by a generator seeded with Seed;
// empty for a PLen below 1.
std::u16string DrawKey(std::uint32_t Seed, int PLen);

}  // namespace launcher
