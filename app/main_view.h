#pragma once
// The main menu view: the heading line with the calendar's file, the title
// page's smaller thumbnail on the left and the twelve month thumbnails,
// January to June above, July to December below.
// It owns the calendar (through CalendarCommands); building it loads the
// last calendar, destroying it records the open file for the next start.
#include "app/calendar_commands.h"
#include "app/main_child_dlg.h"
#include "document/startup_settings.h"
#include "platform/qt_image_decoder.h"

#include <array>

namespace veltrano {

class CGlobalDaten;
struct DroppedFiles;
class CHtmlTextWidget;
class PageButton;
class TitlePageButton;

class CHauptmenuDlg : public CMainChildDlg {
    Q_OBJECT
  public:
    // The services and store must outlive the view. fileGiven: a calendar
    // was named on the command line, so the last one is not shown.
    CHauptmenuDlg(FileDialogs& files, CalendarDialogs& dialogs, DocumentOpener& opener,
                  CGlobalDaten& store, bool fileGiven, QWidget* parent = nullptr);
    ~CHauptmenuDlg() override;

    QSize sizeHint() const override;
    CalendarCommands& commands() { return commands_; }
    // Runs a command of the view, printing included.
    CommandOutcome runCommand(int command);

    CHtmlTextWidget* headingLine() const { return heading_; }
    PageButton* thumbnail(int month) const { return thumbnails_[static_cast<std::size_t>(month)]; }
    TitlePageButton* titleThumbnail() const { return titleThumbnail_; }

  signals:
    // A command changed what the view shows or which commands are enabled.
    void stateChanged();
    // A command (a thumbnail click) is to be run once the current event is done.
    void commandPosted(int command);

  private:
    void showPages();
    // Files dropped on a page's thumbnail (page -1: elsewhere on the view).
    void dropFiles(int page, const DroppedFiles& files);

    StartupSettings settings_;
    CalendarCommands commands_;
    QtImageDecoder decoder_;
    CHtmlTextWidget* heading_ = nullptr;
    std::array<PageButton*, kPageControlCount> thumbnails_{};
    TitlePageButton* titleThumbnail_ = nullptr;
};

} // namespace veltrano
