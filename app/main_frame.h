#pragma once
// The main window: title, menu 128 and button bar 128 of the main menu view,
// the view itself, and the frame's own commands (about, manual, language,
// exit). Closing asks to save a changed calendar first.
#include "widgets/qt/new_frame.h"

namespace veltrano {

class CHauptmenuDlg;
class CalendarDialogs;
class CGlobalDaten;
class DocumentOpener;
class FileDialogs;

class CMainFrame : public CNewFrame {
    Q_OBJECT
  public:
    CMainFrame(FileDialogs& files, CalendarDialogs& dialogs, DocumentOpener& opener,
               CGlobalDaten& store, bool fileGiven, QWidget* parent = nullptr);

    CHauptmenuDlg* mainView() const { return view_; }
    // Runs a command of the menu, button bar or view.
    void onCommand(int command);
    // Enables each command's menu item and button as the view says.
    void updateCommandStates();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void showAbout();

    CHauptmenuDlg* view_ = nullptr;
};

} // namespace veltrano
