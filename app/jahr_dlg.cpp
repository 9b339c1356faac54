#include "app/jahr_dlg.h"

#include "core/clock.h"
#include "core/message_presenter.h"
#include "core/number_reader.h"
#include "core/translation.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace veltrano {
namespace {

constexpr char kYearRefused[] = "<strong>Ungültiges Jahr</strong><br>Bitte geben Sie ein Jahr "
                                "zwischen 1900 und 2100 ein.";

} // namespace

bool readYear(const QString& text, std::int32_t& year) {
    const std::string typed = text.trimmed().toStdString();
    const NumberRead read = readNumber(typed);
    if (!read.hasDigits || read.end != typed.size())
        return false;
    if (read.value < kFirstYear || read.value > kLastYear)
        return false;
    year = read.value;
    return true;
}

CJahrDlg::CJahrDlg(QWidget* parent) : CNewDialog(141, parent), year(currentDate().year + 1) {}

void CJahrDlg::onInitDialog() {
    if (auto* field = qobject_cast<QLineEdit*>(control(JahrControls::Field))) {
        field->setText(QString::number(year));
        field->setFocus();
        field->selectAll();
    }
    // The arrows of a vertical scroll bar count downwards; the bar runs over
    // the negated years so that the upper arrow gives the later year.
    if (auto* spin = qobject_cast<QScrollBar*>(control(JahrControls::Spin))) {
        spin->setRange(-kLastYear, -kFirstYear);
        spin->setSingleStep(1);
        spin->setPageStep(1);
        spin->setValue(-std::clamp(year, kFirstYear, kLastYear));
        connect(spin, &QScrollBar::valueChanged, this, &CJahrDlg::spinMoved);
    }
    if (auto* field = qobject_cast<QLineEdit*>(control(JahrControls::Field)))
        connect(field, &QLineEdit::textEdited, this, &CJahrDlg::fieldEdited);
}

// The arrows go on from a year typed into the field.
void CJahrDlg::fieldEdited(const QString& text) {
    std::int32_t typed = 0;
    auto* spin = qobject_cast<QScrollBar*>(control(JahrControls::Spin));
    if (spin != nullptr && readYear(text, typed)) {
        const QSignalBlocker quiet(spin);
        spin->setValue(-typed);
    }
}

void CJahrDlg::spinMoved(int value) {
    if (auto* field = qobject_cast<QLineEdit*>(control(JahrControls::Field)))
        field->setText(QString::number(-value));
}

void CJahrDlg::onCommand(int id) {
    if (id == kDialogOk) {
        confirm();
        return;
    }
    CNewDialog::onCommand(id);
}

bool CJahrDlg::confirm() {
    initialise();
    auto* field = qobject_cast<QLineEdit*>(control(JahrControls::Field));
    std::int32_t typed = 0;
    if (field == nullptr || !readYear(field->text(), typed)) {
        showMessage(translate(kYearRefused, currentLanguage()),
                    MessageStyle::Ok | MessageStyle::IconExclamation);
        if (field != nullptr) {
            field->setFocus();
            field->selectAll();
        }
        return false;
    }
    year = typed;
    done(kDialogOk);
    return true;
}

} // namespace veltrano
