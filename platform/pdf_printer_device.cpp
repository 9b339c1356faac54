#include "platform/pdf_printer_device.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace veltrano {

PagedPrinterDevice::PagedPrinterDevice() = default;

PagedPrinterDevice::~PagedPrinterDevice() = default;

bool PagedPrinterDevice::startPage() {
    QPagedPaintDevice* device = paintDevice();
    if (device == nullptr) {
        return false;
    }
    if (painter_ != nullptr) {
        // The surface and its state carry over to the new page.
        pageOpen_ = device->newPage();
        return pageOpen_;
    }
    installFontSubstitutions();
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(device)) {
        return false;
    }
    painter_ = std::move(painter);
    surface_ = std::make_unique<QPainterSurface>(*painter_);
    pageOpen_ = true;
    return true;
}

bool PagedPrinterDevice::endDocument() {
    if (paintDevice() == nullptr) {
        return false;
    }
    bool ended = true;
    if (painter_ != nullptr) {
        surface_.reset();
        ended = painter_->end();
        painter_.reset();
    }
    pageOpen_ = false;
    ended_ = ended;
    return ended;
}

void PagedPrinterDevice::release() {
    const bool abandoned = paintDevice() != nullptr && !ended_;
    if (abandoned) {
        abandon();
    }
    surface_.reset();
    if (painter_ != nullptr) {
        painter_->end();
        painter_.reset();
    }
    pageOpen_ = false;
    releaseOutput(abandoned);
}

PdfPrinterDevice::PdfPrinterDevice(std::string outputPath, PaperSize paper, int dpi)
    : outputPath_(std::move(outputPath)), paper_(paper), dpi_(dpi > 0 ? dpi : kDefaultDpi) {}

PdfPrinterDevice::~PdfPrinterDevice() {
    if (writer_ != nullptr) {
        release();
    }
}

bool PdfPrinterDevice::chooseWithDialog(bool landscape) {
    landscape_ = landscape;
    return true;
}

bool PdfPrinterDevice::chooseNumbered(std::int32_t, bool landscape) {
    return chooseWithDialog(landscape);
}

QPageLayout PdfPrinterDevice::layout() const {
    QPageSize::PageSizeId id = QPageSize::A4;
    if (paper_ == PaperSize::A3) {
        id = QPageSize::A3;
    } else if (paper_ == PaperSize::Letter) {
        id = QPageSize::Letter;
    }
    QPageLayout page(QPageSize(id), landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait,
                     QMarginsF(0, 0, 0, 0));
    page.setMode(QPageLayout::FullPageMode);
    return page;
}

PrinterMetrics PdfPrinterDevice::metrics() const {
    const QRect paper = layout().fullRectPixels(dpi_);
    PrinterMetrics m;
    m.dpiX = m.dpiY = dpi_;
    m.paperWidth = m.printableWidth = paper.width();
    m.paperHeight = m.printableHeight = paper.height();
    return m;
}

bool PdfPrinterDevice::startDocument(const std::string& name) {
    // Fail here rather than at the first page when the file cannot be written.
    writer_.reset();
    output_ = std::make_unique<SafeOutputFile>(outputPath_);
    if (!output_->open()) {
        outputError_ = output_->errorText();
        output_.reset();
        return false;
    }
    outputError_.clear();
    writer_ = std::make_unique<QPdfWriter>(output_->device());
    writer_->setResolution(dpi_);
    writer_->setPageLayout(layout());
    writer_->setTitle(QString::fromStdString(name));
    writer_->setCreator(QStringLiteral("Veltrano"));
    documentStarted();
    return true;
}

bool PdfPrinterDevice::endDocument() {
    if (!PagedPrinterDevice::endDocument())
        return false;
    // A document without pages leaves no empty file.
    if (!output_->hasContent()) {
        output_->discard();
        return true;
    }
    if (!output_->commit()) {
        outputError_ = output_->errorText();
        return false;
    }
    return true;
}

QPagedPaintDevice* PdfPrinterDevice::paintDevice() {
    return writer_.get();
}

void PdfPrinterDevice::releaseOutput(bool) {
    writer_.reset();
    // Whatever was not committed is discarded; the old file stays.
    output_.reset();
}

} // namespace veltrano
