#include "app/window_services.h"

#include "app/drucken_dlg.h"
#include "app/edit_sheet.h"
#include "app/import_dlg.h"
#include "app/jahr_dlg.h"
#include "app/multi_dlg.h"
#include "app/sprache_dlg.h"
#include "core/clock.h"
#include "core/translation.h"
#include "document/program_folder.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

namespace veltrano {
namespace {

QString tr(const char* german) {
    return QString::fromStdString(translate(german, currentLanguage()));
}

} // namespace

std::optional<std::string> QtFileDialogs::chooseFileToOpen() {
    QFileDialog dialog(parent_, tr("Öffnen"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("Kalenderdateien") + " (*.cal)", tr("Alle Dateien") + " (*)"});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> QtFileDialogs::chooseFileToSave(const std::string& folder,
                                                           const std::string& fileName) {
    QFileDialog dialog(parent_, tr("Speichern unter"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({tr("Kalender-Datei") + " (*.cal)", tr("Alle Dateien") + " (*)"});
    dialog.setDefaultSuffix(QStringLiteral("cal"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (!folder.empty())
        dialog.setDirectory(QString::fromStdString(folder));
    dialog.selectFile(QString::fromStdString(fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

bool DesktopOpener::openDocument(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

bool WindowDialogs::editCalendar(CalendarDocument& document, int startPage, std::int32_t year) {
    return veltrano::editCalendar(document, nullptr, startPage, year);
}
bool WindowDialogs::chooseYear(std::int32_t& year) {
    CJahrDlg dialog;
    dialog.year = year;
    if (dialog.exec() != kDialogOk)
        return false;
    year = dialog.year;
    return true;
}

bool WindowDialogs::enterMultiDay(std::int32_t year, MultiDayEntry& entry) {
    CMultiDlg dialog(year);
    dialog.entry = entry;
    if (dialog.exec() != kDialogOk)
        return false;
    entry = dialog.entry;
    return true;
}

bool WindowDialogs::importBirthdays(CalendarDocument& document) {
    return importBirthdaysForYear(document, currentDate().year);
}

bool WindowDialogs::importBirthdaysForYear(CalendarDocument& document, std::int32_t year) {
    CImportDlg dialog(&document);
    dialog.setYear(year);
    return dialog.exec() == kDialogOk && dialog.imported();
}

// The settings file is the one the program read at start-up; the language
// and date format are written to it at once.
bool WindowDialogs::chooseLanguage() {
    return runLanguageDialog(registry_, programFolder());
}

bool WindowDialogs::choosePrintSelection(PrintSelection& selection) {
    CDruckenDlg dialog(selection);
    if (dialog.exec() != kDialogOk)
        return false;
    selection = dialog.selection();
    return true;
}

} // namespace veltrano
