#include "platform/system_printer_device.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace veltrano {

namespace {

void setOrientation(QPrinter& printer, bool landscape) {
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

PrinterMetrics metricsOf(const QPrinter& printer) {
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    PrinterMetrics m;
    m.dpiX = printer.logicalDpiX();
    m.dpiY = printer.logicalDpiY();
    m.paperWidth = qRound(paper.width());
    m.paperHeight = qRound(paper.height());
    m.printableWidth = qRound(page.width());
    m.printableHeight = qRound(page.height());
    m.offsetX = qRound(page.left() - paper.left());
    m.offsetY = qRound(page.top() - paper.top());
    return m;
}

} // namespace

SystemPrinterDevice::SystemPrinterDevice(QWidget* dialogParent)
    : dialogParent_(dialogParent),
      ownPrinter_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      printer_(ownPrinter_.get()) {
    printer_->setFullPage(false);
}

SystemPrinterDevice::SystemPrinterDevice(QPrinter& chosenPrinter) : printer_(&chosenPrinter) {}

SystemPrinterDevice::~SystemPrinterDevice() {
    if (started_) {
        release();
    }
}

bool SystemPrinterDevice::chooseWithDialog(bool landscape) {
    setOrientation(*printer_, landscape);
    if (!ownPrinter_) {
        chosen_ = true;
        return true;
    }
    QPrintDialog dialog(printer_, dialogParent_);
    // "Print to File (PDF)" is how people without a printer keep their calendar.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    chosen_ = dialog.exec() == QDialog::Accepted && printer_->isValid();
    return chosen_;
}

bool SystemPrinterDevice::chooseNumbered(std::int32_t number, bool landscape) {
    if (!ownPrinter_) {
        return chooseWithDialog(landscape);
    }
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    if (number < 1 || number > printers.size()) {
        return false;
    }
    printer_->setPrinterName(printers[number - 1].printerName());
    setOrientation(*printer_, landscape);
    chosen_ = printer_->isValid();
    return chosen_;
}

PrinterMetrics SystemPrinterDevice::metrics() const {
    return chosen_ ? metricsOf(*printer_) : PrinterMetrics{};
}

PrinterMetrics defaultPortraitPaper() {
    // Asked once per run: finding the default printer may wait on the print
    // system, and the edit sheet asks every time it opens.
    static const PrinterMetrics paper = [] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setFullPage(false);
        // A printer that reports no paper would give the crop editor no shape.
        if (printer.paperRect(QPrinter::DevicePixel).isEmpty())
            printer.setPageSize(QPageSize(QPageSize::A4));
        setOrientation(printer, false);
        return metricsOf(printer);
    }();
    return paper;
}

bool SystemPrinterDevice::startDocument(const std::string& name) {
    if (!chosen_) {
        return false;
    }
    printer_->setDocName(QString::fromStdString(name));
    started_ = true;
    documentStarted();
    return true;
}

QPagedPaintDevice* SystemPrinterDevice::paintDevice() {
    return started_ ? printer_ : nullptr;
}

void SystemPrinterDevice::abandon() {
    printer_->abort();
}

void SystemPrinterDevice::releaseOutput(bool) {
    started_ = false;
    chosen_ = false;
}

} // namespace veltrano
