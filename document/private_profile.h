#pragma once
// The text of an INI file with the original platform's private-profile rules:
// "[section]" lines open sections, "key=value" lines hold values, section and
// key names are compared without regard to ASCII case and with white space
// around them ignored, the first matching section and key win, and a value is
// read with white space around it removed and one pair of enclosing quotes
// (" or ') taken off. Lines that fit none of these are kept but never read.

#include <optional>
#include <string>
#include <string_view>

namespace veltrano {

// The value of key in section, or nullopt when the file has no such key. Takes
// time linear in the size of text. A line that is not valid UTF-8 is read as
// Windows-1252.
std::optional<std::string> findProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// True when a key=value line can carry value so that findProfileValue gives it
// back unchanged: no CR, LF or NUL.
bool isStorableProfileValue(std::string_view value);

// text with key in section set to value; every other line stays byte for byte.
// An existing key keeps its line (and its name's spelling); a new key goes after
// the last value line of the section; a missing section is added at the end. A
// value that reading would alter (white space at its ends, enclosing quotes) is
// written in double quotes. The line ends follow the file's own (CR LF for a new
// file). value must be storable (isStorableProfileValue).
std::string setProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value);

} // namespace veltrano
