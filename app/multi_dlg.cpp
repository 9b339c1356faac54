#include "app/multi_dlg.h"

#include "core/date_text.h"
#include "core/message_presenter.h"
#include "core/strings.h"
#include "core/translation.h"
#include "resources/pictures/picture_numbers.h"
#include "widgets/qt/pictures.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>

namespace veltrano {
namespace {

constexpr int kColourCount = 5;
constexpr int kColourNameString = 1072;

// The text field holds line feeds; day texts keep their lines as CR LF.
std::string toDayText(const QString& shown) {
    return QString(shown).replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
}

QString toShown(const std::string& dayText) {
    return QString::fromStdString(dayText).remove(QLatin1Char('\r'));
}

} // namespace

DateValue readCalendarDate(const QString& text, std::int32_t calendarYear) {
    DateValue date;
    const std::string typed = text.trimmed().toStdString();
    // Day and month as typed, then the calendar year, then the day cut to that
    // year's month: 29.2. stays 29 February in a leap calendar year.
    if (typed.empty() || !parseDateKeepingDay(typed, date))
        return DateValue{};
    DateValue inYear;
    if (!inYear.set(date.day, date.month, calendarYear))
        return DateValue{};
    return inYear;
}

CMultiDlg::CMultiDlg(std::int32_t calendarYear, QWidget* parent)
    : CNewDialog(143, parent), calendarYear_(calendarYear) {}

void CMultiDlg::onInitDialog() {
    fillColours();
    for (int id : {MultiControls::FirstDate, MultiControls::LastDate}) {
        if (QWidget* field = control(id))
            field->installEventFilter(this);
    }
    // Tab moves on: a tab in a day text would split its row of the day list.
    if (auto* text = qobject_cast<QPlainTextEdit*>(control(MultiControls::Text)))
        text->setTabChangesFocus(true);
    showFields();
}

void CMultiDlg::fillColours() {
    auto* combo = qobject_cast<QComboBox*>(control(MultiControls::Colour));
    if (combo == nullptr)
        return;
    const QImage swatches = resourcePicture(pictures::kDayColourSwatches);
    const int width = pictures::kSwatchWidth;
    combo->setIconSize(QSize(width, swatches.isNull() ? 16 : swatches.height()));
    combo->clear();
    for (int value = 0; value < kColourCount; ++value) {
        const QString name = QString::fromStdString(loadString(kColourNameString + value));
        combo->addItem(resourceIcon(pictures::kDayColourSwatches, value, width), name, value);
    }
}

bool CMultiDlg::isChecked(int id) const {
    const auto* box = qobject_cast<const QAbstractButton*>(control(id));
    return box != nullptr && box->isChecked();
}

void CMultiDlg::setChecked(int id, bool on) {
    if (auto* box = qobject_cast<QAbstractButton*>(control(id)))
        box->setChecked(on);
}

void CMultiDlg::readFields() {
    if (const auto* first = qobject_cast<const QLineEdit*>(control(MultiControls::FirstDate)))
        entry.first = readCalendarDate(first->text(), calendarYear_);
    if (const auto* last = qobject_cast<const QLineEdit*>(control(MultiControls::LastDate)))
        entry.last = readCalendarDate(last->text(), calendarYear_);
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(control(MultiControls::Text)))
        entry.text = toDayText(text->toPlainText());
    if (const auto* combo = qobject_cast<const QComboBox*>(control(MultiControls::Colour))) {
        const int value = combo->currentData().isValid() ? combo->currentData().toInt() : 0;
        entry.colour = static_cast<DayColour>(value);
    }
    entry.keepText = isChecked(MultiControls::KeepText);
    entry.keepColour = isChecked(MultiControls::KeepColour);
}

void CMultiDlg::showFields() {
    if (auto* first = qobject_cast<QLineEdit*>(control(MultiControls::FirstDate)))
        first->setText(QString::fromStdString(formatDate(entry.first)));
    if (auto* last = qobject_cast<QLineEdit*>(control(MultiControls::LastDate)))
        last->setText(QString::fromStdString(formatDate(entry.last)));
    auto* text = qobject_cast<QPlainTextEdit*>(control(MultiControls::Text));
    if (text != nullptr && text->toPlainText() != toShown(entry.text))
        text->setPlainText(toShown(entry.text));
    if (auto* combo = qobject_cast<QComboBox*>(control(MultiControls::Colour)))
        combo->setCurrentIndex(combo->findData(static_cast<int>(entry.colour)));
    setChecked(MultiControls::KeepText, entry.keepText);
    setChecked(MultiControls::KeepColour, entry.keepColour);
    enableFields();
}

void CMultiDlg::enableFields() {
    if (QWidget* text = control(MultiControls::Text))
        text->setEnabled(!isChecked(MultiControls::KeepText));
    if (QWidget* combo = control(MultiControls::Colour))
        combo->setEnabled(!isChecked(MultiControls::KeepColour));
}

// A date field that loses the focus shows its date again in the standard form;
// the focus stays where the user moved it.
bool CMultiDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == control(MultiControls::FirstDate) ||
                                              watched == control(MultiControls::LastDate))) {
        readFields();
        showFields();
    }
    return CNewDialog::eventFilter(watched, event);
}

void CMultiDlg::onCommand(int id) {
    switch (id) {
    case MultiControls::KeepText:
    case MultiControls::KeepColour:
        enableFields();
        return;
    case kDialogOk:
        confirm();
        return;
    default:
        CNewDialog::onCommand(id);
    }
}

// Dates that give no range are reported while the dialog stays open, so that
// nothing typed is lost.
void CMultiDlg::confirm() {
    initialise();
    readFields();
    if (!givesDayRange(entry)) {
        showMessage(translate(kMultiDayNothingEntered, currentLanguage()),
                    MessageStyle::Ok | MessageStyle::IconInformation);
        return;
    }
    done(kDialogOk);
}

} // namespace veltrano
