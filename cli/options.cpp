#include "cli/options.h"

#include "core/number_reader.h"

#include <algorithm>

namespace veltrano::cli {

ParsedOptions parseOptions(const std::vector<std::string_view>& args,
                           std::initializer_list<std::string_view> known) {
    ParsedOptions parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (arg.size() < 3 || arg.substr(0, 2) != "--") {
            parsed.error = "unexpected argument '" + std::string(arg) + "'";
            return parsed;
        }
        arg.remove_prefix(2);
        std::string_view name = arg;
        std::string_view value;
        bool hasValue = false;
        if (const std::size_t eq = arg.find('='); eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
            hasValue = true;
        }
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            parsed.error = "unknown option '--" + std::string(name) + "'";
            return parsed;
        }
        if (!hasValue) {
            if (i + 1 >= args.size()) {
                parsed.error = "option '--" + std::string(name) + "' needs a value";
                return parsed;
            }
            value = args[++i];
        }
        parsed.values[std::string(name)] = std::string(value);
    }
    return parsed;
}

bool walkArguments(const std::vector<std::string_view>& args,
                   std::initializer_list<std::string_view> flags, const OptionHandler& apply,
                   std::size_t maxPositional, std::vector<std::string>& positional,
                   std::string& error) {
    for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
        std::string_view arg = args[i];
        if (!arg.starts_with("--")) {
            if (positional.size() >= maxPositional)
                error = "unexpected argument '" + std::string(arg) + "'";
            else
                positional.emplace_back(arg);
            continue;
        }
        arg.remove_prefix(2);
        const std::size_t eq = arg.find('=');
        const std::string_view name = arg.substr(0, eq);
        if (eq == std::string_view::npos &&
            std::find(flags.begin(), flags.end(), name) != flags.end()) {
            apply(name, {}, error);
            continue;
        }
        if (eq == std::string_view::npos && i + 1 >= args.size()) {
            error = "option '--" + std::string(name) + "' needs a value";
            break;
        }
        apply(name, eq == std::string_view::npos ? args[++i] : arg.substr(eq + 1), error);
    }
    return error.empty();
}

bool parseIntInRange(std::string_view text, std::int32_t low, std::int32_t high,
                     std::int32_t& value) {
    const NumberRead read = readNumber(text);
    if (!read.hasDigits || read.end != text.size() || read.value < low || read.value > high) {
        return false;
    }
    value = read.value;
    return true;
}

} // namespace veltrano::cli
