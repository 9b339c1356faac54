#pragma once
// The edit sheet: everything in a calendar except its year, edited in one modal
// property sheet with the general page and twelve month pages. Nothing reaches
// the document unless the sheet is closed with OK.

#include "app/edit_pages.h"
#include "app/file_dialogs.h"
#include "document/calendar_document.h"
#include "render/printer_device.h"
#include "widgets/qt/bg_property_sheet.h"

#include <QStringList>

#include <array>
#include <cstdint>
#include <string>

class QWidget;

namespace veltrano {

// The sheet with its pages, filled from the document, opened at startPage (0 the
// general page, 1..12 that month; other values the general page). A negative
// year means the current year.
class EditSheet {
  public:
    EditSheet(const CalendarDocument& document, QWidget* owner, int startPage, std::int32_t year,
              PhotoDialogs* photos);

    CBgPropertySheet& sheet() { return sheet_; }
    CMonthEditPage& generalPage() const { return *general_; }
    // month 1..12.
    CFotoEditPage& monthPage(int month) const {
        return *months_[static_cast<std::size_t>(month - 1)];
    }
    std::int32_t year() const { return year_; }

    // After the sheet closed: with OK, copies every page's values into document
    // (for each month photo, caption, texts and colours, then the general
    // values) and returns true; otherwise leaves document alone.
    bool finish(CalendarDocument& document) const;

  private:
    // Gives every page's crop editor the photo area of margins on paper_.
    void showPhotoAreaFor(const MarginRect& margins);

    CBgPropertySheet sheet_;
    std::int32_t year_;
    PrinterMetrics paper_;
    CMonthEditPage* general_ = nullptr;
    std::array<CFotoEditPage*, kMonthCount> months_{};
};

// Shows the sheet modally over owner. True, with the document holding the
// edited values, when the user confirmed with OK; false, the document
// unchanged, otherwise. Photos are asked for through `photos`.
bool editCalendar(CalendarDocument& document, QWidget* owner, int startPage, std::int32_t year,
                  PhotoDialogs* photos);
// The same with the desktop's open dialog for photos; a null owner means the
// application's active window.
bool editCalendar(CalendarDocument& document, QWidget* owner, int startPage, std::int32_t year);

// The open dialog's name filters for a filter in the program's form
// ("name|patterns|name|patterns||"). The first filter also offers
// `extraSuffixes` (without dot), and every pattern is offered in upper case
// too, since file names here are case-sensitive; "*.*" becomes "*".
QStringList qtNameFilters(const std::string& filter, const QStringList& extraSuffixes);

// Asks for photos with the program's photo dialog: existing files only, photos
// of every format the decoder reads, shown in a preview.
class QtPhotoDialogs : public PhotoDialogs {
  public:
    explicit QtPhotoDialogs(QWidget* parent) : parent_(parent) {}
    std::optional<std::string> choosePhotoToOpen(const std::string& filter,
                                                 const std::string& currentPhoto) override;

  private:
    QWidget* parent_;
};

} // namespace veltrano
