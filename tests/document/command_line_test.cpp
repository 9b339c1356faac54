#include "document/command_line.h"
#include "document/program_folder.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

struct CommandLineCase {
    const char* text;
    bool version;
    std::optional<std::string> openPath;
};

TEST(CommandLine, FindsTheOptionsAndThePath) {
    const CommandLineCase cases[] = {
        {"", false, std::nullopt},
        {"/version", true, std::nullopt},
        {"/VERSION /open:/a.cal", true, "/a.cal"},
        {"/Open:/Home/Anna/Jahr.cal", false, "/Home/Anna/Jahr.cal"},
        {"/OPEN: \"/home/Anna/Mein Jahr.cal\" /weiter", false, "/home/Anna/Mein Jahr.cal"},
        {"x /open:\"\" \"/q.cal", false, "/q.cal"},
        {"/open:/kalender/", false, "/kalender"},
        {"/open:C:\\Kalender\\", false, "C:\\Kalender"},
        {"/open:/a.cal /b.cal", false, "/a.cal /b.cal"},
        {"/open:", false, std::nullopt},
        {"/open: \" \"", false, std::nullopt},
        {"/open:/", false, std::nullopt},
        {"/open:/a.cal /open:/b.cal", false, "/a.cal /open:/b.cal"},
        {"/öffnen /open:/Ärger.cal", false, "/Ärger.cal"},
        // "/version" only as an option of its own, never inside the path.
        {"/open:/home/me/Versionen/familie.cal", false, "/home/me/Versionen/familie.cal"},
        {"\"/open:/home/me/Meine /version.cal\"", false, "/home/me/Meine /version.cal"},
        {"/open: \"/version\"", false, "/version"},
        {"/open:\"/a b.cal\" /Version", true, "/a b.cal"},
        {"/versionen x/version", false, std::nullopt},
    };
    for (const CommandLineCase& c : cases) {
        SCOPED_TRACE(c.text);
        const CommandLine line = parseCommandLine(c.text);
        EXPECT_EQ(line.version, c.version);
        EXPECT_EQ(line.openPath, c.openPath);
    }
}

TEST(CommandLine, ArgumentsWithSpacesStayWhole) {
    EXPECT_EQ(joinArguments({}), "");
    EXPECT_EQ(joinArguments({"/open:/home/a/Mein Jahr.cal", "/x"}),
              "\"/open:/home/a/Mein Jahr.cal\" /x");
    EXPECT_EQ(parseCommandLine(joinArguments({"/open:/home/a/Mein Jahr.cal", "/x"})).openPath,
              "/home/a/Mein Jahr.cal");
    EXPECT_EQ(parseCommandLine(joinArguments({"/open:", "/home/a/Mein Jahr.cal"})).openPath,
              "/home/a/Mein Jahr.cal");
}

TEST(ProgramFolder, EndsInASeparatorAndHoldsTheDataFolder) {
    const std::string current = programFolder();
    EXPECT_EQ(current.back(), '/');
    EXPECT_FALSE(setProgramFolder(""));
    EXPECT_EQ(programFolder(), current);

    EXPECT_TRUE(setProgramFolder("/opt/veltrano"));
    EXPECT_EQ(programFolder(), "/opt/veltrano/");
    EXPECT_EQ(dataFilePath("natur.cal"), "/opt/veltrano/daten/natur.cal");
    EXPECT_TRUE(setProgramFolder("C:\\Veltrano\\"));
    EXPECT_EQ(programFolder(), "C:\\Veltrano\\");
    setProgramFolder(current);
}

} // namespace
} // namespace veltrano
