#include "widgets/engine/access_keys.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

TEST(AccessKeys, FirstFreeLetterOfEachTitle) {
    const struct {
        const char* what;
        std::vector<std::string> titles;
        std::vector<int> keys;
    } cases[] = {
        {"the edit sheet's tabs",
         {"Kalender", "Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August",
          "September", "Oktober", "November", "Dezember"},
         {0, 0, 0, 0, 0, 2, 1, 2, 2, 0, 0, 0, 0}},
        {"case does not make a letter free again", {"Aa", "aB"}, {0, 1}},
        {"letters beyond ASCII and signs are skipped", {"Ölbild 2", "Ä&Ö"}, {2, -1}},
        {"a title without a free letter has no key", {"ab", "b", "ab", ""}, {0, 0, -1, -1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(chooseAccessKeys(c.titles), c.keys) << c.what;
}

TEST(AccessKeys, MarkedTitle) {
    EXPECT_EQ(markAccessKey("Juli", 2), "Ju&li");
    EXPECT_EQ(markAccessKey("Tom & Jerry", 0), "&Tom && Jerry");
    EXPECT_EQ(markAccessKey("Tom & Jerry", -1), "Tom & Jerry");
    EXPECT_EQ(markAccessKey("Mai", 3), "Mai");
}

} // namespace
} // namespace veltrano
