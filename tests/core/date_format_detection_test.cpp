#include "core/date_format_detection.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrano {
namespace {

TEST(DateFormatDetection, FollowsSeparatorAndFieldOrderOfThePattern) {
    struct Case {
        std::string pattern;
        int format;
    };
    const Case cases[] = {
        // Too short or unreadable: the German form.
        {"", 0},
        {"M/d", 0},
        {"d-M", 0},
        // Day first.
        {"dd.MM.yyyy", 0},
        {"d.M.yy", 0},
        {"dd-MM-yyyy", 1},
        {"dd/MM/yyyy", 2},
        {"d/M/yy", 2},
        // Month first, either letter case.
        {"M/d/yy", 3},
        {"MM/dd/yyyy", 3},
        {"mm/dd/yyyy", 3},
        {"MM-dd-yy", 4},
        {"m-d-yyyy", 4},
        {"MM.dd.yyyy", 0},
        // Anything not starting with a month counts as day first.
        {"yyyy-MM-dd", 1},
        {"yyyy/MM/dd", 2},
        {"yy.MM.dd", 0},
        // "/" wins over "-", and "-" over ".".
        {"dd-MM/yyyy", 2},
        {"MM.dd-yyyy", 4},
        {"M-d/yy", 3},
        // No separator at all reads as ".".
        {"ddMMyyyy", 0},
        {"MMddyyyy", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(detectDateFormat(c.pattern), c.format) << '"' << c.pattern << '"';
}

} // namespace
} // namespace veltrano
