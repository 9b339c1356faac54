#include "core/number_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrano {
namespace {

struct NumberCase {
    std::string text;
    std::int32_t value;
    bool hasDigits;
    std::size_t end;
};

TEST(NumberReader, ReadsLikeTypedText) {
    const NumberCase cases[] = {
        {"", 0, false, 0},
        {"42", 42, true, 2},
        {"  \t\r\n\v\f-17x", -17, true, 10},
        {"+5", 5, true, 2},
        {"-", 0, false, 0},
        {"abc", 0, false, 0},
        {"12 mm", 12, true, 2},
        {"2147483647", 2147483647, true, 10},
        {"2147483648", 2147483647, true, 10},
        {"-2147483648", -2147483647 - 1, true, 11},
        {"-99999999999999999999999", -2147483647 - 1, true, 24},
        {"99999999999999999999999", 2147483647, true, 23},
    };
    for (const auto& c : cases) {
        NumberRead r = readNumber(c.text);
        EXPECT_EQ(r.value, c.value) << c.text;
        EXPECT_EQ(r.hasDigits, c.hasDigits) << c.text;
        EXPECT_EQ(r.end, c.end) << c.text;
    }
}

} // namespace
} // namespace veltrano
