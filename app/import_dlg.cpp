#include "app/import_dlg.h"

#include "core/strings.h"
#include "records/birthday_import.h"
#include "resources/pictures/picture_numbers.h"
#include "widgets/qt/markup_controls.h"

namespace veltrano {
namespace {

constexpr int kIntroductionString = 136;
constexpr int kEntriesString = 137;

} // namespace

CImportDlg::CImportDlg(CalendarDocument* document, QWidget* parent)
    : CNewDialog(148, parent), document_(document) {}

void CImportDlg::onInitDialog() {
    const std::string text =
        loadString(kIntroductionString) +
        formatString(kEntriesString, {std::int64_t{pictures::kAppointmentBookPicture},
                                      std::int64_t{pictures::kAddressBookPicture}});
    setControlText(ImportControls::Text, QString::fromStdString(text));
    if (auto* markup = qobject_cast<CNewHtmlWidget*>(control(ImportControls::Text)))
        connect(markup, &CNewHtmlWidget::buttonAreaClicked, this, &CImportDlg::areaClicked);
}

void CImportDlg::areaClicked(int area) {
    if (document_ == nullptr)
        return;
    ImportOutcome outcome = ImportOutcome::ProductNotFound;
    if (area == ImportControls::AppointmentBookArea) {
        outcome = ImportFromAppointments(*document_);
        // Only a missing appointment book sends the user on to the address book.
        if (outcome == ImportOutcome::ProductNotFound)
            outcome = ImportFromContacts(*document_);
    } else if (area == ImportControls::AddressBookArea) {
        outcome = ImportFromContacts(*document_);
    }
    if (outcome != ImportOutcome::Imported)
        return;
    imported_ = true;
    CNewDialog::done(kDialogOk);
}

} // namespace veltrano
