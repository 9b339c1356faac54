#include "app/calendar_commands.h"
#include "app/command_ids.h"
#include "core/clock.h"
#include "core/strings.h"
#include "document/cal_reader.h"
#include "document/cal_writer.h"
#include "platform/pdf_printer_device.h"
#include "tests/app/app_fixture.h"
#include "tests/support/pdf_pages.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

using testing::AnsweringPresenter;
using testing::FakeDialogs;
using testing::FakeFileDialogs;
using testing::FakeOpener;
using testing::pdfPageCount;
using testing::TempFolder;

[[maybe_unused]] ::testing::Environment* const appEnvironment =
    ::testing::AddGlobalTestEnvironment(new testing::AppEnvironment);

class CalendarCommandsTest : public ::testing::Test {
  protected:
    CalendarCommandsTest() : commands(files, dialogs, opener) {
        setTodayProvider([] { return CivilDate{15, 6, 2026}; });
        commands.setPagesChangedHandler([this] { ++refreshes; });
    }
    ~CalendarCommandsTest() override { setTodayProvider({}); }

    // A calendar file on disk whose title text identifies it.
    std::string calendarFile(const std::string& name, const std::string& title) {
        CalendarDocument document;
        resetDocument(document);
        document.titleText = title;
        const std::string path = folder.file(name);
        testing::writeFile(path, formatCalendarFile(document));
        return path;
    }
    void makeModified() {
        commands.document().dayText[0][0] = "changed";
        commands.document().modified = 1;
    }

    TempFolder folder;
    AnsweringPresenter presenter;
    FakeFileDialogs files;
    FakeDialogs dialogs;
    FakeOpener opener;
    CalendarCommands commands;
    int refreshes = 0;
};

TEST_F(CalendarCommandsTest, NewCalendarHeadingThenSaveAsShowsThePath) {
    commands.newCalendar();
    EXPECT_EQ(commands.heading(), "<b> Neuer Kalender");
    files.saveAnswer = folder.file("Mein Kalender.cal");
    EXPECT_TRUE(commands.saveAs());
    EXPECT_EQ(files.proposedName, "NeuerKalender.cal");
    EXPECT_EQ(commands.heading(), "<b> " + folder.file("Mein Kalender.cal"));
    EXPECT_EQ(commands.currentFilePath(), folder.file("Mein Kalender.cal"));
    EXPECT_EQ(commands.document().untitled, 0);
    CalendarDocument reread;
    EXPECT_TRUE(readCalendarFile(reread, folder.file("Mein Kalender.cal")));
    // The next Save as proposes the file's own name in its folder.
    files.saveAnswer.reset();
    commands.saveAs();
    EXPECT_EQ(files.proposedFolder, folder.path());
    EXPECT_EQ(files.proposedName, "Mein Kalender.cal");
}

TEST_F(CalendarCommandsTest, SaveIsEnabledOnlyWhileModified) {
    EXPECT_FALSE(commands.isEnabled(command::kSave));
    EXPECT_TRUE(commands.isEnabled(command::kSaveAs));
    makeModified();
    EXPECT_TRUE(commands.isEnabled(command::kSave));
}

TEST_F(CalendarCommandsTest, SavePromptAnswers) {
    struct Case {
        const char* name;
        int answer;
        bool goesOn;
        bool staysModified;
    };
    const Case cases[] = {
        {"No discards", MessageResult::No, true, false},
        {"Cancel keeps everything", MessageResult::Cancel, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = calendarFile("a.cal", "A");
        ASSERT_TRUE(commands.openByName(path));
        makeModified();
        const CalendarDocument before = commands.document();
        presenter.shown.clear();
        presenter.answers = {c.answer};
        commands.newCalendar();
        ASSERT_EQ(presenter.shown.size(), 1u);
        EXPECT_EQ(presenter.shown[0].text, loadString(146));
        EXPECT_EQ(presenter.shown[0].style, MessageStyle::YesNoCancel | MessageStyle::IconQuestion);
        EXPECT_EQ(commands.isEnabled(command::kSave), c.staysModified);
        if (c.goesOn) {
            EXPECT_EQ(commands.document().untitled, 1);
            EXPECT_EQ(commands.currentFilePath(), "");
        } else {
            EXPECT_EQ(commands.document(), before);
            EXPECT_EQ(commands.currentFilePath(), path);
        }
        // Only the discarded calendar's file is untouched either way.
        CalendarDocument onDisk;
        ASSERT_TRUE(readCalendarFile(onDisk, path));
        EXPECT_EQ(onDisk.dayText[0][0], "");
    }
}

TEST_F(CalendarCommandsTest, SavePromptYesSavesToTheOpenFile) {
    const std::string path = calendarFile("a.cal", "A");
    ASSERT_TRUE(commands.openByName(path));
    makeModified();
    presenter.answers = {MessageResult::Yes};
    EXPECT_TRUE(commands.mayClose());
    EXPECT_EQ(files.saveAsked, 0);
    CalendarDocument onDisk;
    ASSERT_TRUE(readCalendarFile(onDisk, path));
    EXPECT_EQ(onDisk.dayText[0][0], "changed");
}

TEST_F(CalendarCommandsTest, ClosingAsksOnlyWithChanges) {
    EXPECT_TRUE(commands.mayClose());
    EXPECT_TRUE(presenter.shown.empty());
    makeModified();
    presenter.answers = {MessageResult::Cancel};
    EXPECT_FALSE(commands.mayClose());
    EXPECT_EQ(presenter.shown.size(), 1u);
    // Yes on a new calendar asks for a name; cancelling that keeps the window.
    presenter.answers = {MessageResult::Yes};
    EXPECT_FALSE(commands.mayClose());
    EXPECT_EQ(files.saveAsked, 1);
    EXPECT_EQ(commands.document().modified, 1);
    EXPECT_EQ(commands.execute(command::kExit), CommandOutcome::CloseWindow);
}

TEST_F(CalendarCommandsTest, SaveAsCancelledOrFailingKeepsANewCalendarUntitled) {
    makeModified();
    files.saveAnswer.reset();
    EXPECT_FALSE(commands.save());
    files.saveAnswer = folder.file("missing-folder/x.cal");
    EXPECT_FALSE(commands.save());
    ASSERT_EQ(presenter.shown.size(), 2u);
    EXPECT_EQ(presenter.shown[0].text, "Der folgende Fehler ist aufgetreten:\nDatei nicht "
                                       "gefunden\n" +
                                           folder.file("missing-folder/x.cal"));
    EXPECT_EQ(presenter.shown[1].text, loadString(131));
    EXPECT_EQ(commands.document().untitled, 1);
    EXPECT_EQ(commands.document().modified, 1);
    EXPECT_EQ(commands.currentFilePath(), "");
    EXPECT_EQ(commands.heading(), "<b> Neuer Kalender");
    // So the next Save asks for a name again.
    files.saveAnswer = folder.file("x.cal");
    EXPECT_TRUE(commands.save());
    EXPECT_EQ(files.saveAsked, 3);
    EXPECT_EQ(commands.document().modified, 0);
}

TEST_F(CalendarCommandsTest, FailedOpenChangesNothing) {
    const std::string good = calendarFile("good.cal", "Good");
    ASSERT_TRUE(commands.openByName(good));
    makeModified();
    const std::string bad = folder.file("picture.cal");
    testing::writeFile(bad, std::string("\x89PNG\r\n\x1a\n", 8));
    files.openAnswer = bad;
    presenter.answers = {MessageResult::No};
    commands.open();
    ASSERT_EQ(presenter.shown.size(), 2u);
    EXPECT_EQ(presenter.shown[1].text, loadString(130) + "<br>" + bad); // names the file
    EXPECT_EQ(commands.currentFilePath(), good);
    EXPECT_EQ(commands.heading(), "<b> " + good);
    EXPECT_EQ(commands.document().titleText, "Good");
    // A later save writes the calendar's own file, not the one that failed.
    makeModified();
    EXPECT_TRUE(commands.save());
    EXPECT_EQ(testing::fileContent(bad), std::string("\x89PNG\r\n\x1a\n", 8));
}

TEST_F(CalendarCommandsTest, OpenReadsTheChosenFile) {
    files.openAnswer.reset();
    commands.open();
    EXPECT_EQ(commands.document().untitled, 1);
    files.openAnswer = calendarFile("b.cal", "B");
    commands.open();
    EXPECT_EQ(commands.document().titleText, "B");
    EXPECT_EQ(commands.currentFilePath(), *files.openAnswer);
    EXPECT_FALSE(commands.isEnabled(command::kSave));
}

TEST_F(CalendarCommandsTest, ChoosingAnotherYearIsAChangeToSave) {
    dialogs.yearAnswer = 2026; // the year shown already
    commands.execute(command::kChooseYear);
    EXPECT_FALSE(commands.isEnabled(command::kSave));
    dialogs.yearAnswer = 2031;
    EXPECT_EQ(commands.execute(command::kChooseYear), CommandOutcome::Done);
    EXPECT_EQ(commands.calendarYear(), 2031);
    EXPECT_TRUE(commands.isEnabled(command::kSave));
    for (const CVeltranoCtrl& page : commands.pages())
        EXPECT_EQ(page.pageMonth.year, 2031);
    EXPECT_EQ(commands.pages()[2].pageMonth.month, 3);
}

TEST_F(CalendarCommandsTest, ThumbnailOpensItsMonthThenEditOpensTheGeneralPage) {
    dialogs.editConfirms = false;
    commands.execute(command::kFirstThumbnail + 2); // March
    commands.execute(command::kEdit);
    EXPECT_EQ(dialogs.editPages, (std::vector<int>{3, 0}));
    EXPECT_EQ(dialogs.editYear, 2026);
    EXPECT_FALSE(commands.isEnabled(command::kSave));
    dialogs.editConfirms = true;
    commands.execute(command::kEdit); // confirmed without a change
    EXPECT_FALSE(commands.isEnabled(command::kSave));
    dialogs.editChange = [](CalendarDocument& document) { document.titleText = "neu"; };
    commands.execute(command::kEdit);
    EXPECT_TRUE(commands.isEnabled(command::kSave));
}

TEST_F(CalendarCommandsTest, MultiDayEntry) {
    auto date = [](int d, int m) {
        DateValue value;
        value.set(d, m, 2026);
        return value;
    };
    struct Case {
        const char* name;
        DateValue first, last;
        bool changes;
    };
    const Case cases[] = {
        {"one day", date(5, 5), date(5, 5), false},
        {"backwards", date(6, 5), date(5, 5), false},
        {"empty first", DateValue{}, date(5, 5), false},
        {"three days", date(4, 5), date(6, 5), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        commands.newCalendar();
        presenter.shown.clear();
        MultiDayEntry entry;
        entry.first = c.first;
        entry.last = c.last;
        entry.text = "Urlaub";
        entry.colour = DayColour::Green;
        dialogs.multiDayAnswer = entry;
        commands.execute(command::kMultiDay);
        EXPECT_EQ(commands.document().modified, c.changes ? 1 : 0);
        EXPECT_EQ(presenter.shown.size(), c.changes ? 0u : 1u);
        EXPECT_EQ(commands.document().dayText[4][4] == "Urlaub", c.changes);
        EXPECT_EQ(commands.pages()[4].dayTexts[4] == "Urlaub", c.changes);
    }
    // Keeping the text writes only the colour.
    commands.newCalendar();
    MultiDayEntry entry{date(1, 1), date(2, 1), "x", DayColour::Red, true, false};
    dialogs.multiDayAnswer = entry;
    commands.enterMultiDay();
    EXPECT_EQ(commands.document().dayText[0][0], "");
    EXPECT_EQ(commands.document().dayColour[0][1], static_cast<int>(DayColour::Red));
    // Keeping both changes no day, yet the confirmed entry marks the calendar changed.
    presenter.answers = {MessageResult::No}; // the earlier changes are not saved
    commands.newCalendar();
    ASSERT_EQ(commands.document().modified, 0);
    dialogs.multiDayAnswer = MultiDayEntry{date(1, 1), date(2, 1), "x", DayColour::Red, true, true};
    commands.enterMultiDay();
    EXPECT_EQ(commands.document().modified, 1);
    EXPECT_EQ(commands.document().dayText[0][0], "");
    EXPECT_EQ(commands.document().dayColour[0][0], 0);
}

TEST_F(CalendarCommandsTest, HolidayNamesFollowTheSwitch) {
    auto holidayCount = [this] {
        int count = 0;
        for (const CVeltranoCtrl& page : commands.pages())
            for (const std::string& name : page.holidayNames)
                count += name.empty() ? 0 : 1;
        return count;
    };
    commands.refreshPages();
    EXPECT_GT(holidayCount(), 0);
    dialogs.editChange = [](CalendarDocument& document) { document.showHolidays = 0; };
    commands.edit();
    EXPECT_EQ(holidayCount(), 0);
    dialogs.editChange = [](CalendarDocument& document) { document.showHolidays = 1; };
    commands.edit();
    EXPECT_GT(holidayCount(), 0);
}

TEST_F(CalendarCommandsTest, ClearAllAsksWithCancelAsDefault) {
    makeModified();
    commands.document().modified = 0;
    presenter.answers = {MessageResult::Cancel, MessageResult::Ok};
    commands.execute(command::kClearAll);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, loadString(141));
    EXPECT_EQ(presenter.shown[0].style,
              MessageStyle::OkCancel | MessageStyle::IconQuestion | MessageStyle::DefButton2);
    EXPECT_EQ(commands.document().dayText[0][0], "changed");
    EXPECT_EQ(commands.document().modified, 0);
    commands.execute(command::kClearAll);
    EXPECT_EQ(commands.document().dayText[0][0], "");
    EXPECT_EQ(commands.document().modified, 1);
}

TEST_F(CalendarCommandsTest, ChooseLanguageClosesOnlyWhenConfirmed) {
    EXPECT_EQ(commands.execute(command::kChooseLanguage), CommandOutcome::Done);
    EXPECT_TRUE(presenter.shown.empty());
    dialogs.languageConfirms = true;
    EXPECT_EQ(commands.execute(command::kChooseLanguage), CommandOutcome::CloseWindow);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, loadString(143));
}

TEST(ManualPath, SuffixByLanguage) {
    const std::pair<int, const char*> cases[] = {
        {0, "/opt/v/handbuch/index.htm"},     {1, "/opt/v/handbuch_nl/index.htm"},
        {2, "/opt/v/handbuch_com/index.htm"}, {3, "/opt/v/handbuch_fr/index.htm"},
        {4, "/opt/v/handbuch_es/index.htm"},  {5, "/opt/v/handbuch_it/index.htm"},
        {9, "/opt/v/handbuch/index.htm"},
    };
    for (const auto& [language, expected] : cases)
        EXPECT_EQ(manualPath("/opt/v/", language), expected) << language;
    EXPECT_EQ(manualPath("/opt/v", 0), "/opt/v/handbuch/index.htm");
}

TEST_F(CalendarCommandsTest, PrintingBothLayoutsIntoAPdf) {
    const std::string sheets = folder.file("sheets.pdf");
    PdfPrinterDevice sheetsDevice(sheets);
    EXPECT_TRUE(commands.printSheets(sheetsDevice));
    EXPECT_EQ(pdfPageCount(sheets), 13); // title page and twelve months

    PrintSelection two;
    two.months.fill(false);
    two.months[0] = two.months[11] = true;
    two.title = false;
    dialogs.printSelection = two;
    const std::string chosen = folder.file("chosen.pdf");
    PdfPrinterDevice chosenDevice(chosen);
    EXPECT_TRUE(commands.printSheets(chosenDevice));
    EXPECT_EQ(pdfPageCount(chosen), 2);

    const std::string year = folder.file("year.pdf");
    PdfPrinterDevice yearDevice(year);
    EXPECT_TRUE(commands.printOneSheet(yearDevice));
    EXPECT_EQ(pdfPageCount(year), 1);

    dialogs.printConfirms = false;
    const std::string cancelled = folder.file("cancelled.pdf");
    PdfPrinterDevice cancelledDevice(cancelled);
    EXPECT_FALSE(commands.printSheets(cancelledDevice));
    EXPECT_FALSE(std::filesystem::exists(cancelled));
}

TEST_F(CalendarCommandsTest, ManualOpensInTheProgramFolder) {
    commands.setManualFolder("/opt/v/");
    commands.execute(command::kManual);
    EXPECT_EQ(opener.opened, (std::vector<std::string>{"/opt/v/handbuch/index.htm"}));
    EXPECT_TRUE(presenter.shown.empty());
    // No browser: the person is told where the manual is.
    opener.answer = false;
    commands.execute(command::kManual);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_NE(presenter.shown[0].text.find("<br>/opt/v/handbuch/index.htm"), std::string::npos);
}

} // namespace
} // namespace veltrano
