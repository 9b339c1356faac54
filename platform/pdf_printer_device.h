#pragma once
// Printer devices over Qt's paged paint devices: PDF files here, system
// printers in system_printer_device.h.

#include "platform/qpainter_surface.h"
#include "platform/safe_output_file.h"
#include "render/printer_device.h"

#include <QPageLayout>

#include <memory>
#include <string>

class QPagedPaintDevice;
class QPainter;
class QPdfWriter;

namespace veltrano {

// The page and drawing part shared by the Qt devices. The painter starts with
// the first page, so a document without pages puts nothing on paper.
class PagedPrinterDevice : public PrinterDevice {
  public:
    PagedPrinterDevice();
    ~PagedPrinterDevice() override;

    bool startPage() override;
    bool endPage() override { return pageOpen_; }
    bool endDocument() override;
    void release() override;
    DrawingSurface* surface() override { return surface_.get(); }

  protected:
    // The device of the document being printed; null before startDocument.
    virtual QPagedPaintDevice* paintDevice() = 0;
    // Called while the painter is still active when a started document is
    // given up without being ended.
    virtual void abandon() {}
    // Called by release() once the painter is gone; `abandoned` tells whether
    // the document was given up.
    virtual void releaseOutput(bool abandoned) = 0;
    bool documentEnded() const { return ended_; }
    void documentStarted() { ended_ = false; }

  private:
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<QPainterSurface> surface_;
    bool pageOpen_ = false;
    bool ended_ = false;
};

enum class PaperSize { A4, A3, Letter };

// Writes the document into a PDF file: the whole paper is printable (no
// margin, no unprintable strip), orientation as the job asks. The file
// appears when the document is ended and every byte of it was written; until
// then, and when anything fails or the document is given up or has no pages,
// a file of that name stays as it was (see SafeOutputFile).
class PdfPrinterDevice : public PagedPrinterDevice {
  public:
    static constexpr int kDefaultDpi = 600;

    explicit PdfPrinterDevice(std::string outputPath, PaperSize paper = PaperSize::A4,
                              int dpi = kDefaultDpi);
    ~PdfPrinterDevice() override;

    // A file has no printer to choose: both only take the orientation.
    bool offersPrinterChoice() const override { return false; }
    bool chooseWithDialog(bool landscape) override;
    bool chooseNumbered(std::int32_t number, bool landscape) override;
    PrinterMetrics metrics() const override;
    bool startDocument(const std::string& name) override;
    bool endDocument() override;
    // Why the file could not be written, in the system's words; "" when it could.
    const std::string& outputError() const { return outputError_; }

  protected:
    QPagedPaintDevice* paintDevice() override;
    void releaseOutput(bool abandoned) override;

  private:
    QPageLayout layout() const;

    std::string outputPath_;
    PaperSize paper_;
    int dpi_;
    bool landscape_ = false;
    std::unique_ptr<SafeOutputFile> output_;
    std::unique_ptr<QPdfWriter> writer_;
    std::string outputError_;
};

} // namespace veltrano
