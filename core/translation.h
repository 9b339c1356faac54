#pragma once
// Interface languages and the translation table.
//
// Every text the user sees is German in the program; the other languages come from
// one user-editable translation file whose lines read
//     item=German text#Dutch#English#French#Spanish#Italian
// The table maps a German text (compared without regard to letter case) to its
// translation into language 1..5. It and the current language index are process-wide:
// filled at start-up and again when the user picks another language.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace veltrano {

// Language indices: 0 German (the key column of the file), 1 Dutch, 2 English,
// 3 French, 4 Spanish, 5 Italian.
constexpr int kLanguageCount = 6;
constexpr int kLanguageGerman = 0;
constexpr int kLanguageFrench = 3;
constexpr int kLanguageSpanish = 4;

inline constexpr const char* kTranslationFileName = "lang_veltrano.ini";

// One item line of the translation file: the text in each language; "" where the line
// gives none.
using TranslationRow = std::array<std::string, kLanguageCount>;

// Reads one line (without its line end) of the translation file into row. The line is
// taken as UTF-8 when it is valid UTF-8, else as Windows-1252. Returns false, leaving
// row unchanged, for every line that adds no row: no "=", a key other than "item"
// (any letter case, no blanks), an empty value, or an empty German column. Columns
// after the sixth are ignored; "\n" and "\t" become a line break and a tab.
bool parseTranslationLine(std::string_view line, TranslationRow& row);

// The text with ASCII letters and the accented Latin letters of UTF-8 (Ä, Ö, Ü, É …,
// and Š, Œ, Ž, Ÿ of the legacy code page) in lower case; everything else unchanged.
// Two texts are equal without regard to letter case when their folded forms are equal.
std::string foldCase(std::string_view text);

class TranslationTable {
  public:
    // Reads a whole translation file: lines end in LF, one CR before it is dropped,
    // a last line without a line end is read. Appends every usable line as a row.
    void addText(std::string_view content);
    void addRow(TranslationRow row);

    // The translation of german into language 1..5: the column of the first row whose
    // German text equals it without regard to letter case; nullptr when there is no
    // such row, its column is empty, or the language is outside 1..5.
    const std::string* find(std::string_view german, int language) const;

    std::size_t rowCount() const { return columns_[0].size(); }
    // Row's text in language 0..5; both must be in range.
    const std::string& text(std::size_t row, int language) const;
    void clear();

  private:
    std::array<std::vector<std::string>, kLanguageCount> columns_;
    std::unordered_map<std::string, std::size_t> firstRowByFoldedKey_;
};

// The process-wide table.
const TranslationTable& translationTable();
// Whether a translation file has been read since the table was last emptied.
bool isTranslationLoaded();
// Empties the table and clears its loaded flag.
void clearTranslationTable();

// Reads the translation file into the process-wide table, replacing what it held. The
// file is looked for by fileName (relative to the current directory), then in
// programFolder. When neither can be read, shows the file-error message with an
// exclamation icon, leaves the table empty and not loaded, and returns false.
bool loadTranslationFile(const std::string& fileName, const std::string& programFolder);

// The text in the given language from the process-wide table, or the text itself when
// the language is German or out of range, or the table has no non-empty translation.
std::string translate(std::string_view text, int language);

// The interface language in use, 0..5 (initially German).
int currentLanguage();
// Values outside 0..5 leave the language unchanged.
void setCurrentLanguage(int language);

// Whether the language dialog offers the language. German, Dutch and English are
// selectable from the start; German always.
bool isLanguageSelectable(int language);
// Changes the flag of language 1..5; other indices are ignored.
void setLanguageSelectable(int language, bool selectable);
// Start-up offers French and Spanish as well.
void makeFrenchAndSpanishSelectable();

// Puts the stored interface language into effect: empties the table and, for a
// language 1..5, reads the translation file (see loadTranslationFile). German is used
// when the language is 0, out of range, or the file cannot be read, so that with
// German the file is never read. Returns the language now current.
int applyLanguage(int language, const std::string& programFolder);

} // namespace veltrano
