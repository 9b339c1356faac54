// Feeds arbitrary bytes to the translation-file reader, then uses what it read the way
// the program does: as a lookup key and as a format with too few or wrong values.

#include "core/strings.h"
#include "core/translation.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view content(reinterpret_cast<const char*>(data), size);
    veltrano::TranslationTable table;
    table.addText(content);
    for (std::size_t row = 0; row < table.rowCount() && row < 8; ++row) {
        for (int language = 0; language < veltrano::kLanguageCount; ++language) {
            const std::string& text = table.text(row, language);
            (void)table.find(veltrano::foldCase(text), language);
            (void)veltrano::formatText(text, {std::int64_t{-7}, std::string("x")});
        }
    }
    return 0;
}
