#pragma once
// Windows for the two markup engines: the rich message control (scrolling
// page, clickable areas) and the label control (one link, gradient or plain).

#include "widgets/engine/html_text_ctrl.h"
#include "widgets/engine/new_html_ctrl.h"
#include "widgets/qt/markup_accessibility.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <optional>
#include <string>

class QScrollBar;

namespace veltrano {

// The address a web link opens: "www." addresses get "http://" in front;
// only http, https and ftp addresses are opened, anything else (another
// scheme, an empty word) gives an invalid URL. Surrounding blanks are dropped.
QUrl webLinkUrl(QString address);
// "mailto:" with the address, or an invalid URL when the address is unusable
// (empty, or containing blanks, "?" or line breaks).
QUrl mailLinkUrl(QString address);

// Opens links with the desktop's default handlers, never through a shell.
class DesktopLinkOpener : public LinkOpener {
  public:
    void openWebAddress(std::string_view address) override;
    void startMail(std::string_view address) override;
};

// The rich message control's window: draws the text into an off-screen page
// and shows the part the vertical scroll bar selects.
class CNewHtmlWidget : public QWidget, public MarkupAreaSource {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
  public:
    explicit CNewHtmlWidget(QWidget* parent = nullptr);

    QString text() const { return QString::fromStdString(engine_.text()); }
    void setText(const QString& text);
    void setBackground(Colour colour);
    CNewHtmlCtrl& engine() { return engine_; }
    const CNewHtmlCtrl& engine() const { return engine_; }
    QScrollBar* scrollBar() const { return scrollBar_; }
    // Opening links goes through this opener (the desktop's by default);
    // the widget does not own it.
    void setLinkOpener(LinkOpener* opener) { opener_ = opener; }
    // Lays out and draws the page when needed; painting does this too.
    void refreshPage();

    // The keyboard reaches the areas (button areas and links) one by one:
    // Tab and Shift+Tab move between them and on to the next control, Enter
    // and Space do what a click does. -1 while no area has the focus.
    int focusedArea() const override { return hasFocus() ? focusedArea_ : -1; }
    // Does what a click on area `index` does.
    void activateArea(int index) override;
    int areaCount() const override { return static_cast<int>(engine_.areas().size()); }
    Area area(int index) const override;

  signals:
    // A button area was clicked; `area` is its index among the areas.
    void buttonAreaClicked(int area);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    QSize pageClientSize() const;
    void syncScrollBar();
    void showFocusedArea();

    CNewHtmlCtrl engine_;
    QScrollBar* scrollBar_;
    QImage page_;
    DesktopLinkOpener desktopOpener_;
    LinkOpener* opener_ = &desktopOpener_;
    int focusedArea_ = 0;
};

// The label control's window. A click on the link emits linkClicked with the
// control number; other clicks are swallowed. A label with a link takes the
// keyboard focus: Enter and Space then do what a click on the link does.
class CHtmlTextWidget : public QWidget, public MarkupAreaSource {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
  public:
    explicit CHtmlTextWidget(QWidget* parent = nullptr);

    QString text() const { return QString::fromStdString(engine_.text()); }
    void setText(const QString& text);
    CHtmlTextCtrl& engine() { return engine_; }
    const CHtmlTextCtrl& engine() const { return engine_; }

    // The link is the label's one area, while the text has a complete link.
    int areaCount() const override { return linkWords_.has_value() ? 1 : 0; }
    Area area(int index) const override;
    int focusedArea() const override { return hasFocus() && areaCount() > 0 ? 0 : -1; }
    void activateArea(int index) override;

  signals:
    void linkClicked(int controlId);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // The link's place on screen: the bounds of its lines in the last layout.
    QRect linkRect() const;

    CHtmlTextCtrl engine_;
    std::optional<std::string> linkWords_;
};

} // namespace veltrano
