#include "app/import_dlg.h"

#include "core/clock.h"
#include "core/strings.h"
#include "core/translation.h"
#include "records/birthday_import.h"
#include "records/file_birthday_import.h"
#include "resources/pictures/picture_numbers.h"
#include "widgets/qt/markup_controls.h"

#include <QFileDialog>

#include <algorithm>

namespace veltrano {
namespace {

constexpr int kIntroductionString = 136;
constexpr int kEntriesString = 137;
constexpr int kFileEntryString = 29773;
constexpr int kFileDialogCaption = 29774;
constexpr int kFileFilterName = 29775;

QString tableText(int id) {
    return QString::fromStdString(loadString(id));
}

} // namespace

CImportDlg::CImportDlg(CalendarDocument* document, QWidget* parent)
    : CNewDialog(148, parent), document_(document), year_(currentDate().year) {}

void CImportDlg::onInitDialog() {
    const std::string text =
        loadString(kIntroductionString) +
        formatString(kEntriesString, {std::int64_t{pictures::kAppointmentBookPicture},
                                      std::int64_t{pictures::kAddressBookPicture}}) +
        loadString(kFileEntryString);
    setControlText(ImportControls::Text, QString::fromStdString(text));
    if (auto* markup = qobject_cast<CNewHtmlWidget*>(control(ImportControls::Text)))
        connect(markup, &CNewHtmlWidget::buttonAreaClicked, this, &CImportDlg::areaClicked);
}

// The entries are the button areas of the text in order; a web address in the
// text between them is an area too, so the entry is the button's rank.
int CImportDlg::entryOf(int area) const {
    const auto* markup = qobject_cast<const CNewHtmlWidget*>(control(ImportControls::Text));
    if (markup == nullptr || area < 0 ||
        static_cast<std::size_t>(area) >= markup->engine().areas().size())
        return area;
    const std::vector<MarkupArea>& areas = markup->engine().areas();
    return static_cast<int>(
        std::count_if(areas.begin(), areas.begin() + area,
                      [](const MarkupArea& a) { return a.kind == AreaKind::Button; }));
}

void CImportDlg::areaClicked(int area) {
    if (document_ == nullptr)
        return;
    area = entryOf(area);
    bool ran = false;
    if (area == ImportControls::AppointmentBookArea) {
        ImportOutcome outcome = ImportFromAppointments(*document_);
        // Only a missing appointment book sends the user on to the address book.
        if (outcome == ImportOutcome::ProductNotFound)
            outcome = ImportFromContacts(*document_);
        ran = outcome == ImportOutcome::Imported;
    } else if (area == ImportControls::AddressBookArea) {
        ran = ImportFromContacts(*document_) == ImportOutcome::Imported;
    } else if (area == ImportControls::FileArea) {
        const std::optional<std::string> path = chooseFile();
        ran = path && ImportFromFile(*document_, *path, year_);
    }
    if (!ran)
        return;
    imported_ = true;
    CNewDialog::done(kDialogOk);
}

std::optional<std::string> CImportDlg::chooseFile() {
    if (chooser_ != nullptr)
        return chooser_->chooseImportFile();
    QFileDialog dialog(this, tableText(kFileDialogCaption));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {tableText(kFileFilterName) + QStringLiteral(" (*.vcf *.vcard *.ics *.ical)"),
         QString::fromStdString(translate("Alle Dateien", currentLanguage())) +
             QStringLiteral(" (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

} // namespace veltrano
