#pragma once
// Reading "--name value" (or "--name=value") options of a subcommand.

#include <cstdint>
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

// Reads a whole text as a decimal integer in [low, high]; false when the text
// holds anything else or the value is out of range.
bool parseIntInRange(std::string_view text, std::int32_t low, std::int32_t high,
                     std::int32_t& value);

} // namespace veltrano::cli
