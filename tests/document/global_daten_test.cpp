#include "document/global_daten.h"
#include "document/private_profile.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

using testing::fileContent;
using testing::TempFolder;
using testing::writeFile;

struct FindCase {
    std::string text;
    const char* section;
    const char* key;
    std::optional<std::string> value;
};

TEST(PrivateProfile, FindsValuesWithThePlatformRules) {
    const FindCase cases[] = {
        {"[GLOBAL]\r\nlastfile=/a/b.cal\r\n", "GLOBAL", "lastfile", "/a/b.cal"},
        {"[global]\nLASTFILE = x \n", "GLOBAL", "lastfile", "x"},
        {" [ Global ] \n\tfirst\t=\t0\n", "GLOBAL", "first", "0"},
        {"[GLOBAL]\nfirst=\n", "GLOBAL", "first", ""},
        {"[GLOBAL]\nlastfile=\" a \"\n", "GLOBAL", "lastfile", " a "},
        {"[GLOBAL]\nlastfile='b'\n", "GLOBAL", "lastfile", "b"},
        {"[GLOBAL]\nlastfile=\"c'\n", "GLOBAL", "lastfile", "\"c'"},
        {"[GLOBAL]\nlastfile=a=b\n", "GLOBAL", "lastfile", "a=b"},
        {"[OTHER]\nfirst=5\n[GLOBAL]\nx=1\n", "GLOBAL", "first", std::nullopt},
        {"first=5\n[GLOBAL]\n", "GLOBAL", "first", std::nullopt},
        {"[GLOBAL]\nfirst=1\nfirst=2\n", "GLOBAL", "first", "1"},
        {"[GLOBAL]\nx=1\n[GLOBAL]\nfirst=2\n", "GLOBAL", "first", std::nullopt},
        {"[GLOBAL]\n;first=1\nfirst\n=3\n", "GLOBAL", "first", std::nullopt},
        {"[GLOBAL\nfirst=4", "GLOBAL", "first", "4"},
        {"[GLOBAL]\nlastfile=C:\\Gr\xFC\xDF"
         "e.cal\n",
         "GLOBAL", "lastfile",
         "C:\\Gr\xC3\xBC\xC3\x9F"
         "e.cal"},
        {std::string("\xFF\xFE\0garbage\n[GLOBAL]\n\x01\x02\nfirst=0", 30), "GLOBAL", "first", "0"},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(findProfileValue(c.text, c.section, c.key), c.value);
    }
}

struct SetCase {
    const char* before;
    const char* key;
    const char* value;
    const char* after;
};

TEST(PrivateProfile, SettingAValueKeepsEveryOtherLine) {
    const SetCase cases[] = {
        {"", "first", "0", "[GLOBAL]\r\nfirst=0\r\n"},
        {"[GLOBAL]\r\nfirst=1\r\nlastfile=a\r\n", "FIRST", "0",
         "[GLOBAL]\r\nfirst=0\r\nlastfile=a\r\n"},
        {"; Kommentar\n[Other]\nk=v\n\n[global]\n  x = 1\n\n[Next]\ny=2", "lastfile", "/p q",
         "; Kommentar\n[Other]\nk=v\n\n[global]\n  x = 1\nlastfile=/p q\n\n[Next]\ny=2"},
        {"[Other]\nk=v", "first", "0", "[Other]\nk=v\n[GLOBAL]\nfirst=0\n"},
        {"[GLOBAL]", "first", "0", "[GLOBAL]\r\nfirst=0\r\n"},
        {"[GLOBAL]\n junk \nlastfile = alt ; x\n", "lastfile", " neu ",
         "[GLOBAL]\n junk \nlastfile=\" neu \"\n"},
        {"[GLOBAL]\nlastfile=a\n", "lastfile", "'q'", "[GLOBAL]\nlastfile=\"'q'\"\n"},
        {"[GLOBAL]\nlastfile=a\n", "lastfile", "", "[GLOBAL]\nlastfile=\n"},
    };
    for (const SetCase& c : cases) {
        SCOPED_TRACE(c.before);
        const std::string after = setProfileValue(c.before, "GLOBAL", c.key, c.value);
        EXPECT_EQ(after, c.after);
        EXPECT_EQ(findProfileValue(after, "GLOBAL", c.key), c.value);
    }
}

class GlobalDatenTest : public ::testing::Test {
  protected:
    TempFolder folder;
    CGlobalDaten store{folder.file("data.ini"), "GLOBAL", true};
};

TEST_F(GlobalDatenTest, MissingFileReadsAsDefaultsAndIsCreatedByAWrite) {
    EXPECT_EQ(store.filePath(), folder.file("data.ini"));
    EXPECT_EQ(store.readString("lastfile", "nichts"), "nichts");
    EXPECT_EQ(store.readInt("first", 1), 1);
    ASSERT_TRUE(store.writeInt("first", 0));
    ASSERT_TRUE(store.writeString("lastfile", "/home/a/Mein Jahr.cal"));
    EXPECT_EQ(fileContent(store.filePath()),
              "[GLOBAL]\r\nfirst=0\r\nlastfile=/home/a/Mein Jahr.cal\r\n");
    EXPECT_EQ(store.readInt("first", 1), 0);
    EXPECT_EQ(store.readString("lastfile", ""), "/home/a/Mein Jahr.cal");
}

TEST_F(GlobalDatenTest, IntegersReadTheLeadingNumber) {
    writeFile(store.filePath(), "[GLOBAL]\nfirst=\na= -12xyz\nb=xyz\nc=99999999999\n");
    EXPECT_EQ(store.readInt("first", 7), 7);
    EXPECT_EQ(store.readInt("a", 7), -12);
    EXPECT_EQ(store.readInt("b", 7), 0);
    EXPECT_EQ(store.readInt("c", 7), 2147483647);
    EXPECT_EQ(store.readInt("d", 7), 7);
}

TEST_F(GlobalDatenTest, LongValuesAreCut) {
    const std::string longPath = "/" + std::string(9000, 'a');
    ASSERT_TRUE(store.writeString("lastfile", longPath));
    EXPECT_EQ(store.readString("lastfile", ""), longPath.substr(0, 8095));
    // A cut never splits a character: 8094 bytes, then a two-byte "ü".
    ASSERT_TRUE(store.writeString("lastfile", std::string(8094, 'a') + "\xC3\xBC" + "b"));
    EXPECT_EQ(store.readString("lastfile", ""), std::string(8094, 'a'));
}

TEST_F(GlobalDatenTest, WritingKeepsTheRestOfTheFile) {
    const std::string before = "[Fenster]\r\nx=10\r\n[GLOBAL]\r\nfirst=0\r\n[Z]\r\nq=1";
    writeFile(store.filePath(), before);
    ASSERT_TRUE(store.writeString("lastfile", "/k.cal"));
    EXPECT_EQ(fileContent(store.filePath()),
              "[Fenster]\r\nx=10\r\n[GLOBAL]\r\nfirst=0\r\nlastfile=/k.cal\r\n[Z]\r\nq=1");
}

TEST_F(GlobalDatenTest, ValuesThatWouldBreakTheFileAreRefused) {
    writeFile(store.filePath(), "[GLOBAL]\nfirst=0\n");
    EXPECT_FALSE(store.writeString("lastfile", "/a.cal\nfirst=1"));
    EXPECT_FALSE(store.writeString("lastfile", std::string("/a\0b", 4)));
    EXPECT_FALSE(store.writeString("a=b", "1"));
    EXPECT_EQ(fileContent(store.filePath()), "[GLOBAL]\nfirst=0\n");
}

TEST_F(GlobalDatenTest, WriteFailsWhenTheFolderIsMissingOrTheFileUnreadable) {
    CGlobalDaten missing(folder.file("nicht/da/data.ini"), "GLOBAL", true);
    EXPECT_FALSE(missing.writeInt("first", 0));
    EXPECT_EQ(missing.readInt("first", 1), 1);

    std::filesystem::create_directory(store.filePath());
    EXPECT_FALSE(store.writeInt("first", 0));
    EXPECT_TRUE(std::filesystem::is_directory(store.filePath()));
}

} // namespace
} // namespace veltrano
