#pragma once
// veltrano-cli preview FILE.cal --out OUT.png [--year Y] [--size WxH]
//     [--program-folder DIR]
// draws the twelve month thumbnails as the main window shows them, January to
// June in the upper row and July to December in the lower, into a PNG file.
// Photos, existing files and failures are handled as by export.

#include "cli/command.h"
#include "render/geometry.h"
#include "render/veltrano_ctrl.h"

#include <array>
#include <cstdint>
#include <ostream>
#include <string>

namespace veltrano::cli {

struct PreviewOptions {
    std::string calendarPath;
    std::string outputPath;
    std::int32_t year = 0; // 0: the calendar's stored year, else the current year
    Size size{1200, 700};
    std::string programFolder; // "" = the current folder
};

// Picture sizes accepted by --size, in pixels a side.
inline constexpr std::int32_t kMinPreviewSide = 60;
inline constexpr std::int32_t kMaxPreviewSide = 8192;

// Reads the arguments after "preview". False with a one-line reason in error
// when they are incomplete or wrong.
bool parsePreviewArgs(const CommandArgs& args, PreviewOptions& options, std::string& error);

// Where the twelve thumbnails lie in a picture of `canvas`: two rows of six
// equal cells with an equal gap around and between them.
std::array<Rect, kPageControlCount> previewLayout(Size canvas);

// Exit 1 when the calendar cannot be read or the picture not written, 2 on
// bad arguments; each with one line on err.
int runPreviewCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

} // namespace veltrano::cli
