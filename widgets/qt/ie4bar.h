#pragma once
// The button bar of the main window: flat buttons with a 22 × 20 image over a
// text label, tool tips and status prompts from the command strings, and
// drop-down buttons that open a menu below them.
#include <QToolBar>
#include <array>
#include <optional>
#include <string>

class QMenu;
class QToolButton;

namespace veltrano {

// Widest a button may be: 50 when the screen width is unknown, else
// (screen width − 8 × separators − 8) / buttons (at least one button) in
// unsigned arithmetic, kept within 30..100.
int ie4ButtonWidth(std::optional<int> screenWidth, int buttons, int separators);

// The texts a command string ("status\ntool tip") gives. A missing string
// gives the label "NO TEXT".
std::string buttonLabelOf(const std::string* commandString);
std::string statusPromptOf(const std::string& commandString);
std::string toolTipOf(const std::string& commandString);
// The command's string in the current language; nullopt when there is none.
std::optional<std::string> commandString(int command);

class CIE4Bar : public QToolBar {
    Q_OBJECT
  public:
    static constexpr int kDropDownCapacity = 10;
    static constexpr int kImageWidth = 22;
    static constexpr int kImageHeight = 20;
    static constexpr char kNoMenuMessage[] = "no menu id (ie4bar.cpp)";

    explicit CIE4Bar(QWidget* parent = nullptr);

    // Builds the buttons of toolbar resource `layout` with images from the
    // strip picture `strip` (0: none). False when the layout does not exist.
    bool build(int layout, int strip);
    // Gives the command's button a drop-down arrow opening menu resource
    // `menu` (0: none, which only says so when asked). False when all
    // entries are taken.
    bool addDropDownButton(int command, int menu);
    // Opens the drop-down of the command's button; false when it has none.
    bool dropDownRequest(int command);

    QToolButton* buttonFor(int command) const;
    int buttonWidth() const { return buttonWidth_; }

  signals:
    // A button or an item of a drop-down menu was chosen.
    void commandTriggered(int command);

  private:
    // Fills menu with the first pop-up of the command's menu resource; false
    // (after saying so for an entry without a menu) when there is nothing to open.
    bool loadDropDownMenu(int command, QMenu* menu);

    struct DropDown {
        int command = 0;
        int menu = 0;
    };
    std::array<DropDown, kDropDownCapacity> dropDowns_{};
    int buttonWidth_ = 50;
};

} // namespace veltrano
