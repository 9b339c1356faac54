#include "app/calendar_commands.h"
#include "app/command_ids.h"
#include "app/startup.h"
#include "document/cal_writer.h"
#include "document/command_line.h"
#include "document/global_daten.h"
#include "document/program_folder.h"
#include "document/program_settings.h"
#include "document/startup_settings.h"
#include "tests/app/app_fixture.h"
#include "widgets/engine/command_images.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace veltrano {
namespace {

using testing::AnsweringPresenter;
using testing::FakeDialogs;
using testing::FakeFileDialogs;
using testing::FakeOpener;
using testing::TempFolder;

void writeCalendar(const std::string& path, const std::string& title) {
    CalendarDocument document;
    resetDocument(document);
    document.titleText = title;
    ASSERT_TRUE(writeCalendarFile(document, path));
}

// The calendar side of one run of the program, answered by fakes.
struct ProgramRun {
    FakeFileDialogs files;
    FakeDialogs dialogs;
    FakeOpener opener;
    CalendarCommands commands{files, dialogs, opener};
};

TEST(Startup, LastFileAcrossStarts) {
    TempFolder folder;
    AnsweringPresenter presenter;
    ASSERT_TRUE(setProgramFolder(folder.path()));
    std::filesystem::create_directories(folder.file("daten"));
    writeCalendar(dataFilePath("natur.cal"), "Natur");
    const std::string other = folder.file("Urlaub 2026.cal");
    writeCalendar(other, "Urlaub");
    CGlobalDaten store;
    StartupSettings settings(store);

    { // first start: the sample calendar; another one is open at the end
        ProgramRun run;
        run.commands.openLastCalendar(settings, false);
        EXPECT_EQ(run.commands.currentFilePath(), dataFilePath("natur.cal"));
        EXPECT_EQ(run.commands.document().titleText, "Natur");
        ASSERT_TRUE(run.commands.openByName(other));
        EXPECT_TRUE(run.commands.recordLastCalendar(settings));
    }
    { // second start: that calendar; a new unsaved one is open at the end
        ProgramRun run;
        run.commands.openLastCalendar(settings, false);
        EXPECT_EQ(run.commands.currentFilePath(), other);
        EXPECT_EQ(run.commands.heading(), "<b> " + other);
        run.commands.newCalendar();
        run.commands.recordLastCalendar(settings);
    }
    { // third start: a new calendar
        ProgramRun run;
        run.commands.openLastCalendar(settings, false);
        EXPECT_EQ(run.commands.document().untitled, 1);
        EXPECT_EQ(run.commands.heading(), "<b> Neuer Kalender");
    }
    EXPECT_TRUE(presenter.shown.empty());
}

TEST(Startup, OpenOptionWithQuotedPathOfSpacesAndCapitals) {
    TempFolder folder;
    AnsweringPresenter presenter;
    ASSERT_TRUE(setProgramFolder(folder.path()));
    std::filesystem::create_directories(folder.file("daten"));
    writeCalendar(dataFilePath("natur.cal"), "Natur");
    const std::string path = folder.file("Meine Kalender/Familie Berg.cal");
    std::filesystem::create_directories(folder.file("Meine Kalender"));
    writeCalendar(path, "Familie");

    const CommandLine options = parseCommandLine("/OPEN:\"" + path + "\"");
    ASSERT_TRUE(options.openPath.has_value());
    EXPECT_EQ(*options.openPath, path);
    CGlobalDaten store;
    StartupSettings settings(store);
    ProgramRun run;
    run.commands.openLastCalendar(settings, true);
    EXPECT_EQ(run.commands.document().untitled, 1); // the last file is not shown first
    EXPECT_TRUE(run.commands.openByName(*options.openPath));
    EXPECT_EQ(run.commands.document().titleText, "Familie");
    EXPECT_EQ(run.commands.currentFilePath(), path);

    // A file that cannot be read gives message 130 and a new calendar.
    ProgramRun failing;
    failing.commands.openLastCalendar(settings, true);
    EXPECT_FALSE(failing.commands.openByName(folder.file("missing.cal")));
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text.rfind("<strong>Fehler beim Öffnen</strong>", 0), 0u);
    EXPECT_EQ(failing.commands.document().untitled, 1);
    EXPECT_EQ(failing.commands.currentFilePath(), "");
}

TEST(Startup, VersionMode) {
    TempFolder folder;
    std::ostringstream out;
    EXPECT_FALSE(runVersionMode(folder.file("release/"), out));
    EXPECT_EQ(out.str(), "Version 202\n");
    EXPECT_FALSE(std::filesystem::exists(folder.file("release/version.htm")));
    std::filesystem::create_directories(folder.file("release"));
    EXPECT_TRUE(runVersionMode(versionFolder(folder.path()), out));
    EXPECT_EQ(testing::fileContent(folder.file("release/version.htm")), "202");
}

TEST(Startup, DateFormatDetectedOnceThenKept) {
    MemoryRegistry registry;
    EXPECT_EQ(startupDateFormat(registry, "M/d/yy"), 3);
    EXPECT_EQ(readDateFormat(registry), 3);
    EXPECT_EQ(startupDateFormat(registry, "dd.MM.yyyy"), 3);
    writeDateFormat(registry, 9); // out of range counts as not chosen
    EXPECT_EQ(startupDateFormat(registry, "dd-MM-yyyy"), 1);
}

TEST(Startup, CommandIconsShowTheLanguageFlag) {
    registerCommandIcons(2);
    EXPECT_EQ(commandImages().imageFor(command::kChooseLanguage), 43);
    EXPECT_EQ(commandImages().imageFor(command::kPrintOneSheet), 13);
    EXPECT_EQ(commandImages().imageFor(command::kExit), 6);
    registerCommandIcons(0);
    EXPECT_EQ(commandImages().imageFor(command::kChooseLanguage), 41);
}

} // namespace
} // namespace veltrano
