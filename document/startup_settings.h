#pragma once
// Which calendar the main view shows at start-up and what it records when the
// program ends, over the program-wide settings store:
//   - at the very first start ("first" reads non-zero) the sample calendar
//     "natur.cal" of the data folder becomes the last file, and "first" 0;
//   - the last file is read into the document when the main view is built;
//     one that cannot be read gives a new calendar, silently;
//   - the file open at the end is recorded as the last file ("" for a calendar
//     that was never saved, so the next start shows a new calendar).
// The main view calls openLastCalendar from its constructor and
// recordLastCalendar from its destructor.

#include "document/calendar_document.h"
#include "document/global_daten.h"

#include <string>

namespace veltrano {

class StartupSettings {
  public:
    // store must outlive this object.
    explicit StartupSettings(CGlobalDaten& store) : store_(store) {}

    // Resets document and currentFilePath, then loads the last file into them.
    // Returns true when a calendar file was loaded.
    bool openLastCalendar(CalendarDocument& document, std::string& currentFilePath);

    // Records currentFilePath as the last file; false when it could not be stored.
    bool recordLastCalendar(const std::string& currentFilePath);

    static constexpr char kLastFileKey[] = "lastfile";
    static constexpr char kFirstStartKey[] = "first";
    static constexpr char kSampleCalendar[] = "natur.cal";

  private:
    CGlobalDaten& store_;
};

} // namespace veltrano
