#pragma once
// The edit sheet: a modal dialog with a tab strip (CBgTabCtrl) over a set of
// pages (CBgPropertyPage) and the buttons OK and Cancel. Its surface is the dialog
// surface of the widget set with the tab control's page area kept free; it keeps
// its own copy of the background picture and shows the sheet colour (palette 18)
// where there is none.
//
// The keyboard reaches every page: Alt and a tab's underlined letter, Ctrl+Tab
// and Ctrl+Page Down (the next tab), Ctrl+Shift+Tab and Ctrl+Page Up (the one
// before, both wrapping around) show that page and put the focus on its first
// control.
//
// exec() answers 1 after OK (every page that opened has stored its fields through
// onOk()) and 2 after Cancel, Escape or the close box (no page stores anything).

#include "widgets/qt/bg_property_page.h"
#include "widgets/qt/bg_tab_ctrl.h"

#include <QDialog>
#include <QImage>

#include <memory>
#include <vector>

namespace veltrano {

// Button numbers of the sheet, as on every dialog.
inline constexpr int kSheetOk = 1;
inline constexpr int kSheetCancel = 2;

class CBgPropertySheet : public QDialog {
    Q_OBJECT
  public:
    // `caption` is the German title; it is translated.
    explicit CBgPropertySheet(const QString& caption, QWidget* parent = nullptr);
    ~CBgPropertySheet() override;

    // The sheet takes the page; its tab title is translated. Returns the page.
    CBgPropertyPage* addPage(std::unique_ptr<CBgPropertyPage> page);
    int pageCount() const { return static_cast<int>(pages_.size()); }
    CBgPropertyPage* page(int index) const;

    // The page shown; before the sheet opens it is the start page.
    int activeIndex() const { return tabs_.currentIndex(); }
    // Shows that page (asking the current one first once the sheet is open); false
    // when the index is outside the pages or the current page refuses.
    bool setActivePage(int index);

    CBgTabCtrl& tabControl() { return tabs_; }

    void done(int result) override;
    void reject() override;

  protected:
    void setVisible(bool visible) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void layOut();
    void showPage(int index);
    void pressOk();
    void switchByKeyboard(int index);
    void addKeyboardShortcuts();

    CBgTabCtrl tabs_;
    std::vector<CBgPropertyPage*> pages_; // children of tabs_, deleted with it
    QWidget* okButton_ = nullptr;
    QWidget* cancelButton_ = nullptr;
    bool pictureTried_ = false;
    QImage picture_;
};

} // namespace veltrano
