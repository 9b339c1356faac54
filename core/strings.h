#pragma once
// Looking up the program's numbered texts in the current language, and filling
// in their placeholders.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace veltrano {

// One value for a placeholder: a number for %d/%ld/%x/%c forms, a text for %s.
using FormatArg = std::variant<std::int64_t, std::string>;

// The string-table entry of that number translated into the current language;
// "" when the table has no such entry.
std::string loadString(int id);

// Fills printf-style placeholders of format with args, in order. Placeholders
// whose value is missing or of the other kind are filled safely, never read
// from memory that was not passed.
std::string formatText(std::string_view format, std::initializer_list<FormatArg> args);

// loadString(id), translated before the values are inserted.
std::string formatString(int id, std::initializer_list<FormatArg> args);

} // namespace veltrano
