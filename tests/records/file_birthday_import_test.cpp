#include "core/markup_literal.h"
#include "core/strings.h"
#include "document/calendar_document.h"
#include "records/file_birthday_import.h"
#include "tests/records/records_fixture.h"
#include "tests/records/standard_file_samples.h"

#include <gtest/gtest.h>

#include <fstream>

namespace veltrano {
namespace {

class FileImportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setMessagePresenter(&presenter);
        resetDocument(document);
        document.dayText[3][11] = "Zahnarzt";
        document.dayColour[3][11] = 3;
        document.dayText[0][0] = "Neujahr";
        document.dayColour[0][0] = 2;
    }
    void TearDown() override { setMessagePresenter(nullptr); }

    std::string file(const std::string& name, std::string_view content) {
        const std::string path = (temp.path() / name).string();
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    test::TempFolder temp;
    test::RecordingPresenter presenter;
    CalendarDocument document;
};

TEST_F(FileImportTest, AddsBelowDayTextsWithColourOneAndNeverTwice) {
    const std::string path = file("geburtstage.ics", test::kOnlineCalendarIcs);
    int placed = -1;
    ASSERT_TRUE(ImportFromFile(document, path, 2028, &placed));
    EXPECT_EQ(placed, 4);
    EXPECT_EQ(document.dayText[3][11], "Zahnarzt\r\nGeburtstag Anna");
    EXPECT_EQ(document.dayColour[3][11], 1);
    EXPECT_EQ(document.dayText[1][28], "Schalttag-Kind"); // 2028 is a leap year
    EXPECT_EQ(document.dayText[0][0], "Neujahr");
    EXPECT_EQ(document.dayColour[0][0], 2);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, formatString(140, {std::int64_t{4}}));
    EXPECT_EQ(presenter.shown[0].style, 64);

    // The same file again, and a file naming the same people twice: nothing new.
    const CalendarDocument before = document;
    const std::string twice =
        file("zweimal.ics", std::string(test::kOnlineCalendarIcs) + test::kOnlineCalendarIcs);
    ASSERT_TRUE(ImportFromFile(document, path, 2028, &placed));
    EXPECT_EQ(placed, 0);
    ASSERT_TRUE(ImportFromFile(document, twice, 2028, &placed));
    EXPECT_EQ(placed, 0);
    EXPECT_EQ(document.dayText, before.dayText);
    EXPECT_EQ(document.dayColour, before.dayColour);
}

TEST_F(FileImportTest, TwentyNinthOfFebruaryMovesInACommonYearAndSaysSo) {
    const std::string path = file("telefon.vcf", std::string(test::kPhoneVcard21) +
                                                     "BEGIN:VCARD\r\nVERSION:2.1\r\n"
                                                     "FN:Lea\r\nBDAY:--0228\r\nEND:VCARD\r\n");
    ASSERT_TRUE(ImportFromFile(document, path, 2027));
    EXPECT_EQ(document.dayText[1][27], "Jürgen Müller\r\nLea");
    EXPECT_EQ(document.dayText[1][28], "");
    EXPECT_EQ(document.dayText[11][23], "Björn Schön");
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text,
              formatString(140, {std::int64_t{3}}) +
                  formatString(29772, {std::int64_t{1}, std::int64_t{2027}}));
}

TEST_F(FileImportTest, BadFileChangesNothingAndNamesFileAndLine) {
    const CalendarDocument before = document;
    const std::string bad =
        file("kaputt <b>.vcf", std::string(test::kMailVcard30) +
                                   "BEGIN:VCARD\nVERSION:3.0\nFN:X\nBDAY:1990-02-30\nEND:VCARD\n");
    EXPECT_FALSE(ImportFromFile(document, bad, 2027));
    const std::string folder = (temp.path() / "ordner.ics").string();
    std::filesystem::create_directories(folder);
    EXPECT_FALSE(ImportFromFile(document, folder, 2027));
    EXPECT_EQ(document.dayText, before.dayText);
    EXPECT_EQ(document.dayColour, before.dayColour);
    ASSERT_EQ(presenter.shown.size(), 2u);
    EXPECT_EQ(presenter.shown[0].text,
              formatString(29761, {markupLiteral(bad), std::int64_t{27},
                                   formatString(29768, {markupLiteral("1990-02-30")})}));
    EXPECT_EQ(presenter.shown[1].text,
              formatString(29762, {markupLiteral(folder), loadString(29771)}));
    EXPECT_EQ(presenter.shown[1].style, 0x30);
}

} // namespace
} // namespace veltrano
