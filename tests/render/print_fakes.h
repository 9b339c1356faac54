#pragma once
// Stand-ins for the platform's printer and image decoder in drawing and
// printing tests: they record what was asked of them and can be told to fail.

#include "render/image_decoder.h"
#include "render/printer_device.h"
#include "render/recording_surface.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace veltrano::testing {

// Pictures of the sizes registered by path; other paths give no picture.
class FakeDecoder : public ImageDecoder {
  public:
    struct Call {
        std::string path;
        Size box;
    };

    std::map<std::string, Size> files;
    std::map<std::string, PhotoProblem> problems; // why other paths give no picture
    mutable std::vector<Call> calls;

    DecodedImage decode(const std::string& path, Size box) const override {
        calls.push_back({path, box});
        const auto found = files.find(path);
        if (found == files.end()) {
            DecodedImage none;
            const auto problem = problems.find(path);
            none.problem = problem == problems.end() ? PhotoProblem::None : problem->second;
            return none;
        }
        const Size own = found->second;
        return DecodedImage{std::make_unique<BlankPicture>(own.width, own.height),
                            decodedPixelSize(own, box)};
    }
};

// A printer that draws onto a recording surface and logs every call as text
// ("dialog portrait", "startDocument Kalender", "startPage", ...).
class FakePrinter : public PrinterDevice {
  public:
    explicit FakePrinter(PrinterMetrics metrics)
        : printer(metrics), page(metrics.dpiX, metrics.dpiY) {}

    PrinterMetrics printer;
    bool offersChoice = true;
    bool chooseAnswer = true;
    bool startDocumentAnswer = true;
    bool endDocumentAnswer = true;
    int failingStartPage = -1; // number of the startPage call (from 0) that fails
    std::vector<std::string> log;
    RecordingSurface page;
    std::vector<std::size_t> pageStarts; // op index at which each page began

    bool offersPrinterChoice() const override { return offersChoice; }
    bool chooseWithDialog(bool landscape) override {
        log.push_back(std::string("dialog ") + (landscape ? "landscape" : "portrait"));
        return chooseAnswer;
    }
    bool chooseNumbered(std::int32_t number, bool landscape) override {
        log.push_back("numbered " + std::to_string(number) +
                      (landscape ? " landscape" : " portrait"));
        return chooseAnswer;
    }
    PrinterMetrics metrics() const override { return printer; }
    bool startDocument(const std::string& name) override {
        log.push_back("startDocument " + name);
        return startDocumentAnswer;
    }
    bool startPage() override {
        log.push_back("startPage");
        if (static_cast<int>(pageStarts.size()) == failingStartPage) {
            return false;
        }
        pageStarts.push_back(page.ops().size());
        open_ = true;
        return true;
    }
    bool endPage() override {
        log.push_back("endPage");
        return true;
    }
    bool endDocument() override {
        log.push_back("endDocument");
        return endDocumentAnswer;
    }
    void release() override {
        log.push_back("release");
        open_ = false;
    }
    DrawingSurface* surface() override { return open_ ? &page : nullptr; }

    // The recorded calls of page n (from 0).
    std::vector<RecordedOp> opsOfPage(std::size_t n) const {
        const auto& ops = page.ops();
        const std::size_t end = n + 1 < pageStarts.size() ? pageStarts[n + 1] : ops.size();
        return std::vector<RecordedOp>(ops.begin() + static_cast<std::ptrdiff_t>(pageStarts[n]),
                                       ops.begin() + static_cast<std::ptrdiff_t>(end));
    }

  private:
    bool open_ = false;
};

// 254 dots per inch make 10 device units a millimetre (25.4 mm to the inch).
inline PrinterMetrics a4Printer(std::int32_t offsetX = 0, std::int32_t offsetY = 0,
                                bool landscape = false) {
    PrinterMetrics m;
    m.dpiX = m.dpiY = 254;
    m.paperWidth = landscape ? 2970 : 2100;
    m.paperHeight = landscape ? 2100 : 2970;
    m.offsetX = offsetX;
    m.offsetY = offsetY;
    m.printableWidth = m.paperWidth - 2 * offsetX;
    m.printableHeight = m.paperHeight - 2 * offsetY;
    return m;
}

} // namespace veltrano::testing
