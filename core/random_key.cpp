#include "core/random_key.h"

#include <random>

namespace launcher {

std::u16string DrawKey(std::uint32_t Seed, int PLen) {
    std::mt19937 generator(Seed);
    // Rejecting the top of the range keeps every character exactly equally likely,
    // and the result the same for a seed on every compiler.
    constexpr std::uint32_t n = static_cast<std::uint32_t>(KeyAlphabet.size());
    constexpr std::uint32_t bound = 0xFFFFFFFFu - 0xFFFFFFFFu % n;
    std::u16string key;
    // A length below 1 would never be reached by appending: no key, rather than no end.
    while (static_cast<int>(key.size()) < PLen) {
        std::uint32_t draw;
        do
            draw = static_cast<std::uint32_t>(generator());
        while (draw >= bound);
        key += KeyAlphabet[draw % n];
    }
    return key;
}

}  // namespace launcher
