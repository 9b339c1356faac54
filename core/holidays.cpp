#include "core/holidays.h"

#include "core/strings.h"

namespace veltrano {

namespace {

constexpr int holidayNameBase = 29596;
constexpr int regionNameBase = 29532;

// Years a list entry is observed in when the law added or dropped it.
constexpr RegionHoliday from(std::int32_t number, std::int32_t firstYear) {
    return {number, firstYear, std::numeric_limits<std::int32_t>::max()};
}
constexpr RegionHoliday only(std::int32_t number, std::int32_t year) {
    return {number, year, year};
}

// Reformation Day was a holiday in every German state in 2017, its 500th year.
constexpr RegionHoliday reformation2017 = only(7, 2017);
// Four northern states kept it as a yearly holiday from 2018 on.
constexpr RegionHoliday reformationNorth = from(7, 2017);

// Holidays of each region in the order they are held and handed out. The
// sovereign's birthday is Queen's (44) up to 2022 and King's (66) after; the
// holidays themselves say which years they exist in. The all-holidays region
// is built from the count instead.
const std::vector<RegionHoliday> regionLists[holidayRegionCount] = {
    {0, 1, 2, 3, 4, 5, reformation2017, 8, 10, 11, 12, 13, 14, 15, 16},    // 0 Baden-Württemberg
    {0, 1, 2, 3, 4, 5, 6, reformation2017, 8, 10, 11, 12, 13, 14, 15, 16}, // 1 Bayern
    {0, 1, 2, 3, 4, reformation2017, 10, 11, 12, 13, 14, 15, from(67, 2019)}, // 2 Berlin
    {0, 1, 2, 3, 4, 7, 10, 11, 12, 13, 14, 15},                               // 3 Brandenburg
    {0, 1, 2, 3, 4, reformationNorth, 10, 11, 12, 13, 14, 15},                // 4 Bremen
    {0, 1, 2, 3, 4, reformationNorth, 10, 11, 12, 13, 14, 15},                // 5 Hamburg
    {0, 1, 2, 3, 4, reformation2017, 10, 11, 12, 13, 14, 15, 16},             // 6 Hessen
    {0, 1, 2, 3, 4, 7, 10, 11, 12, 13, 14, 15, from(67, 2023)},         // 7 Mecklenburg-Vorpommern
    {0, 1, 2, 3, 4, reformationNorth, 10, 11, 12, 13, 14, 15},          // 8 Niedersachsen
    {0, 1, 2, 3, 4, reformation2017, 8, 10, 11, 12, 13, 14, 15, 16},    // 9 Nordrhein-Westfalen
    {0, 1, 2, 3, 4, reformation2017, 8, 10, 11, 12, 13, 14, 15, 16},    // 10 Rheinland-Pfalz
    {0, 1, 2, 3, 4, 6, reformation2017, 8, 10, 11, 12, 13, 14, 15, 16}, // 11 Saarland
    {0, 1, 2, 3, 4, 7, 9, 10, 11, 12, 13, 14, 15, 16},                  // 12 Sachsen
    {0, 1, 2, 3, 4, 5, 7, 10, 11, 12, 13, 14, 15},                      // 13 Sachsen-Anhalt
    {0, 1, 2, 3, 4, reformationNorth, 10, 11, 12, 13, 14, 15},          // 14 Schleswig-Holstein
    {0, 1, 2, 3, 4, 7, 10, 11, 12, 13, 14, 15, 16, from(68, 2019)},     // 15 Thüringen
    {0, 1, 3, 4, 5, 6, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18},          // 16 Austria
    {0, 3, 4, 10, 11, 12, 13, 14, 15, 19},                              // 17 Switzerland
    {0, 3, 4, 10, 11, 12, 13, 14, 15, 20, 65, 21},                      // 18 Netherlands
    {0, 1, 3, 4, 11, 12, 13, 14, 15, 22, 23, 6, 8},                     // 19 Belgium
    {},                                                                 // 20 all holidays
    {0, 3, 24, 25, 26, 27, 28, 29, 30, 31, 69},                         // 21 USA
    {0, 3, 4, 10, 11, 12, 32, 33, 34, 35, 36, 38, 70},                  // 22 Canada
    {0, 3, 4, 10, 11, 12, 32, 33, 37, 35, 36, 38},                      // 23 British Columbia
    {0, 3, 4, 10, 11, 12, 32, 33, 40, 35, 36, 39, 38},                  // 24 Alberta
    {0, 3, 4, 10, 11, 12, 32, 33, 34, 35, 36, 41, 38},                  // 25 Yukon
    {0, 3, 4, 10, 11, 12, 42, 43, 44, 66, 35},                          // 26 Australia
    {0, 3, 4, 10, 11, 12, 42, 43, 44, 66, 35, 46},                      // 27 South Australia
    {0, 3, 4, 10, 11, 12, 42, 43, 35},                                  // 28 Western Australia
    {0, 3, 4, 10, 11, 12, 42, 43, 44, 66, 35, 47},                      // 29 Victoria
    {0, 3, 4, 10, 11, 12, 42, 43, 44, 66, 35, 45},                      // 30 Capital Territory
    {0, 3, 4, 10, 11, 12, 42, 43, 44, 66, 35},                          // 31 Tasmania
    {0, 3, 4, 10, 11, 12, 42, 43, 44, 66, 35},                          // 32 New South Wales
    {0, 3, 4, 10, 11, 12, 42, 43, 44, 66, 35},                          // 33 Northern Territory
    {0, 3, 4, 10, 11, 12, 42, 43, 44, 66, 35},                          // 34 Queensland
    {0, 10, 11, 12, 50, 51, 54, 3, 4},                                  // 35 England
    {0, 48, 10, 11, 50, 51, 54, 3, 4, 56},                              // 36 Scotland
    {0, 49, 10, 11, 12, 35, 51, 53, 54, 3, 4},                          // 37 Northern Ireland
    {0, 71, 49, 11, 12, 35, 52, 54, 55, 3, 4},                          // 38 Ireland
    {0, 48, 57, 10, 11, 12, 43, 44, 66, 72, 35, 3, 4},                  // 39 New Zealand
    {0, 10, 1, 6, 3, 4, 11, 12, 13, 8, 14, 15, 22, 58, 59},             // 40 France
    {0, 5, 11, 12, 1, 6, 8, 18, 3, 4, 61, 60},                          // 41 Italy
    {0, 5, 14, 64, 10, 11, 1, 6, 62, 8, 63, 18, 3},                     // 42 Spain
};

} // namespace

std::vector<RegionHoliday> regionHolidays(std::int32_t region) {
    if (region >= 0 && region < holidayRegionCount && region != allHolidaysRegion) {
        return regionLists[region];
    }
    std::vector<RegionHoliday> all;
    all.reserve(holidayCount);
    for (std::int32_t i = 0; i < holidayCount; ++i) {
        all.emplace_back(i);
    }
    return all;
}

std::string holidayNameOf(std::int32_t number) {
    return number >= 0 && number < holidayCount ? loadString(holidayNameBase + number)
                                                : std::string{};
}

std::string regionName(std::int32_t region) {
    return region >= 0 && region < holidayRegionCount ? loadString(regionNameBase + region)
                                                      : std::string{};
}

void HolidayList::setRegionDefaults() {
    dates_.clear();
    entries_ = regionHolidays(region);
}

void HolidayList::computeDates(std::int32_t year) {
    dates_.clear();
    for (const RegionHoliday& entry : entries_) {
        const DateValue date =
            entry.observedIn(year) ? holidayDate(entry.number, year) : DateValue{};
        dates_.add(date.pack());
    }
}

std::int32_t HolidayList::holidayNumber(std::int32_t i) const {
    return i >= 0 && i < count() ? entries_[static_cast<std::size_t>(i)].number : -1;
}

DateValue HolidayList::date(std::int32_t i) const {
    DateValue result;
    if (i >= 0 && i < count()) {
        result.unpack(dates_.at(i));
    }
    return result;
}

std::string HolidayList::holidayName(std::int32_t i) const {
    return holidayNameOf(holidayNumber(i));
}

DateValue HolidayList::holidayDate(std::int32_t number, std::int32_t year) const {
    return holidayDateInRegion(number, year, region);
}

} // namespace veltrano
