// The main window driven with the mouse: thumbnails, the button bar and its
// drop-down, the menu.
#include "app/command_ids.h"
#include "app/page_button.h"
#include "tests/app/main_window_fixture.h"
#include "tests/app/real_input.h"
#include "widgets/qt/ie4bar.h"

#include <QMenuBar>
#include <QToolButton>

namespace veltrano {
namespace {

using namespace testing;

class MouseMainWindowTest : public MainWindowTest {
  protected:
    MouseMainWindowTest() {
        dialogs.editConfirms = false;
        showActive(frame.get());
    }
};

TEST_F(MouseMainWindowTest, ThumbnailsOpenTheirMonth) {
    for (const int month : {0, 6, 11}) {
        clickAt(frame->mainView()->thumbnail(month));
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(dialogs.editPages, (std::vector<int>{1, 7, 12}));
}

TEST_F(MouseMainWindowTest, ButtonBarAndMenuRunTheirCommand) {
    QToolButton* save = frame->buttonBar()->buttonFor(command::kSave);
    EXPECT_FALSE(save->isEnabled());
    dialogs.editConfirms = true;
    clickAt(frame->buttonBar()->buttonFor(command::kEdit));
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.editPages, (std::vector<int>{0}));
    EXPECT_TRUE(save->isEnabled());

    QMenuBar* bar = frame->menuBar();
    QAction* calendarMenu = bar->actions().front();
    clickPopupEntry([&] { clickAt(bar, bar->actionGeometry(calendarMenu).center()); },
                    menuAction(command::kEdit)->text());
    EXPECT_EQ(dialogs.editPages, (std::vector<int>{0, 0}));
}

TEST(MouseButtonBar, PrintArrowDropsDownBothLayouts) {
    CIE4Bar bar;
    ASSERT_TRUE(bar.build(128, 0));
    ASSERT_TRUE(bar.addDropDownButton(command::kPrintDropDown, 144));
    std::vector<int> chosen;
    QObject::connect(&bar, &CIE4Bar::commandTriggered, [&chosen](int c) { chosen.push_back(c); });
    showActive(&bar);
    QToolButton* print = bar.buttonFor(command::kPrintDropDown);
    const QPoint arrow(print->width() - 4, print->height() / 2);
    clickPopupEntry([&] { clickAt(print, arrow); },
                    QString::fromUtf8("Jahreskalender auf einem &Blatt drucken"));
    clickPopupEntry([&] { clickAt(print, arrow); },
                    QString::fromUtf8("Kalender (12 Blätter) &drucken"));
    EXPECT_EQ(chosen, (std::vector<int>{command::kPrintOneSheet, command::kPrintSheets}));
}

} // namespace
} // namespace veltrano
