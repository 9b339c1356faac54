#pragma once
// veltrano-cli export FILE.cal --out OUT.pdf [--year Y] [--one-sheet]
//     [--months 1,2,...] [--no-title] [--paper A4|A3|Letter] [--program-folder DIR]
// prints a calendar into a PDF file exactly as it goes to a printer: the title
// page (unless --no-title) and the chosen months one sheet each, portrait,
// inside the calendar's margins; or with --one-sheet the whole year on one
// landscape sheet. Relative photo paths start from DIR (default: the current
// folder); each photo that cannot be read is named in a warning on err. An
// existing OUT.pdf is replaced only by a completely written one.
//
// Also the pieces the export and preview commands share: reading a calendar
// into page controls, and the drawing machinery that needs no display.

#include "cli/command.h"
#include "cli/photo_warnings.h"
#include "document/calendar_document.h"
#include "render/veltrano_ctrl.h"

#include <array>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

namespace veltrano::cli {

enum class ExportPaper { A4, A3, Letter };

struct ExportOptions {
    std::string calendarPath;
    std::string outputPath;
    std::int32_t year = 0; // 0: the calendar's stored year, else the current year
    bool oneSheet = false;
    bool title = true;
    std::array<bool, kPageControlCount> months{true, true, true, true, true, true,
                                               true, true, true, true, true, true};
    ExportPaper paper = ExportPaper::A4;
    std::string programFolder; // "" = the current folder
};

// Reads the arguments after "export". False with a one-line reason in error
// when they are incomplete or wrong.
bool parseExportArgs(const CommandArgs& args, ExportOptions& options, std::string& error);

// Reads a year option: 1900..2100, the years the program shows.
bool parseYear(std::string_view text, std::int32_t& year);

// Exit 1 when the calendar cannot be read or the PDF not written, 2 on bad
// arguments; each with one line on err.
int runExportCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

// Qt's drawing machinery for a program without windows: a GUI application on
// the offscreen platform (unless QT_QPA_PLATFORM chooses another) with the
// program's font substitutions. One at a time.
class HeadlessDrawing {
  public:
    HeadlessDrawing();
    ~HeadlessDrawing();
    HeadlessDrawing(const HeadlessDrawing&) = delete;
    HeadlessDrawing& operator=(const HeadlessDrawing&) = delete;

    // Whether drawing is possible (false in a build without Qt).
    bool available() const;
    // The photo decoder of this build, noting the photos that give no
    // picture; null without Qt.
    const FailureNotingDecoder* decoder() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Reads the calendar at path and fills the twelve page controls for year (0:
// the calendar's stored year, else the current one), photos decoded by
// decoder. False when the file cannot be read as a calendar.
bool loadPageControls(const std::string& path, std::int32_t year, const ImageDecoder* decoder,
                      CalendarDocument& document, PageControls& controls);

// Makes calendarPath and outputPath absolute, then makes folder ("" = stay)
// the current folder for the rest of the process, so that relative photo
// paths start from it. False after telling err why not.
bool enterProgramFolder(const std::string& folder, std::string& calendarPath,
                        std::string& outputPath, std::string_view command, std::ostream& err);

// loadPageControls for a drawing command, which also needs drawing to be
// available; false after telling err why not (as the command `command`).
bool loadPagesToDraw(const HeadlessDrawing& drawing, const std::string& path, std::int32_t year,
                     std::string_view command, CalendarDocument& document, PageControls& controls,
                     std::ostream& err);

} // namespace veltrano::cli
