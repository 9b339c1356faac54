#pragma once
// Writing a calendar as a ".cal" file: one record per line, fields separated by
// ";", lines ended with CR LF, strings byte for byte as held in memory.
//
// Free-text fields never carry ";" (written as ",") nor a line break (written as
// "<br>"). Photo paths are written unchanged, ";" included; the reader takes the
// rest of their line, so such a path survives a save and a load.

#include "document/calendar_document.h"

#include <string>

namespace veltrano {

// The file content for document: the five settings records, then the title
// photo and text when set, per month the photo and caption, and every day slot
// with a text or a colour above 0; last the year when one is set.
std::string formatCalendarFile(const CalendarDocument& document);

// Saves document to path, replacing an existing file only once the new one is
// completely on the disk. On success clears `untitled` and, as the saved file
// shows them, turns every ";" of the month captions into ",". Returns false when
// the file cannot be written (folder missing, disk full, I/O error); document
// and any old file are then unchanged. `modified` is the caller's to clear.
bool writeCalendarFile(CalendarDocument& document, const std::string& path);

} // namespace veltrano
