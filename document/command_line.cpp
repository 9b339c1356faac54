#include "document/command_line.h"

#include <algorithm>

namespace veltrano {
namespace {

// ASCII only, so that every offset into the result is one into the original.
std::string lowerCased(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

bool isOptionBoundary(char c) {
    return c == ' ' || c == '\t' || c == '"';
}

// Whether option stands in lower as a word of its own (between the text's ends,
// blanks or double quotes) outside the characters [skipFrom, skipTo).
bool hasOptionWord(std::string_view lower, std::string_view option, std::size_t skipFrom,
                   std::size_t skipTo) {
    for (std::size_t at = lower.find(option); at != std::string_view::npos;
         at = lower.find(option, at + 1)) {
        const std::size_t end = at + option.size();
        const bool word = (at == 0 || isOptionBoundary(lower[at - 1])) &&
                          (end == lower.size() || isOptionBoundary(lower[end]));
        if (word && (at < skipFrom || at >= skipTo))
            return true;
    }
    return false;
}

} // namespace

CommandLine parseCommandLine(std::string_view text) {
    const std::string lower = lowerCased(text);
    CommandLine result;

    constexpr std::string_view kOpen = "/open:";
    const std::size_t option = lower.find(kOpen);
    std::size_t pathEnd = option;
    if (option != std::string::npos) {
        const std::size_t start = text.find_first_not_of(" \"", option + kOpen.size());
        if (start != std::string_view::npos) {
            pathEnd = std::min(text.find('"', start), text.size());
            std::string path(text.substr(start, pathEnd - start));
            if (!path.empty() && (path.back() == '\\' || path.back() == '/'))
                path.pop_back();
            if (!path.empty())
                result.openPath = std::move(path);
        } else {
            pathEnd = text.size();
        }
    }
    // A folder named "Versionen" in the path to open is no request for the version.
    result.version = hasOptionWord(lower, "/version", option, pathEnd);
    return result;
}

std::string joinArguments(const std::vector<std::string>& arguments) {
    std::string text;
    for (const std::string& argument : arguments) {
        if (!text.empty())
            text += ' ';
        const bool quote = argument.find(' ') != std::string::npos;
        text += quote ? "\"" + argument + "\"" : argument;
    }
    return text;
}

} // namespace veltrano
