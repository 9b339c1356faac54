#include "app/sprache_dlg.h"

#include "core/date_format.h"
#include "core/strings.h"
#include "document/program_settings.h"
#include "resources/pictures/picture_numbers.h"
#include "widgets/qt/bitmap_combo.h"

#include <QComboBox>

#include <cstdio>

namespace veltrano {
namespace {

constexpr int kLanguageNameString = 29852;
constexpr int kDatePatternString = 29500;

void replaceAll(std::string& text, const std::string& what, const std::string& with) {
    for (std::size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

std::string digits(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

} // namespace

std::string dateFormatEntry(const std::string& pattern, const CivilDate& date) {
    std::string shown = pattern;
    replaceAll(shown, "dd", digits(date.day, 2));
    replaceAll(shown, "mm", digits(date.month, 2));
    replaceAll(shown, "yyyy", digits(date.year, 4));
    return shown + " (" + pattern + ")";
}

CMySpracheDlg::CMySpracheDlg(QWidget* parent)
    : CNewDialog(24584, parent), language(currentLanguage()), dateFormatIndex(dateFormat()) {
    for (int i = 0; i < kLanguageCount; ++i)
        selectable[static_cast<std::size_t>(i)] = isLanguageSelectable(i);
}

void CMySpracheDlg::onInitDialog() {
    fillLanguages();
    fillDateFormats();
}

void CMySpracheDlg::fillLanguages() {
    auto* combo = qobject_cast<QComboBox*>(control(SpracheControls::Language));
    if (combo == nullptr)
        return;
    auto* flags = qobject_cast<CBitmapCombo*>(combo);
    if (flags != nullptr)
        flags->setImages(pictures::kLanguageFlags, 24);
    combo->clear();
    for (int i = 0; i < kLanguageCount; ++i) {
        if (i != kLanguageGerman && !selectable[static_cast<std::size_t>(i)])
            continue;
        const QString name = QString::fromStdString(loadString(kLanguageNameString + i));
        if (flags != nullptr)
            flags->addImageItem(name, i, i);
        else
            combo->addItem(name, i);
    }
    for (int row = 0; row < combo->count(); ++row) {
        const int value = flags != nullptr ? flags->itemValue(row) : combo->itemData(row).toInt();
        if (value == language)
            combo->setCurrentIndex(row);
    }
}

void CMySpracheDlg::fillDateFormats() {
    auto* combo = qobject_cast<QComboBox*>(control(SpracheControls::DateFormat));
    if (combo == nullptr)
        return;
    combo->clear();
    const CivilDate today = currentDate();
    for (int j = 0; j < dateFormatCount; ++j) {
        const std::string pattern = loadString(kDatePatternString + j);
        combo->addItem(QString::fromStdString(dateFormatEntry(pattern, today)), j);
    }
    combo->setCurrentIndex(
        dateFormatIndex >= 0 && dateFormatIndex < dateFormatCount ? dateFormatIndex : -1);
}

void CMySpracheDlg::onCommand(int id) {
    if (id == kDialogOk) {
        confirm();
        return;
    }
    CNewDialog::onCommand(id);
}

void CMySpracheDlg::confirm() {
    initialise();
    if (auto* combo = qobject_cast<QComboBox*>(control(SpracheControls::Language))) {
        auto* flags = qobject_cast<CBitmapCombo*>(combo);
        const int row = combo->currentIndex();
        if (row >= 0)
            language = flags != nullptr ? flags->itemValue(row) : combo->itemData(row).toInt();
    }
    if (auto* combo = qobject_cast<QComboBox*>(control(SpracheControls::DateFormat))) {
        if (combo->currentIndex() >= 0)
            dateFormatIndex = combo->currentData().toInt();
    }
    done(kDialogOk);
}

void applyLanguageChoice(int language, int format, Registry& registry,
                         const std::string& programFolder) {
    setDateFormat(format);
    writeLanguage(registry, language);
    writeDateFormat(registry, format);
    applyLanguage(language, programFolder);
}

bool runLanguageDialog(Registry& registry, const std::string& programFolder, QWidget* parent) {
    CMySpracheDlg dialog(parent);
    if (dialog.exec() != kDialogOk)
        return false;
    applyLanguageChoice(dialog.language, dialog.dateFormatIndex, registry, programFolder);
    return true;
}

} // namespace veltrano
