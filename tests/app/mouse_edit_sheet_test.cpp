// The edit sheet driven with mouse and keyboard: clicks at the rows, tabs and
// buttons where they are drawn, keys typed into the field that has the focus.
#include "app/edit_sheet.h"

#include "tests/app/app_fixture.h"
#include "tests/app/real_input.h"
#include "widgets/qt/control_id.h"
#include "widgets/qt/image_control.h"
#include "widgets/qt/list_controls.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace veltrano {
namespace {

using namespace testing;

[[maybe_unused]] ::testing::Environment* const appEnvironment =
    ::testing::AddGlobalTestEnvironment(new AppEnvironment);

CalendarDocument sampleDocument() {
    CalendarDocument document;
    document.region = 7;
    document.fontSize = 14;
    document.dayText[2][9] = "Alt";
    document.dayColour[2][9] = 3;
    return document;
}

// The sheet shown and active, as the edit command opens it.
struct ShownSheet {
    FakePhotoDialogs photos;
    EditSheet edit;
    ShownSheet(const CalendarDocument& document, int startPage)
        : edit(document, nullptr, startPage, 2026, &photos) {
        showActive(&edit.sheet());
    }
    ~ShownSheet() { edit.sheet().hide(); }
    QWidget* control(QWidget* page, int id) const { return findControl(page, id); }
    void clickOk() { clickAt(findControl(&edit.sheet(), kSheetOk)); }
};

// The list row that shows day index `day`.
int rowOfDay(const CFotoEditPage& page, int day) {
    for (int row = 0; row < page.dayList()->count(); ++row)
        if (page.dayOfRow(row) == day)
            return row;
    return -1;
}

bool dayFieldsShown(CFotoEditPage& page) {
    return findControl(&page, 1021)->isVisible() && findControl(&page, 1020)->isVisible() &&
           findControl(&page, 1034)->isVisible();
}

TEST(MouseEditSheet, AClickedDayShowsItsFieldsAndTakesTypedTextAndColour) {
    CalendarDocument document = sampleDocument();
    ShownSheet open(document, 3);
    CFotoEditPage& march = open.edit.monthPage(3);
    CNewListCtrl3* list = march.dayList();
    auto* text = qobject_cast<QPlainTextEdit*>(open.control(&march, 1020));
    auto* colour = qobject_cast<QComboBox*>(open.control(&march, 1034));
    EXPECT_FALSE(dayFieldsShown(march));

    clickRow(list, rowOfDay(march, 4));
    ASSERT_TRUE(dayFieldsShown(march));
    EXPECT_EQ(march.controlText(1021), QString::fromUtf8("<b>5. März"));
    typeInto(text, QStringLiteral("Erste Zeile"));
    pressKey(Qt::Key_Return);
    typeHere(QStringLiteral("Zweite"));
    chooseEntry(colour, 2);
    const int row = rowOfDay(march, 4);
    EXPECT_EQ(list->item(row)->text(), QStringLiteral("Do 05.\tErste Zeile Zweite"));
    EXPECT_EQ(list->swatch(row), 2);

    // A second click on another day shows that day's own values.
    clickRow(list, rowOfDay(march, 9));
    EXPECT_TRUE(dayFieldsShown(march));
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Alt"));
    EXPECT_EQ(colour->currentData().toInt(), 3);
    EXPECT_EQ(march.controlText(1021), QString::fromUtf8("<b>10. März"));
    clickRow(list, 0); // the month's heading
    EXPECT_FALSE(dayFieldsShown(march));

    open.clickOk();
    ASSERT_TRUE(open.edit.finish(document));
    EXPECT_EQ(document.dayText[2][4], "Erste Zeile\r\nZweite");
    EXPECT_EQ(document.dayColour[2][4], 2);
    EXPECT_EQ(document.dayText[2][9], "Alt");
}

TEST(MouseEditSheet, ClickedTabsShowTheirPage) {
    CalendarDocument document;
    ShownSheet open(document, 0);
    CBgTabCtrl& tabs = open.edit.sheet().tabControl();
    for (const int tab : {5, 12, 0, 1}) {
        const Rect r = tabs.tabRects()[static_cast<std::size_t>(tab)];
        clickAt(&tabs, QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        EXPECT_EQ(open.edit.sheet().activeIndex(), tab);
        QWidget* page =
            tab == 0 ? static_cast<QWidget*>(&open.edit.generalPage()) : &open.edit.monthPage(tab);
        EXPECT_TRUE(page->isVisible()) << tab;
    }
}

TEST(MouseEditSheet, KeysSwitchTabsAndPutTheFocusOnThePage) {
    CalendarDocument document;
    ShownSheet open(document, 0);
    CBgPropertySheet& sheet = open.edit.sheet();
    // The sheet opens with the focus on the page's first control.
    EXPECT_EQ(QApplication::focusWidget(), findControl(&open.edit.generalPage(), 1008));
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int tab;
    } steps[] = {
        {Qt::Key_Tab, Qt::ControlModifier, 1},
        {Qt::Key_PageDown, Qt::ControlModifier, 2},
        {Qt::Key_PageUp, Qt::ControlModifier, 1},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 0},
        {Qt::Key_PageUp, Qt::ControlModifier, 12}, // wraps around
        {Qt::Key_Tab, Qt::ControlModifier, 0},
        {Qt::Key_L, Qt::AltModifier, 7}, // "Ju_l": J and u went to "Jan" and "Jun"
        {Qt::Key_G, Qt::AltModifier, 8}, // "Au_g"
        {Qt::Key_K, Qt::AltModifier, 0}, // _Kalender
        {Qt::Key_Z, Qt::AltModifier, 0}, // no tab has Z
    };
    for (const auto& step : steps) {
        pressKey(step.key, step.modifiers);
        EXPECT_EQ(sheet.activeIndex(), step.tab) << step.key;
        QWidget* page = sheet.page(step.tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_TRUE(page->isAncestorOf(QApplication::focusWidget())) << step.key;
        EXPECT_TRUE(QApplication::focusWidget()->isVisible()) << step.key;
    }
    // The first control in reading order: the day list of a month page.
    pressKey(Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), open.edit.monthPage(3).dayList());
}

TEST(MouseEditSheet, PhotoButtonsShowTheChosenPhotoAndRemoveIt) {
    TempFolder folder;
    const std::string photo = folder.file("blume.jpg");
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(QString::fromStdString(photo)));
    CalendarDocument document;
    ShownSheet open(document, 5);
    CFotoEditPage& may = open.edit.monthPage(5);
    auto* preview = qobject_cast<CImageControl*>(open.control(&may, 1004));
    ASSERT_NE(preview, nullptr);
    open.photos.answers = {std::nullopt, photo};
    clickAt(open.control(&may, 1005)); // cancelled
    EXPECT_FALSE(preview->hasImage());
    clickAt(open.control(&may, 1005));
    // The photo is decoded on a worker thread and shows when it arrives.
    EXPECT_TRUE(QTest::qWaitFor([preview] { return preview->hasImage(); }, 10000));
    EXPECT_EQ(open.photos.filters.size(), 2u);
    typeInto(open.control(&may, 1043), QStringLiteral("Blüten im Mai"));
    open.clickOk();
    ASSERT_TRUE(open.edit.finish(document));
    EXPECT_EQ(document.monthPhoto[4], photo);
    EXPECT_EQ(document.monthText[4], "Blüten im Mai");

    ShownSheet again(document, 5);
    CFotoEditPage& page = again.edit.monthPage(5);
    clickAt(again.control(&page, 1009));
    EXPECT_FALSE(qobject_cast<CImageControl*>(again.control(&page, 1004))->hasImage());
    EXPECT_EQ(page.values().photo, "");
}

TEST(MouseEditSheet, GeneralPageSwitchesListsAndFieldsTakeClicksAndKeys) {
    CalendarDocument document = sampleDocument();
    ShownSheet open(document, 0);
    CMonthEditPage& general = open.edit.generalPage();
    clickAt(open.control(&general, 1003)); // holidays off
    clickAt(open.control(&general, 1005)); // frames on
    auto* regions = qobject_cast<QComboBox*>(open.control(&general, 1029));
    const int entry = regions->currentIndex() == 0 ? 1 : 0;
    chooseEntry(regions, entry);
    EXPECT_EQ(regions->currentIndex(), entry);
    open.photos.answers = {std::string("/tmp/titel.jpg")};
    clickAt(open.control(&general, 1008)); // the title photo
    typeInto(open.control(&general, 1042), QStringLiteral("40"));
    typeInto(open.control(&general, 1035), QStringLiteral("15 mm"));
    typeInto(open.control(&general, 1020), QStringLiteral("Unser Jahr"));
    pressKey(Qt::Key_Return);
    typeHere(QStringLiteral("2026"));
    open.clickOk();
    ASSERT_TRUE(open.edit.finish(document));
    EXPECT_EQ(document.showHolidays, 0);
    EXPECT_EQ(document.dayFrames, 1);
    EXPECT_EQ(document.region, regions->itemData(entry).toInt());
    EXPECT_EQ(document.fontSize, 36);
    EXPECT_EQ(document.margins.top, 15);
    EXPECT_EQ(document.margins.left, 25);
    EXPECT_EQ(document.titleText, "Unser Jahr\r\n2026");
    EXPECT_EQ(document.titlePhoto, "/tmp/titel.jpg");
}

} // namespace
} // namespace veltrano
