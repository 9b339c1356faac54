// The print preview shows the pages the print commands print, in the layout's
// orientation, before any printer is asked for.
#include "app/print_preview.h"

#include "app_fixture.h"
#include "document/calendar_document.h"
#include "render/print_layouts.h"

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace veltrano {
namespace {

TEST(PrintPreview, ShowsThePagesOfEachLayout) {
    CalendarDocument document;
    PageControls pages;
    fillPageControls(pages, document, 2027);
    PrintSelection twoMonths;
    twoMonths.months.fill(false);
    twoMonths.months[2] = twoMonths.months[11] = true;
    twoMonths.title = false;
    const struct {
        bool landscape;
        PagePrinter print;
        int pageCount;
    } cases[] = {
        {false, [&](PrinterDevice& d) { return printCalendar(d, pages, document, {}); }, 13},
        {false, [&](PrinterDevice& d) { return printCalendar(d, pages, document, twoMonths); }, 2},
        {true, [&](PrinterDevice& d) { return printYearSheet(d, pages); }, 1},
    };
    for (const auto& c : cases) {
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const auto dialog = makePrintPreview(printer, c.landscape, c.print, nullptr);
        auto* preview = dialog->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        preview->updatePreview();
        EXPECT_EQ(preview->pageCount(), c.pageCount) << c.pageCount;
        EXPECT_EQ(preview->orientation(),
                  c.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        EXPECT_EQ(dialog->windowTitle(), "Druckvorschau");
    }
}

} // namespace
} // namespace veltrano
