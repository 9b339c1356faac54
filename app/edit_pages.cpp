#include "app/edit_pages.h"

#include "app/file_dialogs.h"
#include "app/file_drop.h"
#include "app/photo_crop_editor.h"
#include "core/holidays.h"
#include "core/number_reader.h"
#include "core/strings.h"
#include "core/translation.h"
#include "widgets/qt/image_control.h"
#include "widgets/qt/owner_buttons.h"
#include "widgets/qt/photo_crop_view.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>
#include <vector>

namespace veltrano {

namespace {

constexpr int kGeneralTemplate = 137;
constexpr int kUnitString = 134; // "mm"
constexpr std::int32_t kRegionCount = 43;

QString translated(const char* german) {
    return QString::fromStdString(translate(german, currentLanguage()));
}

int checkState(const QWidget* widget) {
    if (const auto* box = qobject_cast<const CNewCheckBox*>(widget)) {
        return box->state() != 0 ? 1 : 0;
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->isChecked() ? 1 : 0;
    }
    return 0;
}

void setCheckState(QWidget* widget, std::int32_t on) {
    if (auto* box = qobject_cast<CNewCheckBox*>(widget)) {
        box->setState(on != 0 ? 1 : 0);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setChecked(on != 0);
    }
}

} // namespace

// The document keeps CR LF line breaks; the text fields show LF only.
QString textForField(const std::string& stored) {
    QString text = QString::fromStdString(stored);
    text.remove(QLatin1Char('\r'));
    return text;
}

std::string textFromField(const QString& field) {
    QString text = field;
    text.remove(QLatin1Char('\r'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toStdString();
}

std::int32_t fontSizeFromText(const std::string& text) {
    const std::int32_t size = readInt(text);
    // Too small to read on paper: back to the usual size, not to the limit.
    if (size < 6) {
        return 8;
    }
    return std::min<std::int32_t>(size, 36);
}

std::int32_t marginFromText(const std::string& text) {
    return readInt(text);
}

std::string oneLineText(const std::string& text) {
    std::string line;
    line.reserve(text.size());
    for (const char c : text) {
        if (c == '\r') {
            continue;
        }
        line.push_back(c == '\n' ? ' ' : c);
    }
    return line;
}

void showPhoto(CImageControl* preview, const std::string& path) {
    if (preview == nullptr) {
        return;
    }
    if (path.empty()) {
        preview->clear();
    } else {
        preview->showFile(path);
    }
}

PhotoCropEditor* placeCropEditor(CNewDialog& page, int id, double aspect, const std::string& photo,
                                 PhotoCrop& crop) {
    PhotoCropEditor* editor =
        placePhotoCropEditor(page, id, aspect, [&crop](const PhotoCrop& edited) { crop = edited; });
    if (editor != nullptr) {
        editor->setCrop(crop);
        showPhoto(editor->preview(), photo);
    }
    return editor;
}

void changePhoto(std::string& photo, PhotoCrop& crop, PhotoCropEditor* editor,
                 const std::string& path) {
    if (path != photo)
        crop = PhotoCrop{};
    photo = path;
    if (editor != nullptr) {
        editor->setCrop(crop);
        showPhoto(editor->preview(), photo);
    }
}

std::optional<std::string> askForPhoto(PhotoDialogs* photos, const std::string& currentPhoto) {
    if (photos == nullptr) {
        return std::nullopt;
    }
    return photos->choosePhotoToOpen(kPhotoFilter, currentPhoto);
}

CMonthEditPage::CMonthEditPage(GeneralValues values, PhotoDialogs* photos, QWidget* parent)
    : CBgPropertyPage(kGeneralTemplate, QStringLiteral("Kalender"), parent),
      values_(std::move(values)), photos_(photos) {}

QLineEdit* CMonthEditPage::marginField(int id) const {
    return qobject_cast<QLineEdit*>(control(id));
}

MarginRect CMonthEditPage::typedMargins() const {
    return MarginRect{marginFromText(controlText(1033).toStdString()),
                      marginFromText(controlText(1035).toStdString()),
                      marginFromText(controlText(1034).toStdString()),
                      marginFromText(controlText(1036).toStdString())};
}

void CMonthEditPage::setPhotoAreaAspect(double aspect) {
    photoAspect_ = aspect;
    if (cropEditor_ != nullptr)
        cropEditor_->setAreaAspect(aspect);
}

void CMonthEditPage::onInitDialog() {
    setControlText(1006, QStringLiteral("<b> ") + translated("Titelblatt"));
    setControlText(1002, QStringLiteral("<b> ") + translated("Feiertage"));
    setControlText(1004, QStringLiteral("<b> ") + translated("Druckoptionen"));
    cropEditor_ = placeCropEditor(*this, 1007, photoAspect_, values_.titlePhoto, values_.titleCrop);
    acceptPhotoDrop(cropEditor_ != nullptr ? cropEditor_->preview() : nullptr,
                    [this](const std::string& path) {
                        changePhoto(values_.titlePhoto, values_.titleCrop, cropEditor_, path);
                    });
    setControlText(1020, textForField(values_.titleText));
    if (auto* title = qobject_cast<QPlainTextEdit*>(control(1020))) {
        title->setTabChangesFocus(true);
    }
    setCheckState(control(1003), values_.showHolidays);
    setCheckState(control(1005), values_.dayFrames);
    setCheckState(control(1044), values_.weekNumbers);
    fillRegions();
    fillFontSizes();
    const std::string unit = loadString(kUnitString);
    const std::pair<int, std::int32_t> margins[] = {{1033, values_.margins.left},
                                                    {1035, values_.margins.top},
                                                    {1034, values_.margins.right},
                                                    {1036, values_.margins.bottom}};
    for (const auto& [id, value] : margins) {
        setControlText(id, QString::fromStdString(formatText("%d %s", {value, unit})));
        if (QLineEdit* field = marginField(id))
            connect(field, &QLineEdit::textEdited, this,
                    [this] { emit marginsEdited(typedMargins()); });
    }
}

void CMonthEditPage::fillRegions() {
    auto* combo = qobject_cast<QComboBox*>(control(1029));
    if (combo == nullptr) {
        return;
    }
    std::vector<std::pair<QString, std::int32_t>> names;
    for (std::int32_t region = 0; region < kRegionCount; ++region) {
        names.emplace_back(QString::fromStdString(regionName(region)), region);
    }
    std::stable_sort(names.begin(), names.end(), [](const auto& a, const auto& b) {
        return QString::localeAwareCompare(a.first, b.first) < 0;
    });
    combo->clear();
    for (const auto& [name, region] : names) {
        combo->addItem(name, region);
    }
    combo->setCurrentIndex(combo->findData(values_.region));
}

void CMonthEditPage::fillFontSizes() {
    auto* combo = qobject_cast<QComboBox*>(control(1042));
    if (combo == nullptr) {
        return;
    }
    combo->clear();
    for (const int size : kFontSizeChoices) {
        combo->addItem(QString::number(size));
    }
    combo->setEditText(QString::number(values_.fontSize));
}

void CMonthEditPage::onCommand(int id) {
    if (id == 1008) {
        if (const auto path = askForPhoto(photos_, values_.titlePhoto)) {
            changePhoto(values_.titlePhoto, values_.titleCrop, cropEditor_, *path);
        }
    } else if (id == 1009) {
        changePhoto(values_.titlePhoto, values_.titleCrop, cropEditor_, std::string());
    } else {
        CBgPropertyPage::onCommand(id);
    }
}

void CMonthEditPage::onOk() {
    values_.showHolidays = checkState(control(1003));
    if (const auto* combo = qobject_cast<const QComboBox*>(control(1029))) {
        if (combo->currentIndex() >= 0) {
            values_.region = combo->currentData().toInt();
        }
    }
    values_.dayFrames = checkState(control(1005));
    values_.weekNumbers = checkState(control(1044));
    values_.margins = typedMargins();
    values_.titleText = textFromField(controlText(1020));
    if (const auto* combo = qobject_cast<const QComboBox*>(control(1042))) {
        values_.fontSize = fontSizeFromText(combo->currentText().toStdString());
    }
}

} // namespace veltrano
