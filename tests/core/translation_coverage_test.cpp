// The shipped translation file against every German text the program can look up: each
// must have a row with Dutch, English, French and Spanish, and every translation must keep
// the placeholders (in order, since values are inserted positionally) and the markup tags
// of its German text.
#include "core/encoding.h"
#include "core/file_errors.h"
#include "core/translation.h"
#include "resources/dialogs/dialog_template.h"
#include "resources/menus/menu_resource.h"
#include "resources/strings/string_table.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <fstream>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano {
namespace {

constexpr const char* kShippedFile = VELTRANO_SOURCE_DIR "/data/lang_veltrano.ini";
constexpr int kTranslatedLanguages[] = {1, 2, 3, 4}; // Dutch, English, French, Spanish

std::string readShippedFile() {
    std::ifstream in(kShippedFile, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

const TranslationTable& shippedTable() {
    static const TranslationTable table = [] {
        TranslationTable t;
        t.addText(readShippedFile());
        return t;
    }();
    return table;
}

// The printf conversions of a text, each as written ("%d", "%04d", "%ld", "%s"); "%%"
// is a literal percent sign and no placeholder.
std::vector<std::string> placeholders(std::string_view text) {
    std::vector<std::string> found;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%')
            continue;
        if (i + 1 < text.size() && text[i + 1] == '%') {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < text.size() && std::strchr("-+ #0123456789.lhLzjt", text[end]) != nullptr)
            ++end;
        if (end < text.size())
            ++end; // the conversion letter
        found.emplace_back(text.substr(i, end - i));
        i = end - 1;
    }
    return found;
}

// The markup tags of a text, "<" to the next ">", in lower case (tags match without
// regard to case).
std::vector<std::string> tags(std::string_view text) {
    std::vector<std::string> found;
    for (std::size_t open = text.find('<'); open != std::string_view::npos;
         open = text.find('<', open + 1)) {
        std::size_t close = text.find('>', open);
        if (close == std::string_view::npos)
            break;
        std::string tag(text.substr(open, close - open + 1));
        for (char& c : tag)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        found.push_back(tag);
        open = close;
    }
    return found;
}

// Whether a template or menu text has anything to translate: a letter outside tags and
// placeholders ("<html>" or "%d. %s" alone do not).
bool hasWords(std::string_view text) {
    std::string rest;
    bool inTag = false;
    for (char c : text) {
        if (c == '<' || c == '>')
            inTag = c == '<';
        else if (!inTag)
            rest += c;
    }
    for (const std::string& placeholder : placeholders(rest))
        rest.erase(rest.find(placeholder), placeholder.size());
    for (char c : rest) {
        if (std::isalpha(static_cast<unsigned char>(c)) || (static_cast<unsigned char>(c) & 0x80))
            return true;
    }
    return false;
}

// Adds a failure for every language whose translation of german is missing or breaks its
// placeholders or tags.
void expectTranslated(const std::string& german, const std::string& where) {
    for (int language : kTranslatedLanguages) {
        const std::string* translation = shippedTable().find(german, language);
        if (translation == nullptr) {
            ADD_FAILURE() << where << ": no translation into language " << language << " for \""
                          << german << "\"";
            continue;
        }
        EXPECT_EQ(placeholders(*translation), placeholders(german))
            << where << ", language " << language << ": \"" << *translation << "\"";
        EXPECT_EQ(tags(*translation), tags(german))
            << where << ", language " << language << ": \"" << *translation << "\"";
    }
}

void expectMenuTranslated(std::span<const MenuItemResource> items, const std::string& where) {
    for (const MenuItemResource& item : items) {
        if (hasWords(item.text))
            expectTranslated(item.text, where);
        expectMenuTranslated(item.submenu, where);
    }
}

TEST(TranslationCoverage, CheckerSeesPlaceholdersAndTags) {
    EXPECT_EQ(placeholders("<bmp%d> %04d %s 100%% %ld."),
              (std::vector<std::string>{"%d", "%04d", "%s", "%ld"}));
    EXPECT_EQ(tags("<bmp%d><tab 120><STRONG>a</strong> b < c"),
              (std::vector<std::string>{"<bmp%d>", "<tab 120>", "<strong>", "</strong>"}));
    EXPECT_TRUE(hasWords("<head><b> Jahr"));
    EXPECT_TRUE(hasWords("Öffnen"));
    EXPECT_FALSE(hasWords("<html>"));
    EXPECT_FALSE(hasWords("%d. %s"));
    EXPECT_FALSE(hasWords(""));
}

TEST(TranslationCoverage, FileIsUtf8AndEveryItemLineIsUsable) {
    std::string content = readShippedFile();
    ASSERT_FALSE(content.empty()) << kShippedFile;
    std::istringstream lines(content);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        EXPECT_TRUE(isValidUtf8(line)) << "line " << lineNumber;
        EXPECT_EQ(line.find('\r'), std::string::npos) << "line " << lineNumber;
        TranslationRow row;
        if (line.rfind("item=", 0) == 0) {
            EXPECT_TRUE(parseTranslationLine(line, row)) << "line " << lineNumber;
        }
    }
}

// A second row for the same German text would never be found: the first one wins.
TEST(TranslationCoverage, NoGermanTextHasTwoRows) {
    const TranslationTable& table = shippedTable();
    std::set<std::string> seen;
    for (std::size_t row = 0; row < table.rowCount(); ++row)
        EXPECT_TRUE(seen.insert(foldCase(table.text(row, kLanguageGerman))).second)
            << "\"" << table.text(row, kLanguageGerman) << "\"";
}

TEST(TranslationCoverage, EveryRowKeepsPlaceholdersAndTags) {
    const TranslationTable& table = shippedTable();
    ASSERT_GT(table.rowCount(), 0u);
    for (std::size_t row = 0; row < table.rowCount(); ++row)
        expectTranslated(table.text(row, kLanguageGerman), "row " + std::to_string(row));
}

TEST(TranslationCoverage, EveryStringTableText) {
    for (const StringTableEntry& entry : stringTableEntries())
        expectTranslated(entry.text, "string " + std::to_string(entry.id));
}

TEST(TranslationCoverage, EveryDialogTitleAndControlText) {
    for (const DialogTemplate* dialog : dialogTemplates()) {
        std::string where = "dialog " + std::to_string(dialog->number);
        if (hasWords(dialog->title))
            expectTranslated(dialog->title, where + " title");
        for (const DialogControl& control : dialog->controls) {
            if (hasWords(control.caption))
                expectTranslated(control.caption, where + " control " + std::to_string(control.id));
        }
    }
}

TEST(TranslationCoverage, EveryMenuItemText) {
    // Menus have no list of their own; resource numbers are 16-bit.
    int menus = 0;
    for (int number = 1; number <= 0xFFFF; ++number) {
        const MenuResource* menu = findMenuResource(number);
        if (menu == nullptr)
            continue;
        ++menus;
        expectMenuTranslated(menu->items, "menu " + std::to_string(number));
    }
    EXPECT_GT(menus, 0);
}

TEST(TranslationCoverage, EveryFileErrorText) {
    for (int cause = 0; cause <= 14; ++cause)
        expectTranslated(fileErrorText(cause), "file error " + std::to_string(cause));
}

} // namespace
} // namespace veltrano
