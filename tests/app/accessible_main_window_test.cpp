// The main window as a screen reader and a keyboard-only user meet it: the
// accessible tree names the thumbnails, the heading and the status panes with
// the texts they show, and the arrow keys and Enter open a month.
#include "app/command_ids.h"
#include "app/page_button.h"
#include "app/title_page_button.h"
#include "tests/app/main_window_fixture.h"
#include "tests/app/real_input.h"
#include "widgets/qt/status_bar.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

#include <map>

namespace veltrano {
namespace {

using namespace testing;

// Every name in the accessible tree below `node`, with its description and role.
struct Spoken {
    QString description;
    QAccessible::Role role;
};
void collectNames(QAccessibleInterface* node, std::map<QString, Spoken>& names, int depth = 0) {
    if (node == nullptr || depth > 12)
        return;
    const QString name = node->text(QAccessible::Name);
    if (!name.isEmpty())
        names.emplace(name, Spoken{node->text(QAccessible::Description), node->role()});
    for (int i = 0; i < node->childCount(); ++i)
        collectNames(node->child(i), names, depth + 1);
}

class AccessibleMainWindowTest : public MainWindowTest {
  protected:
    AccessibleMainWindowTest() {
        CalendarDocument calendar;
        resetDocument(calendar);
        calendar.year = 2027;
        calendar.monthText[0] = "Berge & Seen";
        calendar.dayText[0][0] = "Neujahr";
        calendar.dayText[0][4] = "Ski";
        calendar.dayText[0][5] = " \r\n";
        calendar.titleText = "Unser Jahr";
        path = folder.file("Urlaub <2027>.cal");
        writeCalendarFile(calendar, path);
        files.openAnswer = path;
        frame->mainView()->runCommand(command::kOpen);
        dialogs.editConfirms = false;
        showActive(frame.get());
    }
    std::string path;
};

TEST_F(AccessibleMainWindowTest, TreeNamesWhatTheWindowShows) {
    std::map<QString, Spoken> names;
    collectNames(QAccessible::queryAccessibleInterface(frame.get()), names);
    const struct {
        QString name;
        QString description;
        QAccessible::Role role;
    } expected[] = {
        {"Januar 2027", "Berge & Seen. Tage mit Text: 2", QAccessible::Button},
        {"Februar 2027", "Tage mit Text: 0", QAccessible::Button},
        {"Dezember 2027", "Tage mit Text: 0", QAccessible::Button},
        {"Titelseite 2027", "Unser Jahr", QAccessible::Button},
        {QString::fromStdString(path), "", QAccessible::StaticText},
        {"Feststelltaste", "", QAccessible::StaticText},
        {"Num-Taste", "", QAccessible::StaticText},
        {"Rollen-Taste", "", QAccessible::StaticText},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name.toStdString());
        const auto found = names.find(e.name);
        ASSERT_NE(found, names.end());
        EXPECT_EQ(found->second.description, e.description);
        EXPECT_EQ(found->second.role, e.role);
    }
    EXPECT_EQ(names.count("Statuszeile"), 1u);

    frame->statusBar()->showMessage(QStringLiteral("Bereit"));
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(frame->statusBar());
    EXPECT_EQ(bar->text(QAccessible::Description), QStringLiteral("Bereit"));
}

TEST_F(AccessibleMainWindowTest, PromptPaneReadsThePromptItShows) {
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(frame->statusBar());
    ASSERT_GT(bar->childCount(), 0);
    QAccessibleInterface* pane = bar->child(0);
    EXPECT_EQ(pane->role(), QAccessible::StaticText);
    EXPECT_EQ(bar->indexOfChild(pane), 0);
    EXPECT_EQ(pane->parent(), bar);
    // The pane lies left of the lock panes, where the bar paints the prompt.
    QWidget* caps =
        static_cast<CNewStatusBar*>(frame->statusBar())->indicator(CNewStatusBar::kCapsLock);
    EXPECT_LT(pane->rect().right(), caps->mapToGlobal(QPoint(0, 0)).x());
    EXPECT_GT(pane->rect().width(), 0);
    QAccessibleInterface* capsNode = QAccessible::queryAccessibleInterface(caps);
    EXPECT_EQ(bar->child(bar->indexOfChild(capsNode)), capsNode);

    // Stepping onto a command in the menu shows its prompt.
    QMenuBar* menuBar = frame->menuBar();
    QTest::mouseClick(menuBar, Qt::LeftButton, {},
                      menuBar->actionGeometry(menuBar->actions().first()).center());
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_Down);
    const QString prompt = frame->statusBar()->currentMessage();
    const QString read = pane->text(QAccessible::Name);
    menu->close();
    ASSERT_FALSE(prompt.isEmpty());
    EXPECT_EQ(read, prompt);
}

TEST_F(AccessibleMainWindowTest, ArrowKeysWalkTheThumbnailsAndEnterOpensOne) {
    CHauptmenuDlg* view = frame->mainView();
    const QImage unfocused = view->thumbnail(7)->grab().toImage();
    // Tab reaches the title page before any month: it comes first in reading order.
    for (int press = 0; press < 20 && QApplication::focusWidget() != view->titleThumbnail();
         ++press) {
        EXPECT_EQ(qobject_cast<PageButton*>(QApplication::focusWidget()), nullptr);
        QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget()
                                                               : frame.get(),
                        Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), view->titleThumbnail());
    const struct {
        int key;
        QWidget* lands;
    } steps[] = {
        {Qt::Key_Right, view->thumbnail(0)},    {Qt::Key_Right, view->thumbnail(1)},
        {Qt::Key_Down, view->thumbnail(7)},     {Qt::Key_Left, view->thumbnail(6)},
        {Qt::Key_Left, view->titleThumbnail()}, {Qt::Key_Right, view->thumbnail(0)},
        {Qt::Key_Down, view->thumbnail(6)},     {Qt::Key_Right, view->thumbnail(7)},
    };
    for (const auto& step : steps) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(step.key));
        EXPECT_EQ(QApplication::focusWidget(), step.lands);
    }
    // The focused thumbnail wears a frame in the highlight colour.
    const QImage focused = view->thumbnail(7)->grab().toImage();
    const QColor highlight = view->palette().color(QPalette::Highlight);
    EXPECT_EQ(focused.pixelColor(1, focused.height() / 2), highlight);
    EXPECT_NE(unfocused.pixelColor(1, unfocused.height() / 2), highlight);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.editPages, (std::vector<int>{8}));
}

} // namespace
} // namespace veltrano
