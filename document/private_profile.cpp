#include "document/private_profile.h"

#include "core/encoding.h"

namespace veltrano {
namespace {

constexpr std::string_view kBlank = " \t\r\v\f";

std::string_view trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlank);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

bool isEnclosedInQuotes(std::string_view value) {
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
           value.back() == value.front();
}

// One line of the file and what it holds.
struct ProfileLine {
    enum Kind { Other, Section, Value } kind = Other;
    std::string_view name;  // section or key name, trimmed
    std::string_view value; // trimmed, quotes still on
    std::size_t begin = 0;  // offset of the line in the text
    std::size_t end = 0;    // offset just past its content (before CR LF / LF)
    std::size_t next = 0;   // offset of the following line
};

ProfileLine parseLine(std::string_view text, std::size_t begin) {
    ProfileLine line;
    line.begin = begin;
    std::size_t newline = text.find('\n', begin);
    line.next = newline == std::string_view::npos ? text.size() : newline + 1;
    line.end = newline == std::string_view::npos ? text.size() : newline;
    if (line.end > begin && text[line.end - 1] == '\r')
        --line.end;
    const std::string_view content = trim(text.substr(begin, line.end - begin));
    if (content.empty() || content.front() == ';')
        return line;
    if (content.front() == '[') {
        line.kind = ProfileLine::Section;
        line.name = trim(content.substr(1, content.find(']') - 1));
        return line;
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos || trim(content.substr(0, equals)).empty())
        return line;
    line.kind = ProfileLine::Value;
    line.name = trim(content.substr(0, equals));
    line.value = trim(content.substr(equals + 1));
    return line;
}

// Where a key lives: the section's header and last value line, and the key's line.
struct KeyPlace {
    bool sectionFound = false;
    std::size_t insertAt = 0; // offset just past the section's last value line (or header)
    bool keyFound = false;
    ProfileLine keyLine;
};

KeyPlace locate(std::string_view text, std::string_view section, std::string_view key) {
    KeyPlace place;
    bool inSection = false;
    for (std::size_t at = 0; at < text.size();) {
        const ProfileLine line = parseLine(text, at);
        at = line.next;
        if (line.kind == ProfileLine::Section) {
            if (place.sectionFound)
                break; // only the first section of that name counts
            inSection = equalsIgnoringCase(line.name, section);
            if (inSection) {
                place.sectionFound = true;
                place.insertAt = line.next;
            }
        } else if (inSection && line.kind == ProfileLine::Value) {
            place.insertAt = line.next;
            if (equalsIgnoringCase(line.name, key)) {
                place.keyFound = true;
                place.keyLine = line;
                break;
            }
        }
    }
    return place;
}

std::string_view lineEndOf(std::string_view text) {
    const std::size_t newline = text.find('\n');
    if (newline != std::string_view::npos && (newline == 0 || text[newline - 1] != '\r'))
        return "\n";
    return "\r\n";
}

std::string valueText(std::string_view value) {
    const bool altered = trim(value).size() != value.size() || isEnclosedInQuotes(value);
    return altered ? "\"" + std::string(value) + "\"" : std::string(value);
}

} // namespace

std::optional<std::string> findProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
    const KeyPlace place = locate(text, section, key);
    if (!place.keyFound)
        return std::nullopt;
    std::string_view value = place.keyLine.value;
    if (isEnclosedInQuotes(value))
        value = value.substr(1, value.size() - 2);
    return decodeLegacyLine(value);
}

bool isStorableProfileValue(std::string_view value) {
    return value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

std::string setProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value) {
    const KeyPlace place = locate(text, section, key);
    const std::string_view lineEnd = lineEndOf(text);
    std::string out;
    out.reserve(text.size() + section.size() + key.size() + value.size() + 8);
    if (place.keyFound) {
        const ProfileLine& line = place.keyLine;
        out.append(text.substr(0, line.begin));
        out.append(line.name).append("=").append(valueText(value));
        out.append(text.substr(line.end));
        return out;
    }
    const std::size_t at = place.sectionFound ? place.insertAt : text.size();
    out.append(text.substr(0, at));
    if (!out.empty() && out.back() != '\n')
        out.append(lineEnd);
    if (!place.sectionFound)
        out.append("[").append(section).append("]").append(lineEnd);
    out.append(key).append("=").append(valueText(value)).append(lineEnd);
    out.append(text.substr(at));
    return out;
}

} // namespace veltrano
