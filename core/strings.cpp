#include "core/strings.h"

#include "core/number_reader.h"
#include "core/translation.h"
#include "resources/strings/string_table.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace veltrano {
namespace {

// Widths and precisions come from translatable texts, which the user can edit: larger
// values are cut to this, so that no placeholder can ask for gigabytes of padding.
constexpr int kMaxFieldWidth = 1024;

// The parts of one placeholder between "%" and its conversion letter.
struct Placeholder {
    std::string flags; // any of "-+ #0"
    int width = 0;
    int precision = -1; // -1: none written
};

std::int64_t asNumber(const FormatArg* arg) {
    if (!arg)
        return 0;
    if (const auto* n = std::get_if<std::int64_t>(arg))
        return *n;
    return readInt(std::get<std::string>(*arg));
}

std::string asText(const FormatArg* arg) {
    if (!arg)
        return {};
    if (const auto* s = std::get_if<std::string>(arg))
        return *s;
    return std::to_string(std::get<std::int64_t>(*arg));
}

// Reads decimal digits at pos, capped at kMaxFieldWidth.
int readFieldNumber(std::string_view format, std::size_t& pos) {
    int value = 0;
    while (pos < format.size() && format[pos] >= '0' && format[pos] <= '9') {
        value = std::min(kMaxFieldWidth, value * 10 + (format[pos] - '0'));
        ++pos;
    }
    return value;
}

// Reads flags, width and precision starting at pos; pos ends on the first other character.
Placeholder readPlaceholder(std::string_view format, std::size_t& pos) {
    Placeholder field;
    for (; pos < format.size() &&
           std::string_view("-+ #0").find(format[pos]) != std::string_view::npos;
         ++pos) {
        if (field.flags.find(format[pos]) == std::string::npos) // a repeat changes nothing
            field.flags += format[pos];
    }
    field.width = readFieldNumber(format, pos);
    if (pos < format.size() && format[pos] == '.') {
        ++pos;
        field.precision = readFieldNumber(format, pos);
    }
    return field;
}

// Formats one numeric conversion with the flags, width and precision as written.
std::string formatNumber(const Placeholder& field, char conversion, std::int64_t value) {
    std::string fmt = "%" + field.flags;
    if (field.width > 0)
        fmt += std::to_string(field.width);
    if (field.precision >= 0)
        fmt += "." + std::to_string(field.precision);
    fmt += "ll";
    fmt += conversion;
    std::string out(static_cast<std::size_t>(2 * kMaxFieldWidth + 32), '\0');
    int n;
    if (conversion == 'd' || conversion == 'i')
        n = std::snprintf(out.data(), out.size(), fmt.c_str(), static_cast<long long>(value));
    else
        n = std::snprintf(out.data(), out.size(), fmt.c_str(),
                          static_cast<unsigned long long>(static_cast<std::uint32_t>(value)));
    out.resize(n < 0 ? 0 : std::min(static_cast<std::size_t>(n), out.size() - 1));
    return out;
}

std::string pad(std::string text, const Placeholder& field) {
    if (field.precision >= 0 && text.size() > static_cast<std::size_t>(field.precision))
        text.resize(static_cast<std::size_t>(field.precision));
    auto width = static_cast<std::size_t>(field.width);
    if (text.size() < width) {
        bool left = field.flags.find('-') != std::string::npos;
        std::string fill(width - text.size(), ' ');
        text = left ? text + fill : fill + text;
    }
    return text;
}

// The text of the string-table entry in the current language.
std::string localized(const char* german) {
    int language = currentLanguage();
    if (language != kLanguageGerman && isTranslationLoaded())
        return translate(german, language);
    return german;
}

} // namespace

std::string loadString(int id) {
    const char* entry = findStringTableEntry(id);
    return entry ? localized(entry) : std::string();
}

std::string formatText(std::string_view format, std::initializer_list<FormatArg> args) {
    std::vector<const FormatArg*> values;
    for (const FormatArg& a : args)
        values.push_back(&a);
    std::size_t next = 0;
    auto take = [&]() -> const FormatArg* {
        return next < values.size() ? values[next++] : nullptr;
    };

    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        std::size_t j = i + 1;
        Placeholder field = readPlaceholder(format, j);
        while (j < format.size() && (format[j] == 'l' || format[j] == 'h' || format[j] == 'I'))
            ++j;
        if (j >= format.size()) {
            out.append(format.substr(i));
            break;
        }
        char conversion = format[j];
        switch (conversion) {
        case '%':
            out += '%';
            break;
        case 'd':
        case 'i':
        case 'u':
        case 'x':
        case 'X':
        case 'o':
            out += formatNumber(field, conversion, asNumber(take()));
            break;
        case 'c':
            out += pad(std::string(1, static_cast<char>(asNumber(take()))), field);
            break;
        case 's':
        case 'S':
            out += pad(asText(take()), field);
            break;
        default:
            // Not a conversion we know: keep the text as written.
            out.append(format.substr(i, j - i + 1));
            break;
        }
        i = j;
    }
    return out;
}

std::string formatString(int id, std::initializer_list<FormatArg> args) {
    // Translated first, so a translation brings its own placeholders (same order).
    return formatText(loadString(id), args);
}

} // namespace veltrano
