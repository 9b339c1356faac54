#include "widgets/engine/command_images.h"
#include "widgets/qt/bitmap_combo.h"
#include "widgets/qt/control_id.h"
#include "widgets/qt/dialog_builder.h"
#include "widgets/qt/list_controls.h"
#include "widgets/qt/markup_controls.h"
#include "widgets/qt/owner_buttons.h"
#include "widgets/qt/owner_labels.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace veltrano {
namespace {

class ControlsEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "test_widgets";
            static char* argv[] = {name, nullptr};
            app_ = std::make_unique<QApplication>(argc, argv);
        }
    }
    void TearDown() override { app_.reset(); }

  private:
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const controlsEnvironment =
    ::testing::AddGlobalTestEnvironment(new ControlsEnvironment);

// A dialog with children as a template would create them.
class BuilderDialog : public ::testing::Test {
  protected:
    template <class W>
    W* add(int id, const char* windowClass, uint style, const QString& caption, QRect where) {
        auto* widget = new W(&dialog);
        widget->setProperty(kControlIdProperty, id);
        widget->setProperty(kWindowClassProperty, QString::fromLatin1(windowClass));
        widget->setProperty(kStyleProperty, style);
        if (widget->property("text").isValid()) {
            widget->setProperty("text", caption);
        }
        widget->setGeometry(where);
        return widget;
    }
    QWidget dialog;
};

TEST_F(BuilderDialog, ReplacesControlsOnTheirNumbersAndPlaces) {
    commandImages().registerImage(1, 6);
    add<QPushButton>(1, "BUTTON", 0x1, "<b>OK", QRect(10, 200, 75, 23));
    add<QCheckBox>(1001, "BUTTON", 0x6, "Drei", QRect(10, 10, 120, 14));
    add<QPushButton>(1002, "BUTTON", 0x0, "<head>Kopf", QRect(0, 0, 300, 20));
    add<QPushButton>(1003, "BUTTON", 0x0, "<html><strong>Wort</strong>", QRect(10, 30, 200, 60));
    add<QPushButton>(1004, "BUTTON", 0x0, "<line>", QRect(10, 95, 200, 2));
    add<QLabel>(1005, "STATIC", 0x0, "Name:", QRect(10, 100, 60, 12));
    add<QLineEdit>(1006, "EDIT", 0x80, "", QRect(80, 100, 100, 26));
    add<QComboBox>(1007, "COMBOBOX", 0x13, "", QRect(10, 130, 120, 100));
    add<QPushButton>(1008, "BUTTON", 0x0, "<itext>sym:2Hinweis", QRect(10, 160, 200, 32));
    add<QPushButton>(1009, "BUTTON", 0xB, "", QRect(250, 10, 20, 20));

    EXPECT_EQ(runDialogBuilder(&dialog, DialogBuilderOptions{}), 1);

    auto* ok = qobject_cast<CNewButtonCtrl2*>(findControl(&dialog, 1));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->geometry(), QRect(10, 200, 75, 23));
    EXPECT_EQ(ok->text(), QStringLiteral("<b>OK")); // drawing prefixes stay for the button
    EXPECT_EQ(ok->image(), 6);
    EXPECT_EQ(ok->property(kWindowClassProperty).toString(), QStringLiteral("BUTTON"));

    auto* box = qobject_cast<CNewCheckBox*>(findControl(&dialog, 1001));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isThreeState());
    EXPECT_EQ(box->answerQuery(1130), 1);

    auto* head = qobject_cast<CNewTextCtrl*>(findControl(&dialog, 1002));
    ASSERT_NE(head, nullptr);
    EXPECT_EQ(head->text(), QStringLiteral("Kopf"));
    EXPECT_EQ(head->look().background, paletteColour(kPaletteHeadingBackground));

    auto* html = qobject_cast<CNewHtmlWidget*>(findControl(&dialog, 1003));
    ASSERT_NE(html, nullptr);
    EXPECT_EQ(html->text(), QStringLiteral("<strong>Wort</strong>"));
    EXPECT_EQ(html->geometry(), QRect(10, 30, 200, 60));

    auto* line = qobject_cast<CLineCtrl*>(findControl(&dialog, 1004));
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->text().isEmpty());

    auto* label = qobject_cast<QLabel*>(findControl(&dialog, 1005));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->property("vtOwnerDrawn").toBool());

    EXPECT_EQ(findControl(&dialog, 1006)->height(), 20);
    EXPECT_EQ(findControl(&dialog, 1006)->y(), 100);
    EXPECT_NE(qobject_cast<CBitmapCombo*>(findControl(&dialog, 1007)), nullptr);

    auto* itext = qobject_cast<CHtmlTextWidget*>(findControl(&dialog, 1008));
    ASSERT_NE(itext, nullptr);
    EXPECT_EQ(itext->text(), QStringLiteral("Hinweis"));

    // An owner-drawn button without caption stays as it was.
    EXPECT_NE(qobject_cast<QPushButton*>(findControl(&dialog, 1009)), nullptr);
    // Each number is held by exactly one control.
    for (int id : {1, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009}) {
        int holders = 0;
        for (QWidget* child : dialog.findChildren<QWidget*>()) {
            holders += controlId(child) == id ? 1 : 0;
        }
        EXPECT_EQ(holders, 1) << id;
    }
    commandImages().clear();
}

TEST_F(BuilderDialog, ListViewReportsItsNumberAndTakesPendingColumns) {
    add<QPushButton>(2001, "BUTTON", 0x0, "<colwnd>", QRect(10, 10, 200, 18));
    add<QTreeWidget>(2002, "SYSLISTVIEW32", 0x1, "", QRect(10, 30, 200, 100));
    add<QPushButton>(2003, "BUTTON", 0x0, "<colwnd>", QRect(10, 140, 200, 18));
    int listNumber = 0;
    DialogBuilderOptions options;
    options.listNumberOut = &listNumber;
    options.dialogFlag = true;
    ASSERT_EQ(runDialogBuilder(&dialog, options), 1);
    EXPECT_EQ(listNumber, 2002);
    auto* list = qobject_cast<CNewListCtrl3*>(findControl(&dialog, 2002));
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->dialogFlag());
    auto* before = qobject_cast<CColumnWnd*>(findControl(&dialog, 2001));
    auto* after = qobject_cast<CColumnWnd*>(findControl(&dialog, 2003));
    ASSERT_NE(before, nullptr);
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(before->list(), list);
    EXPECT_EQ(after->list(), list);
}

TEST_F(BuilderDialog, SwitchesOffKeepListsAndThumbnailsMakePictureLists) {
    add<QTreeWidget>(3001, "SYSLISTVIEW32", 0x1, "", QRect(0, 0, 100, 100));
    DialogBuilderOptions options;
    options.thumbnailList = true;
    ASSERT_EQ(runDialogBuilder(&dialog, options), 1);
    EXPECT_NE(qobject_cast<CNewJpgListCtrl*>(findControl(&dialog, 3001)), nullptr);
    EXPECT_EQ(runDialogBuilder(nullptr, options), 0);
}

TEST(CheckBoxControl, ThreeClicksCycleBackAndNotifyThreeTimes) {
    CNewCheckBox box;
    setControlId(&box, 1040);
    box.setThreeState(true);
    std::vector<int> notified;
    QObject::connect(&box, &CNewCheckBox::commandNotification,
                     [&](int id) { notified.push_back(id); });
    std::vector<int> seen;
    QObject::connect(&box, &QAbstractButton::clicked, [&] { seen.push_back(box.state()); });
    box.click();
    box.click();
    box.click();
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(notified, (std::vector<int>{1040, 1040, 1040}));
    EXPECT_EQ(box.answerQuery(1131), 0);
}

TEST(CheckBoxControl, StateWritesAreChecked) {
    CNewCheckBox box;
    EXPECT_FALSE(box.setState(2)); // two-state box
    EXPECT_TRUE(box.setState(1));
    EXPECT_TRUE(box.isChecked());
    box.click();
    EXPECT_EQ(box.state(), 0);
    box.setThreeState(true);
    EXPECT_TRUE(box.setState(2));
    EXPECT_TRUE(box.isChecked());
    EXPECT_FALSE(box.setState(3));
    EXPECT_EQ(box.state(), 2);
}

TEST(ButtonControl, HoverFollowsThePointer) {
    CNewButtonCtrl2 button;
    button.resize(80, 23);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &enter);
    EXPECT_TRUE(button.isHovering());
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &press);
    QMouseEvent away(QEvent::MouseMove, QPointF(120, 5), QPointF(120, 5), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &away);
    EXPECT_FALSE(button.isHovering());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(button.isHovering());
}

TEST(BitmapComboControl, ItemDataHoldsValueAndImage) {
    CBitmapCombo combo;
    combo.addImageItem(QStringLiteral("Rot"), 5, 3);
    combo.insertImageItem(0, QStringLiteral("<b>Blau"), 2, 700);
    EXPECT_EQ(combo.imageItemData(1), 0x0305u);
    EXPECT_EQ(combo.itemValue(1), 3);
    EXPECT_EQ(combo.itemImage(1), 5);
    EXPECT_EQ(combo.itemValue(0), 700);
    EXPECT_EQ(combo.imageItemData(7), 0u);
    EXPECT_FALSE(combo.setImages(0, 16));
}

TEST(LinkAddresses, OnlyWebAndMailAddressesAreOpened) {
    EXPECT_EQ(webLinkUrl(QStringLiteral("www.example.org ")).toString(),
              QStringLiteral("http://www.example.org"));
    EXPECT_EQ(webLinkUrl(QStringLiteral("https://example.org/a")).toString(),
              QStringLiteral("https://example.org/a"));
    EXPECT_FALSE(webLinkUrl(QStringLiteral("file:///etc/passwd")).isValid());
    EXPECT_FALSE(webLinkUrl(QStringLiteral("javascript:alert(1)")).isValid());
    EXPECT_FALSE(webLinkUrl(QString()).isValid());
    EXPECT_EQ(mailLinkUrl(QStringLiteral("info@example.org")).toString(),
              QStringLiteral("mailto:info@example.org"));
    EXPECT_FALSE(mailLinkUrl(QStringLiteral("a@b.c?attach=/etc/passwd")).isValid());
    EXPECT_FALSE(mailLinkUrl(QString()).isValid());
}

TEST(HtmlWidget, PagePictureScrollBarAndButtonAreas) {
    CNewHtmlWidget widget;
    widget.resize(200, 60);
    QString text;
    for (int i = 0; i < 30; ++i) {
        text += QStringLiteral("Zeile %1<br>").arg(i);
    }
    widget.setText(text);
    widget.refreshPage();
    EXPECT_GT(widget.engine().pageHeight(), 60);
    EXPECT_EQ(widget.scrollBar()->maximum(), widget.engine().scrollMaximum());
    EXPECT_FALSE(widget.scrollBar()->isHidden());
    widget.scrollBar()->setValue(25);
    EXPECT_EQ(widget.engine().scrollPosition(), 25);

    widget.setText(QStringLiteral("Eine Zeile"));
    widget.refreshPage();
    EXPECT_TRUE(widget.scrollBar()->isHidden()) << "a text that fits shows no scroll bar";
}

// Two button areas, the second closed without a start tag of its own, as the
// birthday import's program choice has them: a click reaches the one it is on,
// and a click in the room between them reaches neither.
TEST(HtmlWidget, ClicksReachTheButtonAreaUnderThePointer) {
    CNewHtmlWidget widget;
    widget.resize(300, 200);
    widget.setText(QStringLiteral(
        "<br><button>Eins<br>eins</button><newline60>Zwei<br>zwei</button><newline60>Ende"));
    widget.show();
    widget.refreshPage();
    ASSERT_EQ(widget.engine().areas().size(), 2u);
    const Rect first = widget.engine().areas()[0].rect;
    QSignalSpy clicked(&widget, &CNewHtmlWidget::buttonAreaClicked);
    const auto clickAt = [&](int x, int y) {
        clicked.clear();
        QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(x, y));
        return clicked.isEmpty() ? -1 : clicked[0][0].toInt();
    };
    EXPECT_EQ(clickAt(first.left + 5, first.top + 3), 0);
    EXPECT_EQ(clickAt(first.left + 5, first.bottom + 20), -1) << "the room between the areas";
    EXPECT_EQ(clickAt(first.left + 5, first.bottom + 60 + 3), 1) << "the second area's first line";
}

} // namespace
} // namespace veltrano
