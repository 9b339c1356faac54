#include "core/clock.h"
#include "core/date_format.h"
#include "core/date_text.h"

#include "tests/support/dates.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrano {
namespace {

// Fixes today at 15 June 2026 and restores the date format afterwards.
class DateText : public ::testing::Test {
  protected:
    void SetUp() override {
        setTodayProvider([] { return CivilDate{15, 6, 2026}; });
    }
    void TearDown() override {
        setTodayProvider({});
        setDateFormat(0);
    }
};

TEST_F(DateText, FormatInEveryDateFormat) {
    const DateValue date = dateOf(4, 7, 2024);
    const char* expected[] = {"04.07.2024", "04-07-2024", "04/07/2024", "07/04/2024",
                              "07-04-2024", "04.07.2024", "04.07.2024"};
    const int formats[] = {0, 1, 2, 3, 4, 5, -1};
    for (int i = 0; i < 7; ++i) {
        setDateFormat(formats[i]);
        EXPECT_EQ(formatDate(date), expected[i]) << "format " << formats[i];
        EXPECT_EQ(formatDate(DateValue{}), "");
    }
}

TEST_F(DateText, FormatThenParseRoundTripsInEveryFormat) {
    for (int format = 0; format < dateFormatCount; ++format) {
        setDateFormat(format);
        for (const DateValue& date :
             {dateOf(1, 1, 1900), dateOf(24, 12, 2024), dateOf(29, 2, 2100), dateOf(9, 10, 1955)}) {
            DateValue read;
            ASSERT_TRUE(parseDate(formatDate(date), read)) << format << ' ' << date;
            EXPECT_EQ(read, date) << "format " << format;
        }
    }
}

struct ParseCase {
    int format;
    const char* text;
    bool ok;
    DateValue expected; // ignored when !ok
};

TEST_F(DateText, ParseTypedDates) {
    const ParseCase cases[] = {
        // free reading
        {0, "24.12.", true, dateOf(24, 12, 2026)},
        {0, "241220", true, dateOf(24, 12, 2020)},
        {0, "241224", true, dateOf(24, 12, 1924)},
        {0, "24122024", true, dateOf(24, 12, 2024)},
        {0, "2412", true, dateOf(24, 12, 2026)},
        {0, "7", true, dateOf(7, 6, 2026)},
        {0, "31", true, dateOf(30, 6, 2026)},
        {0, "1.1.29", true, dateOf(1, 1, 2029)},
        {0, "1.1.30", true, dateOf(1, 1, 1930)},
        {0, "1.1.199", true, dateOf(1, 1, 1999)},
        {0, "1.1.999", false, {}},
        {0, "1.1.2101", false, {}},
        {0, "24,12,2024", true, dateOf(24, 12, 2024)},
        {0, "24..12...2024", true, dateOf(24, 12, 2024)},
        {0, "3.", true, dateOf(3, 6, 2026)},
        {0, "31.2.2023", true, dateOf(28, 2, 2023)},
        {0, "28.12-03.01.2025", true, dateOf(28, 12, 2024)},
        {0, "01.12.2024-03.01.2025", true, dateOf(1, 12, 2024)},
        {0, "2024-12-24", false, {}},
        {0, "12345", false, {}},
        {0, "0.5.2024", false, {}},
        // format-driven reading
        {1, "24.12.", true, dateOf(24, 12, 2000)},
        {1, "24-12-2024", true, dateOf(24, 12, 2024)},
        {1, "24-12", true, dateOf(24, 12, 2026)},
        {1, "24", true, dateOf(24, 6, 2026)},
        {1, "24-12-1850", true, dateOf(24, 12, 1850)},
        {1, "24-12-1799", false, {}},
        {1, "24-12-150", false, {}},
        {1, "32-12-2024", false, {}},
        {2, "24/12/2024", true, dateOf(24, 12, 2024)},
        {2, "24,12,2024", true, dateOf(24, 12, 2024)},
        {2, "24/12-2024", true, dateOf(24, 12, 2026)}, // "/" wins; "12-2024" reads as 12
        {3, "12/24/2024", true, dateOf(24, 12, 2024)},
        {3, "2/30/2024", true, dateOf(29, 2, 2024)},
        {4, "12-24-2024", true, dateOf(24, 12, 2024)},
        {4, "24-12-2024", false, {}},
    };
    for (const ParseCase& c : cases) {
        setDateFormat(c.format);
        const DateValue before = dateOf(9, 9, 1999);
        DateValue date = before;
        EXPECT_EQ(parseDate(c.text, date), c.ok) << c.format << " '" << c.text << "'";
        EXPECT_EQ(date, c.ok ? c.expected : before) << c.format << " '" << c.text << "'";
    }
}

TEST_F(DateText, MonthFirstFormatWritesBackTheSameText) {
    setDateFormat(3);
    DateValue date;
    ASSERT_TRUE(parseDate("12/24/2024", date));
    EXPECT_EQ(formatDate(date), "12/24/2024");
}

// Hostile text of every kind: a result or a refusal, never a read past the end.
TEST_F(DateText, HostileTextIsRefusedSafely) {
    const std::string hostile[] = {
        "",
        std::string(10000, '1'),
        std::string(10000, '.'),
        std::string(10000, '-'),
        "1." + std::string(9998, '9'),
        "...",
        ",,,",
        "-",
        "/",
        "--",
        "+-+",
        "99999999999999999999.99999999999999999999.99999999999999999999",
        "-2147483648.-2147483648.-2147483648",
        "2147483647-2147483647-2147483647",
        "1.1.-5",
        std::string("1\0.2.2024", 9),
    };
    for (int format = 0; format < dateFormatCount; ++format) {
        setDateFormat(format);
        for (const std::string& text : hostile) {
            DateValue date = dateOf(9, 9, 1999);
            if (!parseDate(text, date)) {
                EXPECT_EQ(date, dateOf(9, 9, 1999));
            }
            EXPECT_TRUE(date.isValid()) << format << " '" << text.substr(0, 40) << "'";
        }
    }
    setDateFormat(0);
    DateValue date;
    EXPECT_FALSE(parseDate("", date));
    EXPECT_FALSE(parseDate(std::string(10000, '1'), date));
    EXPECT_FALSE(parseDate("...", date));
}

TEST_F(DateText, FreeReadingLooksAtTheFirst78Characters) {
    DateValue date;
    // The year token begins beyond the limit, so today's year stands.
    EXPECT_TRUE(parseDate("1.2." + std::string(74, '.') + "2024", date));
    EXPECT_EQ(date, dateOf(1, 2, 2026));
}

TEST(TimeText, ParseTypedTimes) {
    struct Case {
        const char* text;
        bool ok;
        TimeOfDay expected;
    };
    const TimeOfDay before{11, 11};
    const Case cases[] = {
        {"", true, TimeOfDay{}},
        {"7", true, TimeOfDay{7, 0}},
        {"930", true, TimeOfDay{9, 30}},
        {"1230", true, TimeOfDay{12, 30}},
        {"9:05", true, TimeOfDay{9, 5}},
        {" 9: 5", true, TimeOfDay{9, 5}},
        {"23:59:10", true, TimeOfDay{23, 59}},
        {"9:", true, TimeOfDay{9, 0}},
        {"24:00", false, before},
        {"12:60", false, before},
        {"-1:00", false, before},
        {"-1", false, before},
        {"12345", false, before},
        {"99999999999999999999:1", false, before},
        {"abc", true, TimeOfDay{0, 0}},
    };
    for (const Case& c : cases) {
        TimeOfDay time = before;
        EXPECT_EQ(parseTime(c.text, time), c.ok) << '\'' << c.text << '\'';
        EXPECT_EQ(time, c.expected) << '\'' << c.text << '\'';
    }
    TimeOfDay time = before;
    EXPECT_FALSE(parseTime(std::string(10000, '9'), time));
    EXPECT_EQ(time, before);
    // Pieces without digits read as 0.
    EXPECT_TRUE(parseTime(std::string(10000, ':'), time));
    EXPECT_EQ(time, (TimeOfDay{0, 0}));
}

TEST(TimeText, FormatTime) {
    TimeOfDay time;
    ASSERT_TRUE(parseTime("7", time));
    EXPECT_EQ(formatTime(time), "07:00 Uhr");
    EXPECT_EQ(formatTime(TimeOfDay{23, 5}), "23:05 Uhr");
    EXPECT_EQ(formatTime(TimeOfDay{}), "");
}

TEST(TimeText, MonthNames) {
    EXPECT_EQ(monthName(0), "Januar");
    EXPECT_EQ(monthName(2), "März");
    EXPECT_EQ(monthName(11), "Dezember");
    EXPECT_EQ(monthName(12), "Januar");
    EXPECT_EQ(monthName(-1), "Januar");
}

} // namespace
} // namespace veltrano
