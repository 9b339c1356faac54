// The main window driven as a person drives it: undo and redo by keys, menu
// and buttons, the window title, recent calendars, the manual key, and Qt's own
// texts in the program's language.
#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app/main_view.h"
#include "app/page_button.h"
#include "app/photo_file_dialog.h"
#include "app/qt_translations.h"
#include "app/recent_files.h"
#include "app/startup.h"
#include "document/cal_writer.h"
#include "document/global_daten.h"
#include "document/program_folder.h"
#include "tests/app/app_fixture.h"
#include "widgets/qt/ie4bar.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace veltrano {
namespace {

[[maybe_unused]] ::testing::Environment* const appEnvironment =
    ::testing::AddGlobalTestEnvironment(new testing::AppEnvironment);

class EditingComfortsTest : public ::testing::Test {
  protected:
    EditingComfortsTest() {
        setProgramFolder(folder.path());
        std::filesystem::create_directories(folder.file("daten"));
        CalendarDocument sample;
        writeCalendarFile(sample, dataFilePath("natur.cal"));
        registerCommandIcons(0);
        frame = std::make_unique<CMainFrame>(files, dialogs, opener, store, false);
        frame->useRecentFiles(registry);
        frame->show();
        frame->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
    QAction* menuAction(int command) const {
        return frame->menuBar()->findChild<QAction*>(QStringLiteral("cmd%1").arg(command));
    }
    QMenu* menu(int index) const { return frame->menuBar()->actions().at(index)->menu(); }
    // Opens the menu and clicks the item, as with the mouse.
    void clickMenuItem(QMenu* popup, QAction* item) {
        popup->popup(frame->mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(item).center());
        QCoreApplication::processEvents();
    }
    void key(int keyCode, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(frame.get(), static_cast<Qt::Key>(keyCode), modifiers);
        QCoreApplication::processEvents();
    }
    QStringList recentItems() const {
        QStringList texts;
        for (QAction* action : menu(0)->actions())
            if (action->objectName().startsWith(QStringLiteral("cmd2983")))
                texts << action->text();
        return texts;
    }
    const CalendarDocument& document() const { return frame->mainView()->commands().document(); }
    QString shownTitle() const { return frame->windowHandle()->title(); }

    testing::TempFolder folder;
    testing::AnsweringPresenter presenter;
    testing::FakeFileDialogs files;
    testing::FakeDialogs dialogs;
    testing::FakeOpener opener;
    MemoryRegistry registry;
    CGlobalDaten store;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(EditingComfortsTest, UndoAndRedoByKeysMenuAndButtons) {
    EXPECT_EQ(shownTitle(), QString::fromUtf8("natur.cal – Veltrano"));
    EXPECT_FALSE(menuAction(command::kUndo)->isEnabled());
    EXPECT_EQ(menuAction(command::kUndo)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_TRUE(menuAction(command::kRedo)->shortcuts().contains(QKeySequence("Ctrl+Y")));

    dialogs.editChange = [](CalendarDocument& d) { d.dayText[1][13] = "Valentinstag"; };
    QTest::mouseClick(frame->mainView()->thumbnail(1), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(document().dayText[1][13], "Valentinstag");
    EXPECT_EQ(menuAction(command::kUndo)->text(), "&Rückgängig: Tagestext 14. Februar");
    EXPECT_EQ(frame->buttonBar()->buttonFor(command::kUndo)->toolTip(),
              "Rückgängig: Tagestext 14. Februar");
    EXPECT_EQ(shownTitle(), QString::fromUtf8("natur.cal* – Veltrano"));

    key(Qt::Key_Z);
    EXPECT_EQ(document().dayText[1][13], "");
    EXPECT_EQ(shownTitle(), QString::fromUtf8("natur.cal – Veltrano"));
    EXPECT_EQ(menuAction(command::kRedo)->text(), "&Wiederholen: Tagestext 14. Februar");
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(document().dayText[1][13], "Valentinstag");
    key(Qt::Key_Z);
    key(Qt::Key_Y);
    EXPECT_EQ(document().dayText[1][13], "Valentinstag");

    QTest::mouseClick(frame->buttonBar()->buttonFor(command::kUndo), Qt::LeftButton);
    EXPECT_EQ(document().dayText[1][13], "");
    EXPECT_EQ(menuAction(command::kUndo)->text(), "&Rückgängig");
    clickMenuItem(menu(1), menuAction(command::kRedo));
    EXPECT_EQ(document().dayText[1][13], "Valentinstag");

    // Ctrl+S saves; the title loses its mark and Save is disabled.
    key(Qt::Key_S);
    EXPECT_EQ(shownTitle(), QString::fromUtf8("natur.cal – Veltrano"));
    EXPECT_FALSE(frame->buttonBar()->buttonFor(command::kSave)->isEnabled());
}

TEST_F(EditingComfortsTest, MenusShowTheStandardKeys) {
    const std::pair<int, const char*> keys[] = {
        {command::kNew, "Ctrl+N"},         {command::kOpen, "Ctrl+O"},
        {command::kSave, "Ctrl+S"},        {command::kSaveAs, "Ctrl+Shift+S"},
        {command::kPrintSheets, "Ctrl+P"}, {command::kExit, "Ctrl+Q"},
        {command::kUndo, "Ctrl+Z"},        {command::kRedo, "Ctrl+Shift+Z"},
        {command::kManual, "F1"},
    };
    for (const auto& [commandId, sequence] : keys) {
        QAction* action = menuAction(commandId);
        ASSERT_NE(action, nullptr) << commandId;
        EXPECT_TRUE(action->shortcuts().contains(QKeySequence(QString::fromLatin1(sequence))))
            << commandId << " " << sequence;
    }
    // Every item of every menu has its accelerator.
    for (QAction* top : frame->menuBar()->actions()) {
        EXPECT_TRUE(top->text().contains(QLatin1Char('&'))) << top->text().toStdString();
        for (QAction* item : top->menu()->actions()) {
            if (!item->isSeparator()) {
                EXPECT_TRUE(item->text().contains(QLatin1Char('&'))) << item->text().toStdString();
            }
        }
    }
}

TEST_F(EditingComfortsTest, RecentCalendarsAreListedAndAMissingOneIsRemoved) {
    CalendarDocument calendar;
    for (const char* name : {"a.cal", "b&c.cal"})
        writeCalendarFile(calendar, folder.file(name));
    files.openAnswer = folder.file("a.cal");
    key(Qt::Key_O);
    files.openAnswer = folder.file("b&c.cal");
    key(Qt::Key_O);
    EXPECT_EQ(recentItems(), (QStringList{"&1 b&&c.cal", "&2 a.cal"}));
    EXPECT_EQ(RecentFiles(registry).paths(),
              (std::vector<std::string>{folder.file("b&c.cal"), folder.file("a.cal")}));

    clickMenuItem(menu(0), menuAction(command::kFirstRecentFile + 1));
    EXPECT_EQ(frame->mainView()->commands().currentFilePath(), folder.file("a.cal"));
    EXPECT_EQ(recentItems(), (QStringList{"&1 a.cal", "&2 b&&c.cal"}));

    std::filesystem::remove(folder.file("b&c.cal"));
    clickMenuItem(menu(0), menuAction(command::kFirstRecentFile + 1));
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_NE(presenter.shown[0].text.find(folder.file("b&c.cal")), std::string::npos);
    EXPECT_EQ(recentItems(), QStringList{"&1 a.cal"});
    EXPECT_EQ(frame->mainView()->commands().currentFilePath(), folder.file("a.cal"));
}

TEST_F(EditingComfortsTest, TheLastCalendarReopensForItsYear) {
    CalendarDocument calendar;
    calendar.year = 2027;
    writeCalendarFile(calendar, dataFilePath("natur.cal"));
    frame = std::make_unique<CMainFrame>(files, dialogs, opener, store, false);
    EXPECT_EQ(frame->mainView()->commands().pages()[0].pageMonth.year, 2027);
    EXPECT_FALSE(frame->mainView()->commands().isEnabled(command::kSave));
}

TEST(RecentFiles, KeepsTheEightNewestOnce) {
    MemoryRegistry registry;
    RecentFiles recent(registry);
    for (int i = 1; i <= 10; ++i)
        recent.add("/k/" + std::to_string(i) + ".cal");
    recent.add("/k/5.cal");
    recent.add("");
    const std::vector<std::string> expected = {"/k/5.cal", "/k/10.cal", "/k/9.cal", "/k/8.cal",
                                               "/k/7.cal", "/k/6.cal",  "/k/4.cal", "/k/3.cal"};
    EXPECT_EQ(recent.paths(), expected);
    EXPECT_EQ(RecentFiles(registry).paths(), expected);
}

TEST_F(EditingComfortsTest, F1OpensTheManualOrSaysWhereItIs) {
    key(Qt::Key_F1, Qt::NoModifier);
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0], folder.path() + "/handbuch/index.htm");
    opener.answer = false;
    clickMenuItem(menu(2), menuAction(command::kManual));
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_NE(presenter.shown[0].text.find(folder.path() + "/handbuch/index.htm"),
              std::string::npos);
}

TEST(QtTranslations, StandardButtonsFollowTheProgramLanguage) {
    const struct {
        int language;
        const char* cancel;
    } cases[] = {{0, "Abbrechen"}, {3, "Annuler"}, {4, "Cancelar"}, {2, "Cancel"}};
    for (const auto& c : cases) {
        EXPECT_TRUE(installQtTranslations(c.language)) << c.language;
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')),
                  QString::fromUtf8(c.cancel));
    }
    EXPECT_FALSE(installQtTranslations(9));
}

TEST(PhotoDialog, StartsBesideTheCurrentPhotoAndPreviewsPictures) {
    testing::TempFolder folder;
    std::filesystem::create_directories(folder.file("daten/bilder"));
    std::filesystem::create_directories(folder.file("urlaub"));
    const QString program = QString::fromStdString(folder.path());
    EXPECT_EQ(photoStartFolder(folder.file("urlaub/strand.jpg"), folder.path() + "/"),
              program + "/urlaub");
    EXPECT_EQ(photoStartFolder("", folder.path() + "/"), program + "/daten/bilder");
    EXPECT_EQ(photoStartFolder("/gibt/es/nicht.jpg", folder.path() + "/"),
              program + "/daten/bilder");

    QImage picture(400, 200, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString(folder.file("urlaub/strand.png"))));
    PhotoFileDialog dialog(nullptr, QStringLiteral("Öffnen"), program + "/urlaub");
    EXPECT_EQ(dialog.directory().absolutePath(), program + "/urlaub");
    emit dialog.currentChanged(QString::fromStdString(folder.file("urlaub/strand.png")));
    const QPixmap shown = dialog.preview()->pixmap();
    EXPECT_EQ(shown.size(),
              QSize(PhotoFileDialog::kPreviewSize, PhotoFileDialog::kPreviewSize / 2));
    emit dialog.currentChanged(program + "/urlaub");
    EXPECT_TRUE(dialog.preview()->pixmap().isNull());
}

} // namespace
} // namespace veltrano
