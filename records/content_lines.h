#pragma once
// The line syntax shared by vCard (2.1, 3.0, 4.0) and iCalendar files:
// "NAME;PARAM=value,value:value" content lines, folded by a line end followed by
// a blank or tab, with CR LF or LF line ends, grouped by BEGIN:x ... END:x.
//
// The reader is strict: it accepts what the standards and the usual phone,
// mail and calendar programs write, and stops at the first line that is none
// of that, reporting the line number (of the physical line, counted from 1)
// and the fault. On failure the output is left as it was.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano {

// Why a file could not be read; the messages name these in the user's language.
enum class ContentFault {
    None,
    NotContactsOrCalendar, // the file does not start with BEGIN:VCARD or BEGIN:VCALENDAR
    TooLarge,              // more than kMaxContentFileBytes
    Binary,                // control characters other than tab, CR and LF
    BrokenFolding,         // a continuation line with no line before it
    MalformedLine,         // no ":" or no valid name before it
    BadDate,               // a date that is not a day of the calendar
    Unbalanced,            // END that does not close the open BEGIN, a line outside any
    Unterminated,          // the file ends inside a contact or calendar
    CannotRead,            // the file could not be opened or read
};

// Files above this size are refused before reading (4 MiB: several thousand
// contacts with small photos).
inline constexpr std::size_t kMaxContentFileBytes = 4u << 20;

struct ContentReadError {
    ContentFault fault = ContentFault::None;
    int line = 0;       // 0 when the fault is not of one line
    std::string detail; // the offending text where it helps (a date)
};

struct ContentParam {
    std::string name; // upper case; a 2.1 parameter without "=" is TYPE or ENCODING
    std::vector<std::string> values;
};

struct ContentLine {
    int line = 0;     // where the content line starts
    std::string name; // upper case, without a group prefix ("item1.")
    std::vector<ContentParam> params;
    // UTF-8, quoted-printable and the character set already decoded; backslash
    // escapes are left for the reader of the property, which knows its syntax.
    std::string value;

    // True when a parameter `name` has `value` among its values (both compared
    // without regard to letter case; `name` and `value` given in upper case).
    bool hasParam(std::string_view name, std::string_view value) const;
};

// Splits `bytes` into content lines. Empty lines are passed over.
bool readContentLines(std::string_view bytes, std::vector<ContentLine>& lines,
                      ContentReadError& error);

// The text of an escaped value: "\n" and "\N" become a blank (day texts hold
// names on one line), "\," "\;" "\\" the character itself; other control
// characters become blanks; blanks at both ends are removed.
std::string unescapeContentText(std::string_view value);

// The ASCII upper case of a text.
std::string upperText(std::string_view text);

// Splits a structured value at the separators that are not escaped.
std::vector<std::string_view> splitContentValue(std::string_view value, char separator);

} // namespace veltrano
