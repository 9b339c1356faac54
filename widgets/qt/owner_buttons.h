#pragma once
// The widget set's buttons: the push button, the check box, the link button,
// picture buttons and the button bar. Each is a child of its dialog (deleted
// with it) and carries the control number it replaced.

#include "widgets/engine/control_drawing.h"

#include <QAbstractButton>
#include <QString>
#include <QStringList>

#include <vector>

namespace veltrano {

// Push button. Caption prefixes "<left>", "<big>", "<b>" (in that order)
// shape the text; the image comes from the command image table.
class CNewButtonCtrl2 : public QAbstractButton {
    Q_OBJECT
  public:
    explicit CNewButtonCtrl2(QWidget* parent = nullptr);

    void setColours(const ButtonColours& colours) {
        colours_ = colours;
        update();
    }
    const ButtonColours& colours() const { return colours_; }
    // Image of the 16-pixel strip; -1 for none.
    void setImage(int image) {
        image_ = image;
        update();
    }
    int image() const { return image_; }
    void setLook(ButtonLook look) {
        look_ = look;
        update();
    }
    ButtonLook look() const { return look_; }
    bool isHovering() const { return hover_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void setHover(bool on);
    void followPointer(const QMouseEvent* event);

    ButtonColours colours_ = ButtonColours::fromPalette();
    int image_ = -1;
    ButtonLook look_ = ButtonLook::Plain;
    bool hover_ = false;
};

// A button drawn as a link in the link colours.
class CLinkButtonCtrl : public CNewButtonCtrl2 {
    Q_OBJECT
  public:
    explicit CLinkButtonCtrl(QWidget* parent = nullptr) : CNewButtonCtrl2(parent) {
        setLook(ButtonLook::Link);
    }
};

// Check box with two or three states: 0 unchecked, 1 checked, 2 third state.
// A click advances the state, redraws and then emits commandNotification
// with the control number, as the dialog's click notification.
class CNewCheckBox : public QAbstractButton {
    Q_OBJECT
  public:
    // The query by which the dialogs' data exchange recognises the box.
    static constexpr int kQueryIsCheckBox = 1130;

    explicit CNewCheckBox(QWidget* parent = nullptr);

    // 1 for kQueryIsCheckBox, 0 for any other query.
    int answerQuery(int message) const { return message == kQueryIsCheckBox ? 1 : 0; }
    int state() const { return state_; }
    // Values outside 0..2 (or 2 on a two-state box) are refused.
    bool setState(int state);
    void setThreeState(bool on) { threeState_ = on; }
    bool isThreeState() const { return threeState_; }
    void setTextColour(Colour colour) {
        text_ = colour;
        update();
    }
    void setBackgroundColour(Colour colour) {
        background_ = colour;
        update();
    }
    QSize sizeHint() const override;

  signals:
    void commandNotification(int controlId);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override;
    void checkStateSet() override;

  private:
    int state_ = 0;
    bool threeState_ = false;
    Colour text_ = kBlack;
    Colour background_ = kWhite;
};

// A button showing a bitmap for its up and down states.
class CMyBitmapButton : public QAbstractButton {
    Q_OBJECT
  public:
    CMyBitmapButton(int upBitmap, int downBitmap, QWidget* parent = nullptr);
    int upBitmap() const { return up_; }
    int downBitmap() const { return down_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int up_;
    int down_;
};

// A button showing one 32-pixel image of a strip on the background colour.
class CImagelistButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit CImagelistButton(QWidget* parent = nullptr);
    void setImages(int bitmap) {
        bitmap_ = bitmap;
        update();
    }
    void setImage(int index) {
        index_ = index;
        update();
    }
    void setBackground(Colour colour) {
        background_ = colour;
        update();
    }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int bitmap_ = 0;
    int index_ = 0;
    Colour background_ = kWhite;
};

// A row of push buttons. The definition lists the button texts separated by
// "|"; a click on button i emits buttonClicked(i).
class CButtonBar : public QWidget {
    Q_OBJECT
  public:
    explicit CButtonBar(QWidget* parent = nullptr);
    void setDefinition(const QString& definition);
    int buttonCount() const { return static_cast<int>(buttons_.size()); }
    CNewButtonCtrl2* button(int index) const;
    void setDialogFlag(bool on) { dialogFlag_ = on; }
    bool dialogFlag() const { return dialogFlag_; }

  signals:
    void buttonClicked(int index);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void placeButtons();

    std::vector<CNewButtonCtrl2*> buttons_;
    bool dialogFlag_ = false;
};

} // namespace veltrano
