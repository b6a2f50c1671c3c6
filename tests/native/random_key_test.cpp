#include "core/random_key.h"

#include <gtest/gtest.h>

#include <set>

#include "core/ustring.h"

using namespace launcher;

namespace {

TEST(RandomKey, AlphabetIsSixtyCharactersWithoutT) {
    EXPECT_EQ(ToUtf8(std::u16string(KeyAlphabet)), "abcdefghijklmnopqrsuvwxyzABCDEFGHIJKLMNOPQRSUVWXYZ1234567890");
    EXPECT_EQ(KeyAlphabet.size(), 60u);
    EXPECT_EQ(std::set<char16_t>(KeyAlphabet.begin(), KeyAlphabet.end()).size(), 60u);
}

TEST(RandomKey, KeysHaveTheLengthAskedAndUseTheWholeAlphabet) {
    std::set<char16_t> seen;
    std::set<std::u16string> keys;
    for (std::uint32_t seed = 0; seed < 2000; ++seed) {
        const std::u16string key = DrawKey(seed, 5);
        ASSERT_EQ(key.size(), 5u);
        for (char16_t c : key)
            ASSERT_NE(KeyAlphabet.find(c), std::u16string_view::npos) << seed;
        seen.insert(key.begin(), key.end());
        keys.insert(key);
    }
    EXPECT_EQ(seen.size(), 60u);
    EXPECT_GT(keys.size(), 1990u);
    EXPECT_EQ(DrawKey(7, 5), DrawKey(7, 5));
    EXPECT_EQ(DrawKey(7, 1).size(), 1u);
    EXPECT_EQ(DrawKey(7, 12).size(), 12u);
    EXPECT_TRUE(DrawKey(7, 0).empty());
    EXPECT_TRUE(DrawKey(7, -3).empty());
}

}  // namespace
