#include "app/drucken_dlg.h"
#include "app/import_dlg.h"
#include "app/jahr_dlg.h"
#include "app/multi_dlg.h"
#include "app/sprache_dlg.h"
#include "core/clock.h"
#include "core/date_format.h"
#include "core/registry.h"
#include "core/strings.h"
#include "document/program_settings.h"
#include "records/birthday_import.h"
#include "records/sibling_folder.h"
#include "tests/app/app_fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace veltrano {
namespace {

using testing::AnsweringPresenter;
using testing::TempFolder;

// Each test runs on 7 December 2026 with day-first dates and German texts.
class SecondaryDialogsTest : public ::testing::Test {
  protected:
    SecondaryDialogsTest() {
        setTodayProvider([] { return CivilDate{7, 12, 2026}; });
        setDateFormat(0);
    }
    ~SecondaryDialogsTest() override {
        setTodayProvider({});
        setDateFormat(0);
    }

    static void click(CNewDialog& dialog, int id) {
        auto* button = qobject_cast<QAbstractButton*>(dialog.control(id));
        ASSERT_NE(button, nullptr) << id;
        button->click();
    }
    template <typename Widget>
    static Widget* child(CNewDialog& dialog, int id) {
        auto* widget = qobject_cast<Widget*>(dialog.control(id));
        EXPECT_NE(widget, nullptr) << id;
        return widget;
    }
    static void leaveField(QWidget* field) {
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field, &leave);
    }

    AnsweringPresenter presenter;
};

TEST_F(SecondaryDialogsTest, YearDialogShowsTheYearAndItsArrowsStopAtTheRange) {
    CJahrDlg dialog;
    EXPECT_EQ(dialog.year, 2027);
    dialog.year = 2099;
    dialog.initialise();
    auto* field = child<QLineEdit>(dialog, JahrControls::Field);
    auto* spin = child<QScrollBar>(dialog, JahrControls::Spin);
    EXPECT_EQ(field->text(), "2099");
    for (int i = 0; i < 5; ++i) // the upper arrow
        spin->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(field->text(), "2100");

    field->setText("1901");
    emit field->textEdited("1901");
    for (int i = 0; i < 5; ++i)
        spin->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(field->text(), "1900");
}

TEST_F(SecondaryDialogsTest, YearDialogRefusesYearsOutsideTheRangeAndOtherText) {
    const struct {
        const char* typed;
        bool accepted;
        std::int32_t year;
    } cases[] = {
        {"1850", false, 0},        {"2101", false, 0},     {"-2000", false, 0},
        {"abc", false, 0},         {"20x5", false, 0},     {"", false, 0},
        {"99999999999", false, 0}, {" 2030 ", true, 2030}, {"1900", true, 1900},
        {"2100", true, 2100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        presenter.shown.clear();
        CJahrDlg dialog;
        dialog.year = 2026;
        dialog.initialise();
        child<QLineEdit>(dialog, JahrControls::Field)->setText(c.typed);
        click(dialog, kDialogOk);
        if (c.accepted) {
            EXPECT_EQ(dialog.result(), kDialogOk);
            EXPECT_EQ(dialog.year, c.year);
            EXPECT_TRUE(presenter.shown.empty());
        } else {
            EXPECT_NE(dialog.result(), kDialogOk);
            EXPECT_EQ(dialog.year, 2026);
            ASSERT_EQ(presenter.shown.size(), 1u);
            EXPECT_NE(presenter.shown[0].text.find("1900"), std::string::npos);
        }
    }
}

TEST_F(SecondaryDialogsTest, MultiDayDatesTakeTheCalendarYearWhenTheFieldIsLeft) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"3.3.1999", "03.03.2027"}, {"29.2.2024", "28.02.2027"}, {"xyz", ""}, {"", ""},
        {"31.13.2027", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        CMultiDlg dialog(2027);
        dialog.initialise();
        auto* first = child<QLineEdit>(dialog, MultiControls::FirstDate);
        first->setText(c.typed);
        leaveField(first);
        EXPECT_EQ(first->text(), c.shown);
    }

    CMultiDlg dialog(2027);
    dialog.initialise();
    child<QLineEdit>(dialog, MultiControls::FirstDate)->setText("3.3.1999");
    child<QLineEdit>(dialog, MultiControls::LastDate)->setText("10.3.");
    child<QPlainTextEdit>(dialog, MultiControls::Text)->setPlainText("Ferien\nam Meer");
    child<QComboBox>(dialog, MultiControls::Colour)->setCurrentIndex(2);
    click(dialog, kDialogOk);
    EXPECT_EQ(dialog.result(), kDialogOk);
    const MultiDayEntry& entry = dialog.entry;
    EXPECT_EQ(entry.first.day, 3);
    EXPECT_EQ(entry.first.month, 3);
    EXPECT_EQ(entry.first.year, 2027);
    EXPECT_EQ(entry.last.day, 10);
    EXPECT_EQ(entry.last.year, 2027);
    EXPECT_EQ(entry.text, "Ferien\r\nam Meer");
    EXPECT_EQ(entry.colour, DayColour::Red);
    EXPECT_FALSE(entry.keepText);
    EXPECT_FALSE(entry.keepColour);
}

TEST_F(SecondaryDialogsTest, MultiDayKeepSwitchesDisableTheirFields) {
    CMultiDlg dialog(2027);
    dialog.entry.text = "alt\r\nneu";
    dialog.entry.colour = DayColour::Green;
    dialog.initialise();
    auto* text = child<QPlainTextEdit>(dialog, MultiControls::Text);
    auto* colour = child<QComboBox>(dialog, MultiControls::Colour);
    EXPECT_EQ(text->toPlainText(), "alt\nneu");
    ASSERT_EQ(colour->count(), 5);
    EXPECT_EQ(colour->itemText(4), QString::fromStdString(loadString(1076)));
    EXPECT_EQ(colour->currentIndex(), 4);

    click(dialog, MultiControls::KeepText);
    EXPECT_FALSE(text->isEnabled());
    EXPECT_TRUE(colour->isEnabled());
    click(dialog, MultiControls::KeepColour);
    EXPECT_FALSE(colour->isEnabled());
    click(dialog, MultiControls::KeepText);
    EXPECT_TRUE(text->isEnabled());

    click(dialog, kDialogOk);
    EXPECT_FALSE(dialog.entry.keepText);
    EXPECT_TRUE(dialog.entry.keepColour);
}

TEST(DateFormatEntryTest, FillsTodayIntoEachPattern) {
    const CivilDate day{7, 12, 2026};
    EXPECT_EQ(dateFormatEntry("dd.mm.yyyy", day), "07.12.2026 (dd.mm.yyyy)");
    EXPECT_EQ(dateFormatEntry("mm/dd/yyyy", day), "12/07/2026 (mm/dd/yyyy)");
    EXPECT_EQ(dateFormatEntry("dd-mm-yyyy", CivilDate{1, 2, 987}), "01-02-0987 (dd-mm-yyyy)");
}

TEST_F(SecondaryDialogsTest, LanguageDialogOffersGermanAndTheSelectableLanguagesOnly) {
    setDateFormat(3);
    CMySpracheDlg dialog;
    dialog.selectable = {false, false, true, true, false, false};
    dialog.language = 3;
    dialog.initialise();
    auto* languages = child<QComboBox>(dialog, SpracheControls::Language);
    QStringList names;
    for (int i = 0; i < languages->count(); ++i)
        names << languages->itemText(i);
    EXPECT_EQ(names, (QStringList{"Deutsch", "English", "Français"}));
    EXPECT_FALSE(names.contains("Italiano"));
    EXPECT_EQ(languages->currentText(), "Français");

    auto* formats = child<QComboBox>(dialog, SpracheControls::DateFormat);
    ASSERT_EQ(formats->count(), 5);
    EXPECT_EQ(formats->itemText(0), "07.12.2026 (dd.mm.yyyy)");
    EXPECT_EQ(formats->itemText(3), "12/07/2026 (mm/dd/yyyy)");
    EXPECT_EQ(formats->currentIndex(), 3);

    languages->setCurrentIndex(1);
    formats->setCurrentIndex(2);
    click(dialog, kDialogOk);
    EXPECT_EQ(dialog.result(), kDialogOk);
    EXPECT_EQ(dialog.language, 2);
    EXPECT_EQ(dialog.dateFormatIndex, 2);
}

TEST_F(SecondaryDialogsTest, LanguageChoiceIsMadeCurrentAndStored) {
    TempFolder folder;
    testing::writeFile(folder.file(kTranslationFileName), "item=Jahr:#Jaar:#Year:#Année :#Año:#\n");
    MemoryRegistry registry;
    applyLanguageChoice(2, 4, registry, folder.path() + "/");
    EXPECT_EQ(currentLanguage(), 2);
    EXPECT_EQ(dateFormat(), 4);
    EXPECT_EQ(translate("Jahr:", 2), "Year:");
    EXPECT_EQ(readLanguage(registry), 2);
    EXPECT_EQ(readDateFormat(registry), 4);

    applyLanguageChoice(0, 0, registry, folder.path() + "/");
    EXPECT_EQ(currentLanguage(), 0);
    EXPECT_EQ(readLanguage(registry), 0);
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(SecondaryDialogsTest, PrintDialogButtonsSetAndClearTheRightSwitches) {
    PrintSelection start;
    start.year = 2027;
    start.months[4] = false;
    CDruckenDlg dialog(start);
    dialog.initialise();
    const std::string info = dialog.controlText(DruckenControls::Info).toStdString();
    EXPECT_NE(info.find("<bmp140>"), std::string::npos);
    EXPECT_NE(info.find("Kalender 2027 drucken"), std::string::npos);
    auto* title = child<QAbstractButton>(dialog, DruckenControls::Title);
    auto* months = child<QListWidget>(dialog, DruckenControls::Months);
    ASSERT_EQ(months->count(), 12);
    EXPECT_EQ(months->item(0)->text(), " Januar");
    EXPECT_TRUE(title->isChecked());
    EXPECT_EQ(months->item(4)->checkState(), Qt::Unchecked);
    EXPECT_EQ(months->item(5)->checkState(), Qt::Checked);

    click(dialog, DruckenControls::SelectNone);
    EXPECT_FALSE(title->isChecked());
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(months->item(m)->checkState(), Qt::Unchecked) << m;

    click(dialog, DruckenControls::SelectAll);
    EXPECT_FALSE(title->isChecked()); // the title keeps its state
    months->item(7)->setCheckState(Qt::Unchecked);
    click(dialog, DruckenControls::Title);
    EXPECT_EQ(dialog.selection().months[4], false); // nothing read before OK

    click(dialog, kDialogOk);
    EXPECT_EQ(dialog.result(), kDialogOk);
    const PrintSelection& chosen = dialog.selection();
    EXPECT_TRUE(chosen.title);
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(chosen.months[static_cast<std::size_t>(m)], m != 7) << m;
    EXPECT_EQ(chosen.year, 2027);
}

TEST_F(SecondaryDialogsTest, PrintDialogShowsTheYearWithFourDigits) {
    PrintSelection start;
    start.year = 987;
    CDruckenDlg dialog(start);
    dialog.initialise();
    EXPECT_NE(dialog.controlText(DruckenControls::Info).indexOf("Kalender 0987 drucken"), -1);
}

// The import dialog over a registry that knows the products given.
class ImportDialogTest : public SecondaryDialogsTest {
  protected:
    ImportDialogTest() {
        forgetSiblingFolders();
        setSiblingRegistry(&registry);
    }
    ~ImportDialogTest() override {
        setSiblingRegistry(nullptr);
        forgetSiblingFolders();
    }
    // The product's folder with a record file that holds only its header block.
    void installAddressBook() {
        std::filesystem::create_directories(folder.path() + "/daten");
        std::string header(256, '\0');
        header[0] = header[4] = 1;
        std::ofstream(folder.path() + "/daten/kontakte.vdt", std::ios::binary) << header;
        registry.writeString({"Kolbrand", "Murello2", "Murello2"}, "Path", folder.path());
    }
    std::vector<std::string> shownTexts() const {
        std::vector<std::string> texts;
        for (const auto& message : presenter.shown)
            texts.push_back(message.text);
        return texts;
    }

    MemoryRegistry registry;
    TempFolder folder;
    CalendarDocument document;
};

TEST_F(ImportDialogTest, ShowsTheIntroductionWithBothProductPictures) {
    CImportDlg dialog(&document);
    dialog.initialise();
    const std::string text = dialog.controlText(ImportControls::Text).toStdString();
    EXPECT_EQ(text.rfind(loadString(136), 0), 0u);
    EXPECT_LT(text.find("<bmp149>"), text.find("<bmp150>"));
}

TEST_F(ImportDialogTest, StaysOpenWithoutOkWhileNoProductIsInstalled) {
    CImportDlg dialog(&document);
    dialog.initialise();
    dialog.areaClicked(ImportControls::AppointmentBookArea);
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{loadString(138), loadString(139)}));
    dialog.areaClicked(ImportControls::AddressBookArea);
    dialog.areaClicked(7);
    EXPECT_EQ(presenter.shown.size(), 3u);
    EXPECT_FALSE(dialog.imported());
    EXPECT_NE(dialog.result(), kDialogOk);
}

TEST_F(ImportDialogTest, AppointmentEntryFallsBackToTheAddressBookAndEndsWithOk) {
    installAddressBook();
    CImportDlg dialog(&document);
    dialog.initialise();
    dialog.areaClicked(ImportControls::AppointmentBookArea);
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{loadString(138), formatString(140, {0})}));
    EXPECT_TRUE(dialog.imported());
    EXPECT_EQ(dialog.result(), kDialogOk);
}

TEST_F(ImportDialogTest, WithoutDocumentAClickDoesNothing) {
    installAddressBook();
    CImportDlg dialog(nullptr);
    dialog.initialise();
    dialog.areaClicked(ImportControls::AddressBookArea);
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_FALSE(dialog.imported());
}

} // namespace
} // namespace veltrano
