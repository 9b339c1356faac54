// Undo and redo of the calendar's changes, the saved state and the year a
// calendar keeps, through the main view's commands.
#include "app/calendar_commands.h"
#include "app/change_name.h"
#include "app/command_ids.h"
#include "core/clock.h"
#include "document/cal_reader.h"
#include "document/cal_writer.h"
#include "tests/app/app_fixture.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

using testing::TempFolder;

[[maybe_unused]] ::testing::Environment* const appEnvironment =
    ::testing::AddGlobalTestEnvironment(new testing::AppEnvironment);

class UndoHistoryTest : public ::testing::Test {
  protected:
    UndoHistoryTest() : commands(files, dialogs, opener) {
        setTodayProvider([] { return CivilDate{15, 6, 2026}; });
        commands.newCalendar();
    }
    ~UndoHistoryTest() override { setTodayProvider({}); }

    std::string undoName() const { return commands.history().undoName().toStdString(); }
    std::string redoName() const { return commands.history().redoName().toStdString(); }
    void run(int commandId) { commands.execute(commandId); }

    TempFolder folder;
    testing::AnsweringPresenter presenter;
    testing::FakeFileDialogs files;
    testing::FakeDialogs dialogs;
    testing::FakeOpener opener;
    CalendarCommands commands;
};

TEST_F(UndoHistoryTest, EditSheetOkIsOneStepThatUndoAndRedoWalk) {
    EXPECT_FALSE(commands.isEnabled(command::kUndo));
    dialogs.editChange = [](CalendarDocument& document) {
        document.dayText[1][13] = "Valentinstag";
        document.monthText[1] = "Winter";
    };
    run(command::kEdit);
    EXPECT_TRUE(commands.isEnabled(command::kUndo));
    EXPECT_FALSE(commands.isEnabled(command::kRedo));
    EXPECT_EQ(undoName(), "Kalender bearbeiten");
    EXPECT_EQ(commands.document().modified, 1);

    run(command::kUndo);
    EXPECT_EQ(commands.document().dayText[1][13], "");
    EXPECT_EQ(commands.document().monthText[1], "");
    EXPECT_EQ(commands.document().modified, 0); // back where the new calendar started
    EXPECT_EQ(commands.pages()[1].dayTexts[13], "");
    EXPECT_EQ(redoName(), "Kalender bearbeiten");

    run(command::kRedo);
    EXPECT_EQ(commands.document().dayText[1][13], "Valentinstag");
    EXPECT_EQ(commands.pages()[1].dayTexts[13], "Valentinstag");
    EXPECT_EQ(commands.document().modified, 1);
    EXPECT_EQ(commands.document().untitled, 1);
}

TEST_F(UndoHistoryTest, AnOkWithoutChangesIsNoStep) {
    run(command::kEdit);
    EXPECT_FALSE(commands.isEnabled(command::kUndo));
    EXPECT_EQ(commands.document().modified, 0);
}

TEST_F(UndoHistoryTest, StepsAreNamedByTheOneThingChanged) {
    const struct {
        void (*change)(CalendarDocument&);
        const char* name;
    } cases[] = {
        {[](CalendarDocument& d) { d.dayText[1][13] = "x"; }, "Tagestext 14. Februar"},
        {[](CalendarDocument& d) { d.dayColour[1][13] = 2; }, "Tagesfarbe 14. Februar"},
        {[](CalendarDocument& d) { d.dayText[0][0] = "x", d.dayColour[0][0] = 1; },
         "Tagestext 1. Januar"},
        {[](CalendarDocument& d) { d.monthText[2] = "x"; }, "Bildtext März"},
        {[](CalendarDocument& d) { d.monthPhoto[11] = "x.jpg"; }, "Foto Dezember"},
        {[](CalendarDocument& d) { d.titleText = "x"; }, "Titeltext"},
        {[](CalendarDocument& d) { d.titlePhoto = "x.jpg"; }, "Titelfoto"},
        {[](CalendarDocument& d) {
             d.photoCrop[4] = {0, 0, 5000, 5000};
         },
         "Bildausschnitt Mai"},
        {[](CalendarDocument& d) {
             d.monthPhoto[4] = "x.jpg", d.photoCrop[4] = {0, 0, 9, 9};
         },
         "Foto Mai"},
        {[](CalendarDocument& d) {
             d.photoCrop[kTitlePhotoPage] = {0, 0, 5000, 5000};
         },
         "Bildausschnitt Titelblatt"},
        {[](CalendarDocument& d) { d.showHolidays = 0; }, "Feiertage anzeigen"},
        {[](CalendarDocument& d) { d.region = 3; }, "Region"},
        {[](CalendarDocument& d) { d.dayFrames = 1; }, "Tagesrahmen"},
        {[](CalendarDocument& d) { d.fontSize = 9; }, "Schriftgröße"},
        {[](CalendarDocument& d) { d.margins.top = 5; }, "Ränder"},
        {[](CalendarDocument& d) { d.year = 2027; }, "Jahr 2027"},
        {[](CalendarDocument& d) { d.dayText[0][0] = "x", d.dayText[0][1] = "y"; }, "Befehl"},
        {[](CalendarDocument& d) { d.region = 3, d.fontSize = 9; }, "Befehl"},
    };
    for (const auto& c : cases) {
        CalendarDocument after;
        c.change(after);
        EXPECT_EQ(changeName(CalendarDocument{}, after, "Befehl"), c.name);
    }
}

TEST_F(UndoHistoryTest, SavingMarksTheStateThatUndoingBackToClearsModified) {
    files.saveAnswer = folder.file("natur.cal");
    dialogs.editChange = [](CalendarDocument& document) { document.titleText += "a"; };
    run(command::kEdit);
    run(command::kSaveAs);
    EXPECT_EQ(commands.document().modified, 0);
    EXPECT_FALSE(commands.isEnabled(command::kSave));
    run(command::kEdit);
    EXPECT_EQ(commands.document().modified, 1);
    run(command::kUndo); // back at the saved state
    EXPECT_EQ(commands.document().modified, 0);
    EXPECT_FALSE(commands.isEnabled(command::kSave));
    run(command::kUndo); // before it
    EXPECT_EQ(commands.document().titleText, "");
    EXPECT_EQ(commands.document().modified, 1);
    EXPECT_EQ(commands.document().untitled, 0); // still the saved file
    run(command::kRedo);
    EXPECT_EQ(commands.document().modified, 0);
}

TEST_F(UndoHistoryTest, CommandsOnTheWholeCalendarAreStepsOfTheirOwn) {
    MultiDayEntry holiday;
    holiday.first.set(6, 4, 2026);
    holiday.last.set(10, 4, 2026);
    holiday.text = "Urlaub";
    dialogs.multiDayAnswer = holiday;
    run(command::kMultiDay);
    EXPECT_EQ(undoName(), "Mehrtags-Termin");
    dialogs.importChange = [](CalendarDocument& document) {
        document.dayText[2][1] = "Anna";
        document.dayText[7][9] = "Ben";
        return true;
    };
    run(command::kImportBirthdays);
    EXPECT_EQ(undoName(), "Geburtstage importieren");
    presenter.answers = {MessageResult::Ok};
    run(command::kClearAll);
    EXPECT_EQ(undoName(), "Alle Termine löschen");

    run(command::kUndo);
    EXPECT_EQ(commands.document().dayText[7][9], "Ben");
    EXPECT_EQ(commands.document().dayText[3][7], "Urlaub");
    run(command::kUndo);
    run(command::kUndo);
    EXPECT_EQ(commands.document(), [] {
        CalendarDocument fresh;
        fresh.year = 2026;
        return fresh;
    }());
    // Another calendar starts with nothing to undo.
    run(command::kRedo);
    commands.document().modified = 0;
    commands.newCalendar();
    EXPECT_FALSE(commands.isEnabled(command::kUndo));
    EXPECT_FALSE(commands.isEnabled(command::kRedo));
}

TEST_F(UndoHistoryTest, TheYearIsKeptInTheFileAndChosenAsAStep) {
    dialogs.yearAnswer = 2027;
    run(command::kChooseYear);
    EXPECT_EQ(undoName(), "Jahr 2027");
    EXPECT_EQ(commands.pages()[0].pageMonth.year, 2027);
    files.saveAnswer = folder.file("2027.cal");
    run(command::kSaveAs);
    run(command::kUndo);
    EXPECT_EQ(commands.calendarYear(), 2026);
    EXPECT_EQ(commands.pages()[0].pageMonth.year, 2026);

    CalendarDocument saved;
    ASSERT_TRUE(readCalendarFile(saved, folder.file("2027.cal")));
    EXPECT_EQ(saved.year, 2027);
    // Reopened, the calendar shows its year; a file without one the current year.
    commands.document().modified = 0;
    ASSERT_TRUE(commands.openByName(folder.file("2027.cal")));
    EXPECT_EQ(commands.calendarYear(), 2027);
    EXPECT_EQ(commands.pages()[11].pageMonth.year, 2027);
    EXPECT_FALSE(commands.isEnabled(command::kUndo));
    testing::writeFile(folder.file("alt.cal"), "Feiertage;1\r\n");
    ASSERT_TRUE(commands.openByName(folder.file("alt.cal")));
    EXPECT_EQ(commands.calendarYear(), 2026);
    EXPECT_EQ(commands.document().modified, 0);
}

} // namespace
} // namespace veltrano
