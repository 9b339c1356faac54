#include "records/yearly_dates.h"
#include "tests/records/standard_file_samples.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace veltrano {

bool operator==(const YearlyDate& a, const YearlyDate& b) {
    return a.month == b.month && a.day == b.day && a.text == b.text;
}
std::ostream& operator<<(std::ostream& out, const YearlyDate& date) {
    return out << date.day << '.' << date.month << ". " << date.text;
}

namespace {

std::vector<YearlyDate> datesOf(std::string_view file, std::int32_t year = 2027) {
    std::vector<YearlyDate> dates;
    ContentReadError error;
    EXPECT_TRUE(readYearlyDates(file, year, dates, error))
        << static_cast<int>(error.fault) << " at line " << error.line;
    return dates;
}

TEST(YearlyDates, ReadsContactAndCalendarFilesAsProgramsWriteThem) {
    using V = std::vector<YearlyDate>;
    EXPECT_EQ(datesOf(test::kPhoneVcard21), (V{{2, 29, "Jürgen Müller"}, {12, 24, "Björn Schön"}}));
    EXPECT_EQ(datesOf(test::kMailVcard30), (V{{7, 14, "Marie, Claire Dupont"},
                                              {6, 5, "Marie, Claire Dupont (Jahrestag)"},
                                              {3, 5, "Dr. John Smith"}}));
    EXPECT_EQ(datesOf(test::kVcard40),
              (V{{12, 10, "Ada Lovelace"}, {6, 1, "Ada Lovelace (Jahrestag)"}}));
    EXPECT_EQ(datesOf(test::kOnlineCalendarIcs),
              (V{{4, 12, "Geburtstag Anna"},
                 {9, 21, "Tom, der Ältere"},
                 {2, 29, "Schalttag-Kind"},
                 {12, 31, "Silvesterfeier mit einem sehr langen Titel, der gefaltet ist"}}));
}

TEST(YearlyDates, YearlyEventsCountOnlyInTheYearsTheyOccur) {
    // Started 2025 with five occurrences: 2025..2029; ended 2022; every
    // second year from 2000.
    const std::string calendar =
        "BEGIN:VCALENDAR\n"
        "BEGIN:VEVENT\nDTSTART:20251231\nRRULE:FREQ=YEARLY;COUNT=5\n"
        "SUMMARY:Fuenf\nEND:VEVENT\n"
        "BEGIN:VEVENT\nDTSTART:20200101\nRRULE:FREQ=YEARLY;UNTIL=20221231\n"
        "SUMMARY:Bis 2022\nEND:VEVENT\n"
        "BEGIN:VEVENT\nDTSTART:20000301\nRRULE:FREQ=YEARLY;INTERVAL=2\n"
        "SUMMARY:Gerade\nEND:VEVENT\n"
        "BEGIN:VEVENT\nDTSTART:20000302\nRRULE:FREQ=MONTHLY\n"
        "SUMMARY:Monatlich\nEND:VEVENT\n"
        "END:VCALENDAR\n";
    const struct {
        std::int32_t year;
        std::vector<std::string> texts;
    } cases[] = {{2024, {"Gerade"}}, {2025, {"Fuenf"}},  {2022, {"Bis 2022", "Gerade"}},
                 {2029, {"Fuenf"}},  {2030, {"Gerade"}}, {2021, {"Bis 2022"}}};
    for (const auto& c : cases) {
        std::vector<std::string> texts;
        for (const YearlyDate& date : datesOf(calendar, c.year))
            texts.push_back(date.text);
        EXPECT_EQ(texts, c.texts) << c.year;
    }
}

TEST(YearlyDates, BadFilesAreRefusedWithTheirLine) {
    const struct {
        std::string content;
        ContentFault fault;
        int line;
    } cases[] = {
        {"", ContentFault::NotContactsOrCalendar, 0},
        {"Hallo Welt\n", ContentFault::NotContactsOrCalendar, 1},
        {"BEGIN:VTODO\nEND:VTODO\n", ContentFault::NotContactsOrCalendar, 1},
        {"BEGIN:VCARD\nFN:x\nBDAY:1990-02-30\nEND:VCARD\n", ContentFault::BadDate, 3},
        {"BEGIN:VCARD\nFN:x\nBDAY:1990-02-29\nEND:VCARD\n", ContentFault::BadDate, 3},
        {"BEGIN:VCARD\nFN:x\nBDAY:30.02.1990\nEND:VCARD\n", ContentFault::BadDate, 3},
        {"BEGIN:VCALENDAR\nBEGIN:VEVENT\nDTSTART:20201301\nRRULE:FREQ=YEARLY\nEND:VEVENT\n"
         "END:VCALENDAR\n",
         ContentFault::BadDate, 3},
        {"BEGIN:VCALENDAR\nBEGIN:VEVENT\nDTSTART:20200101\nRRULE:FREQ=YEARLY;UNTIL=x\n"
         "END:VEVENT\nEND:VCALENDAR\n",
         ContentFault::BadDate, 4},
        {" BEGIN:VCARD\nEND:VCARD\n", ContentFault::BrokenFolding, 1},
        {std::string("BEGIN:VCARD\r\nFN:a\0b\r\nEND:VCARD\r\n", 32), ContentFault::Binary, 2},
        {std::string("\x89PNG\r\n\x1a\n\0\0", 10), ContentFault::Binary, 2},
        {"BEGIN:VCARD\nFN:x\n", ContentFault::Unterminated, 1},
        {"BEGIN:VCARD\nEND:VCALENDAR\n", ContentFault::Unbalanced, 2},
        {"BEGIN:VCARD\nEND:VCARD\nFN:lost\n", ContentFault::Unbalanced, 3},
        {"BEGIN:VCARD\nkein Doppelpunkt\nEND:VCARD\n", ContentFault::MalformedLine, 2},
        {"BEGIN:VCARD\nF N:x\nEND:VCARD\n", ContentFault::MalformedLine, 2},
        {std::string(kMaxContentFileBytes + 1, 'A'), ContentFault::TooLarge, 0},
    };
    for (const auto& c : cases) {
        std::vector<YearlyDate> dates{{1, 1, "kept"}};
        ContentReadError error;
        EXPECT_FALSE(readYearlyDates(c.content, 2027, dates, error)) << c.content.substr(0, 40);
        EXPECT_EQ(error.fault, c.fault) << c.content.substr(0, 40);
        EXPECT_EQ(error.line, c.line) << c.content.substr(0, 40);
        EXPECT_EQ(dates.size(), 1u);
    }
}

TEST(YearlyDates, DateFormsOfContactFiles) {
    const struct {
        const char* value;
        DateForm form;
        int month, day;
    } cases[] = {
        {"1990-03-15", DateForm::Day, 3, 15},
        {"19900315", DateForm::Day, 3, 15},
        {"--0315", DateForm::Day, 3, 15},
        {"--03-15", DateForm::Day, 3, 15},
        {"1990-03-15T10:00:00Z", DateForm::Day, 3, 15},
        {"19900315T100000", DateForm::Day, 3, 15},
        {"--0229", DateForm::Day, 2, 29},
        {"1990", DateForm::NoDay, 0, 0},
        {"1990-03", DateForm::NoDay, 0, 0},
        {"--03", DateForm::NoDay, 0, 0},
        {"1990-13-01", DateForm::Invalid, 0, 0},
        {"--0431", DateForm::Invalid, 0, 0},
        {"1990-3-15", DateForm::Invalid, 0, 0},
        {"", DateForm::Invalid, 0, 0},
    };
    for (const auto& c : cases) {
        ParsedDate date;
        EXPECT_EQ(parseContentDate(c.value, date), c.form) << c.value;
        if (c.form == DateForm::Day) {
            EXPECT_EQ(date.month, c.month) << c.value;
            EXPECT_EQ(date.day, c.day) << c.value;
        }
    }
}

} // namespace
} // namespace veltrano
