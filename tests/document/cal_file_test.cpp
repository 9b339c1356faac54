#include "document/cal_reader.h"
#include "document/cal_writer.h"

#include "document/calendar_limits.h"
#include "document/file_io.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrano {
namespace {

using testing::fileContent;
using testing::FileSizeLimit;
using testing::TempFolder;
using testing::writeFile;

CalendarDocument exampleDocument() {
    CalendarDocument doc;
    doc.monthPhoto[0] = "D:\\Fotos\\januar.jpg";
    doc.monthText[0] = "Winter";
    doc.dayColour[0][14] = 2;
    doc.dayText[0][14] = "Feier\r\nab 18 Uhr";
    return doc;
}

// A document that uses every field with values a save keeps exactly.
CalendarDocument fullDocument() {
    CalendarDocument doc;
    doc.dayFrames = 1;
    doc.weekNumbers = 1;
    doc.margins = {-5, 0, 2147483647, -2147483647 - 1};
    doc.showHolidays = 0;
    doc.region = 42;
    doc.fontSize = 36;
    doc.titlePhoto = "/home/anna/Bilder/titel;2024.jpg";
    doc.titleText = "Unser Jahr\r\n2024";
    for (int m = 0; m < kMonthCount; ++m) {
        if (m % 3 != 1)
            doc.monthPhoto[m] = "/fotos/m" + std::to_string(m) + ";a b.jpg";
        doc.monthText[m] = m % 2 ? "Überschrift " + std::to_string(m) : "";
        for (int d = 0; d < kDaySlotCount; d += 1 + m)
            doc.dayText[m][d] = "Tag " + std::to_string(d) + (d % 2 ? "\r\nzweite Zeile" : "");
        for (int d = 1; d < kDaySlotCount; d += 5)
            doc.dayColour[m][d] = d % 5;
    }
    doc.dayColour[11][30] = 4;
    doc.dayText[0][0] = "\xE2\x82\xAC 5"; // "€ 5"
    doc.year = 2027;
    doc.untitled = 0;
    return doc;
}

TEST(CalendarFile, WritesTheEightLineExampleByteForByte) {
    EXPECT_EQ(formatCalendarFile(exampleDocument()), "Feiertage;1\r\n"
                                                     "Bundesland;0\r\n"
                                                     "Colors;0\r\n"
                                                     "Rand;25;30;25;20\r\n"
                                                     "Fontsize;12\r\n"
                                                     "Bild;0;D:\\Fotos\\januar.jpg\r\n"
                                                     "Bildtext;0;Winter\r\n"
                                                     "Text;0;14;2;Feier<br>ab 18 Uhr\r\n");
}

TEST(CalendarFile, RecordsAreWrittenInTheirFixedOrder) {
    CalendarDocument doc;
    doc.titleText = "a;b\r\nc";
    doc.titlePhoto = "t.jpg";
    doc.monthPhoto[5] = "juni.jpg";    // caption empty: still written after its photo
    doc.monthText[7] = "Sommer;Sonne"; // no photo: caption written all the same
    doc.dayColour[1][2] = 1;           // colour without text
    doc.dayText[0][30] = "\r";         // only a CR: reads back as no text, so not written
    doc.dayText[0][29] = "\r";
    doc.dayColour[0][29] = 3; // but its colour is
    doc.dayColour[3][3] = -2; // negative colour without text: not written
    EXPECT_EQ(formatCalendarFile(doc), "Feiertage;1\r\nBundesland;0\r\nColors;0\r\n"
                                       "Rand;25;30;25;20\r\nFontsize;12\r\n"
                                       "TitelBild;t.jpg\r\n"
                                       "TitelText;a,b<br>c\r\n"
                                       "Bild;5;juni.jpg\r\n"
                                       "Bildtext;5;\r\n"
                                       "Bildtext;7;Sommer,Sonne\r\n"
                                       "Text;0;29;3;\r\n"
                                       "Text;1;2;1;\r\n");
}

TEST(CalendarFile, WeekNumbersAreWrittenLastAndOnlyWhenOn) {
    CalendarDocument doc;
    doc.dayColour[11][30] = 1;
    const std::string without = formatCalendarFile(doc);
    EXPECT_EQ(without.find("Wochen"), std::string::npos);
    doc.weekNumbers = 1;
    EXPECT_EQ(formatCalendarFile(doc), without + "Wochen;1\r\n");
}

TEST(CalendarFile, SaveAndLoadGiveTheSameDocument) {
    TempFolder folder;
    CalendarDocument saved = fullDocument();
    saved.untitled = 1;
    ASSERT_TRUE(writeCalendarFile(saved, folder.file("jahr.cal")));
    EXPECT_EQ(saved.untitled, 0);

    CalendarDocument loaded;
    ASSERT_TRUE(readCalendarFile(loaded, folder.file("jahr.cal")));
    EXPECT_EQ(loaded, fullDocument());
}

TEST(CalendarFile, SavingChangesWhatTheFileCannotHold) {
    CalendarDocument doc;
    doc.monthPhoto[2] = "m.jpg";
    doc.monthText[2] = "Wind;Regen";
    doc.monthText[4] = "ohne;Foto";
    doc.dayText[0][0] = "eins;zwei";
    doc.dayText[0][1] = "Tippte <br> so";
    doc.dayText[0][2] = "a\rb";
    TempFolder folder;
    ASSERT_TRUE(writeCalendarFile(doc, folder.file("k.cal")));
    // The captions in memory now match the file; day texts in memory stay.
    EXPECT_EQ(doc.monthText[2], "Wind,Regen");
    EXPECT_EQ(doc.monthText[4], "ohne,Foto");
    EXPECT_EQ(doc.dayText[0][0], "eins;zwei");

    CalendarDocument loaded;
    ASSERT_TRUE(readCalendarFile(loaded, folder.file("k.cal")));
    EXPECT_EQ(loaded.monthText[2], "Wind,Regen");
    EXPECT_EQ(loaded.monthText[4], "ohne,Foto");
    EXPECT_EQ(loaded.dayText[0][0], "eins,zwei");
    EXPECT_EQ(loaded.dayText[0][1], "Tippte \r\n so");
    EXPECT_EQ(loaded.dayText[0][2], "ab");
}

struct ReadCase {
    const char* name;
    std::string content;
    std::function<void(CalendarDocument&)> expect; // changes from a new, loaded calendar
};

TEST(CalendarFile, ReadsRecordsAsWritten) {
    const auto day = [](int m, int d, int colour, std::string text) {
        return [=](CalendarDocument& doc) {
            doc.dayText[m][d] = text;
            doc.dayColour[m][d] = colour;
        };
    };
    const auto nothing = [](CalendarDocument&) {};
    const ReadCase cases[] = {
        {"key in any case with spaces", "  FONTSIZE ;14", [](auto& d) { d.fontSize = 14; }},
        {"key with other characters", "Feiertage;1\nFontsize2;14", nothing},
        {"key trimmed of spaces only", "Feiertage;1\n\tFontsize;14", nothing},
        {"last day slot", "Text;0;30;1;x", day(0, 30, 1, "x")},
        {"month 12 skipped", "Text;12;0;1;x", nothing},
        {"day 31 skipped", "Text;0;31;1;x", nothing},
        {"negative index skipped", "Text;-1;0;1;x\nBild;-1;p\nBildtext;-3;c", nothing},
        {"colour 7 becomes 0", "Text;1;1;7;x", day(1, 1, 0, "x")},
        {"colour -1 becomes 0", "Text;1;1;-1;x", day(1, 1, 0, "x")},
        {"missing fields", "Text;2;3", day(2, 3, 0, "")},
        {"<br> becomes CR LF", "TEXT;0;0;4;a<br>b<BR>c<br", day(0, 0, 4, "a\r\nb<BR>c<br")},
        {"later fields ignored", "Text;0;0;3;a;b;c", day(0, 0, 3, "a")},
        {"numbers as C reads them", "Text; +3x;\t07;2abc;t", day(3, 7, 2, "t")},
        {"margins with one field", "Rand;10",
         [](auto& d) {
             d.margins = {10, 0, 0, 0};
         }},
        {"values without range test", "Bundesland;99\nFontsize;-5\nColors;-1\nFeiertage;7",
         [](auto& d) { d.region = 99, d.fontSize = -5, d.dayFrames = -1, d.showHolidays = 7; }},
        {"numbers saturate", "Fontsize;99999999999\nBundesland;-99999999999",
         [](auto& d) { d.fontSize = INT_MAX, d.region = INT_MIN; }},
        {"caption keeps <br>", "Bildtext;0;a<br>b;c", [](auto& d) { d.monthText[0] = "a<br>b"; }},
        {"photo paths take the rest of the line", "Bild;11;C:\\a;b;c\nTitelBild;x;y",
         [](auto& d) { d.monthPhoto[11] = "C:\\a;b;c", d.titlePhoto = "x;y"; }},
        {"title text stops at ;", "TitelText; a<br>b ;c",
         [](auto& d) { d.titleText = " a\r\nb "; }},
        {"later record wins", "Fontsize;9\nFontsize;10", [](auto& d) { d.fontSize = 10; }},
        {"week numbers on", "Feiertage;1\nwochen;1", [](auto& d) { d.weekNumbers = 1; }},
        {"week numbers: another value is no value", "Wochen;1\nWochen;2", nothing},
        {"week numbers: no number", "Wochen;ja", nothing},
        {"LF and CR LF line ends", "Fontsize;9\r\nColors;1\nRegion;3\r\n",
         [](auto& d) { d.fontSize = 9, d.dayFrames = 1; }},
        {"CR alone ends a line, as at the file end", "TitelText;a\r\r\nBild;0;b\r",
         [](auto& d) { d.titleText = "a", d.monthPhoto[0] = "b"; }},
        {"CR-only line ends", "Fontsize;9\rColors;1\rTitelText;x<br>y\rBild;2;p.jpg",
         [](auto& d) {
             d.fontSize = 9, d.dayFrames = 1, d.titleText = "x\r\ny", d.monthPhoto[2] = "p.jpg";
         }},
        {"Windows-1252 line",
         "TitelText;Gr\xFC\xDF"
         "e \x80 5",
         [](auto& d) {
             d.titleText = "Gr\xC3\xBC\xC3\x9F"
                           "e \xE2\x82\xAC 5";
         }},
        {"UTF-8 line unchanged",
         "TitelText;Gr\xC3\xBC\xC3\x9F"
         "e",
         [](auto& d) {
             d.titleText = "Gr\xC3\xBC\xC3\x9F"
                           "e";
         }},
        {"NUL bytes kept", std::string("TitelText;a\0b\nFontsize;8", 24),
         [](auto& d) { d.titleText = std::string("a\0b", 3), d.fontSize = 8; }},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        CalendarDocument expected;
        expected.untitled = 0;
        c.expect(expected);
        CalendarDocument doc = fullDocument(); // reading starts from a new calendar
        ASSERT_TRUE(readCalendarText(doc, c.content));
        EXPECT_EQ(doc, expected);
    }
}

TEST(CalendarFile, EmptyFileLoadsAsANewCalendar) {
    CalendarDocument doc = fullDocument();
    ASSERT_TRUE(readCalendarText(doc, ""));
    CalendarDocument expected;
    expected.untitled = 0;
    EXPECT_EQ(doc, expected);
}

TEST(CalendarFile, SomethingElseIsRefusedAndTheDocumentKept) {
    const std::string others[] = {
        "Liebe Anna,\r\nbis morgen!\r\n",
        std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16),
        std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0", 11),
        "\n",
        "Feiertage\xA0;1", // the key is not trimmed of other white space
    };
    for (const std::string& content : others) {
        CalendarDocument doc = fullDocument();
        EXPECT_FALSE(readCalendarText(doc, content)) << content;
        EXPECT_EQ(doc, fullDocument());
    }
}

TEST(CalendarFile, FileThatCannotBeReadLeavesTheDocument) {
    TempFolder folder;
    CalendarDocument doc = fullDocument();
    EXPECT_FALSE(readCalendarFile(doc, folder.file("fehlt.cal")));
    EXPECT_FALSE(readCalendarFile(doc, folder.path()));
    EXPECT_EQ(doc, fullDocument());
}

TEST(CalendarFile, BadInputReadsInLinearTime) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    CalendarDocument doc;
    // One line of twenty million separators after a key that wants field 4.
    EXPECT_TRUE(readCalendarText(doc, "Text;1;1;1" + std::string(20'000'000, ';')));
    EXPECT_EQ(doc.dayText[1][1], "");
    std::string lines;
    for (int i = 0; i < 1'000'000; ++i)
        lines += "Text;" + std::to_string(i % 14 - 1) + ";" + std::to_string(i % 33 - 1) + ";9\n";
    EXPECT_TRUE(readCalendarText(doc, lines));
    EXPECT_EQ(doc.dayText[11][30], "");
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(20));
}

TEST(CalendarFile, FailedSaveKeepsTheOldFileAndTheDocument) {
    TempFolder folder;
    const std::string path = folder.file("alt.cal");
    writeFile(path, "Fontsize;20\r\n");
    CalendarDocument doc = fullDocument();
    doc.untitled = 1;
    doc.monthText[1] = "a;b";
    {
        FileSizeLimit limit(100);
        EXPECT_FALSE(writeCalendarFile(doc, path));
    }
    EXPECT_EQ(doc.untitled, 1);
    EXPECT_EQ(doc.monthText[1], "a;b");
    EXPECT_EQ(fileContent(path), "Fontsize;20\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);

    EXPECT_FALSE(writeCalendarFile(doc, folder.file("fehlt/neu.cal")));
    EXPECT_FALSE(writeCalendarFile(doc, folder.path()));
    EXPECT_EQ(doc.untitled, 1);
}

TEST(CalendarFile, SaveReplacesTheFileKeepingItsPermissions) {
    TempFolder folder;
    const std::string path = folder.file("jahr.cal");
    writeFile(path, "alt");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    std::filesystem::create_symlink("jahr.cal", folder.file("link.cal"));

    CalendarDocument doc = exampleDocument();
    ASSERT_TRUE(writeCalendarFile(doc, folder.file("link.cal")));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(fileContent(path), formatCalendarFile(exampleDocument()));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("link.cal")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

// A text of nothing but CRs reads back as no text, so it is written as none:
// saving what was read gives the same file.
TEST(CalendarFile, SaveReadSaveGivesTheSameFile) {
    CalendarDocument doc;
    doc.titleText = "\r";
    doc.dayText[2][3] = "\r\r";
    doc.dayText[2][4] = "\r";
    doc.dayColour[2][4] = 2;
    const std::string first = formatCalendarFile(doc);
    CalendarDocument read;
    ASSERT_TRUE(readCalendarText(read, first));
    EXPECT_EQ(formatCalendarFile(read), first);
    EXPECT_EQ(first.find("TitelText"), std::string::npos);
}

// A photo whose file name is in Latin-1 bytes on disk is found from a line
// that is read as Windows-1252; a name that exists as converted stays converted.
TEST(CalendarFile, PhotoNamesInLatin1BytesAreFound) {
    TempFolder folder;
    const std::string latin1 = folder.file("Gr\xFC\xDF"
                                           "e.jpg");
    const std::string utf8 = folder.file("Gr\xC3\xBC\xC3\x9F"
                                         "e.jpg");
    writeFile(latin1, "jpg");
    CalendarDocument doc;
    ASSERT_TRUE(readCalendarText(doc, "Bild;0;" + latin1 + "\r\nTitelBild;" + latin1));
    EXPECT_EQ(doc.monthPhoto[0], latin1);
    EXPECT_EQ(doc.titlePhoto, latin1);
    writeFile(utf8, "jpg");
    ASSERT_TRUE(readCalendarText(doc, "Bild;0;" + latin1));
    EXPECT_EQ(doc.monthPhoto[0], utf8);
}

TEST(CalendarFile, AFileBeyondTheSizeLimitIsRefused) {
    TempFolder folder;
    const std::string path = folder.file("riesig.cal");
    writeFile(path, "Fontsize;9\n");
    ASSERT_EQ(::truncate(path.c_str(), kMaxCalendarFileBytes + 1), 0); // sparse, cheap
    CalendarDocument doc = fullDocument();
    EXPECT_FALSE(readCalendarFile(doc, path));
    EXPECT_EQ(doc, fullDocument());
}

TEST(CalendarFile, OnlyTheDrawablePartOfALongTextIsDrawn) {
    const std::string euro = "\xE2\x82\xAC";
    const std::string straddling = std::string(kMaxDrawnTextBytes - 1, 'a') + euro;
    const struct {
        std::string text;
        std::size_t drawn;
    } cases[] = {
        {"kurz", 4},
        {std::string(kMaxDrawnTextBytes, 'a'), kMaxDrawnTextBytes},
        {std::string(10 * kMaxDrawnTextBytes, 'a'), kMaxDrawnTextBytes},
        {straddling, kMaxDrawnTextBytes - 1}, // no character cut in two
    };
    for (const auto& c : cases)
        EXPECT_EQ(drawnPart(c.text), std::string_view(c.text).substr(0, c.drawn));
}

// Saving never replaces what the user did not mean to replace.
TEST(CalendarFile, SaveRespectsReadOnlyFilesLinksAndOwners) {
    TempFolder folder;
    CalendarDocument doc = exampleDocument();
    const std::string expected = formatCalendarFile(doc);

    const std::string readOnly = folder.file("fest.cal");
    writeFile(readOnly, "alt");
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    EXPECT_FALSE(writeCalendarFile(doc, readOnly));
    EXPECT_EQ(errno, EACCES);
    EXPECT_EQ(fileContent(readOnly), "alt");

    const std::string linked = folder.file("a.cal");
    writeFile(linked, "alt");
    ASSERT_EQ(::link(linked.c_str(), folder.file("b.cal").c_str()), 0);
    ASSERT_TRUE(writeCalendarFile(doc, linked));
    EXPECT_EQ(fileContent(folder.file("b.cal")), expected) << "the hard link still sees the file";
    EXPECT_EQ(fileContent(linked), expected);

    std::filesystem::create_symlink("neu/ziel.cal", folder.file("zeiger.cal"));
    std::filesystem::create_directory(folder.file("neu"));
    ASSERT_TRUE(writeCalendarFile(doc, folder.file("zeiger.cal")));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("zeiger.cal")));
    EXPECT_EQ(fileContent(folder.file("neu/ziel.cal")), expected);

    std::filesystem::create_symlink("schleife2.cal", folder.file("schleife1.cal"));
    std::filesystem::create_symlink("schleife1.cal", folder.file("schleife2.cal"));
    EXPECT_FALSE(writeCalendarFile(doc, folder.file("schleife1.cal")));
    EXPECT_EQ(errno, ELOOP);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("schleife1.cal")));
    // No temporary file is left anywhere.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 7);
}

TEST(CalendarFile, SaveKeepsTheOwnerWhenTheSystemAllows) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the administrator can save another user's file as that user's";
    TempFolder folder;
    const std::string path = folder.file("anna.cal");
    writeFile(path, "alt");
    ASSERT_EQ(::chown(path.c_str(), 4321, 4322), 0);
    CalendarDocument doc = exampleDocument();
    ASSERT_TRUE(writeCalendarFile(doc, path));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 4321u);
    EXPECT_EQ(info.st_gid, 4322u);
}

} // namespace
} // namespace veltrano
