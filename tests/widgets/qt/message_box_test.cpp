#include "widgets/qt/message_box.h"

#include "core/message_presenter.h"
#include "tests/widgets/qt/dialog_test_support.h"
#include "widgets/qt/control_id.h"
#include "widgets/qt/markup_controls.h"
#include "widgets/qt/message_box_presenter.h"

#include <QAbstractButton>
#include <QTimer>

#include <string>
#include <vector>

namespace veltrano {
namespace {

using dialog_test::pressKey;

[[maybe_unused]] ::testing::Environment* const widgetEnvironment =
    ::testing::AddGlobalTestEnvironment(new dialog_test::WidgetEnvironment);

QWidget* button(const CMyMessageBoxDlg& box, std::size_t slot) {
    return findControl(&box, kMessageButtonControls[slot]);
}

TEST(CMyMessageBoxDlg, KeysAnswerWithTheStyleResults) {
    struct Case {
        int style;
        int key;
        int result;
    };
    const Case cases[] = {
        {0x0, Qt::Key_Return, 1},   {0x0, Qt::Key_Escape, 2},   {0x4, Qt::Key_Return, 6},
        {0x4, Qt::Key_Escape, 2},   {0x3, Qt::Key_Enter, 6},    {0x103, Qt::Key_Return, 7},
        {0x203, Qt::Key_Return, 2}, {0x121, Qt::Key_Return, 2}, {0x1, Qt::Key_Return, 1},
        {0x100, Qt::Key_Return, 1}, // the hidden second button is not pressed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        CMyMessageBoxDlg box;
        box.setMessage("Frage");
        box.setStyle(c.style);
        box.show();
        pressKey(&box, c.key);
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(box.result(), c.result);
    }
}

TEST(CMyMessageBoxDlg, ButtonsAreShownNamedAndCentredByStyle) {
    struct Case {
        int style;
        std::vector<QString> texts; // of the shown buttons, in slot order
        std::size_t defaultSlot;
    };
    const Case cases[] = {
        {0x0, {"OK"}, 0},
        {0x4, {"Ja", "Nein"}, 0},
        {0x3, {"Ja", "Nein", "Abbrechen"}, 0},
        {0x121, {"OK", "&Abbrechen"}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        CMyMessageBoxDlg box;
        box.setStyle(c.style);
        box.show();
        const int w = button(box, 0)->width();
        const std::array<int, 3> left =
            messageButtonRow(static_cast<int>(c.texts.size()), w, box.width());
        for (std::size_t slot = 0; slot < 3; ++slot) {
            QWidget* b = button(box, slot);
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->isVisible(), slot < c.texts.size());
            if (slot < c.texts.size()) {
                EXPECT_EQ(b->property("text").toString(), c.texts[slot]);
                EXPECT_EQ(b->x(), left[slot]);
            }
        }
        EXPECT_EQ(box.defaultControl(), kMessageButtonControls[c.defaultSlot]);
        EXPECT_EQ(box.focusWidget(), button(box, c.defaultSlot));
        // Side by side, 8 pixels apart, centred.
        if (c.texts.size() == 2) {
            EXPECT_EQ(button(box, 1)->x() - button(box, 0)->x(), w + 8);
        }
        box.hide();
    }
}

TEST(CMyMessageBoxDlg, ClickedButtonEndsWithItsSlotResult) {
    CMyMessageBoxDlg box;
    box.setStyle(0x3);
    box.show();
    qobject_cast<QAbstractButton*>(button(box, 1))->click();
    EXPECT_EQ(box.result(), 7);
}

TEST(CMyMessageBoxDlg, TextControlShowsSymbolAndIndentedLines) {
    CMyMessageBoxDlg box;
    box.setMessage("eins<br>zwei");
    box.setStyle(0x30);
    box.show();
    auto* text = qobject_cast<CNewHtmlWidget*>(findControl(&box, kMessageTextControl));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), "<img1><tab40>eins<br><tab40>zwei");
    EXPECT_EQ(box.symbol(), 1);
}

TEST(CMyMessageBoxDlg, LongTextGrowsBoxPanelTextAndMovesButtons) {
    CMyMessageBoxDlg shortBox;
    shortBox.setMessage("Kurz.");
    shortBox.show();
    EXPECT_EQ(shortBox.growth(), 0);

    for (const int lines : {8, 80}) {
        SCOPED_TRACE(lines);
        std::string message = "Zeile";
        for (int i = 1; i < lines; ++i) {
            message += "<br>Zeile";
        }
        CMyMessageBoxDlg box;
        box.setMessage(message);
        box.show();
        const int growth = box.growth();
        EXPECT_GT(growth, 0);
        EXPECT_LE(growth, 300);
        if (lines == 80) {
            EXPECT_EQ(growth, 300); // the text then scrolls
        }
        EXPECT_EQ(box.height(), shortBox.height() + growth);
        EXPECT_EQ(button(box, 0)->y(), button(shortBox, 0)->y() + growth);
        EXPECT_EQ(findControl(&box, kMessageTextControl)->height(),
                  findControl(&shortBox, kMessageTextControl)->height() + growth);
        ASSERT_TRUE(box.contentRect() && shortBox.contentRect());
        EXPECT_EQ(box.contentRect()->bottom, shortBox.contentRect()->bottom + growth);
        box.hide();
    }
}

TEST(MessageBoxPresenter, ShowsTheBoxModallyAndAnswersItsResult) {
    MessageBoxPresenter presenter;
    setMessagePresenter(&presenter);
    // The modal box is answered from the event loop it runs, once it is on
    // screen, however long showing it takes.
    bool answered = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<CMyMessageBoxDlg*>(QApplication::activeModalWidget());
        if (box != nullptr && box->isVisible()) {
            poll.stop();
            answered = true;
            pressKey(box, Qt::Key_Return);
        }
    });
    poll.start(10);
    EXPECT_EQ(showMessage("Speichern?", MessageStyle::YesNoCancel), MessageResult::Yes);
    EXPECT_TRUE(answered) << "the box was not shown modally";
    setMessagePresenter(nullptr);
}

} // namespace
} // namespace veltrano
