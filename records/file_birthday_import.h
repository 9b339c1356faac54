#pragma once
// Copying birthdays and yearly dates from a contact file (vCard) or calendar
// file (iCalendar) into the day texts of a calendar.
//
// The file is read whole before the document changes. Each date adds its text
// to its day in file order, below what the day already holds ("\r\n" between
// lines), and gives the day colour 1; a text already on that day, from the
// calendar or earlier in the file, is not added again, so importing a file a
// second time changes nothing. Days without a new text keep text and colour.
// 29 February goes to 28 February when `year` is a common year.
//
// Messages go through the installed presenter: 140 (style 64) with the number
// of texts added, followed by a note when birthdays were moved from
// 29 February; when the file cannot be read or is not a valid contact or
// calendar file, a message naming the file, the line and the fault, and the
// document is left exactly as it was.

#include <cstdint>
#include <string>

namespace veltrano {

struct CalendarDocument;

// True when the file was read (also when it held no date); `placed`, when
// given, receives the number of texts added.
bool ImportFromFile(CalendarDocument& document, const std::string& path, std::int32_t year,
                    int* placed = nullptr);

} // namespace veltrano
