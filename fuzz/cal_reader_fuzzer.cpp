// Feeds arbitrary bytes to the calendar file reader. Besides crashes and
// out-of-bounds reads it checks that whatever the reader accepts is saved in
// a form that reads back to the same saved form, and that a refused input
// leaves the document alone.

#include "document/cal_reader.h"
#include "document/cal_writer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace veltrano;
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    CalendarDocument document;
    document.fontSize = -1; // a marker a refused read must leave in place
    if (!readCalendarText(document, content)) {
        if (document.fontSize != -1 || size == 0)
            std::abort();
        return 0;
    }
    if (document.untitled != 0)
        std::abort();
    for (const auto& month : document.dayColour)
        for (std::int32_t colour : month)
            if (colour < 0 || colour > 4)
                std::abort();

    const std::string saved = formatCalendarFile(document);
    CalendarDocument reread;
    if (!readCalendarText(reread, saved) || formatCalendarFile(reread) != saved)
        std::abort();
    return 0;
}
