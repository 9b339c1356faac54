#include "render/print_job.h"

#include <algorithm>

namespace veltrano {

namespace {

// Millimetres to device units, in 64 bits so that any margin read from a file
// converts without overflow, then held to the 32-bit range.
std::int32_t convert(std::int32_t millimetres, std::int32_t dpi, std::int64_t numerator,
                     std::int64_t denominator) {
    const std::int64_t units =
        static_cast<std::int64_t>(millimetres) * dpi * numerator / denominator;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(units, INT32_MIN, INT32_MAX));
}

// 25 millimetres to the inch: the printable page inside margins.
std::int32_t marginUnits(std::int32_t millimetres, std::int32_t dpi) {
    return convert(millimetres, dpi, 1, 25);
}

// 25.4 millimetres to the inch: lengths on the page.
std::int32_t lengthUnits(std::int32_t millimetres, std::int32_t dpi) {
    return convert(millimetres, dpi, 10, 254);
}

std::int32_t lessStrip(std::int32_t value, std::int32_t strip) {
    return static_cast<std::int32_t>(
        std::max<std::int64_t>(0, static_cast<std::int64_t>(value) - strip));
}

} // namespace

Rect marginRect(const PrinterMetrics& printer, std::int32_t left, std::int32_t top,
                std::int32_t right, std::int32_t bottom) {
    const std::int32_t width = std::max(printer.printableWidth, 0);
    const std::int32_t height = std::max(printer.printableHeight, 0);
    const std::int32_t rightStrip = printer.paperWidth - printer.offsetX - printer.printableWidth;
    const std::int32_t bottomStrip =
        printer.paperHeight - printer.offsetY - printer.printableHeight;
    const std::int32_t l = lessStrip(marginUnits(left, printer.dpiX), printer.offsetX);
    const std::int32_t t = lessStrip(marginUnits(top, printer.dpiY), printer.offsetY);
    const std::int32_t r = lessStrip(marginUnits(right, printer.dpiX), rightStrip);
    const std::int32_t b = lessStrip(marginUnits(bottom, printer.dpiY), bottomStrip);
    // Margins wider than the page leave an empty rectangle at their meeting
    // point instead of an inverted one.
    Rect page{std::min(l, width), std::min(t, height), 0, 0};
    page.right = std::max(page.left, width - r);
    page.bottom = std::max(page.top, height - b);
    return page;
}

Rect mmRect(const PrinterMetrics& printer, std::int32_t x1, std::int32_t y1, std::int32_t x2,
            std::int32_t y2) {
    return Rect{lessStrip(lengthUnits(x1, printer.dpiX), printer.offsetX),
                lessStrip(lengthUnits(y1, printer.dpiY), printer.offsetY),
                lessStrip(lengthUnits(x2, printer.dpiX), printer.offsetX),
                lessStrip(lengthUnits(y2, printer.dpiY), printer.offsetY)};
}

PrintJob::PrintJob(PrinterDevice& device) : device_(device) {
    acquirePrintSetupLibrary();
}

PrintJob::~PrintJob() {
    if (attached_) {
        giveUpPrinter();
    }
    releasePrintSetupLibrary();
}

bool PrintJob::choosePrinter(bool landscape) {
    const PrintSetupEntry entry = device_.offersPrinterChoice() ? printSetupEntry() : nullptr;
    if (entry == nullptr) {
        return device_.chooseWithDialog(landscape);
    }
    PrintSetupRecord record;
    record.landscape = landscape ? 1 : 0;
    record.setup1 = setupValues_[0];
    record.setup2 = setupValues_[1];
    record.setup3 = setupValues_[2];
    if (entry(&record) == 0) {
        return false;
    }
    setupValues_[1] = record.setup2;
    setupValues_[2] = record.setup3;
    return record.device != 0 && device_.chooseNumbered(record.device, landscape);
}

bool PrintJob::startJob(const std::string& documentName, bool landscape) {
    if (attached_) {
        return false;
    }
    documentName_ = documentName;
    if (!choosePrinter(landscape)) {
        return false;
    }
    attached_ = true;
    if (!device_.startDocument(documentName_)) {
        giveUpPrinter();
        return false;
    }
    metrics_ = device_.metrics();
    pageRect_ = Rect{0, 0, metrics_.printableWidth, metrics_.printableHeight};
    pageCounter_ = -1;
    return true;
}

bool PrintJob::startPage() {
    if (!attached_) {
        return false;
    }
    if (pageCounter_ >= 0 && !device_.endPage()) {
        giveUpPrinter();
        return false;
    }
    if (!device_.startPage()) {
        giveUpPrinter();
        return false;
    }
    ++pageCounter_;
    return true;
}

bool PrintJob::endJob() {
    if (!attached_) {
        return false;
    }
    bool ended = pageCounter_ < 0 || device_.endPage();
    ended = ended && device_.endDocument();
    giveUpPrinter();
    return ended;
}

DrawingSurface* PrintJob::surface() const {
    return attached_ ? device_.surface() : nullptr;
}

Rect PrintJob::marginRect(std::int32_t left, std::int32_t top, std::int32_t right,
                          std::int32_t bottom) const {
    return veltrano::marginRect(metrics_, left, top, right, bottom);
}

Rect PrintJob::mmRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) const {
    return veltrano::mmRect(metrics_, x1, y1, x2, y2);
}

void PrintJob::giveUpPrinter() {
    device_.release();
    attached_ = false;
}

} // namespace veltrano
