#pragma once
// The pages of the edit sheet. Each page works on its own copy of the values
// it was given; the sheet copies them back into the document only after OK.
//
// The general page reads its fields when the sheet closes with OK. A month
// page stores every change of a day's text or colour at once into its copy,
// and its caption when the sheet closes with OK.

#include "document/calendar_document.h"
#include "document/photo_crop.h"
#include "widgets/qt/bg_property_page.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace veltrano {

class CImageControl;
class CNewListCtrl3;
class PhotoCropEditor;
class PhotoDialogs;

// The photo filter of the open dialog, in the program's own form.
inline constexpr const char* kPhotoFilter =
    "Fotos (*.jpg;*.gif)|*.jpg; *.gif|Alle Dateien (*.*)|*.*||";

// The font sizes the general page offers.
inline constexpr std::array<int, 15> kFontSizeChoices = {8,  9,  10, 11, 12, 13, 14, 16,
                                                         18, 20, 22, 24, 26, 28, 36};

// The font size typed as text: its leading integer, below 6 the default 8, above
// 36 the largest 36.
std::int32_t fontSizeFromText(const std::string& text);
// A margin typed as text ("25 mm", "25"): its leading integer; 0 without digits.
std::int32_t marginFromText(const std::string& text);
// Multi-line texts: the document keeps CR LF line breaks, the fields LF only.
QString textForField(const std::string& stored);
std::string textFromField(const QString& field);
// A text as the day list shows it on one line: CR removed, LF as a space.
std::string oneLineText(const std::string& text);

struct GeneralValues {
    std::int32_t showHolidays = 1;
    std::int32_t region = 0;
    std::int32_t dayFrames = 0;
    MarginRect margins;
    std::string titleText;
    std::string titlePhoto;
    std::int32_t fontSize = 12;
    std::int32_t weekNumbers = 0;
    PhotoCrop titleCrop; // the part of the title photo shown
};

struct MonthValues {
    std::string photo;
    std::string text;
    std::array<std::string, kDaySlotCount> dayText;
    std::array<std::int32_t, kDaySlotCount> dayColour = {};
    PhotoCrop crop; // the part of the photo shown
};

// Shows the photo at path in the preview, or clears it when path is empty.
void showPhoto(CImageControl* preview, const std::string& path);
// Puts the photo preview with its crop editor in place of the owner-drawn
// button `id` of page, showing photo and crop; the part the user chooses is
// stored into crop, which must outlive the editor. aspect: the page's photo
// area, width / height.
PhotoCropEditor* placeCropEditor(CNewDialog& page, int id, double aspect, const std::string& photo,
                                 PhotoCrop& crop);
// A page's photo becomes path: a photo other than the one held drops its
// chosen part. The editor (when not null) shows the new photo.
void changePhoto(std::string& photo, PhotoCrop& crop, PhotoCropEditor* editor,
                 const std::string& path);
// Asks for a photo, starting where currentPhoto ("" for none) lies; the
// chosen path, or nullopt when cancelled.
std::optional<std::string> askForPhoto(PhotoDialogs* photos, const std::string& currentPhoto);

// The general page (tab "Kalender"): title page, holidays, print options.
class CMonthEditPage : public CBgPropertyPage {
    Q_OBJECT
  public:
    CMonthEditPage(GeneralValues values, PhotoDialogs* photos, QWidget* parent = nullptr);
    const GeneralValues& values() const { return values_; }
    // The proportions of the pages' photo area (width / height), for the crop
    // editor; an open editor follows them at once.
    void setPhotoAreaAspect(double aspect);
    PhotoCropEditor* cropEditor() const { return cropEditor_; }

    void onOk() override;

  signals:
    // The user typed in a margin field: the margins the fields now give.
    void marginsEdited(const MarginRect& margins);

  protected:
    void onInitDialog() override;
    void onCommand(int id) override;

  private:
    void fillRegions();
    void fillFontSizes();
    QLineEdit* marginField(int id) const;
    MarginRect typedMargins() const;

    GeneralValues values_;
    PhotoDialogs* photos_;
    double photoAspect_ = 1.0;
    PhotoCropEditor* cropEditor_ = nullptr;
};

// A month page (tab: the month's first three letters).
class CFotoEditPage : public CBgPropertyPage {
    Q_OBJECT
  public:
    // month 1..12 of year.
    CFotoEditPage(const QString& tabTitle, std::int32_t month, std::int32_t year,
                  MonthValues values, PhotoDialogs* photos, QWidget* parent = nullptr);
    const MonthValues& values() const { return values_; }
    std::int32_t month() const { return month_; }
    std::int32_t year() const { return year_; }
    // The proportions of the pages' photo area (width / height), for the crop
    // editor; an open editor follows them at once.
    void setPhotoAreaAspect(double aspect);
    PhotoCropEditor* cropEditor() const { return cropEditor_; }

    void onOk() override;

    // The day list (after the page opened) and the selected day index, -1 for none.
    CNewListCtrl3* dayList() const { return list_; }
    int selectedDay() const { return selectedDay_; }
    // The day index a row of the day list carries: 0..30, or -1 for the group,
    // empty and separator rows (and rows that do not exist).
    int dayOfRow(int row) const;

  protected:
    void onInitDialog() override;
    void onCommand(int id) override;

  private:
    void fillDayList();
    QString dayRowText(int day) const;
    void fillColourChoices();
    void selectionChanged();
    void dayTextChanged();
    void dayColourChanged(int index);
    int rowOfDay(int day) const;

    std::int32_t month_;
    std::int32_t year_;
    MonthValues values_;
    PhotoDialogs* photos_;
    double photoAspect_ = 1.0;
    PhotoCropEditor* cropEditor_ = nullptr;
    CNewListCtrl3* list_ = nullptr;
    QPlainTextEdit* dayText_ = nullptr;
    QComboBox* colour_ = nullptr;
    int selectedDay_ = -1;
    bool filling_ = false; // fields are being filled by the page, not typed
};

} // namespace veltrano
