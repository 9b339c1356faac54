#pragma once
// Driving the window program as a person does: mouse clicks where an item is
// drawn and keys typed into the field that has the keyboard focus. Tests built
// on these see a fault that calls into the widgets would step around.

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace veltrano::testing {

// Shows a window and makes it the active one, so that the keyboard reaches it.
inline void showActive(QWidget* window) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

// The widget that takes a click on a field: the viewport of a scrolling field.
inline QWidget* clickTarget(QWidget* widget) {
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    return area != nullptr ? area->viewport() : widget;
}

// A left click at `at` in the widget, by default its centre.
inline void clickAt(QWidget* widget, QPoint at = QPoint(-1, -1)) {
    QWidget* target = clickTarget(widget);
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier,
                      at == QPoint(-1, -1) ? target->rect().center() : at);
}

// The rectangle of a list row on its viewport, scrolled into view first.
inline QRect rowRect(QAbstractItemView* list, int row) {
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    return list->visualRect(index);
}

// Clicks the middle of a list row, where its text is drawn.
inline void clickRow(QAbstractItemView* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      rowRect(list, row).center());
}

// Clicks the check box drawn at the left of a checkable list row.
inline void clickRowCheck(QListWidget* list, int row) {
    QStyleOptionViewItem option;
    option.initFrom(list->viewport());
    option.rect = rowRect(list, row);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = list->item(row)->text();
    const QRect check = list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator,
                                                      &option, list->viewport());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, check.center());
}

// Opens a drop-down with a click and clicks the entry's row in the list that
// drops down. Fails when the list does not show.
inline void chooseEntry(QComboBox* combo, int entry) {
    // A drop-down ignores clicks sooner than a double click after it opened, so
    // that the opening click chooses nothing. A person is slower than that; the
    // test shortens the time instead of waiting it out.
    const int doubleClick = QApplication::doubleClickInterval();
    QApplication::setDoubleClickInterval(1);
    clickAt(combo);
    QAbstractItemView* popup = combo->view();
    const bool shown = QTest::qWaitForWindowExposed(popup->window());
    QTest::qWait(5);
    if (shown) {
        // The pointer passes over the entry on its way, as a hand moves it.
        QTest::mouseMove(popup->viewport(), rowRect(popup, entry).center());
        clickRow(popup, entry);
    }
    QApplication::setDoubleClickInterval(doubleClick);
    QCoreApplication::processEvents();
    ASSERT_TRUE(shown) << "the list did not drop down";
}

// Types text into the widget key by key; letters beyond ASCII come as the text
// of a key press, as a keyboard layout that has them sends them.
inline void typeKeys(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Clicks into a field and types text, replacing what it held (Ctrl+A first).
// The keys go to the widget that has the focus after the click, as a keyboard's
// would; the test fails when the click did not give the field the focus.
inline void typeInto(QWidget* field, const QString& text) {
    clickAt(field);
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr) << "no field has the focus";
    QTest::keyClick(focused, Qt::Key_A, Qt::ControlModifier);
    typeKeys(focused, text);
}

// Types text into the widget that has the focus.
inline void typeHere(const QString& text) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr) << "no field has the focus";
    typeKeys(focused, text);
}

// Presses a key in the focused widget.
inline void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr) << "no widget has the focus";
    QTest::keyClick(focused, key, modifiers);
}

// Clicks an entry of the popup menu that `open` brings up. A menu that runs
// its own event loop until it is answered gets the click from inside that loop.
template <class Open>
void clickPopupEntry(Open open, const QString& entryText) {
    bool clicked = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        for (QAction* action : menu->actions()) {
            if (action->text() == entryText) {
                QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                                  menu->actionGeometry(action).center());
                clicked = true;
                return;
            }
        }
        menu->close();
    });
    open();
    QCoreApplication::processEvents();
    EXPECT_TRUE(clicked) << "no entry " << entryText.toStdString();
}

} // namespace veltrano::testing
