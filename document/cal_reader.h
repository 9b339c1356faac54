#pragma once
// Reading a ".cal" file into a CalendarDocument.
//
// Lines end at CR LF, at LF or at CR alone. A line that is not valid UTF-8 was
// written on the original platform and is read as Windows-1252; a photo path in
// such a line that names no file is taken in its bytes as they stand when those
// name one. Each line is one record: a key (matched
// without regard to case, with spaces around it ignored) and fields separated
// by ";". Lines with an unknown key are skipped; a later record overwrites an
// earlier one for the same field.
//
// Any byte sequence is safe to read: time and memory grow linearly with the
// size of the content, and numbers beyond 32 bits saturate.

#include "document/calendar_document.h"

#include <string>
#include <string_view>

namespace veltrano {

// Reads content as a calendar into document, starting from a new calendar with
// `untitled` cleared. Returns false and leaves document unchanged when content
// is not empty but no line of it holds a calendar record, so that a picture or
// text opened by mistake cannot be overwritten by the next save. Empty content
// reads as a new calendar.
bool readCalendarText(CalendarDocument& document, std::string_view content);

// Reads the file at path as readCalendarText does. Returns false (document
// unchanged) also when the file cannot be opened or read, is not a regular file,
// or is longer than kMaxCalendarFileBytes.
bool readCalendarFile(CalendarDocument& document, const std::string& path);

} // namespace veltrano
