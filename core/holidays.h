#pragma once
// The program's public holidays (numbers 0..72) and holiday regions (0..42).
//
// A HolidayList holds one region's holiday numbers in the region's own order
// and, after computeDates, their dates in one year in the same order (not date
// order). Use: set region, setRegionDefaults(), computeDates(year), then read
// count(), date(i) and holidayName(i); skip entries whose date is empty.
//
// Dates follow the law of the year asked for: a holiday the law did not have
// that year (in that region) gets an empty date, and where the law moved a
// holiday the year chooses the rule.

#include "core/date_array.h"
#include "core/date_value.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace veltrano {

inline constexpr std::int32_t holidayCount = 73;
inline constexpr std::int32_t holidayRegionCount = 43;
// The region that lists every holiday; so does any number outside 0..42.
inline constexpr std::int32_t allHolidaysRegion = 20;

// One entry of a region's list: a holiday number and the years (inclusive) in
// which the region observes it.
struct RegionHoliday {
    std::int32_t number = 0;
    std::int32_t firstYear = std::numeric_limits<std::int32_t>::min();
    std::int32_t lastYear = std::numeric_limits<std::int32_t>::max();

    constexpr RegionHoliday(std::int32_t n) : number(n) {} // observed in every year
    constexpr RegionHoliday(std::int32_t n, std::int32_t first, std::int32_t last)
        : number(n), firstYear(first), lastYear(last) {}
    constexpr bool observedIn(std::int32_t year) const {
        return year >= firstYear && year <= lastYear;
    }
};

// The holidays of a region in list order.
std::vector<RegionHoliday> regionHolidays(std::int32_t region);

// Name of holiday number 0..72 in the current language; "" for other numbers.
std::string holidayNameOf(std::int32_t number);

// Name of region 0..42 in the current language; "" for other numbers.
std::string regionName(std::int32_t region);

// Date of holiday number 0..72 in year by the rule in force that year, with
// region choosing the regional variants (35, 44, 54, 66); empty for a number
// outside 0..72, a year in which the holiday did not exist or a year the date
// cannot be set in (beyond 2100). Whether the region observes it is not asked.
DateValue holidayDateInRegion(std::int32_t number, std::int32_t year, std::int32_t region);

class HolidayList {
  public:
    std::int32_t region = 0; // selects the list and the regional variants

    // Clears both arrays and fills the holiday numbers with region's list.
    void setRegionDefaults();
    // Replaces the dates by the packed date of each listed holiday in year; 0
    // (empty) where the region does not observe it that year.
    void computeDates(std::int32_t year);

    std::int32_t count() const { return static_cast<std::int32_t>(entries_.size()); }
    // Holiday number of entry i; -1 for i outside 0..count()-1.
    std::int32_t holidayNumber(std::int32_t i) const;
    // Computed date of entry i; empty for i outside 0..count()-1 or before
    // computeDates.
    DateValue date(std::int32_t i) const;
    // Name of entry i; "" for i outside 0..count()-1.
    std::string holidayName(std::int32_t i) const;
    // Date of holiday number in year by the rules, with this list's region
    // choosing the regional variants; empty for a number outside 0..72.
    DateValue holidayDate(std::int32_t number, std::int32_t year) const;

  private:
    std::vector<RegionHoliday> entries_;
    CDateArray dates_;
};

} // namespace veltrano
