// Feeds arbitrary bytes to the translation-file reader, then uses what it read the way
// the program does: as a lookup key and as a format with too few or wrong values.
// Besides crashes it checks that every row read is found under its German text with
// the first such row's translations, and that a row written back as a file line (where
// the line syntax can hold its texts) reads back to the same row.

#include "core/strings.h"
#include "core/translation.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace {

using veltrano::TranslationRow;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// row as an item line, or nothing when a text holds what the line syntax cannot
// carry: "#" separates the texts, and a backslash before n or t would be read as an
// escape.
std::optional<std::string> formatItemLine(const TranslationRow& row) {
    std::string line = "item=";
    for (std::size_t column = 0; column < row.size(); ++column) {
        const std::string& text = row[column];
        if (text.find('#') != std::string::npos || text.find("\\n") != std::string::npos ||
            text.find("\\t") != std::string::npos) {
            return std::nullopt;
        }
        if (column > 0) {
            line += '#';
        }
        for (char c : text) {
            line += c == '\n' ? "\\n" : (c == '\t' ? "\\t" : std::string(1, c));
        }
    }
    return line;
}

TranslationRow rowOf(const veltrano::TranslationTable& table, std::size_t r) {
    TranslationRow row;
    for (int language = 0; language < veltrano::kLanguageCount; ++language) {
        row[static_cast<std::size_t>(language)] = table.text(r, language);
    }
    return row;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace veltrano;
    std::string_view content(reinterpret_cast<const char*>(data), size);
    TranslationTable table;
    table.addText(content);
    std::unordered_map<std::string, std::size_t> firstRow;
    for (std::size_t r = 0; r < table.rowCount() && r < 64; ++r) {
        const TranslationRow row = rowOf(table, r);
        check(!row[0].empty());
        const std::size_t first = firstRow.emplace(foldCase(row[0]), r).first->second;
        for (int language = 0; language < kLanguageCount; ++language) {
            const std::string* found = table.find(row[0], language);
            const std::string& expected = table.text(first, language);
            const bool translatable = language >= 1 && !expected.empty();
            check(translatable ? (found != nullptr && *found == expected) : found == nullptr);
        }
        if (const std::optional<std::string> line = formatItemLine(row)) {
            TranslationRow reread;
            check(parseTranslationLine(*line, reread) && reread == row);
        }
        if (r < 8) {
            for (int language = 0; language < kLanguageCount; ++language) {
                (void)formatText(row[static_cast<std::size_t>(language)],
                                 {std::int64_t{-7}, std::string("x")});
            }
        }
    }
    return 0;
}
