#pragma once
// The two printed forms of the calendar: the title page and the chosen months
// one sheet each, or the whole year on one landscape sheet.

#include "render/print_job.h"
#include "render/veltrano_ctrl.h"

#include <array>
#include <cstdint>

namespace veltrano {

struct CalendarDocument;
struct MarginRect;

// Which pages to print, as the print selection dialog sets them.
struct PrintSelection {
    std::array<bool, kPageControlCount> months{true, true, true, true, true, true,
                                               true, true, true, true, true, true};
    bool title = true;
    // The year the dialog's heading shows; callers put the calendar's year here.
    std::int32_t year = defaultYear();

    // The current year + 1.
    static std::int32_t defaultYear();
};

// Where a page of printCalendar goes on paper: inside the calendar's margins.
Rect calendarPageRect(const PrinterMetrics& paper, const MarginRect& margins);

// The proportions (width / height) of the photo on a page printCalendar prints
// on paper with margins; 1 when margins leave no room for a photo.
double printedPhotoAspect(const PrinterMetrics& paper, const MarginRect& margins);

// The title page (when selected) and each selected month on a sheet of its
// own, portrait, inside the document's margins. The title page is drawn by
// the January control, whose month gives the year. Any failure ends the job
// after the pages already printed; returns true when the whole document was
// printed. A selection without pages starts and ends an empty document.
bool printCalendar(PrinterDevice& device, PageControls& controls, const CalendarDocument& document,
                   const PrintSelection& selection);

// The whole year on one landscape sheet with fixed 10 mm margins: the year as
// heading, January to June in the upper row, July to December in the lower,
// each a compact month page. Returns true when the sheet was printed.
bool printYearSheet(PrinterDevice& device, PageControls& controls);

} // namespace veltrano
