#pragma once
// The main window: title, menu 128 and button bar 128 of the main menu view,
// the view itself, and the frame's own commands (about, manual, language,
// exit). Closing asks to save a changed calendar first.
#include "widgets/qt/new_frame.h"

#include <memory>

namespace veltrano {

class CHauptmenuDlg;
class CalendarDialogs;
class CGlobalDaten;
class DocumentOpener;
class FileDialogs;
class RecentFiles;
class Registry;

class CMainFrame : public CNewFrame {
    Q_OBJECT
  public:
    CMainFrame(FileDialogs& files, CalendarDialogs& dialogs, DocumentOpener& opener,
               CGlobalDaten& store, bool fileGiven, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Keeps the recently used calendars in registry (which must outlive the
    // frame) and lists them in the "Kalender" menu.
    void useRecentFiles(Registry& registry);

    CHauptmenuDlg* mainView() const { return view_; }
    // Runs a command of the menu, button bar or view.
    void onCommand(int command);
    // Enables each command's menu item and button as the view says, names
    // the steps to undo and redo, and shows the calendar in the title.
    void updateCommandStates();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void showAbout();
    void openRecentFile(int index);
    void showRecentFileItems();
    void nameUndoSteps();

    CHauptmenuDlg* view_ = nullptr;
    std::unique_ptr<RecentFiles> recentFiles_;
};

} // namespace veltrano
