#pragma once
// veltrano-cli show FILE.cal [--json]: the calendar in a file, as a readable
// summary or as one JSON object for scripts.

#include "cli/command.h"

#include <string>
#include <string_view>

namespace veltrano::cli {

// Runs with the arguments after "show". Exit 1 with message 130 on err when
// the file cannot be read as a calendar; exit 2 on bad arguments.
int runShowCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

// text as a JSON string literal, quotes included. text must be UTF-8; control
// characters are escaped.
std::string jsonString(std::string_view text);

// A markup message as plain text: "<br>" becomes a line break, other tags go.
std::string markupToPlainText(std::string_view markup);

} // namespace veltrano::cli
