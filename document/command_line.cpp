#include "document/command_line.h"

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

} // namespace

CommandLine parseCommandLine(std::string_view text) {
    const std::string lower = lowerCased(text);
    CommandLine result;
    result.version = lower.find("/version") != std::string::npos;

    constexpr std::string_view kOpen = "/open:";
    const std::size_t option = lower.find(kOpen);
    if (option == std::string::npos)
        return result;
    std::size_t start = text.find_first_not_of(" \"", option + kOpen.size());
    if (start == std::string_view::npos)
        return result;
    std::string path(text.substr(start, text.find('"', start) - start));
    if (!path.empty() && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    if (!path.empty())
        result.openPath = std::move(path);
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
