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

TEST(Cp932, UndecodableBytesAreFoundAndBecomeReplacementCharacters) {
    // 0xA0 is no character; 0x82 opens a pair that the end cuts off.
    const std::string replacement = "\uFFFD";
    EXPECT_EQ("a" + replacement + "b", Cp932ToUtf8(std::string("a\xA0") + "b"));
    EXPECT_EQ("c" + replacement, Cp932ToUtf8("c\x82"));
    EXPECT_FALSE(IsCp932(std::string("a\xA0") + "b"));
    EXPECT_FALSE(IsCp932("c\x82"));
    EXPECT_TRUE(IsCp932("\x88\xea\x83\x6a"));  // 一ニ
}

TEST(Cp932, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    std::string bytes;
    EXPECT_FALSE(Utf8ToCp932("x😀y", bytes));
    EXPECT_EQ("x?y", bytes);
}

}  // namespace
}  // namespace qm
