#pragma once
// The year dialog: the year field with spin arrows from 1900 to 2100. A typed
// year outside that range, or text that is no whole number, is refused with a
// message and the dialog stays open: the calendar arithmetic holds only there.
#include "widgets/qt/new_dialog.h"

#include <cstdint>

namespace veltrano {

inline constexpr std::int32_t kFirstYear = 1900;
inline constexpr std::int32_t kLastYear = 2100;

// Control numbers of template 141.
namespace JahrControls {
inline constexpr int Field = 1031;
inline constexpr int Spin = 1032;
} // namespace JahrControls

class CJahrDlg : public CNewDialog {
    Q_OBJECT
  public:
    explicit CJahrDlg(QWidget* parent = nullptr);

    // Shown on opening; the chosen year after OK. Starts as the current year + 1.
    std::int32_t year;

    // What OK does: reads the field into year and closes with OK, or shows
    // the message and keeps the dialog open. True when it closed.
    bool confirm();

  protected:
    void onInitDialog() override;
    void onCommand(int id) override;

  private:
    void spinMoved(int value);
    void fieldEdited(const QString& text);
};

// The whole-number text's value, when it lies within 1900..2100: blanks
// around the number are allowed, nothing else.
bool readYear(const QString& text, std::int32_t& year);

} // namespace veltrano
