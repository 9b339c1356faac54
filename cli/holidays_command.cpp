// veltrano-cli holidays --year Y [--region R] [--lang N]
// One line per holiday of the region's list, in list order:
//   YYYY-MM-DD <tab> holiday number <tab> name
// with "-" for the date where the rule gives none.

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
    if (date.isEmpty()) {
        return "-";
    }
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

} // namespace

int runHolidays(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    const ParsedOptions options = parseOptions(args, {"year", "region", "lang"});
    if (!options.error.empty()) {
        return usageError(err, options.error);
    }
    std::int32_t year = 0;
    const auto yearText = options.values.find("year");
    if (yearText == options.values.end()) {
        return usageError(err, "holidays: --year is required");
    }
    if (!parseIntInRange(yearText->second, firstYear, lastYear, year)) {
        return usageError(err, "holidays: --year must be a year from 1900 to 2100");
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
    list.computeDates(year);
    for (std::int32_t i = 0; i < list.count(); ++i) {
        out << isoDate(list.date(i)) << '\t' << list.holidayNumber(i) << '\t' << list.holidayName(i)
            << '\n';
    }
    return exitOk;
}

} // namespace veltrano::cli
