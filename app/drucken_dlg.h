#pragma once
// The print selection: which of the title page and the twelve months to print.
#include "render/print_layouts.h"
#include "widgets/qt/new_dialog.h"

namespace veltrano {

// Control numbers of the print dialog's template.
inline constexpr int kPrintDialogTemplate = 139;
namespace DruckenControls {
inline constexpr int Info = 1003;
inline constexpr int Title = 1004;
inline constexpr int Months = 1005;
inline constexpr int SelectAll = 1006;
inline constexpr int SelectNone = 1007;
} // namespace DruckenControls

class CDruckenDlg : public CNewDialog {
    Q_OBJECT
  public:
    // Shows the selection's switches and its year.
    explicit CDruckenDlg(const PrintSelection& selection, QWidget* parent = nullptr);

    // The switches as the dialog was opened with, or as read by OK.
    const PrintSelection& selection() const { return selection_; }

    // What the buttons do: tick all months (the title keeps its state), or
    // clear the title and every month.
    void selectAllMonths();
    void selectNothing();
    // What "Kalender drucken" does: reads the switches and closes with OK.
    void confirm();

  protected:
    void onInitDialog() override;
    void onCommand(int id) override;

  private:
    void setMonthChecks(bool on);

    PrintSelection selection_;
};

} // namespace veltrano
