#include "core/message_presenter.h"
#include "core/strings.h"
#include "core/translation.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace veltrano {
namespace {

namespace fs = std::filesystem;

struct ShownMessage {
    std::string text;
    int style;
};

class RecordingPresenter : public MessagePresenter {
  public:
    int showMessage(const std::string& markupText, int style) override {
        shown.push_back({markupText, style});
        return MessageResult::Ok;
    }
    std::vector<ShownMessage> shown;
};

// Each test works in a fresh folder that is also the current directory, with a
// recording message presenter; the process-wide language state is restored after it.
class TranslationFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        static std::atomic<int> serial{0};
        auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        root_ = fs::temp_directory_path() /
                ("veltrano-translation-" + std::to_string(stamp) + "-" + std::to_string(++serial));
        fs::create_directories(root_ / "work");
        fs::create_directories(root_ / "program");
        previousDirectory_ = fs::current_path();
        fs::current_path(root_ / "work");
        setMessagePresenter(&presenter_);
    }

    void TearDown() override {
        setMessagePresenter(nullptr);
        clearTranslationTable();
        setCurrentLanguage(kLanguageGerman);
        for (int language = 1; language < kLanguageCount; ++language)
            setLanguageSelectable(language, language <= 2);
        fs::current_path(previousDirectory_);
        std::error_code ec;
        fs::remove_all(root_, ec);
    }

    void write(const fs::path& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
    }

    std::string programFolder() const { return (root_ / "program").string() + "/"; }

    fs::path root_;
    fs::path previousDirectory_;
    RecordingPresenter presenter_;
};

TEST(TranslationLine, ReadsOnlyUsableItemLines) {
    struct Case {
        std::string line;
        bool used;
        TranslationRow row;
    };
    const Case cases[] = {
        {"item=Ja#Ja#Yes", true, {"Ja", "Ja", "Yes", "", "", ""}},
        {"ITEM=Ja#Ja#Yes", true, {"Ja", "Ja", "Yes", "", "", ""}},
        {"iTeM=Nein", true, {"Nein", "", "", "", "", ""}},
        {"item =Ja#Ja#Yes", false, {}},
        {" item=Ja#Ja#Yes", false, {}},
        {"items=Ja", false, {}},
        {"item", false, {}},
        {"no key at all", false, {}},
        {"", false, {}},
        {"#", false, {}},
        {"item=", false, {}},
        {"item=#", false, {}},
        {"item=#Ja#Yes", false, {}},
        {"=Ja#Ja", false, {}},
        {"item=a=b#c=d", true, {"a=b", "c=d", "", "", "", ""}},
        {"item=de#nl#en#fr#es#it#extra#more", true, {"de", "nl", "en", "fr", "es", "it"}},
        {"item=de#", true, {"de", "", "", "", "", ""}},
        {"item=de##en", true, {"de", "", "en", "", "", ""}},
        {"item=Zeile 1\\nZeile 2#Regel 1\\tTab",
         true,
         {"Zeile 1\nZeile 2", "Regel 1\tTab", "", "", "", ""}},
        {"item=C:\\daten\\x#back\\", true, {"C:\\daten\\x", "back\\", "", "", "", ""}},
        {"item=a\\\\n", true, {"a\\\n", "", "", "", "", ""}},
        // Not UTF-8: read as Windows-1252.
        {"item=M\xE4rz#Maart#March#Mars#Marzo",
         true,
         {"M\xC3\xA4rz", "Maart", "March", "Mars", "Marzo", ""}},
        {"item=\x80#euro", true, {"\xE2\x82\xAC", "euro", "", "", "", ""}},
        {std::string("item=a\0b#c", 10), true, {std::string("a\0b", 3), "c", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        TranslationRow row = {"unchanged"};
        EXPECT_EQ(parseTranslationLine(c.line, row), c.used) << c.line;
        if (c.used) {
            EXPECT_EQ(row, c.row) << c.line;
        } else {
            EXPECT_EQ(row[0], "unchanged") << c.line;
        }
    }
}

TEST(TranslationLine, FoldsAsciiAndAccentedLetters) {
    struct Case {
        std::string text;
        std::string folded;
    };
    const Case cases[] = {
        {"Januar", "januar"},
        {"M\xC3\x84RZ", "m\xC3\xA4rz"},                                           // Ä
        {"\xC3\x80\xC3\x89\xC3\x96\xC3\x9E", "\xC3\xA0\xC3\xA9\xC3\xB6\xC3\xBE"}, // À É Ö Þ
        {"\xC3\x97\xC3\x9F", "\xC3\x97\xC3\x9F"},                                 // × and ß stay
        {"\xC5\xA0\xC5\x92\xC5\xBD\xC5\xB8", "\xC5\xA1\xC5\x93\xC5\xBE\xC3\xBF"}, // Š Œ Ž Ÿ
        {"\xC3", "\xC3"},                                                         // cut sequence
        {"A\xE4Z", "a\xE4z"},                                                     // stray byte
        {"1. WEIHNACHTSFEIERTAG", "1. weihnachtsfeiertag"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(foldCase(c.text), c.folded) << c.text;
}

TEST(TranslationTableText, SplitsLinesAndFindsTheFirstRowWithoutRegardToCase) {
    TranslationTable table;
    table.addText("item=januar#januari#January\r\n"
                  "\r\n"
                  "; comment\n"
                  "item=Januar#Jan-2#Jan-2\n"
                  "item=m\xC3\xA4rz#maart#march#mars#\r\r\n"
                  "item=Zeile 1\\nZeile 2#Regel 1\\nRegel 2#Line 1\\nLine 2\n"
                  "item=Ende#Einde#End");
    EXPECT_EQ(table.rowCount(), 5u);
    struct Case {
        std::string german;
        int language;
        const char* expected; // nullptr: no translation
    };
    const Case cases[] = {
        {"Januar", 1, "januari"},
        {"JANUAR", 2, "January"},
        {"M\xC3\xA4rz", 2, "march"},
        {"M\xC3\x84RZ", 3, "mars"},
        {"M\xC3\xA4rz", 5, nullptr}, // empty column
        {"Zeile 1\nZeile 2", 2, "Line 1\nLine 2"},
        {"Ende", 2, "End"}, // last line without line end
        {"Ende", 5, nullptr},
        {"Ende", 0, nullptr},
        {"Ende", 6, nullptr},
        {"Ende", -1, nullptr},
        {"Anfang", 1, nullptr},
    };
    for (const Case& c : cases) {
        const std::string* found = table.find(c.german, c.language);
        if (c.expected) {
            ASSERT_NE(found, nullptr) << c.german << " " << c.language;
            EXPECT_EQ(*found, c.expected) << c.german << " " << c.language;
        } else {
            EXPECT_EQ(found, nullptr) << c.german << " " << c.language;
        }
    }
    // A CR that is not the one before the line end stays part of the text.
    EXPECT_EQ(table.text(2, 4), "\r");
}

TEST_F(TranslationFileTest, LoadsFromTheCurrentDirectoryBeforeTheProgramFolder) {
    write(root_ / "program" / "lang.ini", "item=Ja#Ja#Yes (program)\n");
    ASSERT_TRUE(loadTranslationFile("lang.ini", programFolder()));
    EXPECT_TRUE(isTranslationLoaded());
    EXPECT_EQ(translate("Ja", 2), "Yes (program)");

    write(root_ / "work" / "lang.ini", "item=Ja#Ja#Yes (here)\n");
    ASSERT_TRUE(loadTranslationFile("lang.ini", programFolder()));
    EXPECT_EQ(translate("Ja", 2), "Yes (here)");
    EXPECT_EQ(translationTable().rowCount(), 1u); // the earlier rows are gone

    fs::remove(root_ / "work" / "lang.ini");
    std::string withoutSeparator = (root_ / "program").string();
    ASSERT_TRUE(loadTranslationFile("lang.ini", withoutSeparator));
    EXPECT_EQ(translate("Ja", 2), "Yes (program)");
    EXPECT_TRUE(presenter_.shown.empty());
}

TEST_F(TranslationFileTest, MissingFileShowsTheFileErrorAndEmptiesTheTable) {
    write(root_ / "work" / "lang.ini", "item=Ja#Ja#Yes\n");
    ASSERT_TRUE(loadTranslationFile("lang.ini", programFolder()));

    EXPECT_FALSE(loadTranslationFile("fehlt.ini", programFolder()));
    EXPECT_FALSE(isTranslationLoaded());
    EXPECT_EQ(translationTable().rowCount(), 0u);
    EXPECT_EQ(translate("Ja", 2), "Ja");
    ASSERT_EQ(presenter_.shown.size(), 1u);
    EXPECT_EQ(presenter_.shown[0].style, MessageStyle::IconExclamation);
    EXPECT_EQ(presenter_.shown[0].text,
              "<strong>Dateifehler</strong><br>Beim Zugriff auf die Datei:<br>fehlt.ini<br>ist ein "
              "Fehler aufgetreten.<br><br>Datei nicht gefunden (Fehler Nr.2)");
}

TEST_F(TranslationFileTest, AFolderOfThatNameIsNotAFile) {
    fs::create_directories(root_ / "work" / "lang.ini");
    fs::create_directories(root_ / "program" / "lang.ini");
    EXPECT_FALSE(loadTranslationFile("lang.ini", programFolder()));
    ASSERT_EQ(presenter_.shown.size(), 1u);
    EXPECT_NE(presenter_.shown[0].text.find("Ung\xC3\xBCltiger Dateiname (Fehler Nr."),
              std::string::npos);

    // The program folder's file is used when the current directory has only a folder.
    fs::remove(root_ / "program" / "lang.ini");
    write(root_ / "program" / "lang.ini", "item=Ja#Ja#Yes\n");
    EXPECT_TRUE(loadTranslationFile("lang.ini", programFolder()));
    EXPECT_EQ(translate("Ja", 2), "Yes");
}

TEST_F(TranslationFileTest, OddFilesLoadWhatIsUsable) {
    std::string longGerman(1 << 20, 'x');
    std::string content = "no equals sign\n"
                          "item=\n"
                          "item=#only translations#x\n"
                          "#\n"
                          "item=#\n"
                          "item=a#b#c#d#e#f#g#h#i\n"
                          "item=" +
                          longGerman + "#long\n" + std::string("item=nul\0byte#mit nul\n", 22) +
                          "item=\xFF\xFE\xC3#broken\n"
                          "item=" +
                          std::string(100000, '#') +
                          "\n"
                          "\n\n\r\n"
                          "item=Ja#Ja#Yes";
    write(root_ / "work" / "lang.ini", content);
    ASSERT_TRUE(loadTranslationFile("lang.ini", programFolder()));
    EXPECT_EQ(translationTable().rowCount(), 5u);
    EXPECT_EQ(translate("a", 5), "f");
    EXPECT_EQ(translate(longGerman, 1), "long");
    EXPECT_EQ(translate(std::string("NUL\0BYTE", 8), 1), "mit nul");
    EXPECT_EQ(translate("\xC3\xBF\xC3\xBE\xC3\x83", 1), "broken");
    EXPECT_EQ(translate("Ja", 2), "Yes");
    EXPECT_TRUE(presenter_.shown.empty());
}

TEST_F(TranslationFileTest, LoadedTextsComeInTheCurrentLanguageBeforeFormatting) {
    write(root_ / "work" / "lang.ini",
          "item=neuer kalender#Nieuwe kalender#New calendar\n"
          "item=<strong>Geburtstage eingetragen</strong><br>Es wurden %d Geburtstag(e) im "
          "Kalender eingetragen.#<strong>Verjaardagen</strong><br>%d verjaardag(en)#"
          "<strong>Birthdays</strong><br>%d birthday(s) entered.\n");
    std::string german140 = loadString(140);
    ASSERT_TRUE(loadTranslationFile("lang.ini", programFolder()));

    EXPECT_EQ(loadString(132), "Neuer Kalender"); // German while language 0
    setCurrentLanguage(2);
    EXPECT_EQ(loadString(132), "New calendar");
    EXPECT_EQ(formatString(140, {std::int64_t{3}}),
              "<strong>Birthdays</strong><br>3 birthday(s) entered.");
    setCurrentLanguage(1);
    EXPECT_EQ(formatString(140, {std::int64_t{12}}),
              "<strong>Verjaardagen</strong><br>12 verjaardag(en)");
    setCurrentLanguage(3); // no French column: German
    EXPECT_EQ(loadString(132), "Neuer Kalender");
    EXPECT_EQ(loadString(29029), "Ja");
    EXPECT_EQ(loadString(1), "");

    setCurrentLanguage(2);
    clearTranslationTable();
    EXPECT_EQ(loadString(132), "Neuer Kalender");
    EXPECT_EQ(loadString(140), german140);
}

TEST_F(TranslationFileTest, TranslatedPlaceholdersCannotHarmFormatting) {
    write(root_ / "work" / "lang.ini",
          "item=<strong>Geburtstage eingetragen</strong><br>Es wurden %d Geburtstag(e) im "
          "Kalender eingetragen.#%s %s %d %c %x#%999999999d|%.999999999s|%1.2.3d|%*d|%\n");
    ASSERT_TRUE(loadTranslationFile("lang.ini", programFolder()));
    setCurrentLanguage(1);
    // Missing values are empty, zero or a zero character; never read from elsewhere.
    EXPECT_EQ(formatString(140, {std::int64_t{5}}), std::string("5  0 \0 0", 8));
    setCurrentLanguage(2);
    // Huge widths are cut to 1024; malformed placeholders stay as written.
    EXPECT_EQ(formatString(140, {std::int64_t{5}}), std::string(1023, ' ') + "5||%1.2.3d|%*d|%");
}

TEST_F(TranslationFileTest, CurrentLanguageAndSelectableLanguages) {
    EXPECT_EQ(currentLanguage(), 0);
    for (int bad : {-1, 6, 100})
        setCurrentLanguage(bad);
    EXPECT_EQ(currentLanguage(), 0);
    setCurrentLanguage(5);
    EXPECT_EQ(currentLanguage(), 5);

    const bool initially[] = {true, true, true, false, false, false};
    for (int k = 0; k < kLanguageCount; ++k)
        EXPECT_EQ(isLanguageSelectable(k), initially[k]) << k;
    makeFrenchAndSpanishSelectable();
    const bool afterStartUp[] = {true, true, true, true, true, false};
    for (int k = 0; k < kLanguageCount; ++k)
        EXPECT_EQ(isLanguageSelectable(k), afterStartUp[k]) << k;
    setLanguageSelectable(0, false);
    EXPECT_TRUE(isLanguageSelectable(0));
    EXPECT_FALSE(isLanguageSelectable(6));
    EXPECT_FALSE(isLanguageSelectable(-1));
}

TEST_F(TranslationFileTest, ApplyingALanguageReadsTheFileOnlyWhenNeeded) {
    write(root_ / "program" / kTranslationFileName, "item=Januar#Januari#January\n");

    EXPECT_EQ(applyLanguage(0, programFolder()), 0);
    EXPECT_FALSE(isTranslationLoaded());
    EXPECT_EQ(applyLanguage(9, programFolder()), 0);
    EXPECT_FALSE(isTranslationLoaded());

    EXPECT_EQ(applyLanguage(2, programFolder()), 2);
    EXPECT_TRUE(isTranslationLoaded());
    EXPECT_EQ(loadString(29016), "January");

    EXPECT_EQ(applyLanguage(0, programFolder()), 0);
    EXPECT_FALSE(isTranslationLoaded());
    EXPECT_EQ(loadString(29016), "Januar");
    EXPECT_TRUE(presenter_.shown.empty());

    fs::remove(root_ / "program" / kTranslationFileName);
    EXPECT_EQ(applyLanguage(1, programFolder()), 0);
    EXPECT_EQ(presenter_.shown.size(), 1u);
    EXPECT_EQ(loadString(29016), "Januar");
}

} // namespace
} // namespace veltrano
