#pragma once
// The program's public holidays (numbers 0..64) and holiday regions (0..42).
//
// A HolidayList holds one region's holiday numbers in the region's own order
// and, after computeDates, their dates in one year in the same order (not date
// order). Use: set region, setRegionDefaults(), computeDates(year), then read
// count(), date(i) and holidayName(i); skip entries whose date is empty.

#include "core/date_array.h"
#include "core/date_value.h"

#include <cstdint>
#include <string>
#include <vector>

namespace veltrano {

inline constexpr std::int32_t holidayCount = 65;
inline constexpr std::int32_t holidayRegionCount = 43;
// The region that lists every holiday; so does any number outside 0..42.
inline constexpr std::int32_t allHolidaysRegion = 20;

// The holiday numbers of a region in list order.
std::vector<std::int32_t> regionHolidayNumbers(std::int32_t region);

// Name of holiday number 0..64 in the current language; "" for other numbers.
std::string holidayNameOf(std::int32_t number);

// Name of region 0..42 in the current language; "" for other numbers.
std::string regionName(std::int32_t region);

// Date of holiday number 0..64 in year as observed in region (which chooses the
// variants of 35 and 54); empty for a number outside 0..64 or a year the date
// cannot be set in (beyond 2100).
DateValue holidayDateInRegion(std::int32_t number, std::int32_t year, std::int32_t region);

class HolidayList {
  public:
    std::int32_t region = 0; // selects the list and the variants of 35 and 54

    // Clears both arrays and fills the holiday numbers with region's list.
    void setRegionDefaults();
    // Replaces the dates by the packed date of each listed holiday in year.
    void computeDates(std::int32_t year);

    std::int32_t count() const { return static_cast<std::int32_t>(numbers_.size()); }
    // Holiday number of entry i; -1 for i outside 0..count()-1.
    std::int32_t holidayNumber(std::int32_t i) const;
    // Computed date of entry i; empty for i outside 0..count()-1 or before
    // computeDates.
    DateValue date(std::int32_t i) const;
    // Name of entry i; "" for i outside 0..count()-1.
    std::string holidayName(std::int32_t i) const;
    // Date of holiday number in year by the rules, with this list's region
    // choosing the variants of 35 and 54; empty for a number outside 0..64.
    DateValue holidayDate(std::int32_t number, std::int32_t year) const;

  private:
    std::vector<std::int32_t> numbers_;
    CDateArray dates_;
};

} // namespace veltrano
