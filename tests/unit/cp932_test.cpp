#include "core/cp932.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(Cp932, JapaneseTextSurvivesTheRoundTrip) {
    const std::string text = "ニィムディム\t綺ノ色登録[5]　▼★～①";
    std::string bytes;
    ASSERT_TRUE(Utf8ToCp932(text, bytes));
    EXPECT_EQ("\x83\x6a\x83\x42", bytes.substr(0, 4));  // ニィ in CP932
    EXPECT_EQ(text, Cp932ToUtf8(bytes));
}

TEST(Cp932, UndecodableBytesAreFound) {
    // 0xA0 is no character; 0x82 opens a pair that the end cuts off.
    EXPECT_FALSE(IsCp932(std::string("a\xA0") + "b"));
    EXPECT_FALSE(IsCp932("c\x82"));
    EXPECT_TRUE(IsCp932("\x88\xea\x83\x6a"));  // 一ニ
}

// What the game reads and writes again unchanged comes back byte for byte:
// bytes that are no character, a pair cut off by the end of the line, and
// characters CP932 has twice (0xED 0x40 and 0xFA 0x5C are both 纊).
TEST(Cp932, EveryLineComesBackByteForByte) {
    for (const std::string& bytes : {std::string("\x80") + "abc", std::string("a\xA0") + "b", std::string("c\x82"),
                                     std::string("\xED\x40"), std::string("\xFA\x5C"), std::string("\x87\x90\x81\xE0"),
                                     std::string("\x81\x20\x88\xea\xFF\xFD"), std::string("x\0y", 3)}) {
        std::string again;
        Utf8ToCp932(Cp932ToUtf8(bytes), again);
        EXPECT_EQ(bytes, again);
    }
    // Only what cannot be read that way is marked; the rest reads as text.
    EXPECT_EQ("abc", Cp932ToUtf8(std::string("\x80") + "abc").substr(3));
    EXPECT_EQ("纊", Cp932ToUtf8("\xFA\x5C"));
}

TEST(Cp932, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    std::string bytes;
    EXPECT_FALSE(Utf8ToCp932("x😀y", bytes));
    EXPECT_EQ("x?y", bytes);
}

}  // namespace
}  // namespace qm
