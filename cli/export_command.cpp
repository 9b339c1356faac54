#include "cli/export_command.h"

#include "cli/options.h"
#include "cli/photo_warnings.h"
#include "core/clock.h"
#include "document/cal_reader.h"
#include "render/print_layouts.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <unistd.h>

// The sanitizer build leaves Qt out; it has no page drawing, and there the
// drawing commands say so instead of exporting.
#if __has_include(<QGuiApplication>)
#define VELTRANO_CLI_DRAWS 1
#include "platform/pdf_printer_device.h"
#include "platform/prefetching_decoder.h"
#include "platform/qpainter_surface.h"
#include "platform/qt_image_decoder.h"

#include <QGuiApplication>
#include <QtGlobal>
#endif

namespace veltrano::cli {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

bool parsePaper(std::string_view text, ExportPaper& paper) {
    const struct {
        const char* name;
        ExportPaper paper;
    } papers[] = {
        {"A4", ExportPaper::A4}, {"A3", ExportPaper::A3}, {"Letter", ExportPaper::Letter}};
    for (const auto& p : papers) {
        if (equalsIgnoringCase(text, p.name)) {
            paper = p.paper;
            return true;
        }
    }
    return false;
}

// "1,3,12": the months to print, each 1..12, at least one.
bool parseMonths(std::string_view text, std::array<bool, kPageControlCount>& months) {
    std::array<bool, kPageControlCount> chosen{};
    while (true) {
        const std::size_t comma = text.find(',');
        std::int32_t month = 0;
        if (!parseIntInRange(text.substr(0, comma), 1, 12, month)) {
            return false;
        }
        chosen[static_cast<std::size_t>(month - 1)] = true;
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
    }
    months = chosen;
    return true;
}

void applyExportOption(std::string_view name, std::string_view value, ExportOptions& options,
                       std::string& error) {
    if (name == "one-sheet") {
        options.oneSheet = true;
    } else if (name == "no-title") {
        options.title = false;
    } else if (name == "out") {
        options.outputPath = std::string(value);
        if (value.empty()) {
            error = "--out needs a file name";
        }
    } else if (name == "year") {
        if (!parseYear(value, options.year)) {
            error = "--year must be a year from 1900 to 2100, not '" + std::string(value) + "'";
        }
    } else if (name == "months") {
        if (!parseMonths(value, options.months)) {
            error = "--months wants month numbers 1 to 12 separated by commas, not '" +
                    std::string(value) + "'";
        }
    } else if (name == "paper") {
        if (!parsePaper(value, options.paper)) {
            error = "--paper must be A4, A3 or Letter, not '" + std::string(value) + "'";
        }
    } else if (name == "program-folder") {
        options.programFolder = std::string(value);
        if (value.empty()) {
            error = "--program-folder needs a folder";
        }
    } else {
        error = "unknown option '--" + std::string(name) + "'";
    }
}

} // namespace

bool parseYear(std::string_view text, std::int32_t& year) {
    return parseIntInRange(text, 1900, 2100, year);
}

bool parseExportArgs(const CommandArgs& args, ExportOptions& options, std::string& error) {
    ExportOptions parsed;
    std::vector<std::string> positional;
    walkArguments(
        args, {"one-sheet", "no-title"},
        [&](std::string_view name, std::string_view value, std::string& problem) {
            applyExportOption(name, value, parsed, problem);
        },
        1, positional, error);
    if (!positional.empty())
        parsed.calendarPath = positional.front();
    if (error.empty() && parsed.calendarPath.empty()) {
        error = "no calendar file given";
    } else if (error.empty() && parsed.outputPath.empty()) {
        error = "no output file given (--out)";
    }
    if (!error.empty()) {
        return false;
    }
    options = parsed;
    return true;
}

#ifdef VELTRANO_CLI_DRAWS

namespace {

// Qt's own notes (a photo's broken bytes, a missing runtime folder) are no
// business of the command's user; real failures are reported by the command.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

PaperSize toPaperSize(ExportPaper paper) {
    switch (paper) {
    case ExportPaper::A3:
        return PaperSize::A3;
    case ExportPaper::Letter:
        return PaperSize::Letter;
    case ExportPaper::A4:
        break;
    }
    return PaperSize::A4;
}

} // namespace

struct HeadlessDrawing::Impl {
    int argc = 1;
    char name[16] = "veltrano-cli";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QGuiApplication> app;
    QtImageDecoder photos;
    FailureNotingDecoder decoder{photos};
};

HeadlessDrawing::HeadlessDrawing() : impl_(std::make_unique<Impl>()) {
    if (QCoreApplication::instance() == nullptr) {
        // Never needs a display: pages are drawn into files only.
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        qInstallMessageHandler(quietMessages);
        impl_->app = std::make_unique<QGuiApplication>(impl_->argc, impl_->argv);
    }
    installFontSubstitutions();
}

HeadlessDrawing::~HeadlessDrawing() = default;

bool HeadlessDrawing::available() const {
    return true;
}

const FailureNotingDecoder* HeadlessDrawing::decoder() const {
    return &impl_->decoder;
}

#else

struct HeadlessDrawing::Impl {};

HeadlessDrawing::HeadlessDrawing() = default;
HeadlessDrawing::~HeadlessDrawing() = default;

bool HeadlessDrawing::available() const {
    return false;
}

const FailureNotingDecoder* HeadlessDrawing::decoder() const {
    return nullptr;
}

#endif

bool loadPageControls(const std::string& path, std::int32_t year, const ImageDecoder* decoder,
                      CalendarDocument& document, PageControls& controls) {
    if (!readCalendarFile(document, path)) {
        return false;
    }
    for (CVeltranoCtrl& page : controls) {
        page.setImageDecoder(decoder);
    }
    if (year == 0)
        year = document.year != 0 ? document.year : currentDate().year;
    fillPageControls(controls, document, year);
    return true;
}

bool enterProgramFolder(const std::string& folder, std::string& calendarPath,
                        std::string& outputPath, std::string_view command, std::ostream& err) {
    if (folder.empty()) {
        return true;
    }
    std::error_code error;
    const std::filesystem::path calendar = std::filesystem::absolute(calendarPath, error);
    const std::filesystem::path output = std::filesystem::absolute(outputPath, error);
    if (error || ::chdir(folder.c_str()) != 0) {
        err << "veltrano-cli: " << command << ": cannot use program folder '" << folder
            << "': " << std::strerror(error ? error.value() : errno) << '\n';
        return false;
    }
    calendarPath = calendar.string();
    outputPath = output.string();
    return true;
}

bool loadPagesToDraw(const HeadlessDrawing& drawing, const std::string& path, std::int32_t year,
                     std::string_view command, CalendarDocument& document, PageControls& controls,
                     std::ostream& err) {
    if (!loadPageControls(path, year, drawing.decoder(), document, controls)) {
        err << "veltrano-cli: cannot read calendar file '" << path << "'\n";
        return false;
    }
    if (!drawing.available()) {
        err << "veltrano-cli: " << command << ": this build has no page drawing\n";
        return false;
    }
    return true;
}

int runExportCommand(const CommandArgs& args, std::ostream&, std::ostream& err) {
    ExportOptions options;
    std::string error;
    if (!parseExportArgs(args, options, error)) {
        err << "veltrano-cli: export: " << error << '\n';
        return exitUsage;
    }
    if (!enterProgramFolder(options.programFolder, options.calendarPath, options.outputPath,
                            "export", err)) {
        return exitFailure;
    }
    HeadlessDrawing drawing;
    CalendarDocument document;
    PageControls controls;
    if (!loadPagesToDraw(drawing, options.calendarPath, options.year, "export", document, controls,
                         err)) {
        return exitFailure;
    }
#ifdef VELTRANO_CLI_DRAWS
    PdfPrinterDevice device(options.outputPath, toPaperSize(options.paper));
    PrintSelection selection;
    selection.months = options.months;
    selection.title = options.title;
    selection.year = controls[0].pageMonth.year;
    const PrintPrefetch ahead(controls, document.titlePhoto,
                             document.photoCrop[kTitlePhotoPage]);
    const bool printed = options.oneSheet ? printYearSheet(device, controls)
                                          : printCalendar(device, controls, document, selection);
    static constexpr std::array<bool, kPageControlCount> kAllMonths{
        true, true, true, true, true, true, true, true, true, true, true, true};
    warnAboutUnreadablePhotos(document, options.title && !options.oneSheet,
                              options.oneSheet ? kAllMonths : options.months, *drawing.decoder(),
                              err);
    if (!printed) {
        err << "veltrano-cli: cannot write '" << options.outputPath << "'";
        if (!device.outputError().empty()) {
            err << ": " << device.outputError();
        }
        err << '\n';
        return exitFailure;
    }
#endif
    return exitOk;
}

} // namespace veltrano::cli
