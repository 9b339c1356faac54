#include "core/strings.h"

#include "core/number_reader.h"
#include "resources/strings/string_table.h"

#include <cstdio>
#include <vector>

namespace veltrano {
namespace {

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

// Formats one numeric conversion with the flags, width and precision as written.
std::string formatNumber(const std::string& spec, char conversion, std::int64_t value) {
    std::string fmt = "%" + spec + "ll" + conversion;
    char buffer[64];
    int n;
    if (conversion == 'd' || conversion == 'i')
        n = std::snprintf(buffer, sizeof buffer, fmt.c_str(), static_cast<long long>(value));
    else
        n = std::snprintf(buffer, sizeof buffer, fmt.c_str(),
                          static_cast<unsigned long long>(static_cast<std::uint32_t>(value)));
    return n < 0 ? std::string() : std::string(buffer, std::min<std::size_t>(n, sizeof buffer - 1));
}

std::string pad(std::string text, const std::string& spec) {
    bool left = spec.find('-') != std::string::npos;
    std::size_t dot = spec.find('.');
    std::string widthPart = spec.substr(0, dot);
    std::size_t width = static_cast<std::size_t>(
        std::max(0, readInt(widthPart.substr(widthPart.find_first_of("123456789") == std::string::npos
                                                 ? widthPart.size()
                                                 : widthPart.find_first_of("123456789")))));
    if (dot != std::string::npos) {
        std::size_t precision = static_cast<std::size_t>(std::max(0, readInt(spec.substr(dot + 1))));
        if (text.size() > precision)
            text.resize(precision);
    }
    if (text.size() < width)
        text = left ? text + std::string(width - text.size(), ' ')
                    : std::string(width - text.size(), ' ') + text;
    return text;
}

} // namespace

std::string loadString(int id) {
    const char* entry = findStringTableEntry(id);
    return entry ? std::string(entry) : std::string();
}

std::string formatText(std::string_view format, std::initializer_list<FormatArg> args) {
    std::vector<const FormatArg*> values;
    for (const FormatArg& a : args)
        values.push_back(&a);
    std::size_t next = 0;
    auto take = [&]() -> const FormatArg* { return next < values.size() ? values[next++] : nullptr; };

    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        std::size_t start = i + 1;
        std::size_t j = start;
        while (j < format.size() && std::string_view("-+ #0").find(format[j]) != std::string_view::npos)
            ++j;
        while (j < format.size() && ((format[j] >= '0' && format[j] <= '9') || format[j] == '.'))
            ++j;
        std::string spec(format.substr(start, j - start));
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
            out += formatNumber(spec, conversion, asNumber(take()));
            break;
        case 'c':
            out += pad(std::string(1, static_cast<char>(asNumber(take()))), spec);
            break;
        case 's':
        case 'S':
            out += pad(asText(take()), spec);
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
    return formatText(loadString(id), args);
}

} // namespace veltrano
