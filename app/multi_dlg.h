#pragma once
// The multi-day entry dialog: first and last date, a text and a day colour,
// each of the two with a switch that leaves the days' value as it is. Dates
// are shown in the user's date format and always lie in the calendar's year.
#include "app/calendar_dialogs.h"
#include "widgets/qt/new_dialog.h"

#include <QString>

#include <cstdint>

namespace veltrano {

// Control numbers of template 143.
namespace MultiControls {
inline constexpr int FirstDate = 1036;
inline constexpr int LastDate = 1037;
inline constexpr int Text = 1020;
inline constexpr int KeepText = 1008;
inline constexpr int Colour = 1034;
inline constexpr int KeepColour = 1009;
} // namespace MultiControls

// Reads a typed date: day and month from the text in the current date format,
// the year replaced by calendarYear. Empty or unreadable text gives an empty date.
DateValue readCalendarDate(const QString& text, std::int32_t calendarYear);

class CMultiDlg : public CNewDialog {
    Q_OBJECT
  public:
    explicit CMultiDlg(std::int32_t calendarYear, QWidget* parent = nullptr);

    std::int32_t calendarYear() const { return calendarYear_; }
    // Shown on opening; what the user chose after OK.
    MultiDayEntry entry;

    // Reads every field into entry, then shows entry again in the fields.
    void readFields();
    void showFields();
    // What OK does: reads the fields and closes with OK when the dates give a
    // range; otherwise reports it and stays open with the fields as they are.
    void confirm();

  protected:
    void onInitDialog() override;
    void onCommand(int id) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fillColours();
    void enableFields();
    bool isChecked(int id) const;
    void setChecked(int id, bool on);

    std::int32_t calendarYear_;
};

} // namespace veltrano
