#pragma once
// One print command's job: it chooses the printer, starts and ends the
// document and its pages on a PrinterDevice, and converts millimetres into
// device units of the chosen printer.
//
// Failures end the job silently: the caller only learns true or false, and a
// failed startPage has already given up the printer, so that the following
// endJob has nothing left to end.

#include "render/print_setup.h"
#include "render/printer_device.h"

#include <array>
#include <cstdint>
#include <string>

namespace veltrano {

// The printable page rectangle for margins in millimetres measured from the
// paper's edges (25 millimetres to the inch, integer arithmetic): margins
// lying in the unprintable strips count as 0, and negative margins as 0.
// Margins that leave no printable area give an empty rectangle, never an
// inverted one.
Rect marginRect(const PrinterMetrics& printer, std::int32_t left, std::int32_t top,
                std::int32_t right, std::int32_t bottom);

// A rectangle in millimetres from the paper's corner in device units (25.4
// millimetres to the inch, integer arithmetic): each coordinate less the
// unprintable strip of its axis, cut at 0.
Rect mmRect(const PrinterMetrics& printer, std::int32_t x1, std::int32_t y1, std::int32_t x2,
            std::int32_t y2);

class PrintJob {
  public:
    // The device must outlive the job.
    explicit PrintJob(PrinterDevice& device);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // Chooses a printer (through the print-setup library when it is loaded
    // and the device offers a choice, else the standard dialog) and starts
    // the document. False when the choice was cancelled or the document could
    // not be started; nothing is printed then.
    bool startJob(const std::string& documentName, bool landscape);
    // Ends the current page, if any, and starts the next. False on failure,
    // after which the printer is given up.
    bool startPage();
    // Ends the last page and the document and gives up the printer. True
    // when the document was ended successfully.
    bool endJob();

    // The page's surface while a page is open; null otherwise.
    DrawingSurface* surface() const;
    const PrinterMetrics& metrics() const { return metrics_; }
    Rect marginRect(std::int32_t left, std::int32_t top, std::int32_t right,
                    std::int32_t bottom) const;
    Rect mmRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) const;

    const std::string& documentName() const { return documentName_; }
    // (0, 0, printable width, printable height) once the job has started.
    Rect pageRect() const { return pageRect_; }
    // −1 before the first page, then the number of pages started minus one.
    std::int32_t pageCounter() const { return pageCounter_; }
    // Exchanged with the print-setup library; 0, 10 and 1 for a new job.
    const std::array<std::int32_t, 3>& setupValues() const { return setupValues_; }

  private:
    bool choosePrinter(bool landscape);
    void giveUpPrinter();

    PrinterDevice& device_;
    std::string documentName_;
    PrinterMetrics metrics_;
    Rect pageRect_;
    std::int32_t pageCounter_ = -1;
    std::array<std::int32_t, 3> setupValues_{0, 10, 1};
    bool attached_ = false;
};

} // namespace veltrano
