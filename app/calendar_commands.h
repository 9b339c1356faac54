#pragma once
// The main view's calendar and every command on it, free of any window: the
// document (with the year shown), the file it came from, its undo history and
// the twelve page controls the thumbnails draw. Messages go through the installed message
// presenter; files and secondary dialogs through the interfaces given.
#include "app/calendar_dialogs.h"
#include "app/document_history.h"
#include "app/file_dialogs.h"
#include "document/calendar_document.h"
#include "render/print_layouts.h"
#include "render/veltrano_ctrl.h"
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace veltrano {

class PrinterDevice;
class StartupSettings;

// What a command asks of the window after it ran.
enum class CommandOutcome {
    NotHandled, // not a command of the main view
    Done,
    CloseWindow, // close the main window (which asks to save first)
};

class CalendarCommands {
  public:
    // The services must outlive this object.
    CalendarCommands(FileDialogs& files, CalendarDialogs& dialogs, DocumentOpener& opener);

    // Start-up: loads the last calendar (a new one when it cannot be read, or
    // when a file was given on the command line) and shows its stored year,
    // else the current year.
    void openLastCalendar(StartupSettings& settings, bool fileGiven);
    // End: records the open file, "" for a calendar never saved.
    bool recordLastCalendar(StartupSettings& settings) const;

    // Runs a command of the main view (menu, button bar, thumbnails 1006..1017).
    CommandOutcome execute(int command);
    // Whether the command's menu item and button are enabled.
    bool isEnabled(int command) const;

    void newCalendar();
    void open();
    // Opens path after the save prompt; false (nothing changed) when path is
    // empty, the prompt is cancelled or the file cannot be read.
    bool openByName(const std::string& path);
    // Saves to the current file, or asks for one; true when saved.
    bool save();
    // Asks for a file and saves there; true when saved.
    bool saveAs();
    // Asks whether to save a modified calendar: true when the caller may go
    // on (saved or discarded), false when cancelled or saving failed.
    bool savePrompt();
    // The save prompt when there are changes; true when the window may close.
    bool mayClose();
    void edit();
    // Photos dropped onto a page (0..11 months, kTitlePhotoPage the title): the
    // first becomes that page's photo, the next ones those of the following
    // months as far as December; the title page takes only the first. One undo
    // step; false when nothing changed.
    bool placePhotos(int page, const std::vector<std::string>& paths);
    // A thumbnail was clicked: the next edit opens at that month (1..12).
    void selectStartPage(int month);
    // Shows another year; a year other than the shown one is an undoable change.
    void chooseYear();
    void enterMultiDay();
    void importBirthdays();
    void clearAllEntries();
    // The chosen months and title page one sheet each, through the device's
    // print dialog; true when printed.
    bool printSheets(PrinterDevice& device);
    // The two halves of printSheets, so that a preview can come between:
    // asks which pages to print (false when cancelled), then prints them.
    bool choosePrintSelection(PrintSelection& selection);
    bool printSelection(PrinterDevice& device, const PrintSelection& selection);
    // The year on one landscape sheet; true when printed.
    bool printOneSheet(PrinterDevice& device);
    // True when the language was changed and the window is to close.
    bool chooseLanguage();
    // Opens the manual in the interface language; true when it was handed on,
    // else tells where the manual is.
    bool openManual();

    // The heading line's markup: the file, or "Neuer Kalender" for a new one.
    std::string heading() const;
    // Updates the page controls from the document and year and tells the view.
    void refreshPages();

    const CalendarDocument& document() const { return document_; }
    CalendarDocument& document() { return document_; }
    const std::string& currentFilePath() const { return currentFilePath_; }
    std::int32_t calendarYear() const { return document_.year; }
    DocumentHistory& history() { return history_; }
    const DocumentHistory& history() const { return history_; }
    int startPage() const { return startPage_; }
    PageControls& pages() { return pages_; }
    const PageControls& pages() const { return pages_; }

    // Called after every refresh so the window redraws heading and thumbnails.
    void setPagesChangedHandler(std::function<void()> handler) {
        pagesChanged_ = std::move(handler);
    }
    // Called with the path of every calendar read or saved under a new name.
    void setFileUsedHandler(std::function<void(const std::string&)> handler) {
        fileUsed_ = std::move(handler);
    }
    // Where the manual folders are looked for (the program folder by default).
    void setManualFolder(std::string folder) { manualFolder_ = std::move(folder); }

  private:
    bool readInto(const std::string& path);
    bool writeTo(const std::string& path);
    // A calendar was read or made: the year it stores, else the current one,
    // and no steps to undo.
    void startHistory();
    // Records the change from before to the document as one undo step, named
    // by what changed or else by the string commandName, and shows it.
    void recordChange(const CalendarDocument& before, int commandName);
    void restore(const CalendarDocument& snapshot);

    FileDialogs& files_;
    CalendarDialogs& dialogs_;
    DocumentOpener& opener_;
    CalendarDocument document_;
    std::string currentFilePath_;
    DocumentHistory history_;
    int startPage_ = 0;
    PageControls pages_;
    std::function<void()> pagesChanged_;
    std::function<void(const std::string&)> fileUsed_;
    std::string manualFolder_;
};

// The manual's start page for a language: folder + "handbuch" + the
// language's suffix + "/index.htm".
std::string manualPath(const std::string& programFolder, int language);

} // namespace veltrano
