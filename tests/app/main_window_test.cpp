#include "app/command_ids.h"
#include "app/main_child_dlg.h"
#include "app/main_frame.h"
#include "app/main_view.h"
#include "app/page_button.h"
#include "app/startup.h"
#include "document/cal_writer.h"
#include "document/global_daten.h"
#include "document/program_folder.h"
#include "platform/photo_worker_pool.h"
#include "tests/app/app_fixture.h"
#include "tests/app/main_window_fixture.h"
#include "widgets/qt/ie4bar.h"
#include "widgets/qt/markup_controls.h"

#include <QAction>
#include <QElapsedTimer>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace veltrano {
namespace {

using testing::AnsweringPresenter;
using testing::MainWindowTest;

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
    EXPECT_EQ(frame->windowTitle(), QString::fromUtf8("natur.cal[*] – Veltrano"));
    EXPECT_EQ(heading().toStdString(), "<b> " + dataFilePath("natur.cal"));
    const QList<QAction*> bar = frame->menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[0]->text(), "&Kalender");
    EXPECT_EQ(bar[1]->text(), "&Bearbeiten");
    EXPECT_EQ(bar[2]->text(), "&Hilfe");
    const QList<QAction*> items = bar[0]->menu()->actions();
    ASSERT_EQ(items.size(), 18);
    EXPECT_EQ(items[1]->text(), "Ö&ffnen...");
    EXPECT_TRUE(items[4]->isSeparator());
    EXPECT_EQ(items[12]->text(), "Kalender (12 Blätter) &drucken");
    EXPECT_EQ(items[17]->text(), "&Beenden");
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
    dialogs.yearAnswer = 2030; // the calendar keeps its year
    frame->onCommand(command::kChooseYear);
    EXPECT_TRUE(menuAction(command::kSave)->isEnabled());
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
    view.resize(884, 520);
    QCoreApplication::processEvents();
    const QRect small = view.thumbnail(6)->geometry();
    view.resize(1768, 1040);
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

int pixelsOf(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// The thumbnails as a person sees them once the photos have been decoded in
// the background: the photo where there is one, a grey frame naming the file
// where it is missing or no photo.
TEST_F(MainWindowTest, ThumbnailsShowTheirPhotosOrSayWhatIsWrong) {
    frame.reset();
    QImage red(300, 200, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    ASSERT_TRUE(red.save(QString::fromStdString(folder.file("rot.png"))));
    testing::writeFile(folder.file("text.jpg"), "kein Foto");
    CalendarDocument calendar;
    resetDocument(calendar);
    calendar.monthPhoto[0] = folder.file("rot.png");
    calendar.monthPhoto[1] = folder.file("fehlt.jpg");
    calendar.monthPhoto[2] = folder.file("text.jpg");
    writeCalendarFile(calendar, dataFilePath("natur.cal"));
    CHauptmenuDlg view(files, dialogs, opener, store, false);
    view.show();
    QCoreApplication::processEvents();
    QElapsedTimer waited;
    waited.start();
    while (sharedPhotoWorkerPool().pendingCount() > 0 && waited.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QCoreApplication::processEvents();
    const QRgb frameGrey = qRgb(240, 240, 240);
    const QImage photo = view.thumbnail(0)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(pixelsOf(photo, qRgb(255, 0, 0)), 1000);
    EXPECT_LT(pixelsOf(photo, frameGrey), 100); // a few grid pixels may match
    for (int month : {1, 2}) {
        const QImage shown =
            view.thumbnail(month)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_GT(pixelsOf(shown, frameGrey), 1000) << month;
        EXPECT_EQ(pixelsOf(shown, qRgb(255, 0, 0)), 0) << month;
    }
    EXPECT_EQ(view.commands().pages()[1].photoProblem(), PhotoProblem::NotFound);
    EXPECT_EQ(view.commands().pages()[2].photoProblem(), PhotoProblem::Unreadable);
}

} // namespace
} // namespace veltrano
