#pragma once
// What printing needs of an output device: a printer chosen by the user, or a
// PDF file. A PrintJob drives it; the devices live in the platform layer.
//
// Device units have their origin at the top-left corner of the printable
// area of the paper, y growing downwards.

#include "render/drawing_surface.h"

#include <cstdint>
#include <string>

namespace veltrano {

// The device's capabilities once a printer (or output) has been chosen, all
// in device units except the dots per inch.
struct PrinterMetrics {
    std::int32_t printableWidth = 0;
    std::int32_t printableHeight = 0;
    std::int32_t dpiX = 0;
    std::int32_t dpiY = 0;
    std::int32_t paperWidth = 0;
    std::int32_t paperHeight = 0;
    // Unprintable strips on the left and at the top of the paper.
    std::int32_t offsetX = 0;
    std::int32_t offsetY = 0;

    friend bool operator==(const PrinterMetrics&, const PrinterMetrics&) = default;
};

// The life of a device during one job: choose → startDocument → (startPage,
// draw on surface(), endPage)* → endDocument → release. release() may come at
// any point after a choice and gives up the output; a document that was not
// ended is then abandoned. Every operation reports failure with false and
// throws nothing.
class PrinterDevice {
  public:
    virtual ~PrinterDevice() = default;

    // Whether the user chooses the printer here, so that a print-setup
    // library may take over that choice. A file output has nothing to choose.
    virtual bool offersPrinterChoice() const = 0;

    // Lets the user choose a printer in the standard print dialog, with the
    // orientation preset. False when cancelled or when no printer is left.
    virtual bool chooseWithDialog(bool landscape) = 0;

    // Takes the printer chosen elsewhere: number is its 1-based position in
    // the system's list of printers. False when there is no such printer.
    virtual bool chooseNumbered(std::int32_t number, bool landscape) = 0;

    // Valid after a successful choice.
    virtual PrinterMetrics metrics() const = 0;

    virtual bool startDocument(const std::string& name) = 0;
    virtual bool startPage() = 0;
    virtual bool endPage() = 0;
    virtual bool endDocument() = 0;
    // Gives up the chosen output; an unfinished document is abandoned.
    virtual void release() = 0;

    // The page's drawing surface between startPage and release; null
    // otherwise. Its state carries over from page to page.
    virtual DrawingSurface* surface() = 0;
};

} // namespace veltrano
