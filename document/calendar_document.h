#pragma once
// The calendar as one file holds it: title page, twelve month pages with their
// day entries, the page settings and the year it was last shown for. Files
// without a year are shown and printed for whatever year the program shows.
//
// Plain data. Callers set `modified` after a change; the operations here never do.

#include "document/photo_crop.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>

namespace veltrano {

class DateValue;

// Background colour of a day cell. Files and the document store the number; a
// stored value outside 0..4 is never produced by reading a file.
enum class DayColour : std::int32_t {
    None = 0, // white, the neutral value
    Blue = 1,
    Red = 2,
    Yellow = 3,
    Green = 4,
};

// Page margins in millimetres.
struct MarginRect {
    std::int32_t left = 25;
    std::int32_t top = 30;
    std::int32_t right = 25;
    std::int32_t bottom = 20;
    friend bool operator==(const MarginRect&, const MarginRect&) = default;
};

inline constexpr int kMonthCount = 12;
// Every month has 31 day slots whatever its length; slots a month lacks are kept
// and saved but never shown.
inline constexpr int kDaySlotCount = 31;
// The years a calendar can be shown for.
inline constexpr std::int32_t kFirstCalendarYear = 1900;
inline constexpr std::int32_t kLastCalendarYear = 2100;

constexpr bool isCalendarYear(std::int32_t year) {
    return year >= kFirstCalendarYear && year <= kLastCalendarYear;
}

struct CalendarDocument {
    template <typename T>
    using DayTable = std::array<std::array<T, kDaySlotCount>, kMonthCount>;

    std::int32_t dayFrames = 0;                      // switch: frames around day cells
    MarginRect margins;                              // millimetres
    std::array<std::string, kMonthCount> monthPhoto; // index 0 = January; "" = none
    std::array<std::string, kMonthCount> monthText;  // one-line photo caption
    DayTable<std::string> dayText;                   // [month 0..11][day 0..30], CR LF breaks
    DayTable<std::int32_t> dayColour = {};           // DayColour values
    std::int32_t showHolidays = 1;                   // switch
    std::int32_t region = 0;                         // holiday region 0..42
    std::string titlePhoto;
    std::string titleText;        // CR LF breaks
    std::int32_t fontSize = 12;   // day numbers, points
    std::int32_t weekNumbers = 0; // switch: ISO week numbers left of the month grids
    std::int32_t year = 0;        // the year shown when saved, 1900..2100; 0 = none stored
    // The shown part of each page's photo: [0..11] months, [kTitlePhotoPage] title.
    std::array<PhotoCrop, kPhotoPageCount> photoCrop = {};
    std::int32_t untitled = 1; // never loaded from or saved to a file
    std::int32_t modified = 0; // has changes that are not saved

    friend bool operator==(const CalendarDocument&, const CalendarDocument&) = default;
};

// Sets every field to the default of a new calendar (untitled, not modified).
void resetDocument(CalendarDocument& document);

// Makes path the photo of a page (0..11 months, kTitlePhotoPage the title).
// A different photo drops the page's crop, since it was chosen for the old
// one. Returns false, changing nothing, for any other page.
bool setPagePhoto(CalendarDocument& document, int page, const std::string& path);

// Empties all day texts and sets all day colours to 0; photos, captions, title
// and page settings stay.
void clearDayEntries(CalendarDocument& document);

// For every date from first to last inclusive, sets the day's text and/or colour
// (whichever is given). Only month and day of each date are used, so a range
// spanning years writes each day slot it crosses. Nothing happens when either
// date is empty or first is later than last; dates whose month or day lies
// outside the document's slots are passed over.
void fillDayRange(CalendarDocument& document, const DateValue& first, const DateValue& last,
                  const std::optional<std::string>& text, std::optional<DayColour> colour);

} // namespace veltrano
