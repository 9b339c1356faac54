#pragma once
// The system's printers (CUPS) for the window program: the user picks one in
// the standard print dialog, or a print-setup library picks it by number.

#include "platform/pdf_printer_device.h"

#include <memory>

class QPrinter;
class QWidget;

namespace veltrano {

// Keeps one printer setting for the program's life, so that the printer and
// paper chosen last are offered again; each job sets the orientation it
// needs. Device units are the printer's dots, with the origin at the corner
// of the printable area. Needs a QApplication for the dialog.
class SystemPrinterDevice : public PagedPrinterDevice {
  public:
    explicit SystemPrinterDevice(QWidget* dialogParent = nullptr);
    // Prints onto a printer chosen elsewhere, such as the one the print
    // preview draws on: choosing only sets the orientation, and no dialog or
    // print-setup library is asked. printer must outlive the device.
    explicit SystemPrinterDevice(QPrinter& chosenPrinter);
    ~SystemPrinterDevice() override;

    bool offersPrinterChoice() const override { return ownPrinter_ != nullptr; }
    // The print dialog without page range, selection and print-to-file.
    bool chooseWithDialog(bool landscape) override;
    bool chooseNumbered(std::int32_t number, bool landscape) override;
    PrinterMetrics metrics() const override;
    bool startDocument(const std::string& name) override;

  protected:
    QPagedPaintDevice* paintDevice() override;
    void abandon() override;
    void releaseOutput(bool abandoned) override;

  private:
    QWidget* dialogParent_ = nullptr;
    std::unique_ptr<QPrinter> ownPrinter_; // null when printing onto a printer chosen elsewhere
    QPrinter* printer_;
    bool chosen_ = false;
    bool started_ = false;
};

// The paper a print command starts with before the user picks another: the
// default printer's (or, without printers, the locale's; A4 when neither
// names one) paper, portrait, at the resolution printing uses.
PrinterMetrics defaultPortraitPaper();

} // namespace veltrano
