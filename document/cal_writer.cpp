#include "document/cal_writer.h"

#include "document/file_io.h"

#include <algorithm>

namespace veltrano {
namespace {

constexpr char kLineEnd[] = "\r\n";

std::string semicolonsToCommas(std::string text) {
    std::replace(text.begin(), text.end(), ';', ',');
    return text;
}

// A multi-line text as one field: CRs dropped, LFs as "<br>", ";" as ",".
std::string textField(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\r')
            continue;
        if (c == '\n')
            out += "<br>";
        else
            out += c == ';' ? ',' : c;
    }
    return out;
}

class RecordWriter {
  public:
    RecordWriter& key(const char* name) {
        out_ += name;
        return *this;
    }
    RecordWriter& number(std::int32_t value) {
        out_ += ';';
        out_ += std::to_string(value);
        return *this;
    }
    RecordWriter& text(const std::string& value) {
        out_ += ';';
        out_ += value;
        return *this;
    }
    void end() { out_ += kLineEnd; }
    std::string take() { return std::move(out_); }

  private:
    std::string out_;
};

void writeMonths(RecordWriter& out, const CalendarDocument& document) {
    for (int m = 0; m < kMonthCount; ++m) {
        const bool hasPhoto = !document.monthPhoto[m].empty();
        if (hasPhoto)
            out.key("Bild").number(m).text(document.monthPhoto[m]).end();
        // Older readers take a caption without its photo record as well, so a
        // caption typed before a photo was chosen is kept.
        if (hasPhoto || !document.monthText[m].empty())
            out.key("Bildtext").number(m).text(semicolonsToCommas(document.monthText[m])).end();
    }
}

void writeDays(RecordWriter& out, const CalendarDocument& document) {
    for (int m = 0; m < kMonthCount; ++m) {
        for (int d = 0; d < kDaySlotCount; ++d) {
            const std::string text = textField(document.dayText[m][d]);
            const std::int32_t colour = document.dayColour[m][d];
            if (text.empty() && colour <= 0)
                continue;
            out.key("Text").number(m).number(d).number(colour).text(text).end();
        }
    }
}

} // namespace

std::string formatCalendarFile(const CalendarDocument& document) {
    RecordWriter out;
    out.key("Feiertage").number(document.showHolidays).end();
    out.key("Bundesland").number(document.region).end();
    out.key("Colors").number(document.dayFrames).end();
    const MarginRect& r = document.margins;
    out.key("Rand").number(r.left).number(r.top).number(r.right).number(r.bottom).end();
    out.key("Fontsize").number(document.fontSize).end();
    if (!document.titlePhoto.empty())
        out.key("TitelBild").text(document.titlePhoto).end();
    // A text is written as it reads back: one of nothing but CRs is no text.
    if (const std::string title = textField(document.titleText); !title.empty())
        out.key("TitelText").text(title).end();
    writeMonths(out, document);
    writeDays(out, document);
    // Records the original program does not know come after all of its own,
    // which it skips; written only when set, so a file without it reads as off.
    if (document.weekNumbers == 1)
        out.key("Wochen").number(1).end();
    // After every record the original format knows, which its readers skip.
    if (isCalendarYear(document.year))
        out.key("Jahr").number(document.year).end();
    // Our own records again, after all of the original's; only set crops.
    for (std::size_t page = 0; page < document.photoCrop.size(); ++page) {
        const PhotoCrop& c = document.photoCrop[page];
        if (c.isSet())
            out.key("Ausschnitt")
                .number(static_cast<std::int32_t>(page))
                .number(c.left)
                .number(c.top)
                .number(c.right)
                .number(c.bottom)
                .end();
    }
    return out.take();
}

bool writeCalendarFile(CalendarDocument& document, const std::string& path) {
    if (!replaceFileAtomically(path, formatCalendarFile(document)))
        return false;
    document.untitled = 0;
    for (std::string& caption : document.monthText)
        caption = semicolonsToCommas(std::move(caption));
    return true;
}

} // namespace veltrano
