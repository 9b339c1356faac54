#pragma once
// The widget set's passive controls: the label and heading bar, the text
// panel, headings, rules, the option group frame and the tab strip. Each has
// a "text" property, so the dialog builder and the dialogs set captions the
// same way for every control.

#include "widgets/engine/control_drawing.h"

#include <QString>
#include <QTabBar>
#include <QWidget>

namespace veltrano {

// A QWidget with a caption property and a repaint when it changes.
class CaptionedControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
  public:
    explicit CaptionedControl(QWidget* parent = nullptr) : QWidget(parent) {}
    QString text() const { return text_; }
    void setText(const QString& text) {
        text_ = text;
        update();
    }

  private:
    QString text_;
};

// Label or heading bar. Prefixes "<b>", then "<c>" or "<r>".
class CNewTextCtrl : public CaptionedControl {
    Q_OBJECT
  public:
    explicit CNewTextCtrl(QWidget* parent = nullptr) : CaptionedControl(parent) {}
    void setLook(const LabelLook& look) {
        look_ = look;
        update();
    }
    const LabelLook& look() const { return look_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    LabelLook look_;
};

// Panel with an optional 16-pixel icon and one line (or wrapped lines) of text.
class CTextWnd : public CaptionedControl {
    Q_OBJECT
  public:
    explicit CTextWnd(QWidget* parent = nullptr);
    void setLook(const PanelLookColours& look) {
        look_ = look;
        update();
    }
    const PanelLookColours& look() const { return look_; }
    void setIcon(int index) {
        look_.icon = index;
        update();
    }
    // 1-pixel outline in the frame colour; off for the borderless form.
    void setFlatBorder(bool on) {
        flatBorder_ = on;
        update();
    }
    bool hasFlatBorder() const { return flatBorder_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PanelLookColours look_;
    bool flatBorder_ = false;
};

class CNewHeadlineCtrl : public CaptionedControl {
    Q_OBJECT
  public:
    explicit CNewHeadlineCtrl(QWidget* parent = nullptr) : CaptionedControl(parent) {}
    void setFirstLevel(bool on) {
        firstLevel_ = on;
        update();
    }
    bool isFirstLevel() const { return firstLevel_; }
    void setColours(Colour background, Colour text) {
        background_ = background;
        text_ = text;
        update();
    }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool firstLevel_ = false;
    Colour background_ = kWhite;
    Colour text_ = kBlack;
};

class CLineCtrl : public CaptionedControl {
    Q_OBJECT
  public:
    explicit CLineCtrl(QWidget* parent = nullptr) : CaptionedControl(parent) {}
    void setColours(Colour background, bool gray) {
        background_ = background;
        gray_ = gray;
        update();
    }
    bool isGray() const { return gray_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Colour background_ = kWhite;
    bool gray_ = false;
};

// The frame of a group of options, its caption set into the top edge.
class CNewGroupList : public CaptionedControl {
    Q_OBJECT
  public:
    explicit CNewGroupList(QWidget* parent = nullptr) : CaptionedControl(parent) {}

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// Tab strip in the palette's colours.
class CMyTabCtrl : public QTabBar {
    Q_OBJECT
  public:
    explicit CMyTabCtrl(QWidget* parent = nullptr);
    void setColours(Colour background, Colour text) {
        background_ = background;
        text_ = text;
        update();
    }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Colour background_ = kWhite;
    Colour text_ = kBlack;
};

} // namespace veltrano
