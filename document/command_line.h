#pragma once
// The window program's options: "/version" and "/open:" followed by a calendar
// file. Option names are matched without regard to case; the path keeps its
// case, as file names are case-sensitive here. "/version" counts only as a word
// of its own (between blanks, double quotes or the text's ends) and never inside
// the path after "/open:".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano {

struct CommandLine {
    bool version = false;
    // The file after "/open:": spaces and double quotes before it skipped, taken
    // up to the next double quote or the end (spaces inside kept), one trailing
    // "\" or "/" dropped. nullopt when the option is absent or nothing remains.
    std::optional<std::string> openPath;
};

// Examines the argument text (without the program name).
CommandLine parseCommandLine(std::string_view text);

// The argument text for parseCommandLine from separate arguments (without the
// program name): joined by spaces, an argument holding a space enclosed in
// double quotes so that a path given as one argument stays whole.
std::string joinArguments(const std::vector<std::string>& arguments);

} // namespace veltrano
