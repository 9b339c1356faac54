#include "document/calendar_document.h"

#include "core/date_value.h"

#include <algorithm>

namespace veltrano {
namespace {

// Every (month, day) pair, 29 February included, occurs within any four
// consecutive years of the program's calendar, so a longer range writes
// nothing that these many steps have not written already.
constexpr std::int64_t kDaysInLeapCycle = 4 * 365 + 1;

} // namespace

void resetDocument(CalendarDocument& document) {
    document = CalendarDocument{};
}

bool setPagePhoto(CalendarDocument& document, int page, const std::string& path) {
    if (page < 0 || page >= kPhotoPageCount)
        return false;
    std::string& photo = page == kTitlePhotoPage
                             ? document.titlePhoto
                             : document.monthPhoto[static_cast<std::size_t>(page)];
    if (photo != path)
        document.photoCrop[static_cast<std::size_t>(page)] = PhotoCrop{};
    photo = path;
    return true;
}

void clearDayEntries(CalendarDocument& document) {
    for (auto& month : document.dayText)
        month.fill(std::string());
    for (auto& month : document.dayColour)
        month.fill(0);
}

void fillDayRange(CalendarDocument& document, const DateValue& first, const DateValue& last,
                  const std::optional<std::string>& text, std::optional<DayColour> colour) {
    if (first.isEmpty() || last.isEmpty() || first.isLater(last))
        return;
    const std::int64_t steps = std::min(last.daysSince(first) + 1, kDaysInLeapCycle);
    DateValue date = first;
    for (std::int64_t i = 0; i < steps; ++i, date.addDays(1)) {
        const int m = date.month - 1;
        const int d = date.day - 1;
        if (m < 0 || m >= kMonthCount || d < 0 || d >= kDaySlotCount)
            continue;
        if (text)
            document.dayText[m][d] = *text;
        if (colour)
            document.dayColour[m][d] = static_cast<std::int32_t>(*colour);
    }
}

} // namespace veltrano
