#pragma once
// Reading "--name value" (or "--name=value") options of a subcommand.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano::cli {

struct ParsedOptions {
    std::map<std::string, std::string, std::less<>> values; // by name without "--"
    std::string error;                                      // "" when the arguments were understood
};

// Reads args as options that each take one value; names not in known, a
// missing value or a positional argument set error. A repeated option keeps its
// last value.
ParsedOptions parseOptions(const std::vector<std::string_view>& args,
                           std::initializer_list<std::string_view> known);

// Called for each option with its name (without "--") and value ("" for a flag);
// sets error to refuse it.
using OptionHandler =
    std::function<void(std::string_view name, std::string_view value, std::string& error)>;

// Walks args of the forms "--name value", "--name=value", "--flag" (names in
// flags, which take no value) and positional arguments, at most maxPositional of
// them, collected in order. Stops at the first error; false then, with error set.
bool walkArguments(const std::vector<std::string_view>& args,
                   std::initializer_list<std::string_view> flags, const OptionHandler& apply,
                   std::size_t maxPositional, std::vector<std::string>& positional,
                   std::string& error);

// Reads a whole text as a decimal integer in [low, high]; false when the text
// holds anything else or the value is out of range.
bool parseIntInRange(std::string_view text, std::int32_t low, std::int32_t high,
                     std::int32_t& value);

} // namespace veltrano::cli
