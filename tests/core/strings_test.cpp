#include "core/strings.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

TEST(FormatText, FillsPlaceholdersInOrder) {
    EXPECT_EQ(formatText("%02d:%02d Uhr", {std::int64_t{7}, std::int64_t{5}}), "07:05 Uhr");
    EXPECT_EQ(formatText("%s (Fehler Nr.%ld)", {std::string("x"), std::int64_t{2}}),
              "x (Fehler Nr.2)");
    EXPECT_EQ(
        formatText("%04d|%-4s|%4s|100%%", {std::int64_t{7}, std::string("ab"), std::string("cd")}),
        "0007|ab  |  cd|100%");
}

TEST(FormatText, MissingOrMismatchedValuesAreSafe) {
    EXPECT_EQ(formatText("%s and %d", {}), " and 0");
    EXPECT_EQ(formatText("%d", {std::string("12abc")}), "12");
    EXPECT_EQ(formatText("%s", {std::int64_t{-3}}), "-3");
    EXPECT_EQ(formatText("trailing %", {}), "trailing %");
    EXPECT_EQ(formatText("%q", {}), "%q");
}

} // namespace
} // namespace veltrano
