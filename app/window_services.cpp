#include "app/window_services.h"

#include "core/message_presenter.h"
#include "core/translation.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

namespace veltrano {
namespace {

constexpr char kNotAvailable[] = "<strong>Noch nicht verfügbar</strong><br>Diese Funktion "
                                 "steht in dieser Version des Programms noch nicht zur Verfügung.";

QString tr(const char* german) {
    return QString::fromStdString(translate(german, currentLanguage()));
}

bool notAvailable() {
    showMessage(translate(kNotAvailable, currentLanguage()),
                MessageStyle::Ok | MessageStyle::IconInformation);
    return false;
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

bool WindowDialogs::editCalendar(CalendarDocument&, int, std::int32_t) {
    return notAvailable();
}
bool WindowDialogs::chooseYear(std::int32_t&) {
    return notAvailable();
}
bool WindowDialogs::enterMultiDay(std::int32_t, MultiDayEntry&) {
    return notAvailable();
}
bool WindowDialogs::importBirthdays(CalendarDocument&) {
    return notAvailable();
}
bool WindowDialogs::chooseLanguage() {
    return notAvailable();
}

bool WindowDialogs::choosePrintSelection(PrintSelection& selection) {
    selection.months.fill(true);
    selection.title = true;
    return true;
}

} // namespace veltrano
