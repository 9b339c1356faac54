#include "app/edit_sheet.h"

#include "app/photo_file_dialog.h"

#include "core/clock.h"
#include "core/date_text.h"
#include "core/translation.h"
#include "document/program_folder.h"
#include "platform/qt_image_decoder.h"
#include "platform/system_printer_device.h"
#include "render/print_layouts.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace veltrano {

namespace {

constexpr const char* kSheetCaption = "Monat bearbeiten";

GeneralValues generalValues(const CalendarDocument& document) {
    GeneralValues values;
    values.showHolidays = document.showHolidays;
    values.region = document.region;
    values.dayFrames = document.dayFrames;
    values.margins = document.margins;
    values.titleText = document.titleText;
    values.titlePhoto = document.titlePhoto;
    values.fontSize = document.fontSize;
    values.weekNumbers = document.weekNumbers;
    values.titleCrop = document.photoCrop[kTitlePhotoPage];
    return values;
}

MonthValues monthValues(const CalendarDocument& document, int m) {
    const auto i = static_cast<std::size_t>(m);
    MonthValues values;
    values.photo = document.monthPhoto[i];
    values.text = document.monthText[i];
    values.dayText = document.dayText[i];
    values.dayColour = document.dayColour[i];
    values.crop = document.photoCrop[i];
    return values;
}

QString monthTabTitle(int m) {
    return QString::fromStdString(monthName(m)).left(3);
}

QString translated(const QString& german) {
    return QString::fromStdString(translate(german.toStdString(), currentLanguage()));
}

} // namespace

EditSheet::EditSheet(const CalendarDocument& document, QWidget* owner, int startPage,
                     std::int32_t year, PhotoDialogs* photos)
    : sheet_(QString::fromUtf8(kSheetCaption), owner),
      year_(year < 0 ? static_cast<std::int32_t>(currentDate().year) : year),
      paper_(defaultPortraitPaper()) {
    general_ = static_cast<CMonthEditPage*>(
        sheet_.addPage(std::make_unique<CMonthEditPage>(generalValues(document), photos)));
    for (int m = 0; m < kMonthCount; ++m) {
        months_[static_cast<std::size_t>(m)] =
            static_cast<CFotoEditPage*>(sheet_.addPage(std::make_unique<CFotoEditPage>(
                monthTabTitle(m), m + 1, year_, monthValues(document, m), photos)));
    }
    showPhotoAreaFor(document.margins);
    QObject::connect(general_, &CMonthEditPage::marginsEdited, general_,
                     [this](const MarginRect& margins) { showPhotoAreaFor(margins); });
    if (!sheet_.setActivePage(startPage)) {
        sheet_.setActivePage(0);
    }
}

void EditSheet::showPhotoAreaFor(const MarginRect& margins) {
    // The photo's proportions as a print command would print the pages now.
    const double aspect = printedPhotoAspect(paper_, margins);
    general_->setPhotoAreaAspect(aspect);
    for (CFotoEditPage* month : months_)
        month->setPhotoAreaAspect(aspect);
}

bool EditSheet::finish(CalendarDocument& document) const {
    if (sheet_.result() != kSheetOk) {
        return false;
    }
    for (int m = 0; m < kMonthCount; ++m) {
        const auto i = static_cast<std::size_t>(m);
        const MonthValues& values = months_[i]->values();
        setPagePhoto(document, m, values.photo);
        document.photoCrop[i] = values.crop;
        document.monthText[i] = values.text;
        document.dayText[i] = values.dayText;
        document.dayColour[i] = values.dayColour;
    }
    const GeneralValues& values = general_->values();
    document.showHolidays = values.showHolidays;
    document.region = values.region;
    document.dayFrames = values.dayFrames;
    document.margins = values.margins;
    document.titleText = values.titleText;
    setPagePhoto(document, kTitlePhotoPage, values.titlePhoto);
    document.photoCrop[kTitlePhotoPage] = values.titleCrop;
    document.fontSize = values.fontSize;
    document.weekNumbers = values.weekNumbers;
    return true;
}

bool editCalendar(CalendarDocument& document, QWidget* owner, int startPage, std::int32_t year,
                  PhotoDialogs* photos) {
    EditSheet edit(document, owner, startPage, year, photos);
    edit.sheet().exec();
    return edit.finish(document);
}

bool editCalendar(CalendarDocument& document, QWidget* owner, int startPage, std::int32_t year) {
    if (owner == nullptr) {
        owner = QApplication::activeWindow();
    }
    QtPhotoDialogs photos(owner);
    return editCalendar(document, owner, startPage, year, &photos);
}

QStringList qtNameFilters(const std::string& filter, const QStringList& extraSuffixes) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) {
            break;
        }
        QString name = parts[i];
        const qsizetype bracket = name.indexOf(QLatin1Char('('));
        if (bracket > 0) {
            name = name.left(bracket).trimmed();
        }
        QStringList patterns;
        const auto add = [&patterns](const QString& pattern) {
            if (!pattern.isEmpty() && !patterns.contains(pattern)) {
                patterns << pattern;
            }
        };
        for (const QString& raw : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString pattern = raw.trimmed();
            add(pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
        }
        if (filters.isEmpty()) {
            for (const QString& suffix : extraSuffixes) {
                add(QStringLiteral("*.") + suffix.toLower());
            }
        }
        for (const QString& pattern : QStringList(patterns)) {
            add(pattern.toUpper());
        }
        filters << translated(name) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

std::optional<std::string> QtPhotoDialogs::choosePhotoToOpen(const std::string& filter,
                                                             const std::string& currentPhoto) {
    const QStringList suffixes = decodablePhotoSuffixes();
    const QString folder = QDir::currentPath();
    PhotoFileDialog dialog(parent_, translated(QStringLiteral("Öffnen")),
                           photoStartFolder(currentPhoto, programFolder()));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(qtNameFilters(filter, suffixes));
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    // The dialog may wander through folders; the program's relative paths need
    // the folder it started in.
    QDir::setCurrent(folder);
    if (!chosen) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front().toStdString();
}

} // namespace veltrano
