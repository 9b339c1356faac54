#include "core/encoding.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

TEST(Encoding, Windows1252LinesBecomeUtf8) {
    EXPECT_EQ(decodeLegacyLine("M\xE4rz \x80"), "März €");
    EXPECT_EQ(decodeLegacyLine("März"), "März");
    EXPECT_EQ(decodeLegacyLine(""), "");
}

TEST(Encoding, RejectsMalformedUtf8) {
    EXPECT_TRUE(isValidUtf8("Grün €"));
    EXPECT_FALSE(isValidUtf8("\xC3"));             // cut short
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));         // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // past U+10FFFF
}

TEST(Encoding, RoundTripsThroughWindows1252) {
    const std::string text = "Grüße € … Œ";
    EXPECT_EQ(windows1252ToUtf8(utf8ToWindows1252(text)), text);
    EXPECT_EQ(utf8ToWindows1252("日"), "?");
}

} // namespace
} // namespace veltrano
