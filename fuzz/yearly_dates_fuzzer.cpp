// Feeds arbitrary bytes as a contact (vCard) or calendar (iCalendar) file.
// Besides crashes, overflows and hangs it checks what must hold for any file:
// a refused file leaves the result untouched and names a fault and a line that
// exists; an accepted one gives only real days with texts free of control
// characters and line ends.

#include "records/yearly_dates.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    using namespace veltrano;
    const std::int32_t year = 1900 + data[0] % 201;
    const std::string_view file(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto lineCount = static_cast<int>(std::count(file.begin(), file.end(), '\n')) + 1;
    std::vector<YearlyDate> dates{{1, 1, "vorher", 0}};
    ContentReadError error;
    if (!readYearlyDates(file, year, dates, error)) {
        check(error.fault != ContentFault::None);
        check(error.line >= 0 && error.line <= lineCount);
        check(dates.size() == 1 && dates[0].text == "vorher");
        return 0;
    }
    check(error.fault == ContentFault::None);
    for (std::size_t i = 1; i < dates.size(); ++i) {
        const YearlyDate& date = dates[i];
        check(date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31);
        check(!date.text.empty() && date.line >= 1 && date.line <= lineCount);
        for (const char c : date.text) {
            check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
        }
    }
    return 0;
}
