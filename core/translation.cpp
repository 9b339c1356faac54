#include "core/translation.h"

#include "core/encoding.h"
#include "core/file_errors.h"
#include "core/file_read.h"
#include "core/markup_literal.h"
#include "core/message_presenter.h"
#include "core/strings.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

namespace veltrano {
namespace {

constexpr char kFileErrorMessage[] =
    "<strong>Dateifehler</strong><br>Beim Zugriff auf die Datei:<br>%s<br>ist ein Fehler "
    "aufgetreten.<br><br>%s (Fehler Nr.%ld)";

struct TranslationState {
    TranslationTable table;
    bool loaded = false;
    int language = kLanguageGerman;
    std::array<bool, kLanguageCount> selectable = {true, true, true, false, false, false};
};

TranslationState& state() {
    static TranslationState s;
    return s;
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isItemKey(std::string_view key) {
    constexpr std::string_view kItem = "item";
    if (key.size() != kItem.size())
        return false;
    for (std::size_t i = 0; i < key.size(); ++i)
        if (asciiLower(key[i]) != kItem[i])
            return false;
    return true;
}

// Writes text into out with the two-character escapes "\n" and "\t" resolved.
void unescapeInto(std::string_view text, std::string& out) {
    out.clear();
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == 't')) {
            out += text[i + 1] == 'n' ? '\n' : '\t';
            ++i;
        } else {
            out += text[i];
        }
    }
}

// The lower-case second byte of a two-byte UTF-8 letter lead/second, or 0 when the
// pair is no upper-case letter we fold. Sets lead to the lead byte of the result.
unsigned char foldTwoByte(unsigned char& lead, unsigned char second) {
    if (lead == 0xC3 && second >= 0x80 && second <= 0x9E && second != 0x97)
        return static_cast<unsigned char>(second + 0x20); // À..Þ except ×
    if (lead == 0xC5 && (second == 0x92 || second == 0xA0 || second == 0xBD))
        return static_cast<unsigned char>(second + 1); // Œ, Š, Ž
    if (lead == 0xC5 && second == 0xB8) {              // Ÿ
        lead = 0xC3;
        return 0xBF;
    }
    return 0;
}

std::string inFolder(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/' || folder.back() == '\\')
        return folder + name;
    return folder + '/' + name;
}

void reportFileError(const std::string& fileName, int error) {
    std::string errorText = fileErrorText(static_cast<int>(fileErrorCauseFromErrno(error)));
    std::string text = formatText(translate(kFileErrorMessage, currentLanguage()),
                                  {markupLiteral(fileName), errorText, std::int64_t{error}});
    showMessage(text, MessageStyle::IconExclamation);
}

} // namespace

bool parseTranslationLine(std::string_view rawLine, TranslationRow& row) {
    std::string line = decodeLegacyLine(rawLine);
    std::size_t equals = line.find('=');
    if (equals == std::string::npos || !isItemKey(std::string_view(line).substr(0, equals)))
        return false;
    std::string_view value = std::string_view(line).substr(equals + 1);
    if (value.empty())
        return false;
    TranslationRow parsed;
    std::size_t start = 0;
    for (int column = 0; column < kLanguageCount && start <= value.size(); ++column) {
        std::size_t hash = value.find('#', start);
        std::size_t end = hash == std::string_view::npos ? value.size() : hash;
        unescapeInto(value.substr(start, end - start), parsed[static_cast<std::size_t>(column)]);
        start = end + 1;
    }
    if (parsed[0].empty())
        return false;
    row = std::move(parsed);
    return true;
}

std::string foldCase(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        auto byte = static_cast<unsigned char>(out[i]);
        if (byte < 0x80) {
            out[i] = asciiLower(out[i]);
        } else if (i + 1 < out.size()) {
            unsigned char lead = byte;
            unsigned char second = foldTwoByte(lead, static_cast<unsigned char>(out[i + 1]));
            if (second != 0) {
                out[i] = static_cast<char>(lead);
                out[i + 1] = static_cast<char>(second);
                ++i;
            }
        }
    }
    return out;
}

void TranslationTable::addText(std::string_view content) {
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        std::size_t next = end == std::string_view::npos ? content.size() : end + 1;
        if (end == std::string_view::npos)
            end = content.size();
        std::string_view line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        TranslationRow row;
        if (parseTranslationLine(line, row))
            addRow(std::move(row));
        start = next;
    }
}

void TranslationTable::addRow(TranslationRow row) {
    // The first row of a German text wins; later rows are kept but never found.
    firstRowByFoldedKey_.emplace(foldCase(row[0]), columns_[0].size());
    for (std::size_t k = 0; k < row.size(); ++k)
        columns_[k].push_back(std::move(row[k]));
}

const std::string* TranslationTable::find(std::string_view german, int language) const {
    if (language < 1 || language >= kLanguageCount || columns_[0].empty())
        return nullptr;
    auto it = firstRowByFoldedKey_.find(foldCase(german));
    if (it == firstRowByFoldedKey_.end())
        return nullptr;
    const std::string& translation = columns_[static_cast<std::size_t>(language)][it->second];
    return translation.empty() ? nullptr : &translation;
}

const std::string& TranslationTable::text(std::size_t row, int language) const {
    return columns_[static_cast<std::size_t>(language)][row];
}

void TranslationTable::clear() {
    for (auto& column : columns_)
        column.clear();
    firstRowByFoldedKey_.clear();
}

const TranslationTable& translationTable() {
    return state().table;
}

bool isTranslationLoaded() {
    return state().loaded;
}

void clearTranslationTable() {
    state().table.clear();
    state().loaded = false;
}

bool loadTranslationFile(const std::string& fileName, const std::string& programFolder) {
    clearTranslationTable();
    std::string content;
    if (!readWholeFile(fileName, content) &&
        !readWholeFile(inFolder(programFolder, fileName), content)) {
        reportFileError(fileName, errno);
        return false;
    }
    TranslationTable table;
    table.addText(content);
    state().table = std::move(table);
    state().loaded = true;
    return true;
}

std::string translate(std::string_view text, int language) {
    if (language == kLanguageGerman)
        return std::string(text);
    const std::string* found = state().table.find(text, language);
    return found ? *found : std::string(text);
}

int currentLanguage() {
    return state().language;
}

void setCurrentLanguage(int language) {
    if (language >= 0 && language < kLanguageCount)
        state().language = language;
}

bool isLanguageSelectable(int language) {
    if (language < 0 || language >= kLanguageCount)
        return false;
    return state().selectable[static_cast<std::size_t>(language)];
}

void setLanguageSelectable(int language, bool selectable) {
    if (language > kLanguageGerman && language < kLanguageCount)
        state().selectable[static_cast<std::size_t>(language)] = selectable;
}

void makeFrenchAndSpanishSelectable() {
    setLanguageSelectable(kLanguageFrench, true);
    setLanguageSelectable(kLanguageSpanish, true);
}

int applyLanguage(int language, const std::string& programFolder) {
    clearTranslationTable();
    bool translated = language > kLanguageGerman && language < kLanguageCount &&
                      loadTranslationFile(kTranslationFileName, programFolder);
    setCurrentLanguage(translated ? language : kLanguageGerman);
    return currentLanguage();
}

} // namespace veltrano
