#include "cli/show_command.h"

#include "core/strings.h"
#include "document/cal_reader.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <ostream>

namespace veltrano::cli {
namespace {

constexpr int kMessageCannotOpen = 130;

using Json = nlohmann::ordered_json;

bool hasEntry(const CalendarDocument& doc, int m, int d) {
    return !doc.dayText[m][d].empty() || doc.dayColour[m][d] != 0;
}

Json calendarJson(const CalendarDocument& doc) {
    const MarginRect& r = doc.margins;
    Json days = Json::array();
    for (int m = 0; m < kMonthCount; ++m)
        for (int d = 0; d < kDaySlotCount; ++d)
            if (hasEntry(doc, m, d))
                days.push_back({{"month", m},
                                {"day", d},
                                {"colour", doc.dayColour[m][d]},
                                {"text", doc.dayText[m][d]}});
    Json crops = Json::array();
    for (std::size_t page = 0; page < doc.photoCrop.size(); ++page)
        if (const PhotoCrop& c = doc.photoCrop[page]; c.isSet())
            crops.push_back({page, c.left, c.top, c.right, c.bottom});
    return {{"showHolidays", doc.showHolidays},
            {"region", doc.region},
            {"dayFrames", doc.dayFrames},
            {"margins", {r.left, r.top, r.right, r.bottom}},
            {"fontSize", doc.fontSize},
            {"weekNumbers", doc.weekNumbers},
            {"titlePhoto", doc.titlePhoto},
            {"titleText", doc.titleText},
            {"monthPhoto", doc.monthPhoto},
            {"monthText", doc.monthText},
            {"days", std::move(days)},
            {"year", doc.year != 0 ? Json(doc.year) : Json(nullptr)},
            {"crop", std::move(crops)}};
}

// Texts are UTF-8 after reading; a stray invalid byte becomes U+FFFD rather than
// aborting the output.
std::string dumpJson(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

const char* onOff(std::int32_t flag) {
    return flag ? "on" : "off";
}

void writeSummary(std::ostream& out, const CalendarDocument& doc) {
    const MarginRect& r = doc.margins;
    out << "Holidays:     " << onOff(doc.showHolidays) << " (region " << doc.region << ")\n"
        << "Day frames:   " << onOff(doc.dayFrames) << '\n'
        << "Margins (mm): left " << r.left << ", top " << r.top << ", right " << r.right
        << ", bottom " << r.bottom << '\n'
        << "Font size:    " << doc.fontSize << " pt\n"
        << "Week numbers: " << onOff(doc.weekNumbers) << '\n'
        << "Year:         " << (doc.year != 0 ? std::to_string(doc.year) : "none stored") << '\n'
        << "Title photo:  " << jsonString(doc.titlePhoto) << '\n'
        << "Title text:   " << jsonString(doc.titleText) << '\n';
    for (int m = 0; m < kMonthCount; ++m) {
        if (doc.monthPhoto[m].empty() && doc.monthText[m].empty())
            continue;
        out << "Month " << (m + 1) << (m < 9 ? ":  " : ": ") << "photo "
            << jsonString(doc.monthPhoto[m]) << ", caption " << jsonString(doc.monthText[m])
            << '\n';
    }
    for (int m = 0; m < kMonthCount; ++m)
        for (int d = 0; d < kDaySlotCount; ++d) {
            if (!hasEntry(doc, m, d))
                continue;
            char date[16];
            std::snprintf(date, sizeof date, "%02d.%02d.", d + 1, m + 1);
            out << "Day " << date << "   colour " << doc.dayColour[m][d] << ", text "
                << jsonString(doc.dayText[m][d]) << '\n';
        }
}

} // namespace

std::string jsonString(std::string_view text) {
    return dumpJson(Json(std::string(text)));
}

std::string markupToPlainText(std::string_view markup) {
    std::string out;
    for (std::size_t i = 0; i < markup.size();) {
        const std::size_t close = markup[i] == '<' ? markup.find('>', i) : std::string_view::npos;
        if (close == std::string_view::npos) {
            out += markup[i++];
            continue;
        }
        std::string tag(markup.substr(i + 1, close - i - 1));
        for (char& c : tag)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (tag == "br" || tag == "br/" || tag == "br /")
            out += '\n';
        else if (tag == "lt")
            out += '<';
        i = close + 1;
    }
    return out;
}

int runShowCommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    bool json = false;
    std::string_view path;
    for (std::string_view arg : args) {
        if (arg == "--json")
            json = true;
        else if (arg.starts_with("--") || !path.empty())
            return usageError(err, "show: unexpected argument '" + std::string(arg) + "'");
        else
            path = arg;
    }
    if (path.empty())
        return usageError(err, "show: no calendar file given");

    CalendarDocument doc;
    if (!readCalendarFile(doc, std::string(path))) {
        err << markupToPlainText(loadString(kMessageCannotOpen)) << '\n';
        return exitFailure;
    }
    if (json)
        out << dumpJson(calendarJson(doc)) << '\n';
    else
        writeSummary(out, doc);
    return exitOk;
}

} // namespace veltrano::cli
