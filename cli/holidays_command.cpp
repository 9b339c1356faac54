// veltrano-cli holidays --year Y|FIRST..LAST [--region R] [--lang N]
// For each year in order, one line per holiday of the region's list that the
// region observes that year, in list order:
//   YYYY-MM-DD <tab> holiday number <tab> name
// A range of years runs in one process, so that scripts checking many years
// do not pay the start-up once per year.

#include "cli/command.h"
#include "cli/options.h"
#include "core/holidays.h"
#include "core/translation.h"

#include <cstdio>
#include <filesystem>
#include <limits>
#include <ostream>

namespace veltrano::cli {

namespace {

constexpr std::int32_t firstYear = 1900;
constexpr std::int32_t lastYear = 2100;

std::string isoDate(const DateValue& date) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
    return buffer;
}

// Switches the names to language 1..5 when the translation file can be read from
// the current directory; otherwise they stay German.
void useLanguage(std::int32_t language) {
    if (language == kLanguageGerman) {
        return;
    }
    std::error_code ignored;
    const std::string here = std::filesystem::current_path(ignored).string() + "/";
    if (loadTranslationFile(kTranslationFileName, here)) {
        setCurrentLanguage(language);
    }
}

// Reads "Y" or "FIRST..LAST" (FIRST <= LAST), every year within 1900..2100.
bool parseYears(std::string_view text, std::int32_t& first, std::int32_t& last) {
    const std::size_t dots = text.find("..");
    if (dots == std::string_view::npos) {
        if (!parseIntInRange(text, firstYear, lastYear, first)) {
            return false;
        }
        last = first;
        return true;
    }
    return parseIntInRange(text.substr(0, dots), firstYear, lastYear, first) &&
           parseIntInRange(text.substr(dots + 2), first, lastYear, last);
}

void printYear(HolidayList& list, std::int32_t year, std::ostream& out) {
    list.computeDates(year);
    for (std::int32_t i = 0; i < list.count(); ++i) {
        const DateValue date = list.date(i);
        if (!date.isEmpty()) {
            out << isoDate(date) << '\t' << list.holidayNumber(i) << '\t' << list.holidayName(i)
                << '\n';
        }
    }
}

} // namespace

int runHolidays(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    const ParsedOptions options = parseOptions(args, {"year", "region", "lang"});
    if (!options.error.empty()) {
        return usageError(err, options.error);
    }
    std::int32_t first = 0;
    std::int32_t last = 0;
    const auto yearText = options.values.find("year");
    if (yearText == options.values.end()) {
        return usageError(err, "holidays: --year is required");
    }
    if (!parseYears(yearText->second, first, last)) {
        return usageError(err, "holidays: --year must be a year from 1900 to 2100, or a range "
                               "FIRST..LAST of such years");
    }
    std::int32_t region = 0;
    if (const auto it = options.values.find("region");
        it != options.values.end() &&
        !parseIntInRange(it->second, std::numeric_limits<std::int32_t>::min(),
                         std::numeric_limits<std::int32_t>::max(), region)) {
        return usageError(err, "holidays: --region must be a number");
    }
    std::int32_t language = kLanguageGerman;
    if (const auto it = options.values.find("lang");
        it != options.values.end() &&
        !parseIntInRange(it->second, 0, kLanguageCount - 1, language)) {
        return usageError(err, "holidays: --lang must be a language number from 0 to 5");
    }
    useLanguage(language);

    HolidayList list;
    list.region = region;
    list.setRegionDefaults();
    for (std::int32_t year = first; year <= last; ++year) {
        printYear(list, year, out);
    }
    return exitOk;
}

} // namespace veltrano::cli
