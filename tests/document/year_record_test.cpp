// The year record: written after every record the original format knows, read
// back as the shown year, and invisible to a reader that knows only the
// original records.
#include "document/cal_reader.h"
#include "document/cal_writer.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>

namespace veltrano {
namespace {

// The file content as a reader that knows only the original format's records
// sees it: every line with another key is skipped, as that reader skips it.
std::string originalRecordsOnly(const std::string& content) {
    static constexpr std::array<std::string_view, 10> kOriginalKeys = {
        "bild", "text",      "feiertage", "bundesland", "colors",
        "rand", "titeltext", "titelbild", "fontsize",   "bildtext"};
    std::istringstream lines(content);
    std::string kept;
    for (std::string line; std::getline(lines, line);) {
        std::string key = line.substr(0, line.find(';'));
        for (char& c : key)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        for (std::string_view known : kOriginalKeys)
            if (key == known)
                kept += line + '\n';
    }
    return kept;
}

TEST(YearRecord, IsReadWhenItIsAShownYear) {
    const struct {
        const char* line;
        std::int32_t year;
    } cases[] = {
        {"Jahr;2027", 2027}, {" JAHR ;1900", 1900}, {"jahr;2100\r", 2100},
        {"Jahr;1899", 0},    {"Jahr;2101", 0},      {"Jahr;zwei", 0},
        {"Jahr;", 0},        {"Fontsize;12", 0}, // no year record at all
    };
    for (const auto& c : cases) {
        CalendarDocument document;
        ASSERT_TRUE(readCalendarText(document, std::string("Colors;1\n") + c.line)) << c.line;
        EXPECT_EQ(document.year, c.year) << c.line;
        EXPECT_EQ(document.dayFrames, 1) << c.line;
    }
}

TEST(YearRecord, IsWrittenLastAndOnlyForAShownYear) {
    CalendarDocument document;
    document.dayText[11][30] = "Silvester";
    const std::string withoutYear = formatCalendarFile(document);
    for (std::int32_t year : {0, 1899, 2101}) {
        document.year = year;
        EXPECT_EQ(formatCalendarFile(document), withoutYear) << year;
    }
    document.year = 2027;
    EXPECT_EQ(formatCalendarFile(document), withoutYear + "Jahr;2027\r\n");
}

TEST(YearRecord, TheOriginalRecordsReadTheSameCalendar) {
    CalendarDocument saved;
    saved.untitled = 0;
    saved.titleText = "Unser Jahr";
    saved.monthPhoto[4] = "mai;1.jpg";
    saved.dayText[4][0] = "Maifeiertag";
    saved.dayColour[4][0] = 2;
    saved.year = 2027;
    const std::string content = formatCalendarFile(saved);

    CalendarDocument original;
    ASSERT_TRUE(readCalendarText(original, originalRecordsOnly(content)));
    CalendarDocument ours;
    ASSERT_TRUE(readCalendarText(ours, content));
    EXPECT_EQ(ours, saved);
    EXPECT_EQ(original.year, 0);
    original.year = saved.year;
    EXPECT_EQ(original, saved);
}

} // namespace
} // namespace veltrano
