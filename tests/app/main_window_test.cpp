#include "app/command_ids.h"
#include "app/main_child_dlg.h"
#include "app/main_frame.h"
#include "app/main_view.h"
#include "app/page_button.h"
#include "app/startup.h"
#include "document/cal_writer.h"
#include "document/global_daten.h"
#include "document/program_folder.h"
#include "tests/app/main_window_fixture.h"
#include "widgets/qt/ie4bar.h"
#include "widgets/qt/markup_controls.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace veltrano {
namespace {

using testing::AnsweringPresenter;

TEST(MainChildDlg, ChildrenScaleWithTheClient) {
    struct Case {
        Rect recorded;
        Size client;
        ChildSizing sizing;
        Rect expected;
    };
    const Size design{400, 300};
    const Case cases[] = {
        {{10, 20, 110, 70}, {800, 600}, ChildSizing::Scaled, {20, 40, 220, 140}},
        {{10, 20, 110, 70}, {200, 150}, ChildSizing::Scaled, {5, 10, 55, 35}},
        {{10, 20, 110, 70}, {800, 600}, ChildSizing::KeepHeight, {20, 40, 220, 90}},
        {{10, 20, 110, 70}, {800, 600}, ChildSizing::KeepSize, {20, 40, 120, 90}},
        {{10, 20, 110, 70}, {400, 300}, ChildSizing::Scaled, {10, 20, 110, 70}},
    };
    for (const Case& c : cases) {
        const Rect r = scaledChildRect(c.recorded, design, c.client, c.sizing);
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.right, c.expected.right);
        EXPECT_EQ(r.bottom, c.expected.bottom);
    }
    const Rect same = scaledChildRect({1, 2, 3, 4}, Size{0, 0}, Size{10, 10}, ChildSizing::Scaled);
    EXPECT_EQ(same.right, 3);
}

TEST_F(MainWindowTest, ShowsTheSampleCalendarWithItsMenuAndButtons) {
    EXPECT_EQ(frame->windowTitle(), "Veltrano");
    EXPECT_EQ(heading().toStdString(), "<b> " + dataFilePath("natur.cal"));
    const QList<QAction*> bar = frame->menuBar()->actions();
    ASSERT_EQ(bar.size(), 1);
    EXPECT_EQ(bar[0]->text(), "&Kalender");
    const QList<QAction*> items = bar[0]->menu()->actions();
    ASSERT_EQ(items.size(), 15);
    EXPECT_EQ(items[1]->text(), "Ö&ffnen...");
    EXPECT_TRUE(items[4]->isSeparator());
    EXPECT_EQ(items[14]->text(), "&Beenden");
    EXPECT_EQ(items[0]->statusTip(), "Neuer Kalender");
    EXPECT_FALSE(items[0]->icon().isNull());
    ASSERT_NE(frame->buttonBar(), nullptr);
    EXPECT_EQ(frame->buttonBar()->buttonFor(command::kPrintDropDown)->popupMode(),
              QToolButton::MenuButtonPopup);
}

TEST_F(MainWindowTest, SaveFollowsTheModifiedFlag) {
    QToolButton* saveButton = frame->buttonBar()->buttonFor(command::kSave);
    EXPECT_FALSE(menuAction(command::kSave)->isEnabled());
    EXPECT_FALSE(saveButton->isEnabled());
    frame->onCommand(command::kEdit);
    EXPECT_TRUE(menuAction(command::kSave)->isEnabled());
    EXPECT_TRUE(saveButton->isEnabled());
    frame->onCommand(command::kSave);
    EXPECT_FALSE(menuAction(command::kSave)->isEnabled());
    dialogs.yearAnswer = 2030;
    frame->onCommand(command::kChooseYear);
    EXPECT_FALSE(menuAction(command::kSave)->isEnabled());
}

TEST_F(MainWindowTest, ThumbnailClickEditsThatMonthOnce) {
    dialogs.editConfirms = false;
    frame->mainView()->thumbnail(2)->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.editPages, (std::vector<int>{3}));
    frame->onCommand(command::kEdit);
    EXPECT_EQ(dialogs.editPages, (std::vector<int>{3, 0}));
}

TEST_F(MainWindowTest, ClosingWithChangesAsksFirst) {
    frame->show();
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(presenter.shown.empty());
    frame->show();
    frame->onCommand(command::kEdit);
    presenter.answers = {MessageResult::Cancel};
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    presenter.answers = {MessageResult::No};
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(presenter.shown.size(), 2u);
}

TEST_F(MainWindowTest, ThumbnailsGrowWithTheWindow) {
    frame.reset();
    CHauptmenuDlg view(files, dialogs, opener, store, false);
    view.show();
    view.resize(780, 520);
    QCoreApplication::processEvents();
    const QRect small = view.thumbnail(6)->geometry();
    view.resize(1560, 1040);
    QCoreApplication::processEvents();
    const QRect large = view.thumbnail(6)->geometry();
    EXPECT_EQ(large.left(), small.left() * 2);
    EXPECT_EQ(large.top(), small.top() * 2);
    EXPECT_EQ(large.width(), small.width() * 2);
    EXPECT_GT(large.top(), view.thumbnail(0)->geometry().bottom()); // July below January
}

TEST_F(MainWindowTest, TheOpenFileIsRecordedWhenTheViewEnds) {
    files.saveAnswer = folder.file("neu.cal");
    frame->onCommand(command::kNew);
    frame->onCommand(command::kSaveAs);
    EXPECT_EQ(heading().toStdString(), "<b> " + folder.file("neu.cal"));
    frame.reset();
    EXPECT_EQ(store.readString("lastfile", ""), folder.file("neu.cal"));
}

} // namespace
} // namespace veltrano
