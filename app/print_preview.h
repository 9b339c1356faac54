#pragma once
// The print preview: the pages drawn exactly as the print commands will print
// them, shown in Qt's print preview before anything goes to paper. Printing
// from the preview opens the system print dialog and prints the same pages.
#include "render/printer_device.h"

#include <functional>
#include <memory>

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace veltrano {

// Draws the pages of one print command onto device; true when all were drawn.
using PagePrinter = std::function<bool(PrinterDevice&)>;

// The preview dialog over printer, set to the orientation the pages need;
// every page request draws the pages anew through print. printer must
// outlive the dialog.
std::unique_ptr<QPrintPreviewDialog> makePrintPreview(QPrinter& printer, bool landscape,
                                                      PagePrinter print, QWidget* parent);

// Shows the preview modally with the system's default printer.
void showPrintPreview(QWidget* parent, bool landscape, const PagePrinter& print);

} // namespace veltrano
