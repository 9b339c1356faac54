#pragma once
// The birthday import: an introduction and the two sibling products as
// clickable entries; a click imports from that product into the calendar.
// The dialog ends with OK only after an import ran, so the caller knows the
// calendar was changed; "Schliessen" ends it without importing.
#include "widgets/qt/new_dialog.h"

namespace veltrano {

struct CalendarDocument;

// Control numbers and button areas of template 148.
namespace ImportControls {
inline constexpr int Text = 2000;
inline constexpr int AppointmentBookArea = 0;
inline constexpr int AddressBookArea = 1;
} // namespace ImportControls

class CImportDlg : public CNewDialog {
    Q_OBJECT
  public:
    // Fills document; without one a click does nothing.
    explicit CImportDlg(CalendarDocument* document, QWidget* parent = nullptr);

    bool imported() const { return imported_; }

    // A click on button area `area` of the text: 0 imports from the
    // appointment book, falling back to the address book when that is not
    // installed; 1 from the address book. Closes with OK after an import.
    void areaClicked(int area);

  protected:
    void onInitDialog() override;

  private:
    CalendarDocument* document_;
    bool imported_ = false;
};

} // namespace veltrano
