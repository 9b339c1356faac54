#pragma once
// The secondary dialogs the main view's commands open. The window program
// implements them with its dialogs; tests answer them directly.
#include "core/date_value.h"
#include "document/calendar_document.h"
#include "render/print_layouts.h"
#include <cstdint>
#include <string>

namespace veltrano {

// What the multi-day dialog hands back on OK.
struct MultiDayEntry {
    DateValue first;
    DateValue last;
    std::string text;
    DayColour colour = DayColour::None;
    bool keepText = false;   // leave the days' texts as they are
    bool keepColour = false; // leave the days' colours as they are
};

// Shown when the multi-day dialog is confirmed with dates that give no range.
inline constexpr char kMultiDayNothingEntered[] =
    "<strong>Mehrtags-Termin</strong><br>Es wurde nichts eingetragen: Bitte geben Sie zwei "
    "Daten an, von denen das erste vor dem letzten liegt.";

// True when the entry's dates give a range: both set, the first before the last.
inline bool givesDayRange(const MultiDayEntry& entry) {
    return !entry.first.isEmpty() && !entry.last.isEmpty() && entry.first.isEarlier(entry.last);
}

class CalendarDialogs {
  public:
    virtual ~CalendarDialogs() = default;
    // The edit sheet on document, opened at startPage (0 general page,
    // 1..12 a month). True when confirmed; document then holds the changes.
    virtual bool editCalendar(CalendarDocument& document, int startPage, std::int32_t year) = 0;
    // True on OK with year set to the chosen year.
    virtual bool chooseYear(std::int32_t& year) = 0;
    virtual bool enterMultiDay(std::int32_t year, MultiDayEntry& entry) = 0;
    // True when an import wrote birthdays into document.
    virtual bool importBirthdays(CalendarDocument& document) = 0;
    // The same for a calendar shown for `year`, which decides where a file's
    // 29 February dates go; dialogs that do not need it answer importBirthdays.
    virtual bool importBirthdaysForYear(CalendarDocument& document, std::int32_t year) {
        (void)year;
        return importBirthdays(document);
    }
    // True when the language dialog was confirmed; its choice is then stored.
    virtual bool chooseLanguage() = 0;
    // The pages to print; false when cancelled.
    virtual bool choosePrintSelection(PrintSelection& selection) = 0;
};

} // namespace veltrano
