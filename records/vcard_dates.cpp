// Birthdays and anniversaries of one contact (vCard 2.1, 3.0, 4.0).

#include "core/strings.h"
#include "records/yearly_date_readers.h"

namespace veltrano {
namespace {

constexpr int kAnniversaryString = 29760;

bool isAnniversary(const std::string& name) {
    constexpr std::string_view kSuffix = "ANNIVERSARY";
    return name == kSuffix || (name.starts_with("X-") && name.ends_with(kSuffix));
}

// The name from N: prefix, given, additional and family names and suffix,
// those present, separated by blanks; several values of a part likewise.
std::string nameFromParts(std::string_view value) {
    const std::vector<std::string_view> parts = splitContentValue(value, ';');
    std::string name;
    for (const std::size_t index : {3u, 1u, 2u, 0u, 4u}) {
        if (index >= parts.size())
            continue;
        for (std::string_view piece : splitContentValue(parts[index], ',')) {
            const std::string text = unescapeContentText(piece);
            if (!text.empty())
                name += (name.empty() ? "" : " ") + text;
        }
    }
    return name;
}

struct ContactDate {
    const ContentLine* line = nullptr;
    bool anniversary = false;
};

} // namespace

bool readContactDates(const std::vector<ContentLine>& lines, std::size_t& index,
                      std::vector<YearlyDate>& dates, ContentReadError& error) {
    std::string formatted, structured;
    std::vector<ContactDate> found;
    // An embedded contact (the old format's AGENT) belongs to the outer one;
    // only the outer contact's own properties count.
    int depth = 0;
    for (++index; index < lines.size(); ++index) {
        const ContentLine& line = lines[index];
        if (line.name == "BEGIN" || line.name == "END") {
            depth += line.name == "BEGIN" ? 1 : -1;
            if (depth < 0)
                break;
            continue;
        }
        if (depth > 0)
            continue;
        if (line.name == "FN" && formatted.empty())
            formatted = unescapeContentText(line.value);
        else if (line.name == "N" && structured.empty())
            structured = nameFromParts(line.value);
        else if (line.name == "BDAY" || isAnniversary(line.name))
            found.push_back({&line, line.name != "BDAY"});
    }
    const std::string name = formatted.empty() ? structured : formatted;
    for (const ContactDate& date : found) {
        if (date.line->hasParam("VALUE", "TEXT"))
            continue; // free text such as "circa 1800" names no day
        ParsedDate parsed;
        if (!readDateValue(*date.line, parsed, error)) {
            if (error.fault != ContentFault::None)
                return false;
            continue;
        }
        if (name.empty())
            continue;
        dates.push_back({parsed.month, parsed.day,
                         date.anniversary ? formatString(kAnniversaryString, {name}) : name,
                         date.line->line});
    }
    return true;
}

} // namespace veltrano
