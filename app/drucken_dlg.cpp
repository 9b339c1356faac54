#include "app/drucken_dlg.h"

#include "core/date_text.h"
#include "core/strings.h"
#include "resources/pictures/picture_numbers.h"

#include <QAbstractButton>
#include <QListWidget>

namespace veltrano {
namespace {

constexpr int kInfoString = 133;

} // namespace

CDruckenDlg::CDruckenDlg(const PrintSelection& selection, QWidget* parent)
    : CNewDialog(kPrintDialogTemplate, parent), selection_(selection) {}

void CDruckenDlg::onInitDialog() {
    setControlText(DruckenControls::Info, QString::fromStdString(formatString(
                                              kInfoString, {std::int64_t{pictures::kPrintPicture},
                                                            std::int64_t{selection_.year}})));
    if (auto* title = qobject_cast<QAbstractButton*>(control(DruckenControls::Title)))
        title->setChecked(selection_.title);
    auto* months = qobject_cast<QListWidget*>(control(DruckenControls::Months));
    if (months == nullptr)
        return;
    months->clear();
    for (int m = 0; m < kPageControlCount; ++m) {
        auto* item =
            new QListWidgetItem(QString::fromStdString(formatText(" %s", {monthName(m)})), months);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(selection_.months[static_cast<std::size_t>(m)] ? Qt::Checked
                                                                           : Qt::Unchecked);
    }
}

void CDruckenDlg::setMonthChecks(bool on) {
    auto* months = qobject_cast<QListWidget*>(control(DruckenControls::Months));
    if (months == nullptr)
        return;
    for (int row = 0; row < months->count(); ++row)
        months->item(row)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

void CDruckenDlg::selectAllMonths() {
    setMonthChecks(true);
}

void CDruckenDlg::selectNothing() {
    if (auto* title = qobject_cast<QAbstractButton*>(control(DruckenControls::Title)))
        title->setChecked(false);
    setMonthChecks(false);
}

void CDruckenDlg::onCommand(int id) {
    switch (id) {
    case DruckenControls::SelectAll:
        selectAllMonths();
        return;
    case DruckenControls::SelectNone:
        selectNothing();
        return;
    case kDialogOk:
        confirm();
        return;
    default:
        CNewDialog::onCommand(id);
    }
}

void CDruckenDlg::confirm() {
    initialise();
    if (const auto* title = qobject_cast<const QAbstractButton*>(control(DruckenControls::Title)))
        selection_.title = title->isChecked();
    if (const auto* months = qobject_cast<const QListWidget*>(control(DruckenControls::Months))) {
        for (int row = 0; row < months->count() && row < kPageControlCount; ++row)
            selection_.months[static_cast<std::size_t>(row)] =
                months->item(row)->checkState() == Qt::Checked;
    }
    done(kDialogOk);
}

} // namespace veltrano
