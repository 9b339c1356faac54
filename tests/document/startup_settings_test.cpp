#include "document/startup_settings.h"

#include "document/cal_writer.h"
#include "document/program_folder.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

using testing::fileContent;
using testing::TempFolder;
using testing::writeFile;

// One run of the program as far as settings go: the main view's construction,
// then its destruction with whatever file is open then.
class StartupSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previousFolder_ = programFolder();
        setProgramFolder(folder.path());
        std::filesystem::create_directory(folder.file("daten"));
        CalendarDocument sample;
        sample.titleText = "Natur";
        ASSERT_TRUE(writeCalendarFile(sample, dataFilePath("natur.cal")));
    }
    void TearDown() override { setProgramFolder(previousFolder_); }

    // Starts the program; returns the file shown ("" for a new calendar).
    std::string start() {
        CGlobalDaten store;
        StartupSettings settings(store);
        document = CalendarDocument{};
        document.fontSize = 99; // whatever was there before is replaced
        const bool loaded = settings.openLastCalendar(document, currentFilePath);
        EXPECT_EQ(loaded, !currentFilePath.empty());
        if (!loaded) {
            EXPECT_EQ(document, CalendarDocument{});
        }
        return currentFilePath;
    }
    void end() {
        CGlobalDaten store;
        StartupSettings(store).recordLastCalendar(currentFilePath);
    }

    TempFolder folder;
    CalendarDocument document;
    std::string currentFilePath;

  private:
    std::string previousFolder_;
};

TEST_F(StartupSettingsTest, FirstStartShowsTheSampleAndTheNextTheFileOpenAtTheEnd) {
    EXPECT_EQ(start(), dataFilePath("natur.cal"));
    EXPECT_EQ(document.titleText, "Natur");
    EXPECT_EQ(document.untitled, 0);
    // The user saves the calendar under another name and ends the program.
    ASSERT_TRUE(writeCalendarFile(document, folder.file("mein.cal")));
    currentFilePath = folder.file("mein.cal");
    end();
    EXPECT_EQ(start(), folder.file("mein.cal"));
    EXPECT_EQ(document.titleText, "Natur");

    // "first" stays 0: a missing last file gives a new calendar, not the sample.
    std::filesystem::remove(folder.file("mein.cal"));
    EXPECT_EQ(start(), "");
}

TEST_F(StartupSettingsTest, EndingWithAnUnsavedCalendarStartsNew) {
    start();
    currentFilePath.clear();
    end();
    EXPECT_EQ(start(), "");
    EXPECT_EQ(fileContent(dataFilePath("data.ini")), "[GLOBAL]\r\nlastfile=\r\nfirst=0\r\n");
}

TEST_F(StartupSettingsTest, LastFileThatIsNoCalendarGivesANewOne) {
    writeFile(folder.file("bild.jpg"), "\xFF\xD8\xFF\xE0 JFIF");
    writeFile(dataFilePath("data.ini"), "[GLOBAL]\nfirst=0\nlastfile=" + folder.file("bild.jpg"));
    EXPECT_EQ(start(), "");
}

TEST_F(StartupSettingsTest, UnwritableDataFolderMeansAFirstStartEachTime) {
    std::filesystem::remove_all(folder.file("daten"));
    EXPECT_EQ(start(), "");
    EXPECT_EQ(start(), "");
    writeFile(folder.file("x.cal"), "Fontsize;8\n");
    currentFilePath = folder.file("x.cal");
    end(); // fails quietly
    EXPECT_FALSE(std::filesystem::exists(dataFilePath("data.ini")));
}

} // namespace
} // namespace veltrano
