#include "cli/preview_command.h"

#include "cli/export_command.h"
#include "cli/options.h"
#include "cli/photo_warnings.h"

#if __has_include(<QImage>)
#define VELTRANO_CLI_DRAWS 1
#include "platform/qpainter_surface.h"
#include "platform/safe_output_file.h"

#include <QImage>
#include <QImageWriter>
#include <QPainter>
#endif

namespace veltrano::cli {

namespace {

// The screen's resolution, for the point sizes of the thumbnails' fonts.
constexpr int kScreenDpi = 96;
// The background behind the thumbnails.
constexpr Colour kViewBackground = rgb(212, 208, 200);

// "1200x700".
bool parseSize(std::string_view text, Size& size) {
    const std::size_t x = text.find_first_of("xX");
    std::int32_t width = 0;
    std::int32_t height = 0;
    if (x == std::string_view::npos ||
        !parseIntInRange(text.substr(0, x), kMinPreviewSide, kMaxPreviewSide, width) ||
        !parseIntInRange(text.substr(x + 1), kMinPreviewSide, kMaxPreviewSide, height)) {
        return false;
    }
    size = Size{width, height};
    return true;
}

void applyPreviewOption(std::string_view name, std::string_view value, PreviewOptions& options,
                        std::string& error) {
    if (name == "out") {
        options.outputPath = std::string(value);
        if (value.empty()) {
            error = "--out needs a file name";
        }
    } else if (name == "year") {
        if (!parseYear(value, options.year)) {
            error = "--year must be a year from 1900 to 2100, not '" + std::string(value) + "'";
        }
    } else if (name == "size") {
        if (!parseSize(value, options.size)) {
            error = "--size wants WIDTHxHEIGHT, each 60 to 8192 pixels, not '" +
                    std::string(value) + "'";
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

#ifdef VELTRANO_CLI_DRAWS
// Writes picture as a PNG file that replaces an existing one only when it was
// written completely; false with the reason in error.
bool savePicture(const QImage& picture, const std::string& path, std::string& error) {
    SafeOutputFile output(path);
    if (!output.open()) {
        error = output.errorText();
        return false;
    }
    QImageWriter writer(output.device(), "PNG");
    if (!writer.write(picture)) {
        // The system's reason for a failed write says more than the writer's.
        error = output.writeErrorText();
        if (error.empty()) {
            error = writer.errorString().toStdString();
        }
        return false;
    }
    if (!output.commit()) {
        error = output.errorText();
        return false;
    }
    return true;
}
#endif

} // namespace

bool parsePreviewArgs(const CommandArgs& args, PreviewOptions& options, std::string& error) {
    PreviewOptions parsed;
    std::vector<std::string> positional;
    walkArguments(
        args, {},
        [&](std::string_view name, std::string_view value, std::string& problem) {
            applyPreviewOption(name, value, parsed, problem);
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

std::array<Rect, kPageControlCount> previewLayout(Size canvas) {
    const std::int32_t gap = std::max(canvas.width / 120, 2);
    const std::int32_t cellWidth = std::max((canvas.width - 7 * gap) / 6, 0);
    const std::int32_t cellHeight = std::max((canvas.height - 3 * gap) / 2, 0);
    std::array<Rect, kPageControlCount> cells;
    for (std::int32_t i = 0; i < kPageControlCount; ++i) {
        const std::int32_t left = gap + (i % 6) * (cellWidth + gap);
        const std::int32_t top = gap + (i / 6) * (cellHeight + gap);
        cells[static_cast<std::size_t>(i)] = Rect{left, top, left + cellWidth, top + cellHeight};
    }
    return cells;
}

int runPreviewCommand(const CommandArgs& args, std::ostream&, std::ostream& err) {
    PreviewOptions options;
    std::string error;
    if (!parsePreviewArgs(args, options, error)) {
        err << "veltrano-cli: preview: " << error << '\n';
        return exitUsage;
    }
    if (!enterProgramFolder(options.programFolder, options.calendarPath, options.outputPath,
                            "preview", err)) {
        return exitFailure;
    }
    HeadlessDrawing drawing;
    CalendarDocument document;
    PageControls controls;
    if (!loadPagesToDraw(drawing, options.calendarPath, options.year, "preview", document, controls,
                         err)) {
        return exitFailure;
    }
#ifdef VELTRANO_CLI_DRAWS
    QImage picture(options.size.width, options.size.height, QImage::Format_RGB32);
    picture.fill(QColor(kViewBackground.red, kViewBackground.green, kViewBackground.blue));
    {
        QPainter painter(&picture);
        QPainterSurface surface(painter, kScreenDpi, kScreenDpi);
        const auto cells = previewLayout(options.size);
        for (std::size_t i = 0; i < controls.size(); ++i) {
            controls[i].drawPreviewPage(surface, cells[i]);
        }
    }
    warnAboutUnreadablePhotos(
        document, false, {true, true, true, true, true, true, true, true, true, true, true, true},
        *drawing.decoder(), err);
    if (std::string problem; !savePicture(picture, options.outputPath, problem)) {
        err << "veltrano-cli: cannot write '" << options.outputPath << "': " << problem << '\n';
        return exitFailure;
    }
#endif
    return exitOk;
}

} // namespace veltrano::cli
