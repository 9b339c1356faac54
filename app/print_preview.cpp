#include "app/print_preview.h"

#include "core/strings.h"
#include "platform/system_printer_device.h"

#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace veltrano {

namespace {

constexpr int kPreviewCaption = 29870;

} // namespace

std::unique_ptr<QPrintPreviewDialog> makePrintPreview(QPrinter& printer, bool landscape,
                                                      PagePrinter print, QWidget* parent) {
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    auto dialog = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    dialog->setWindowTitle(QString::fromStdString(loadString(kPreviewCaption)));
    QObject::connect(dialog.get(), &QPrintPreviewDialog::paintRequested, dialog.get(),
                     [print = std::move(print)](QPrinter* target) {
                         SystemPrinterDevice device(*target);
                         print(device);
                     });
    return dialog;
}

void showPrintPreview(QWidget* parent, bool landscape, const PagePrinter& print) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(false);
    makePrintPreview(printer, landscape, print, parent)->exec();
}

} // namespace veltrano
