// The print preview shows the pages the print commands print, in the layout's
// orientation, before any printer is asked for.
#include "app/print_preview.h"

#include "app_fixture.h"
#include "document/calendar_document.h"
#include "render/print_layouts.h"
#include "tests/app/real_input.h"

#include <QApplication>
#include <QTest>

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

// The tool bar takes no focus: its zoom and paging buttons answer their keys
// wherever the focus is in the preview.
TEST(PrintPreview, KeysZoomAndTurnThePages) {
    CalendarDocument document;
    PageControls pages;
    fillPageControls(pages, document, 2027);
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const auto dialog = makePrintPreview(
        printer, false, [&](PrinterDevice& d) { return printCalendar(d, pages, document, {}); },
        nullptr);
    testing::showActive(dialog.get());
    auto* preview = dialog->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(preview, nullptr);
    const auto press = [&](int key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : dialog.get(), static_cast<Qt::Key>(key),
                        modifiers);
    };
    ASSERT_EQ(preview->currentPage(), 1);
    press(Qt::Key_PageDown);
    press(Qt::Key_PageDown);
    EXPECT_EQ(preview->currentPage(), 3);
    press(Qt::Key_PageUp);
    EXPECT_EQ(preview->currentPage(), 2);

    const qreal before = preview->zoomFactor();
    press(Qt::Key_Plus, Qt::ControlModifier);
    const qreal larger = preview->zoomFactor();
    EXPECT_GT(larger, before);
    press(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_LT(preview->zoomFactor(), larger);
    dialog->reject();
}

} // namespace
} // namespace veltrano
