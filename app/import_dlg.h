#pragma once
// The birthday import: an introduction, the two sibling products and a contact
// or calendar file as clickable entries; a click imports from that source into
// the calendar.
// The dialog ends with OK only after an import ran, so the caller knows the
// calendar was changed; "Schliessen" ends it without importing.
#include "widgets/qt/new_dialog.h"

#include <cstdint>
#include <optional>
#include <string>

namespace veltrano {

struct CalendarDocument;

// Control numbers and button areas of template 148.
namespace ImportControls {
inline constexpr int Text = 2000;
inline constexpr int AppointmentBookArea = 0;
inline constexpr int AddressBookArea = 1;
inline constexpr int FileArea = 2;
} // namespace ImportControls

// The open dialog for a contact or calendar file, behind an interface so that
// tests can answer it. nullopt when cancelled; paths are UTF-8.
class ImportFileChooser {
  public:
    virtual ~ImportFileChooser() = default;
    virtual std::optional<std::string> chooseImportFile() = 0;
};

class CImportDlg : public CNewDialog {
    Q_OBJECT
  public:
    // Fills document; without one a click does nothing.
    explicit CImportDlg(CalendarDocument* document, QWidget* parent = nullptr);

    bool imported() const { return imported_; }

    // A click on area `area` of the text, counted over its entries (button
    // areas): 0 imports from the
    // appointment book, falling back to the address book when that is not
    // installed; 1 from the address book; 2 asks for a contact or calendar
    // file and imports it. Closes with OK after an import.
    void areaClicked(int area);

    // The year the calendar is shown for (default: this year); it decides
    // where a file's 29 February dates go and which yearly events have ended.
    void setYear(std::int32_t year) { year_ = year; }
    // Answers the file question instead of the desktop's open dialog; not
    // owned, nullptr restores the open dialog.
    void setFileChooser(ImportFileChooser* chooser) { chooser_ = chooser; }

  protected:
    void onInitDialog() override;

  private:
    std::optional<std::string> chooseFile();
    int entryOf(int area) const;

    CalendarDocument* document_;
    bool imported_ = false;
    std::int32_t year_;
    ImportFileChooser* chooser_ = nullptr;
};

} // namespace veltrano
