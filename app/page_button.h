#pragma once
// A thin button that shows one page control's thumbnail and reports clicks.
#include <QAbstractButton>

namespace veltrano {

class CVeltranoCtrl;

class PageButton : public QAbstractButton {
    Q_OBJECT
  public:
    // page must outlive the button.
    // The button repaints itself when the page's photo arrives.
    PageButton(CVeltranoCtrl& page, QWidget* parent = nullptr);
    ~PageButton() override;
    QSize sizeHint() const override { return {120, 170}; }
    // Draws the page again and tells screen readers what it now shows.
    void showPage();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    CVeltranoCtrl& page_;
};

} // namespace veltrano
