#pragma once
// The subcommands of veltrano-cli. Each subcommand lives in a file of its own and
// has one row in the command table; main() looks the first argument up there.

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano::cli {

// Process exit codes of every subcommand.
inline constexpr int exitOk = 0;
inline constexpr int exitFailure = 1; // the work itself failed (file, output)
inline constexpr int exitUsage = 2;   // missing or bad arguments

using CommandArgs = std::vector<std::string_view>;

struct Command {
    std::string_view name;
    std::string_view synopsis; // options after the name, for the usage text
    // Runs with the arguments after the subcommand's name.
    int (*run)(const CommandArgs& args, std::ostream& out, std::ostream& err);
};

// Every subcommand, in the order the usage text lists them.
std::span<const Command> commands();

// The command of that name, nullptr when there is none.
const Command* findCommand(std::string_view name);

// The usage text: one line per subcommand.
void printUsage(std::ostream& err);

// Prints "veltrano-cli: <message>" and the usage to err; returns exitUsage.
int usageError(std::ostream& err, std::string_view message);

// The subcommands.
int runHolidays(const CommandArgs& args, std::ostream& out, std::ostream& err);

} // namespace veltrano::cli
