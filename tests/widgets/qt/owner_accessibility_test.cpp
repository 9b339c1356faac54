// The widget set's own controls as a screen reader and the keyboard meet
// them: names without markup, roles, check states, Space and Enter.
#include "tests/app/real_input.h"
#include "tests/widgets/qt/dialog_test_support.h"
#include "widgets/qt/control_id.h"
#include "widgets/qt/list_controls.h"
#include "widgets/qt/markup_controls.h"
#include "widgets/qt/message_box.h"
#include "widgets/qt/owner_buttons.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace veltrano {
namespace {

[[maybe_unused]] ::testing::Environment* const widgetEnvironment =
    ::testing::AddGlobalTestEnvironment(new dialog_test::WidgetEnvironment);

QAccessibleInterface* spoken(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

TEST(OwnerAccessibility, ControlsAreNamedAsTheyAreDrawn) {
    QWidget window;
    auto* save = new CNewButtonCtrl2(&window);
    save->setText(QStringLiteral("<left><b>&Speichern && schließen"));
    auto* link = new CLinkButtonCtrl(&window);
    link->setText(QStringLiteral("Mehr..."));
    auto* box = new CNewCheckBox(&window);
    box->setText(QStringLiteral("Rahmen & Linien"));
    auto* label = new CHtmlTextWidget(&window);
    label->setText(QStringLiteral("<b>Datei:</b> <lt>neu>.cal"));
    auto* bar = new CButtonBar(&window);
    bar->setDefinition(QStringLiteral("Eins|Zwei"));

    const struct {
        QWidget* widget;
        QString name;
        QAccessible::Role role;
    } cases[] = {
        {save, "Speichern & schließen", QAccessible::Button},
        {link, "Mehr...", QAccessible::Link},
        {box, "Rahmen & Linien", QAccessible::CheckBox},
        {label, "Datei: <neu>.cal", QAccessible::StaticText},
        {bar->button(1), "Zwei", QAccessible::Button},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(spoken(c.widget)->text(QAccessible::Name), c.name);
        EXPECT_EQ(spoken(c.widget)->role(), c.role);
    }
    EXPECT_EQ(spoken(bar)->role(), QAccessible::ToolBar);
    EXPECT_EQ(spoken(bar)->childCount(), 2);
}

TEST(OwnerAccessibility, ReportListRowsAreReadAsDrawn) {
    CNewListCtrl3 list;
    list.addRow(QStringLiteral("<red>01 Fr\tNeujahr"), 3);
    list.addRow(QStringLiteral("<line>"));
    list.addRow(QStringLiteral("02 Sa\tSki"));
    list.item(2)->setText(QStringLiteral("<red>02 Sa\tSki\r\nBerge"));
    QAccessibleInterface* reader = spoken(&list);
    const QString rows[] = {"01 Fr Neujahr", "", "02 Sa Ski Berge"};
    ASSERT_EQ(reader->childCount(), 3);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(reader->child(row)->text(QAccessible::Name).trimmed(), rows[row]) << row;
}

TEST(OwnerAccessibility, CheckBoxReadsAndTogglesItsThreeStates) {
    QWidget window;
    auto* box = new CNewCheckBox(&window);
    box->setThreeState(true);
    box->setText(QStringLiteral("Feiertage"));
    box->resize(120, 16);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    box->clearFocus();
    const QImage unfocused = box->grab().toImage();
    box->setFocus();
    // The focused box frames its caption.
    const QImage focused = box->grab().toImage();
    EXPECT_NE(unfocused.pixel(18, 0), focused.pixel(18, 0));
    EXPECT_EQ(focused.pixelColor(18, 0), QColor(Qt::black));
    QAccessibleInterface* reader = spoken(box);
    ASSERT_TRUE(reader->actionInterface() != nullptr);
    EXPECT_EQ(reader->actionInterface()->actionNames().front(),
              QAccessibleActionInterface::toggleAction());
    const struct {
        bool checked;
        bool mixed;
    } afterSpace[] = {{true, false}, {false, true}, {false, false}};
    for (const auto& expected : afterSpace) {
        QTest::keyClick(box, Qt::Key_Space);
        EXPECT_EQ(reader->state().checked, expected.checked) << box->state();
        EXPECT_EQ(reader->state().checkStateMixed, expected.mixed) << box->state();
    }
    reader->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(box->state(), 1);
}

TEST(OwnerAccessibility, EnterAndSpacePressTheFocusedButton) {
    QWidget window;
    auto* button = new CNewButtonCtrl2(&window);
    button->setText(QStringLiteral("OK"));
    window.show();
    button->setFocus();
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        QTest::keyClick(button, key);
    EXPECT_EQ(clicks.count(), 3);
    spoken(button)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 4);
}

TEST(OwnerAccessibility, MessageBoxReadsItsTextWithoutMarkup) {
    CMyMessageBoxDlg box;
    box.setMessage("<strong>Nicht gespeichert</strong><br>Die Datei <lt>neu>.cal fehlt.");
    box.show();
    const QString plain = QStringLiteral("Nicht gespeichert\nDie Datei <neu>.cal fehlt.");
    EXPECT_EQ(spoken(&box)->text(QAccessible::Description), plain);
    EXPECT_EQ(spoken(findControl(&box, kMessageTextControl))->text(QAccessible::Name), plain);
    box.reject();
}

// Each area of a markup text is a child a reader can press, as a click would.
TEST(OwnerAccessibility, MarkupAreasAreChildrenAReaderCanPress) {
    struct RecordingOpener : LinkOpener {
        void openWebAddress(std::string_view address) override { opened.emplace_back(address); }
        void startMail(std::string_view address) override { opened.emplace_back(address); }
        std::vector<std::string> opened;
    } opener;
    CNewHtmlWidget text;
    text.setLinkOpener(&opener);
    text.setText(QStringLiteral(
        "Vorher <button><b>Eins</b> aus A</button> mehr unter www.a.de <button>Zwei</button>"));
    text.resize(300, 200);
    text.show();
    text.refreshPage();
    QSignalSpy clicked(&text, &CNewHtmlWidget::buttonAreaClicked);
    QAccessibleInterface* node = spoken(&text);
    ASSERT_EQ(node->childCount(), 3);
    const struct {
        QString name;
        QAccessible::Role role;
    } expected[] = {{"Eins aus A", QAccessible::Button},
                    {"www.a.de", QAccessible::Link},
                    {"Zwei", QAccessible::Button}};
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface* area = node->child(i);
        ASSERT_NE(area, nullptr);
        EXPECT_EQ(area->text(QAccessible::Name), expected[i].name);
        EXPECT_EQ(area->role(), expected[i].role);
        EXPECT_EQ(area->parent(), node);
        EXPECT_EQ(node->indexOfChild(area), i);
        EXPECT_EQ(node->child(i), area); // the same child each time
        EXPECT_EQ(node->childAt(area->rect().center().x(), area->rect().center().y()), area);
        area->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    ASSERT_EQ(clicked.size(), 2);
    EXPECT_EQ(clicked[0][0].toInt(), 0);
    EXPECT_EQ(clicked[1][0].toInt(), 2);
    EXPECT_EQ(opener.opened, (std::vector<std::string>{"www.a.de"}));
}

// A label's one link: a Tab stop with a focus mark, pressed by Enter, Space
// or a reader; a label without a link stays out of the Tab order.
TEST(OwnerAccessibility, LabelLinkIsReachedByTabAndPressedByKeyOrReader) {
    QWidget window;
    auto* before = new CNewButtonCtrl2(&window);
    before->setText(QStringLiteral("Vorher"));
    auto* label = new CHtmlTextWidget(&window);
    setControlId(label, 1234);
    label->setText(QStringLiteral("Mehr im <link><b>Handbuch</b> lesen</link>."));
    label->setGeometry(0, 40, 300, 30);
    auto* plain = new CHtmlTextWidget(&window);
    plain->setText(QStringLiteral("Nur Text"));
    plain->setGeometry(0, 80, 300, 30);
    auto* after = new CNewButtonCtrl2(&window);
    after->setText(QStringLiteral("Nachher"));
    after->setGeometry(0, 120, 80, 24);
    window.resize(320, 160);
    testing::showActive(&window);
    QSignalSpy clicked(label, &CHtmlTextWidget::linkClicked);

    QAccessibleInterface* node = spoken(label);
    ASSERT_EQ(node->childCount(), 1);
    QAccessibleInterface* link = node->child(0);
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_EQ(link->text(QAccessible::Name), QStringLiteral("Handbuch lesen"));
    EXPECT_EQ(spoken(plain)->childCount(), 0);
    const QRect onLabel(label->mapFromGlobal(link->rect().topLeft()), link->rect().size());
    ASSERT_FALSE(onLabel.isEmpty());
    const QPoint markAt(onLabel.left() - 1, onLabel.center().y());
    const QColor highlight = label->palette().color(QPalette::Highlight);
    EXPECT_NE(label->grab().toImage().pixelColor(markAt), highlight);

    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), label);
    EXPECT_TRUE(link->state().focused);
    EXPECT_EQ(label->grab().toImage().pixelColor(markAt), highlight);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        QTest::keyClick(label, key);
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(clicked.count(), 4);
    EXPECT_EQ(clicked[0][0].toInt(), 1234);
    QTest::keyClick(label, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), after);
}

} // namespace
} // namespace veltrano
