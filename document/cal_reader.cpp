#include "document/cal_reader.h"

#include "core/encoding.h"
#include "core/number_reader.h"
#include "document/calendar_limits.h"
#include "document/file_io.h"

#include <array>
#include <filesystem>

namespace veltrano {
namespace {

// The ";"-separated fields of one line, found only as far as a record asks,
// so that a line of millions of separators costs no more than reading it.
class RecordFields {
  public:
    // line as UTF-8, rawLine as it stood in the file.
    RecordFields(std::string_view line, std::string_view rawLine) : line_(line), raw_(rawLine) {}

    // Field index; "" beyond the last.
    std::string_view field(std::size_t index) const {
        std::string_view rest = after(index);
        return rest.substr(0, rest.find(';'));
    }
    // Everything after the first `count` separators; "" when there are fewer.
    std::string_view after(std::size_t count) const { return afterIn(line_, count); }
    std::int32_t number(std::size_t index) const { return readInt(field(index)); }

    // A photo path: after(count), except that a line converted from
    // Windows-1252 keeps the path's bytes as they stood when only those name
    // an existing file (a file name in Latin-1 on disk).
    std::string photoPath(std::size_t count) const {
        std::string converted(after(count));
        if (line_ == raw_)
            return converted;
        std::string asStored(afterIn(raw_, count));
        std::error_code error;
        if (!std::filesystem::exists(converted, error) && std::filesystem::exists(asStored, error))
            return asStored;
        return converted;
    }

  private:
    static std::string_view afterIn(std::string_view line, std::size_t count) {
        std::size_t start = 0;
        for (std::size_t i = 0; i < count; ++i) {
            std::size_t separator = line.find(';', start);
            if (separator == std::string_view::npos)
                return {};
            start = separator + 1;
        }
        return line.substr(start);
    }

    std::string_view line_;
    std::string_view raw_;
};

std::string breaksToLines(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, 4, "<br>") == 0) {
            out += "\r\n";
            i += 4;
        } else {
            out += text[i++];
        }
    }
    return out;
}

bool isMonth(std::int32_t m) {
    return m >= 0 && m < kMonthCount;
}

void readPhoto(CalendarDocument& doc, const RecordFields& f) {
    // The rest of the line: photo paths are written unchanged and may hold ";".
    if (std::int32_t m = f.number(1); isMonth(m))
        doc.monthPhoto[m] = f.photoPath(2);
}

void readDay(CalendarDocument& doc, const RecordFields& f) {
    const std::int32_t m = f.number(1);
    const std::int32_t d = f.number(2);
    if (!isMonth(m) || d < 0 || d >= kDaySlotCount)
        return;
    doc.dayText[m][d] = breaksToLines(f.field(4));
    const std::int32_t colour = f.number(3);
    doc.dayColour[m][d] = colour < 0 || colour > 4 ? 0 : colour;
}

void readHolidays(CalendarDocument& doc, const RecordFields& f) {
    doc.showHolidays = f.number(1);
}
void readRegion(CalendarDocument& doc, const RecordFields& f) {
    doc.region = f.number(1);
}
void readFrames(CalendarDocument& doc, const RecordFields& f) {
    doc.dayFrames = f.number(1);
}
void readMargins(CalendarDocument& doc, const RecordFields& f) {
    doc.margins = MarginRect{f.number(1), f.number(2), f.number(3), f.number(4)};
}
void readTitleText(CalendarDocument& doc, const RecordFields& f) {
    doc.titleText = breaksToLines(f.field(1));
}
void readTitlePhoto(CalendarDocument& doc, const RecordFields& f) {
    // The rest of the line, as for the month photos.
    doc.titlePhoto = f.photoPath(1);
}
void readFontSize(CalendarDocument& doc, const RecordFields& f) {
    doc.fontSize = f.number(1);
}
void readCaption(CalendarDocument& doc, const RecordFields& f) {
    if (std::int32_t m = f.number(1); isMonth(m))
        doc.monthText[m] = f.field(2);
}

// Our own record: only "1" switches the week numbers on; any other value
// counts as absent.
void readWeekNumbers(CalendarDocument& doc, const RecordFields& f) {
    doc.weekNumbers = f.number(1) == 1 ? 1 : 0;
}

// A year outside the shown range reads as none, so the file opens as one
// without a year would.
void readYear(CalendarDocument& doc, const RecordFields& f) {
    const std::int32_t year = f.number(1);
    doc.year = isCalendarYear(year) ? year : 0;
}

// Our own record of a page's shown photo part. Each of the five fields must
// be a whole number alone; a record with any bad field is ignored, so the
// page fits its whole photo.
void readCrop(CalendarDocument& doc, const RecordFields& f) {
    std::array<std::int32_t, 5> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string_view field = f.field(i + 1);
        const NumberRead read = readNumber(field);
        if (!read.hasDigits || read.end != field.size())
            return;
        values[i] = read.value;
    }
    const PhotoCrop crop{values[1], values[2], values[3], values[4]};
    if (values[0] < 0 || values[0] >= kPhotoPageCount || !crop.isSet())
        return;
    doc.photoCrop[static_cast<std::size_t>(values[0])] = crop;
}

struct RecordKind {
    std::string_view key; // lower case
    void (*read)(CalendarDocument&, const RecordFields&);
};

constexpr std::array<RecordKind, 13> kRecordKinds = {{
    {"bild", readPhoto},
    {"text", readDay},
    {"feiertage", readHolidays},
    {"bundesland", readRegion},
    {"colors", readFrames},
    {"rand", readMargins},
    {"titeltext", readTitleText},
    {"titelbild", readTitlePhoto},
    {"fontsize", readFontSize},
    {"bildtext", readCaption},
    {"wochen", readWeekNumbers},
    {"jahr", readYear},
    {"ausschnitt", readCrop},
}};

constexpr std::size_t kLongestKey = 10;

// The record kind named by a line's first field, or nullptr. The key is
// trimmed of spaces only and compared without regard to ASCII case.
const RecordKind* findRecordKind(std::string_view field) {
    const std::size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return nullptr;
    field = field.substr(first, field.find_last_not_of(' ') - first + 1);
    if (field.size() > kLongestKey)
        return nullptr;
    std::string key(field);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    for (const RecordKind& kind : kRecordKinds)
        if (kind.key == key)
            return &kind;
    return nullptr;
}

// Reads one line; returns true when it held a calendar record.
bool readLine(CalendarDocument& doc, std::string_view rawLine) {
    const std::string line = decodeLegacyLine(rawLine);
    const RecordFields fields(line, rawLine);
    const RecordKind* kind = findRecordKind(fields.field(0));
    if (!kind)
        return false;
    kind->read(doc, fields);
    return true;
}

} // namespace

bool readCalendarText(CalendarDocument& document, std::string_view content) {
    CalendarDocument read;
    read.untitled = 0;
    bool anyRecord = false;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = content.size();
        anyRecord = readLine(read, content.substr(start, end - start)) || anyRecord;
        // CR LF is one line end; a CR or an LF alone is one too.
        start = end + 1;
        if (end < content.size() && content[end] == '\r' && start < content.size() &&
            content[start] == '\n')
            ++start;
    }
    if (!content.empty() && !anyRecord)
        return false;
    document = std::move(read);
    return true;
}

bool readCalendarFile(CalendarDocument& document, const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxCalendarFileBytes)
        return false;
    std::string content;
    if (!readWholeFile(path, content))
        return false;
    return readCalendarText(document, content);
}

} // namespace veltrano
