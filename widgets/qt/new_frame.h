#pragma once
// The frame base of the main window: the button bar row at the top on the
// rebar's background, the status bar at the bottom, and the frame's own
// command icons (about, manual, help).
#include <QMainWindow>

namespace veltrano {

class CIE4Bar;
class CNewStatusBar;
struct MenuResource;

class CNewFrame : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr int kAboutCommand = 57664;
    static constexpr int kManualCommand = 40004;
    static constexpr int kHelpCommand = 49157;

    explicit CNewFrame(QWidget* parent = nullptr);

    CNewStatusBar* newStatusBar() const { return statusBar_; }
    CIE4Bar* buttonBar() const { return buttonBar_; }

    // Builds the button bar of toolbar resource `layout` with images from the
    // strip picture; without the layout the frame shows no button bar.
    bool installButtonBar(int layout, int strip);
    // Replaces the menu bar with menu resource `menu`, translated.
    bool installMenu(int menu);

  signals:
    // A command was chosen in the menu or the button bar.
    void commandTriggered(int command);

  private:
    CNewStatusBar* statusBar_ = nullptr;
    CIE4Bar* buttonBar_ = nullptr;
};

} // namespace veltrano
