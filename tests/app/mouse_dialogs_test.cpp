// The year, multi-day, print and language dialogs driven with mouse and
// keyboard, checked by what they show and hand back.
#include "app/drucken_dlg.h"
#include "app/jahr_dlg.h"
#include "app/multi_dlg.h"
#include "app/sprache_dlg.h"
#include "core/clock.h"
#include "core/date_format.h"
#include "core/date_text.h"
#include "core/strings.h"
#include "tests/app/app_fixture.h"
#include "tests/app/real_input.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace veltrano {
namespace {

using namespace testing;

[[maybe_unused]] ::testing::Environment* const appEnvironment =
    ::testing::AddGlobalTestEnvironment(new AppEnvironment);

// Each test runs on 7 December 2026 with day-first dates and German texts.
class MouseDialogsTest : public ::testing::Test {
  protected:
    MouseDialogsTest() {
        setTodayProvider([] { return CivilDate{7, 12, 2026}; });
        setDateFormat(0);
    }
    ~MouseDialogsTest() override { setTodayProvider({}); }

    // Opens the dialog as exec would, shown and active.
    static void open(CNewDialog& dialog) {
        dialog.initialise();
        showActive(&dialog);
    }
    template <typename Widget = QWidget>
    static Widget* part(CNewDialog& dialog, int id) {
        auto* widget = qobject_cast<Widget*>(dialog.control(id));
        EXPECT_NE(widget, nullptr) << id;
        return widget;
    }
    static QString fieldText(CNewDialog& dialog, int id) {
        return part<QLineEdit>(dialog, id)->text();
    }

    AnsweringPresenter presenter;
};

TEST_F(MouseDialogsTest, YearSpinArrowsAndTypedYear) {
    CJahrDlg dialog;
    dialog.year = 2026;
    open(dialog);
    auto* spin = part<QScrollBar>(dialog, JahrControls::Spin);
    clickAt(spin, QPoint(spin->width() / 2, 2)); // the upper arrow
    EXPECT_EQ(fieldText(dialog, JahrControls::Field), "2027");
    clickAt(spin, QPoint(spin->width() / 2, spin->height() - 3)); // the lower arrow
    clickAt(spin, QPoint(spin->width() / 2, spin->height() - 3));
    EXPECT_EQ(fieldText(dialog, JahrControls::Field), "2025");
    typeInto(part(dialog, JahrControls::Field), QStringLiteral("2031"));
    clickAt(part(dialog, kDialogOk));
    EXPECT_EQ(dialog.result(), kDialogOk);
    EXPECT_EQ(dialog.year, 2031);
}

TEST_F(MouseDialogsTest, MultiDayTypedDatesTakeTheCalendarYearAfterDayAndMonth) {
    const struct {
        std::int32_t calendarYear;
        const char* typed;
        const char* shown;
    } cases[] = {
        {2028, "29.2.", "29.02.2028"},     {2028, "29.2.2027", "29.02.2028"},
        {2028, "31.2.", "29.02.2028"},     {2027, "29.2.2028", "28.02.2027"},
        {2028, "31.4.2027", "30.04.2028"}, {2028, "3.3.1999", "03.03.2028"},
        {2028, "2902", "29.02.2028"},      {2028, "kein Datum", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        CMultiDlg dialog(c.calendarYear);
        open(dialog);
        typeInto(part(dialog, MultiControls::FirstDate), QString::fromUtf8(c.typed));
        clickAt(part(dialog, MultiControls::LastDate)); // leaves the first field
        EXPECT_EQ(fieldText(dialog, MultiControls::FirstDate), QString::fromUtf8(c.shown));
        EXPECT_EQ(QApplication::focusWidget(), dialog.control(MultiControls::LastDate));
    }
}

TEST_F(MouseDialogsTest, MultiDayTabLeavesTheTextFieldAndErrorsKeepWhatWasTyped) {
    CMultiDlg dialog(2027);
    open(dialog);
    typeInto(part(dialog, MultiControls::FirstDate), QStringLiteral("10.3."));
    typeInto(part(dialog, MultiControls::LastDate), QStringLiteral("5.3."));
    auto* text = part<QPlainTextEdit>(dialog, MultiControls::Text);
    typeInto(text, QStringLiteral("Ferien"));
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(text->toPlainText(), "Ferien");
    EXPECT_NE(QApplication::focusWidget(), text);
    chooseEntry(part<QComboBox>(dialog, MultiControls::Colour), 3);

    // The reversed range is reported while the dialog stays open with its fields.
    clickAt(part(dialog, kDialogOk));
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_NE(presenter.shown[0].text.find("Mehrtags-Termin"), std::string::npos);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(fieldText(dialog, MultiControls::FirstDate), "10.03.2027");
    EXPECT_EQ(text->toPlainText(), "Ferien");
    EXPECT_EQ(part<QComboBox>(dialog, MultiControls::Colour)->currentIndex(), 3);

    typeInto(part(dialog, MultiControls::LastDate), QStringLiteral("20.3."));
    clickAt(part(dialog, kDialogOk));
    EXPECT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(dialog.result(), kDialogOk);
    EXPECT_EQ(formatDate(dialog.entry.first), "10.03.2027");
    EXPECT_EQ(formatDate(dialog.entry.last), "20.03.2027");
    EXPECT_EQ(dialog.entry.text, "Ferien");
    EXPECT_EQ(dialog.entry.colour, static_cast<DayColour>(3));
}

TEST_F(MouseDialogsTest, MultiDayKeepSwitchesDisableTheirFieldsOnClick) {
    CMultiDlg dialog(2027);
    open(dialog);
    QWidget* text = part(dialog, MultiControls::Text);
    QWidget* colour = part(dialog, MultiControls::Colour);
    clickAt(part(dialog, MultiControls::KeepText));
    EXPECT_FALSE(text->isEnabled());
    clickAt(part(dialog, MultiControls::KeepColour));
    EXPECT_FALSE(colour->isEnabled());
    clickAt(part(dialog, MultiControls::KeepText));
    EXPECT_TRUE(text->isEnabled());
    typeInto(part(dialog, MultiControls::FirstDate), QStringLiteral("1.5."));
    typeInto(part(dialog, MultiControls::LastDate), QStringLiteral("3.5."));
    clickAt(part(dialog, kDialogOk));
    EXPECT_EQ(dialog.result(), kDialogOk);
    EXPECT_FALSE(dialog.entry.keepText);
    EXPECT_TRUE(dialog.entry.keepColour);
}

TEST_F(MouseDialogsTest, PrintDialogSwitchesAndButtons) {
    PrintSelection start;
    start.year = 2027;
    CDruckenDlg dialog(start);
    open(dialog);
    auto* months = part<QListWidget>(dialog, DruckenControls::Months);
    auto* title = part<QAbstractButton>(dialog, DruckenControls::Title);
    clickAt(part(dialog, DruckenControls::SelectNone));
    EXPECT_FALSE(title->isChecked());
    EXPECT_EQ(months->item(11)->checkState(), Qt::Unchecked);
    clickAt(part(dialog, DruckenControls::SelectAll));
    EXPECT_EQ(months->item(11)->checkState(), Qt::Checked);
    clickRowCheck(months, 4);
    clickRowCheck(months, 11);
    EXPECT_EQ(months->item(4)->checkState(), Qt::Unchecked);
    clickAt(title);
    EXPECT_TRUE(title->isChecked());
    clickAt(part(dialog, kDialogOk));
    EXPECT_EQ(dialog.result(), kDialogOk);
    EXPECT_TRUE(dialog.selection().title);
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(dialog.selection().months[static_cast<std::size_t>(m)], m != 4 && m != 11) << m;
}

TEST_F(MouseDialogsTest, LanguageListAndDateFormatChosenFromTheirDropDowns) {
    CMySpracheDlg dialog;
    dialog.selectable = {false, true, true, false, true, false};
    dialog.language = 0;
    open(dialog);
    auto* languages = part<QComboBox>(dialog, SpracheControls::Language);
    chooseEntry(languages, 2);
    EXPECT_EQ(languages->currentText(), "English");
    chooseEntry(part<QComboBox>(dialog, SpracheControls::DateFormat), 3);
    EXPECT_EQ(part<QComboBox>(dialog, SpracheControls::DateFormat)->currentText(),
              "12/07/2026 (mm/dd/yyyy)");
    clickAt(part(dialog, kDialogOk));
    EXPECT_EQ(dialog.result(), kDialogOk);
    EXPECT_EQ(dialog.language, 2);
    EXPECT_EQ(dialog.dateFormatIndex, 3);
}

} // namespace
} // namespace veltrano
