#include "render/print_layouts.h"

#include "core/clock.h"
#include "core/strings.h"
#include "document/calendar_document.h"

namespace veltrano {

std::int32_t PrintSelection::defaultYear() {
    return currentDate().year + 1;
}

Rect calendarPageRect(const PrinterMetrics& paper, const MarginRect& margins) {
    return marginRect(paper, margins.left, margins.top, margins.right, margins.bottom);
}

double printedPhotoAspect(const PrinterMetrics& paper, const MarginRect& margins) {
    const Rect photo = pagePhotoBox(calendarPageRect(paper, margins));
    if (photo.width() <= 0 || photo.height() <= 0)
        return 1.0;
    return static_cast<double>(photo.width()) / photo.height();
}

bool printCalendar(PrinterDevice& device, PageControls& controls, const CalendarDocument& document,
                   const PrintSelection& selection) {
    PrintJob job(device);
    if (!job.startJob("Kalender", false)) {
        return false;
    }
    const MarginRect& margins = document.margins;
    if (selection.title) {
        if (!job.startPage()) {
            job.endJob();
            return false;
        }
        const Rect page = calendarPageRect(job.metrics(), margins);
        controls[0].drawTitlePage(job, page, document.titlePhoto, document.titleText,
                                  document.photoCrop[kTitlePhotoPage]);
    }
    for (std::size_t m = 0; m < controls.size(); ++m) {
        if (!selection.months[m]) {
            continue;
        }
        const Rect page = calendarPageRect(job.metrics(), margins);
        if (!job.startPage()) {
            job.endJob();
            return false;
        }
        controls[m].drawMonthPage(job, page, false);
    }
    return job.endJob();
}

namespace {

// The year above the twelve months; returns the height it took.
std::int32_t drawYearHeading(DrawingSurface& surface, const Rect& page, std::int32_t year) {
    surface.save();
    FontSpec font;
    font.face = "Arial";
    font.points = 24;
    font.weight = kWeightBold;
    surface.setFont(font);
    surface.setTextColour(kBlack);
    surface.setBackgroundMode(BackgroundMode::Transparent);
    const std::int32_t height = surface.drawText(page, formatText("%04d", {std::int64_t{year}}),
                                                 TextCentre | TextSingleLine);
    surface.restore();
    return height;
}

} // namespace

bool printYearSheet(PrinterDevice& device, PageControls& controls) {
    PrintJob job(device);
    if (!job.startJob("Jahreskalender", true)) {
        return false;
    }
    Rect page = job.marginRect(10, 10, 10, 10);
    const std::int32_t spacing = job.mmRect(0, 0, 3, 3).width();
    if (!job.startPage()) {
        job.endJob();
        return false;
    }
    DrawingSurface* surface = job.surface();
    if (surface != nullptr && !page.isEmpty()) {
        page.top += drawYearHeading(*surface, page, controls[0].pageMonth.year) * 3 / 2;
        const std::int32_t colWidth = page.width() / 6;
        const std::int32_t rowHeight = page.height() / 2;
        for (std::int32_t i = 0; i < kPageControlCount && rowHeight > 0; ++i) {
            const std::int32_t col = i % 6;
            const std::int32_t row = i / 6;
            const Rect box{page.left + col * colWidth + spacing, page.top + row * rowHeight,
                           page.left + (col + 1) * colWidth - spacing,
                           page.top + (row + 1) * rowHeight};
            controls[static_cast<std::size_t>(i)].drawMonthPage(job, box, true);
        }
    }
    return job.endJob();
}

} // namespace veltrano
