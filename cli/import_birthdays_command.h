#pragma once
// veltrano-cli import-birthdays FILE.cal --from contacts|appointments|PATH.vcf|PATH.ics
// [--year YEAR] [--out OUT.cal]: copies the birthdays of a sibling product, or the
// birthdays and yearly dates of a contact or calendar file, into a calendar file, as
// the window program's import does. YEAR (default: this year) is the year the
// calendar is made for: it decides where 29 February goes and which yearly events
// have ended.

#include "cli/command.h"

#include <optional>
#include <string>
#include <string_view>

namespace veltrano::cli {

// Runs with the arguments after "import-birthdays". A missing FILE starts a new
// calendar. Prints the import's message as plain text and writes OUT (default
// FILE) when the import ran. Exit 0 after an import, 1 when the product's folder
// is not known or a file cannot be read, is not valid or cannot be written, 2 on
// bad arguments.
int runImportBirthdaysCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

// The value of key in [section] of a settings file as the window program's
// settings layer writes it: "key=value" lines under "[section]" headers, values
// optionally in double quotes, with backslash escapes. nullopt when the section
// or key is absent.
std::optional<std::string> readSettingsValue(std::string_view content, std::string_view section,
                                             std::string_view key);

} // namespace veltrano::cli
