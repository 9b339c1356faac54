#pragma once
// The main window's status bar: the message pane for status prompts, a
// 100-unit pane holding an invisible host control, and the caps-lock,
// num-lock and scroll-lock indicators "UF", "NUM" and "RF".
#include <QStatusBar>

class QLabel;

namespace veltrano {

class CNewStatusBar : public QStatusBar {
    Q_OBJECT
  public:
    static constexpr int kHostPane = 59142;
    static constexpr int kHostControl = 1002;
    static constexpr int kHostPaneWidth = 100;
    static constexpr int kCapsLock = 59137;
    static constexpr int kNumLock = 59138;
    static constexpr int kScrollLock = 59139;

    explicit CNewStatusBar(QWidget* parent = nullptr);

    // Lights or dims an indicator pane (kCapsLock, kNumLock, kScrollLock).
    // They start dim: the platform gives no portable way to read the locks.
    void setIndicator(int pane, bool lit);
    QLabel* indicator(int pane) const;
    QWidget* hostControl() const { return host_; }

  private:
    QWidget* host_ = nullptr;
};

} // namespace veltrano
