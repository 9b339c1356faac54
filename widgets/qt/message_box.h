#pragma once
// The program's message box: a markup text with a symbol at its left and one, two
// or three buttons, in the look of the program's dialogs. The style word and the
// results have the values of core/message_presenter.h.

#include "widgets/engine/message_box_rules.h"
#include "widgets/qt/new_dialog.h"

#include <string>

namespace veltrano {

class CMyMessageBoxDlg : public CNewDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateNumber = 112;

    explicit CMyMessageBoxDlg(QWidget* parent = nullptr);

    // Set both before the box opens.
    void setMessage(const std::string& markupText) { message_ = markupText; }
    void setStyle(int style) { style_ = style; }
    const std::string& message() const { return message_; }
    int style() const { return style_; }

    // What the style decided (valid once the box has opened).
    const MessageBoxButtons& buttons() const { return buttons_; }
    int symbol() const { return symbol_; }
    // Pixels the box grew for a long text.
    int growth() const { return growth_; }

  protected:
    void onInitDialog() override;
    void onCommand(int id) override;

  private:
    void placeButtons();
    int measureText() const;
    void grow(int delta);

    std::string message_;
    int style_ = 0;
    MessageBoxButtons buttons_;
    int symbol_ = 3;
    int growth_ = 0;
};

// Shows markup text with a style in a modal message box and returns the result of
// the button pressed (2 when the box was closed or escaped). The box belongs to the
// application's active window, if any.
int ShowMessage(const std::string& markupText, int style);
// The same for string-table text `id`, in the current language.
int ShowMessageId(int id, int style);

} // namespace veltrano
