#include "records/content_lines.h"

#include "core/encoding.h"

#include <algorithm>

namespace veltrano {
namespace {

// Deeper nesting than any real file has (a calendar, an event, an alarm).
constexpr std::size_t kMaxNesting = 8;

char upperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

bool isNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

bool isValidName(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), isNameChar);
}

bool isBinaryByte(unsigned char c) {
    return (c < 0x20 && c != '\t') || c == 0x7F;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = upperAscii(c);
    return (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
}

// The position of the first `wanted` outside double quotes, or npos.
std::size_t findUnquoted(std::string_view text, char wanted, std::size_t from = 0) {
    bool quoted = false;
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (!quoted && text[i] == wanted)
            return i;
    }
    return std::string_view::npos;
}

std::vector<std::string_view> splitUnquoted(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = findUnquoted(text, separator, start);
        parts.push_back(text.substr(start, at - start));
        if (at == std::string_view::npos)
            return parts;
        start = at + 1;
    }
}

std::string withoutQuotes(std::string_view text) {
    std::string out;
    for (const char c : text)
        if (c != '"')
            out += c;
    return out;
}

// A line of the old phone format continues on the next physical line when its
// quoted-printable value ends with "=" (a soft line break).
bool continuesQuotedPrintable(const std::string& logical) {
    if (logical.empty() || logical.back() != '=')
        return false;
    const std::size_t colon = findUnquoted(logical, ':');
    return colon != std::string::npos &&
           upperText(std::string_view(logical).substr(0, colon)).find("QUOTED-PRINTABLE") !=
               std::string::npos;
}

std::string decodeQuotedPrintable(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high = i + 2 < text.size() && text[i] == '=' ? hexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(text[i + 2]) : -1;
        if (low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string decodeCharset(std::string_view value, std::string_view charset) {
    static constexpr std::string_view kWestern[] = {"ISO-8859-1", "ISO-8859-15", "WINDOWS-1252",
                                                    "CP1252", "LATIN1"};
    if (std::find(std::begin(kWestern), std::end(kWestern), charset) != std::end(kWestern))
        return windows1252ToUtf8(value);
    return decodeLegacyLine(value); // UTF-8 as it should be, else the usual code page
}

struct PhysicalLine {
    int number = 0;
    std::string text;
};

// Joins folded and soft-broken lines into logical lines.
bool unfold(std::string_view bytes, std::vector<PhysicalLine>& logical, ContentReadError& error) {
    int number = 0;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t end = bytes.find('\n', pos);
        std::string_view line = bytes.substr(pos, end - pos);
        pos = end == std::string_view::npos ? bytes.size() : end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (std::any_of(line.begin(), line.end(),
                        [](char c) { return isBinaryByte(static_cast<unsigned char>(c)); })) {
            error = {ContentFault::Binary, number, {}};
            return false;
        }
        if (line.empty())
            continue;
        if (!logical.empty() && continuesQuotedPrintable(logical.back().text)) {
            logical.back().text.pop_back();
            logical.back().text += line;
        } else if (line.front() == ' ' || line.front() == '\t') {
            if (logical.empty()) {
                error = {ContentFault::BrokenFolding, number, {}};
                return false;
            }
            logical.back().text += line.substr(1);
        } else {
            logical.push_back({number, std::string(line)});
        }
    }
    return true;
}

ContentParam parseParam(std::string_view part) {
    const std::size_t equals = findUnquoted(part, '=');
    if (equals == std::string_view::npos) {
        // The old format names types and encodings alone: "TEL;HOME;VOICE:".
        static constexpr std::string_view kEncodings[] = {"QUOTED-PRINTABLE", "BASE64", "8BIT",
                                                          "7BIT", "B"};
        const std::string token = upperText(part);
        const bool encoding =
            std::find(std::begin(kEncodings), std::end(kEncodings), token) != std::end(kEncodings);
        return ContentParam{encoding ? "ENCODING" : "TYPE", {token}};
    }
    ContentParam param{upperText(part.substr(0, equals)), {}};
    for (std::string_view value : splitUnquoted(part.substr(equals + 1), ','))
        param.values.push_back(withoutQuotes(value));
    return param;
}

bool parseLine(const PhysicalLine& logical, ContentLine& out) {
    const std::string_view text = logical.text;
    const std::size_t colon = findUnquoted(text, ':');
    if (colon == std::string_view::npos)
        return false;
    const std::vector<std::string_view> head = splitUnquoted(text.substr(0, colon), ';');
    std::string_view name = head.front();
    if (const std::size_t dot = name.rfind('.'); dot != std::string_view::npos) {
        if (!isValidName(name.substr(0, dot)))
            return false;
        name.remove_prefix(dot + 1); // a group prefix such as "item1."
    }
    if (!isValidName(name))
        return false;
    ContentLine line;
    line.line = logical.number;
    line.name = upperText(name);
    for (std::size_t i = 1; i < head.size(); ++i) {
        line.params.push_back(parseParam(head[i]));
        const std::string& paramName = line.params.back().name;
        if (!isValidName(paramName))
            return false;
    }
    std::string value(text.substr(colon + 1));
    if (line.hasParam("ENCODING", "QUOTED-PRINTABLE"))
        value = decodeQuotedPrintable(value);
    std::string charset;
    for (const ContentParam& param : line.params)
        if (param.name == "CHARSET" && !param.values.empty())
            charset = upperText(param.values.front());
    line.value = decodeCharset(value, charset);
    out = std::move(line);
    return true;
}

// Checks that BEGIN and END pair up and that every line is inside a contact
// or calendar; the first line decides whether the file is one at all.
bool checkNesting(const std::vector<ContentLine>& lines, ContentReadError& error) {
    std::vector<std::pair<std::string, int>> open;
    for (const ContentLine& line : lines) {
        // Only the markers' values are compared; others may be megabytes of photo.
        const bool marker = line.name == "BEGIN" || line.name == "END";
        const std::string value = marker ? upperText(line.value) : std::string();
        if (open.empty() && !(line.name == "BEGIN" && (value == "VCARD" || value == "VCALENDAR"))) {
            error = {&line == &lines.front() ? ContentFault::NotContactsOrCalendar
                                             : ContentFault::Unbalanced,
                     line.line,
                     {}};
            return false;
        }
        if (line.name == "BEGIN") {
            if (open.size() >= kMaxNesting) {
                error = {ContentFault::Unbalanced, line.line, {}};
                return false;
            }
            open.emplace_back(value, line.line);
        } else if (line.name == "END") {
            if (open.back().first != value) {
                error = {ContentFault::Unbalanced, line.line, {}};
                return false;
            }
            open.pop_back();
        }
    }
    if (!open.empty()) {
        error = {ContentFault::Unterminated, open.back().second, {}};
        return false;
    }
    return true;
}

} // namespace

std::string upperText(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), upperAscii);
    return out;
}

bool ContentLine::hasParam(std::string_view paramName, std::string_view paramValue) const {
    for (const ContentParam& param : params) {
        if (param.name != paramName)
            continue;
        for (const std::string& given : param.values)
            if (upperText(given) == paramValue)
                return true;
    }
    return false;
}

bool readContentLines(std::string_view bytes, std::vector<ContentLine>& lines,
                      ContentReadError& error) {
    if (bytes.size() > kMaxContentFileBytes) {
        error = {ContentFault::TooLarge, 0, {}};
        return false;
    }
    std::vector<PhysicalLine> logical;
    if (!unfold(bytes, logical, error))
        return false;
    if (logical.empty()) {
        error = {ContentFault::NotContactsOrCalendar, 0, {}};
        return false;
    }
    std::vector<ContentLine> parsed(logical.size());
    for (std::size_t i = 0; i < logical.size(); ++i) {
        if (!parseLine(logical[i], parsed[i])) {
            error = {i == 0 ? ContentFault::NotContactsOrCalendar : ContentFault::MalformedLine,
                     logical[i].number,
                     {}};
            return false;
        }
    }
    if (!checkNesting(parsed, error))
        return false;
    lines = std::move(parsed);
    return true;
}

std::string unescapeContentText(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        char c = value[i];
        if (c == '\\' && i + 1 < value.size()) {
            c = value[++i];
            if (c == 'n' || c == 'N')
                c = ' ';
        }
        out += (c == '\t' || isBinaryByte(static_cast<unsigned char>(c))) ? ' ' : c;
    }
    const std::size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

std::vector<std::string_view> splitContentValue(std::string_view value, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\') {
            ++i;
        } else if (value[i] == separator) {
            parts.push_back(value.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(value.substr(std::min(start, value.size())));
    return parts;
}

} // namespace veltrano
