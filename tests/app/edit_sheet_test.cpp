#include "app/edit_sheet.h"

#include "tests/app/app_fixture.h"
#include "tests/app/drop_events.h"
#include "widgets/qt/control_id.h"
#include "widgets/qt/image_control.h"
#include "widgets/qt/list_controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <deque>
#include <fstream>

namespace veltrano {
namespace {

[[maybe_unused]] ::testing::Environment* const appEnvironment =
    ::testing::AddGlobalTestEnvironment(new testing::AppEnvironment);

CalendarDocument sampleDocument() {
    CalendarDocument document;
    document.region = 7;
    document.fontSize = 14;
    document.titleText = "Unser Jahr\r\n2026";
    document.monthText[2] = "Frühling";
    document.dayText[2][9] = "Alt";
    document.dayColour[2][9] = 3;
    return document;
}

void click(QWidget* parent, int id) {
    auto* button = qobject_cast<QAbstractButton*>(findControl(parent, id));
    ASSERT_NE(button, nullptr) << id;
    button->click();
}

template <class T>
T* field(QWidget* page, int id) {
    return qobject_cast<T*>(findControl(page, id));
}

// The list row of a day index, -1 when the list has none.
int rowOf(const CFotoEditPage& page, int day) {
    for (int row = 0; row < page.dayList()->count(); ++row) {
        if (page.dayOfRow(row) == day)
            return row;
    }
    return -1;
}

struct OpenSheet {
    testing::FakePhotoDialogs photos;
    EditSheet edit;
    OpenSheet(const CalendarDocument& document, int startPage, std::int32_t year)
        : edit(document, nullptr, startPage, year, &photos) {
        edit.sheet().show();
    }
    ~OpenSheet() { edit.sheet().hide(); }
    CFotoEditPage& month(int m) {
        edit.sheet().setActivePage(m);
        return edit.monthPage(m);
    }
    CMonthEditPage& general() {
        edit.sheet().setActivePage(0);
        return edit.generalPage();
    }
};

TEST(EditSheet, DayTextAndColourTypedOnMarchReachTheDocumentOnOk) {
    CalendarDocument document = sampleDocument();
    OpenSheet open(document, 3, 2026);
    EXPECT_EQ(open.edit.sheet().activeIndex(), 3);
    CFotoEditPage& march = open.edit.monthPage(3);
    ASSERT_TRUE(march.isInitialised());
    EXPECT_EQ(march.controlText(1002), QString::fromUtf8("<b> März"));

    const int row = rowOf(march, 4);
    march.dayList()->setCurrentRow(row);
    EXPECT_EQ(march.selectedDay(), 4);
    auto* text = field<QPlainTextEdit>(&march, 1020);
    auto* colour = field<QComboBox>(&march, 1034);
    ASSERT_NE(text, nullptr);
    ASSERT_NE(colour, nullptr);
    EXPECT_TRUE(text->isVisible());
    EXPECT_EQ(march.controlText(1021), QString::fromUtf8("<b>5. März"));
    text->setPlainText(QStringLiteral("Erste Zeile\nZweite Zeile"));
    colour->setCurrentIndex(colour->findData(2));
    // The list follows at once: one line, and the new swatch.
    EXPECT_EQ(march.dayList()->item(row)->text(),
              QStringLiteral("Do 05.\tErste Zeile Zweite Zeile"));
    EXPECT_EQ(march.dayList()->swatch(row), 2);

    // Another day shows its own text and colour.
    march.dayList()->setCurrentRow(rowOf(march, 9));
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Alt"));
    EXPECT_EQ(colour->currentData().toInt(), 3);

    click(&open.edit.sheet(), kSheetOk);
    ASSERT_TRUE(open.edit.finish(document));
    EXPECT_EQ(document.dayText[2][4], "Erste Zeile\r\nZweite Zeile");
    EXPECT_EQ(document.dayColour[2][4], 2);
    CalendarDocument expected = sampleDocument();
    expected.dayText[2][4] = "Erste Zeile\r\nZweite Zeile";
    expected.dayColour[2][4] = 2;
    EXPECT_EQ(document, expected);
}

TEST(EditSheet, CancelAfterEditsOnSeveralPagesLeavesTheDocumentAlone) {
    CalendarDocument document = sampleDocument();
    OpenSheet open(document, 1, 2026);
    CFotoEditPage& january = open.month(1);
    january.dayList()->setCurrentRow(rowOf(january, 0));
    field<QPlainTextEdit>(&january, 1020)->setPlainText(QStringLiteral("Neujahr"));
    CFotoEditPage& may = open.month(5);
    field<QLineEdit>(&may, 1043)->setText(QStringLiteral("Blüten"));
    may.dayList()->setCurrentRow(rowOf(may, 20));
    field<QComboBox>(&may, 1034)->setCurrentIndex(4);
    open.photos.answers.push_back("/tmp/anderes.jpg");
    click(&may, 1005);
    EXPECT_EQ(may.values().photo, "/tmp/anderes.jpg");
    CMonthEditPage& general = open.general();
    field<QComboBox>(&general, 1042)->setEditText(QStringLiteral("20"));

    click(&open.edit.sheet(), kSheetCancel);
    EXPECT_FALSE(open.edit.finish(document));
    EXPECT_EQ(document, sampleDocument());
}

// The switch is clicked where a person clicks it (its box) and the sheet closed
// with its OK button; opened again, the page shows the stored state.
TEST(EditSheet, WeekNumberSwitchIsClickedOnAndOff) {
    CalendarDocument document = sampleDocument();
    for (const int expected : {1, 0}) {
        SCOPED_TRACE(expected);
        OpenSheet open(document, 0, 2026);
        auto* box = field<QAbstractButton>(&open.general(), 1044);
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(box->isVisible());
        EXPECT_EQ(box->text(), QStringLiteral("Kalenderwochen anzeigen"));
        EXPECT_EQ(box->isChecked(), expected == 0);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        EXPECT_EQ(box->isChecked(), expected == 1);
        auto* ok = field<QAbstractButton>(&open.edit.sheet(), kSheetOk);
        ASSERT_NE(ok, nullptr);
        QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
        ASSERT_TRUE(open.edit.finish(document));
        EXPECT_EQ(document.weekNumbers, expected);
    }
}

TEST(EditSheet, GeneralPageReadsFontSizeAndMarginsOnOk) {
    struct Case {
        const char* fontSize;
        const char* margin;
        std::int32_t storedSize;
        std::int32_t storedMargin;
    };
    const Case cases[] = {
        {"4", "15 mm", 8, 15}, {"40", "15", 36, 15}, {"6", "abc", 6, 0},
        {"36", " 7mm", 36, 7}, {"", "-3 mm", 8, -3}, {"11 pt", "30 mm", 11, 30},
    };
    for (const Case& c : cases) {
        CalendarDocument document = sampleDocument();
        OpenSheet open(document, 0, 2026);
        CMonthEditPage& general = open.general();
        EXPECT_EQ(general.controlText(1033), QStringLiteral("25 mm"));
        EXPECT_EQ(field<QComboBox>(&general, 1042)->currentText(), QStringLiteral("14"));
        field<QComboBox>(&general, 1042)->setEditText(QString::fromUtf8(c.fontSize));
        field<QLineEdit>(&general, 1034)->setText(QString::fromUtf8(c.margin));
        click(&open.edit.sheet(), kSheetOk);
        ASSERT_TRUE(open.edit.finish(document));
        EXPECT_EQ(document.fontSize, c.storedSize) << c.fontSize;
        EXPECT_EQ(document.margins.right, c.storedMargin) << c.margin;
        EXPECT_EQ(document.margins.left, 25);
        EXPECT_EQ(document.titleText, "Unser Jahr\r\n2026");
        EXPECT_EQ(document.region, 7);
    }
}

TEST(EditSheet, GeneralPageOffersRegionsSortedWithTheirIndexAndStoresTheChoice) {
    CalendarDocument document = sampleDocument();
    OpenSheet open(document, 0, 2026);
    CMonthEditPage& general = open.general();
    auto* regions = field<QComboBox>(&general, 1029);
    ASSERT_EQ(regions->count(), 43);
    EXPECT_EQ(regions->currentData().toInt(), 7);
    for (int i = 1; i < regions->count(); ++i) {
        EXPECT_LE(QString::localeAwareCompare(regions->itemText(i - 1), regions->itemText(i)), 0);
    }
    regions->setCurrentIndex(regions->findData(0));
    field<QPlainTextEdit>(&general, 1020)->setPlainText(QStringLiteral("Neu\nZeile"));
    click(&general, 1003); // holidays off
    click(&general, 1009); // title photo removed
    click(&open.edit.sheet(), kSheetOk);
    document.titlePhoto = "/tmp/titel.jpg";
    ASSERT_TRUE(open.edit.finish(document));
    EXPECT_EQ(document.region, 0);
    EXPECT_EQ(document.showHolidays, 0);
    EXPECT_EQ(document.titleText, "Neu\r\nZeile");
    EXPECT_EQ(document.titlePhoto, "");
}

TEST(EditSheet, DayListRowsFollowTheMonthOfTheYear) {
    struct Case {
        int month;
        std::int32_t year;
        int dayRows;
        bool startsOnMonday;
    };
    const Case cases[] = {
        {2, 2024, 29, false},
        {2, 2026, 28, false},
        {6, 2026, 30, true},
        {2, 2027, 28, true},
    };
    for (const Case& c : cases) {
        CalendarDocument document;
        OpenSheet open(document, c.month, c.year);
        const CFotoEditPage& page = open.month(c.month);
        const CNewListCtrl3* list = page.dayList();
        int dayRows = 0;
        for (int row = 0; row < list->count(); ++row) {
            const QString text = list->item(row)->text();
            if (page.dayOfRow(row) >= 0) {
                ++dayRows;
                EXPECT_EQ(page.dayOfRow(row), dayRows - 1);
                // Sundays are red, and each Monday follows a separator.
                EXPECT_EQ(text.startsWith(QStringLiteral("<red>So ")),
                          text.contains(QStringLiteral("So ")))
                    << text.toStdString();
                if (text.startsWith(QStringLiteral("Mo "))) {
                    EXPECT_EQ(list->item(row - 1)->text(), QStringLiteral("<line>"));
                }
            }
        }
        EXPECT_EQ(dayRows, c.dayRows) << c.month << "/" << c.year;
        EXPECT_EQ(list->item(0)->text(),
                  QString::fromStdString((c.month == 2 ? "<group>Februar " : "<group>Juni ") +
                                         std::to_string(c.year)));
        EXPECT_EQ(list->item(1)->text(), QString());
        EXPECT_EQ(list->item(2)->text() == QStringLiteral("<line>"), c.startsOnMonday);
        EXPECT_EQ(page.dayOfRow(0), -1);
        EXPECT_EQ(page.dayOfRow(1), -1);
    }
}

TEST(EditSheet, DayFieldsShowOnlyWhileADayIsSelected) {
    CalendarDocument document = sampleDocument();
    OpenSheet open(document, 3, 2026);
    CFotoEditPage& march = open.edit.monthPage(3);
    const auto fieldsVisible = [&march] {
        return findControl(&march, 1020)->isVisible() && findControl(&march, 1034)->isVisible() &&
               findControl(&march, 1021)->isVisible();
    };
    const auto fieldsHidden = [&march] {
        return findControl(&march, 1020)->isHidden() && findControl(&march, 1034)->isHidden() &&
               findControl(&march, 1021)->isHidden();
    };
    EXPECT_TRUE(fieldsHidden());
    march.dayList()->setCurrentRow(rowOf(march, 9));
    EXPECT_TRUE(fieldsVisible());
    march.dayList()->setCurrentRow(0); // the group heading
    EXPECT_TRUE(fieldsHidden());
    EXPECT_EQ(march.selectedDay(), -1);
    // Typing while no day is selected stores nothing.
    field<QPlainTextEdit>(&march, 1020)->setPlainText(QStringLiteral("verloren"));
    click(&open.edit.sheet(), kSheetOk);
    ASSERT_TRUE(open.edit.finish(document));
    EXPECT_EQ(document, sampleDocument());
}

TEST(EditSheet, TabsAreTheGeneralPageAndTheMonthsFirstThreeLetters) {
    CalendarDocument document;
    OpenSheet open(document, 99, 2026);
    EXPECT_EQ(open.edit.sheet().activeIndex(), 0);
    ASSERT_EQ(open.edit.sheet().pageCount(), 13);
    EXPECT_EQ(open.edit.sheet().tabControl().tabTitle(0), QStringLiteral("Kalender"));
    EXPECT_EQ(open.edit.sheet().tabControl().tabTitle(3), QString::fromUtf8("Mär"));
    EXPECT_EQ(open.edit.sheet().tabControl().tabTitle(12), QStringLiteral("Dez"));
    EXPECT_EQ(open.edit.sheet().windowTitle(), QStringLiteral("Monat bearbeiten"));
}

TEST(EditSheet, PhotoButtonsAskWithTheProgramsFilterAndKeepCancelledChoices) {
    CalendarDocument document = sampleDocument();
    document.monthPhoto[0] = "/tmp/alt.jpg";
    OpenSheet open(document, 1, 2026);
    CFotoEditPage& january = open.edit.monthPage(1);
    click(&january, 1005); // cancelled: the photo stays
    EXPECT_EQ(january.values().photo, "/tmp/alt.jpg");
    ASSERT_EQ(open.photos.filters.size(), 1u);
    EXPECT_EQ(open.photos.filters[0], "Fotos (*.jpg;*.gif)|*.jpg; *.gif|Alle Dateien (*.*)|*.*||");
    EXPECT_EQ(open.photos.currentPhotos[0], "/tmp/alt.jpg"); // the dialog starts beside it
    click(&january, 1009);
    EXPECT_EQ(january.values().photo, "");
    EXPECT_FALSE(qobject_cast<CImageControl*>(findControl(&january, 1004))->hasImage());
}

TEST(EditSheet, APhotoDroppedOnThePreviewBecomesThePagesPhoto) {
    testing::TempFolder folder;
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::green);
    const std::string photo = folder.file("neu.png");
    ASSERT_TRUE(image.save(QString::fromStdString(photo)));
    std::ofstream(folder.file("notiz.txt")) << "kein Foto";
    CalendarDocument document = sampleDocument();
    document.monthPhoto[0] = "/tmp/alt.jpg";
    OpenSheet open(document, 1, 2026);
    CFotoEditPage& january = open.edit.monthPage(1);
    auto* preview = qobject_cast<CImageControl*>(findControl(&january, 1004));
    ASSERT_NE(preview, nullptr);
    EXPECT_FALSE(testing::dragAndDrop(preview, {folder.file("notiz.txt")}));
    EXPECT_EQ(january.values().photo, "/tmp/alt.jpg");
    ASSERT_TRUE(testing::dragAndDrop(preview, {photo}));
    EXPECT_EQ(january.values().photo, photo);
    EXPECT_TRUE(QTest::qWaitFor([preview] { return preview->hasImage(); }, 5000));
    CMonthEditPage& general = open.general();
    auto* titlePreview = qobject_cast<CImageControl*>(findControl(&general, 1007));
    ASSERT_NE(titlePreview, nullptr);
    ASSERT_TRUE(testing::dragAndDrop(titlePreview, {photo}));
    EXPECT_EQ(general.values().titlePhoto, photo);
}

TEST(EditSheet, ProgramFilterBecomesQtFiltersWithEveryDecodableFormat) {
    const QStringList filters =
        qtNameFilters("Fotos (*.jpg;*.gif)|*.jpg; *.gif|Alle Dateien (*.*)|*.*||",
                      {QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("BMP")});
    EXPECT_EQ(
        filters,
        (QStringList{QStringLiteral("Fotos (*.jpg *.gif *.png *.bmp *.JPG *.GIF *.PNG *.BMP)"),
                     QStringLiteral("Alle Dateien (*)")}));
    EXPECT_TRUE(qtNameFilters("", {}).isEmpty());
    EXPECT_TRUE(qtNameFilters("||", {}).isEmpty());
}

} // namespace
} // namespace veltrano
