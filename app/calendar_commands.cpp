#include "app/calendar_commands.h"

#include "app/change_name.h"
#include "app/command_ids.h"
#include "core/clock.h"
#include "core/markup_literal.h"
#include "core/message_presenter.h"
#include "core/strings.h"
#include "core/translation.h"
#include "document/cal_reader.h"
#include "document/cal_writer.h"
#include "document/program_folder.h"
#include "document/startup_settings.h"
#include "records/var_base.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace veltrano {
namespace {

constexpr int kMessageOpenFailed = 130;
constexpr int kMessageSaveFailed = 131;
constexpr int kNewCalendarName = 132;
constexpr int kMessageClearAll = 141;
constexpr int kMessageLanguageChanged = 143;
constexpr int kMessageSaveChanges = 146;
constexpr int kMessageManualNotOpened = 29821;
// The undo step of photos placed on several pages at once.
constexpr int kPlacePhotosName = 29871;

constexpr char kDefaultFileStem[] = "NeuerKalender";
constexpr char kCalendarExtension[] = ".cal";

// File dialogs may move the process's current directory; relative photo paths
// are resolved against it, so it is put back when the dialog is done.
class CurrentDirectoryKeeper {
  public:
    CurrentDirectoryKeeper() { saved_ = std::filesystem::current_path(error_); }
    ~CurrentDirectoryKeeper() {
        if (!error_) {
            std::error_code ignored;
            std::filesystem::current_path(saved_, ignored);
        }
    }
    CurrentDirectoryKeeper(const CurrentDirectoryKeeper&) = delete;
    CurrentDirectoryKeeper& operator=(const CurrentDirectoryKeeper&) = delete;

  private:
    std::error_code error_;
    std::filesystem::path saved_;
};

} // namespace

std::string manualPath(const std::string& programFolder, int language) {
    static constexpr std::array<const char*, kLanguageCount> kSuffixes = {"",    "_nl", "_com",
                                                                          "_fr", "_es", "_it"};
    const char* suffix = (language >= 0 && language < kLanguageCount)
                             ? kSuffixes[static_cast<std::size_t>(language)]
                             : "";
    std::string folder = programFolder;
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\')
        folder += '/';
    return folder + "handbuch" + suffix + "/index.htm";
}

CalendarCommands::CalendarCommands(FileDialogs& files, CalendarDialogs& dialogs,
                                   DocumentOpener& opener)
    : files_(files), dialogs_(dialogs), opener_(opener),
      history_([this](const CalendarDocument& snapshot) { restore(snapshot); }) {
    resetDocument(document_);
    document_.year = currentDate().year;
    QObject::connect(&history_, &DocumentHistory::stepChanged, &history_, [this] {
        document_.modified = history_.isAtSavedState() ? 0 : 1;
        refreshPages();
    });
}

void CalendarCommands::openLastCalendar(StartupSettings& settings, bool fileGiven) {
    settings.openLastCalendar(document_, currentFilePath_);
    if (fileGiven) {
        resetDocument(document_);
        currentFilePath_.clear();
    }
    startHistory();
}

bool CalendarCommands::recordLastCalendar(StartupSettings& settings) const {
    return settings.recordLastCalendar(document_.untitled != 0 ? std::string() : currentFilePath_);
}

CommandOutcome CalendarCommands::execute(int commandId) {
    using namespace command;
    if (commandId >= kFirstThumbnail && commandId <= kLastThumbnail) {
        selectStartPage(commandId - kFirstThumbnail + 1);
        edit();
        return CommandOutcome::Done;
    }
    switch (commandId) {
    case kNew:
        newCalendar();
        break;
    case kOpen:
        open();
        break;
    case kSave:
        save();
        break;
    case kSaveAs:
        saveAs();
        break;
    case kEdit:
        edit();
        break;
    case kChooseYear:
        chooseYear();
        break;
    case kMultiDay:
        enterMultiDay();
        break;
    case kImportBirthdays:
        importBirthdays();
        break;
    case kClearAll:
        clearAllEntries();
        break;
    case kManual:
        openManual();
        break;
    case kUndo:
        history_.undo();
        break;
    case kRedo:
        history_.redo();
        break;
    case kChooseLanguage:
        return chooseLanguage() ? CommandOutcome::CloseWindow : CommandOutcome::Done;
    case kExit:
    case kAppExit:
        return CommandOutcome::CloseWindow;
    default:
        return CommandOutcome::NotHandled;
    }
    return CommandOutcome::Done;
}

bool CalendarCommands::isEnabled(int commandId) const {
    if (commandId == command::kSave)
        return document_.modified != 0;
    if (commandId == command::kUndo)
        return history_.canUndo();
    if (commandId == command::kRedo)
        return history_.canRedo();
    return true;
}

void CalendarCommands::newCalendar() {
    if (document_.modified != 0 && !savePrompt())
        return;
    // A new calendar is made for the year shown.
    const std::int32_t year = document_.year;
    resetDocument(document_);
    document_.year = year;
    currentFilePath_.clear();
    refreshPages();
    history_.clear();
}

void CalendarCommands::open() {
    std::optional<std::string> chosen;
    {
        CurrentDirectoryKeeper keeper;
        chosen = files_.chooseFileToOpen();
    }
    if (!chosen || chosen->empty())
        return;
    if (document_.modified != 0 && !savePrompt())
        return;
    readInto(*chosen);
}

bool CalendarCommands::openByName(const std::string& path) {
    if (path.empty())
        return false;
    if (document_.modified != 0 && !savePrompt())
        return false;
    return readInto(path);
}

// The path becomes the current file only once the calendar has been read, so
// that a failed open cannot make a later save overwrite that file.
bool CalendarCommands::readInto(const std::string& path) {
    if (!readCalendarFile(document_, path)) {
        // The file's name follows the message, so that the user sees which one failed.
        showMessage(loadString(kMessageOpenFailed) + "<br>" + markupLiteral(path),
                    MessageStyle::Ok);
        return false;
    }
    currentFilePath_ = path;
    startHistory();
    if (fileUsed_)
        fileUsed_(path);
    return true;
}

bool CalendarCommands::writeTo(const std::string& path) {
    if (!writeCalendarFile(document_, path)) {
        // The cause first (a read-only file, a link loop, a full disk), then the
        // usual message.
        ReportFileError(errno, path);
        showMessage(loadString(kMessageSaveFailed), MessageStyle::Ok);
        return false;
    }
    return true;
}

bool CalendarCommands::save() {
    if (document_.untitled != 0 || currentFilePath_.empty())
        return saveAs();
    if (!writeTo(currentFilePath_))
        return false;
    history_.markSaved();
    document_.modified = 0;
    return true;
}

bool CalendarCommands::saveAs() {
    const std::filesystem::path current(currentFilePath_);
    std::string stem = current.stem().string();
    if (stem.empty())
        stem = kDefaultFileStem;
    std::optional<std::string> chosen;
    {
        CurrentDirectoryKeeper keeper;
        chosen = files_.chooseFileToSave(current.parent_path().string(), stem + kCalendarExtension);
    }
    if (!chosen || chosen->empty())
        return false;
    if (!writeTo(*chosen))
        return false;
    currentFilePath_ = *chosen;
    history_.markSaved();
    document_.modified = 0;
    refreshPages();
    if (fileUsed_)
        fileUsed_(currentFilePath_);
    return true;
}

bool CalendarCommands::savePrompt() {
    const int answer = showMessage(loadString(kMessageSaveChanges),
                                   MessageStyle::YesNoCancel | MessageStyle::IconQuestion);
    if (answer == MessageResult::Yes) {
        if (!save())
            return false;
    } else if (answer != MessageResult::No) {
        return false; // Cancel, or the box was closed
    }
    document_.modified = 0;
    return true;
}

bool CalendarCommands::mayClose() {
    return document_.modified == 0 || savePrompt();
}

void CalendarCommands::edit() {
    const int page = startPage_;
    startPage_ = 0;
    const CalendarDocument before = document_;
    if (dialogs_.editCalendar(document_, page, document_.year))
        recordChange(before, change_text::kEditSheet);
}

bool CalendarCommands::placePhotos(int page, const std::vector<std::string>& paths) {
    if (page < 0 || page >= kPhotoPageCount)
        return false;
    const std::size_t room =
        page == kTitlePhotoPage ? 1 : static_cast<std::size_t>(kMonthCount - page);
    const CalendarDocument before = document_;
    for (std::size_t i = 0; i < std::min(room, paths.size()); ++i)
        setPagePhoto(document_, page + static_cast<int>(i), paths[i]);
    if (document_ == before)
        return false;
    recordChange(before, kPlacePhotosName);
    return true;
}

void CalendarCommands::selectStartPage(int month) {
    if (month >= 1 && month <= kPageControlCount)
        startPage_ = month;
}

void CalendarCommands::chooseYear() {
    std::int32_t year = document_.year;
    if (!dialogs_.chooseYear(year) || year == document_.year)
        return;
    const CalendarDocument before = document_;
    document_.year = year;
    recordChange(before, change_text::kYear);
}

void CalendarCommands::enterMultiDay() {
    MultiDayEntry entry;
    if (!dialogs_.enterMultiDay(document_.year, entry))
        return;
    if (!givesDayRange(entry)) {
        showMessage(translate(kMultiDayNothingEntered, currentLanguage()),
                    MessageStyle::Ok | MessageStyle::IconInformation);
        return;
    }
    std::optional<std::string> text;
    if (!entry.keepText)
        text = entry.text;
    std::optional<DayColour> colour;
    if (!entry.keepColour)
        colour = entry.colour;
    if (!text && !colour) {
        // The days stay as they are, yet a confirmed entry counts as a change.
        document_.modified = 1;
        refreshPages();
        return;
    }
    const CalendarDocument before = document_;
    fillDayRange(document_, entry.first, entry.last, text, colour);
    recordChange(before, change_text::kMultiDay);
}

void CalendarCommands::importBirthdays() {
    const CalendarDocument before = document_;
    if (dialogs_.importBirthdaysForYear(document_, document_.year))
        recordChange(before, change_text::kBirthdays);
}

void CalendarCommands::clearAllEntries() {
    const int answer =
        showMessage(loadString(kMessageClearAll),
                    MessageStyle::OkCancel | MessageStyle::IconQuestion | MessageStyle::DefButton2);
    if (answer != MessageResult::Ok)
        return;
    const CalendarDocument before = document_;
    clearDayEntries(document_);
    recordChange(before, change_text::kClearAll);
}

bool CalendarCommands::printSheets(PrinterDevice& device) {
    PrintSelection selection;
    return choosePrintSelection(selection) && printSelection(device, selection);
}

bool CalendarCommands::choosePrintSelection(PrintSelection& selection) {
    selection = PrintSelection{};
    selection.year = document_.year;
    return dialogs_.choosePrintSelection(selection);
}

bool CalendarCommands::printSelection(PrinterDevice& device, const PrintSelection& selection) {
    return printCalendar(device, pages_, document_, selection);
}

bool CalendarCommands::printOneSheet(PrinterDevice& device) {
    return printYearSheet(device, pages_);
}

bool CalendarCommands::chooseLanguage() {
    if (!dialogs_.chooseLanguage())
        return false;
    showMessage(loadString(kMessageLanguageChanged),
                MessageStyle::Ok | MessageStyle::IconInformation);
    return true;
}

bool CalendarCommands::openManual() {
    const std::string folder = manualFolder_.empty() ? programFolder() : manualFolder_;
    const std::string path = manualPath(folder, currentLanguage());
    if (opener_.openDocument(path))
        return true;
    // Without a browser the manual can still be opened by hand.
    showMessage(formatString(kMessageManualNotOpened, {markupLiteral(path)}),
                MessageStyle::Ok | MessageStyle::IconInformation);
    return false;
}

std::string CalendarCommands::heading() const {
    const std::string shown =
        document_.untitled != 0 ? loadString(kNewCalendarName) : currentFilePath_;
    return formatText("<b> %s", {markupLiteral(shown)});
}

void CalendarCommands::refreshPages() {
    fillPageControls(pages_, document_, document_.year);
    if (pagesChanged_)
        pagesChanged_();
}

void CalendarCommands::startHistory() {
    if (!isCalendarYear(document_.year))
        document_.year = currentDate().year;
    refreshPages();
    history_.clear();
}

void CalendarCommands::recordChange(const CalendarDocument& before, int commandName) {
    // A recorded step has already refreshed the pages through stepChanged.
    if (!history_.record(before, document_, changeName(before, document_, loadString(commandName))))
        refreshPages();
}

void CalendarCommands::restore(const CalendarDocument& snapshot) {
    const std::int32_t untitled = document_.untitled;
    const std::int32_t modified = document_.modified;
    document_ = snapshot;
    document_.untitled = untitled;
    document_.modified = modified;
}

} // namespace veltrano
