#include "records/file_birthday_import.h"

#include "core/date_value.h"
#include "core/markup_literal.h"
#include "core/message_presenter.h"
#include "core/strings.h"
#include "document/calendar_document.h"
#include "records/birthday_import.h"
#include "records/yearly_dates.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <vector>

namespace veltrano {
namespace {

constexpr int kFaultAtLineMessage = 29761;
constexpr int kFaultMessage = 29762;
constexpr int kFaultNotContactsOrCalendar = 29763;
constexpr int kFaultTooLarge = 29764;
constexpr int kFaultBinary = 29765;
constexpr int kFaultBrokenFolding = 29766;
constexpr int kFaultMalformedLine = 29767;
constexpr int kFaultBadDate = 29768;
constexpr int kFaultUnbalanced = 29769;
constexpr int kFaultUnterminated = 29770;
constexpr int kFaultCannotRead = 29771;
constexpr int kMovedNote = 29772;

// Reads a regular file of at most the size limit; a larger one is a fault
// before anything is read.
bool readLimited(const std::string& path, std::string& content, ContentReadError& error) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        error = {ContentFault::CannotRead, 0, {}};
        return false;
    }
    if (static_cast<std::uint64_t>(info.st_size) > kMaxContentFileBytes) {
        error = {ContentFault::TooLarge, 0, {}};
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        error = {ContentFault::CannotRead, 0, {}};
        return false;
    }
    return true;
}

std::string faultText(const ContentReadError& error) {
    switch (error.fault) {
    case ContentFault::NotContactsOrCalendar:
        return loadString(kFaultNotContactsOrCalendar);
    case ContentFault::TooLarge:
        return formatString(kFaultTooLarge,
                            {static_cast<std::int64_t>(kMaxContentFileBytes >> 20)});
    case ContentFault::Binary:
        return loadString(kFaultBinary);
    case ContentFault::BrokenFolding:
        return loadString(kFaultBrokenFolding);
    case ContentFault::MalformedLine:
        return loadString(kFaultMalformedLine);
    case ContentFault::BadDate:
        return formatString(kFaultBadDate, {markupLiteral(error.detail)});
    case ContentFault::Unbalanced:
        return loadString(kFaultUnbalanced);
    case ContentFault::Unterminated:
        return loadString(kFaultUnterminated);
    case ContentFault::CannotRead:
    case ContentFault::None:
        break;
    }
    return loadString(kFaultCannotRead);
}

void reportFault(const std::string& path, const ContentReadError& error) {
    const std::string text =
        error.line > 0
            ? formatString(kFaultAtLineMessage,
                           {markupLiteral(path), std::int64_t{error.line}, faultText(error)})
            : formatString(kFaultMessage, {markupLiteral(path), faultText(error)});
    showMessage(text, MessageStyle::IconExclamation | MessageStyle::Ok);
}

// Whether `text` is one of the lines of a day text.
bool holdsLine(const std::string& dayText, const std::string& text) {
    std::size_t start = 0;
    while (start <= dayText.size()) {
        std::size_t end = dayText.find('\n', start);
        if (end == std::string::npos)
            end = dayText.size();
        std::size_t length = end - start;
        if (length > 0 && dayText[end - 1] == '\r')
            --length;
        if (dayText.compare(start, length, text) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

using Additions = std::array<std::array<std::vector<std::string>, kDaySlotCount>, kMonthCount>;

void applyAdditions(const Additions& additions, CalendarDocument& document) {
    for (std::size_t m = 0; m < additions.size(); ++m) {
        for (std::size_t d = 0; d < additions[m].size(); ++d) {
            if (additions[m][d].empty())
                continue;
            std::string& text = document.dayText[m][d];
            for (const std::string& added : additions[m][d])
                text += (text.empty() ? "" : "\r\n") + added;
            document.dayColour[m][d] = static_cast<std::int32_t>(DayColour::Blue);
        }
    }
}

} // namespace

bool ImportFromFile(CalendarDocument& document, const std::string& path, std::int32_t year,
                    int* placed) {
    std::string content;
    std::vector<YearlyDate> dates;
    ContentReadError error;
    if (!readLimited(path, content, error) || !readYearlyDates(content, year, dates, error)) {
        reportFault(path, error);
        return false;
    }
    Additions additions;
    int count = 0;
    int moved = 0;
    for (const YearlyDate& date : dates) {
        const bool leapDay = date.month == 2 && date.day == 29 && !isLeapYear(year);
        const auto m = static_cast<std::size_t>(date.month - 1);
        const auto d = static_cast<std::size_t>(leapDay ? 27 : date.day - 1);
        std::vector<std::string>& day = additions[m][d];
        if (holdsLine(document.dayText[m][d], date.text) ||
            std::find(day.begin(), day.end(), date.text) != day.end())
            continue;
        day.push_back(date.text);
        ++count;
        moved += leapDay ? 1 : 0;
    }
    applyAdditions(additions, document);
    if (placed)
        *placed = count;
    std::string message = formatString(kMessageBirthdaysPlaced, {std::int64_t{count}});
    if (moved > 0)
        message += formatString(kMovedNote, {std::int64_t{moved}, std::int64_t{year}});
    showMessage(message, MessageStyle::IconInformation | MessageStyle::Ok);
    return true;
}

} // namespace veltrano
