#pragma once
// The base of every dialog of the program: a QDialog built from a dialog template
// of resources/dialogs. The children are created from the template rows (each
// carrying the properties of widgets/qt/control_id.h), positioned in pixels
// through the dialog font's base units.
//
// Opening (the first time the dialog is shown, or by calling initialise()):
// the title and the captions are translated when a translation file is loaded,
// controls whose translation no longer fits are widened, control 1000 becomes the
// content panel and is hidden, and the dialog builder puts the program's own
// controls in place of the standard ones. Then onInitDialog() runs, where
// derived dialogs fill their controls.
//
// Buttons report their number to onCommand(). By default 1 ends the dialog with
// 1 (OK) and 2 with 2 (Cancel); Escape and the close box end it with 2, and Enter
// presses the default button. exec() therefore answers 1 or 2 (or what a derived
// dialog passes to done()).

#include "render/colour.h"
#include "render/geometry.h"
#include "resources/dialogs/dialog_template.h"
#include "widgets/engine/dialog_units.h"

#include <QDialog>
#include <QImage>
#include <QPointer>

#include <optional>
#include <vector>

namespace veltrano {

// Result codes of dialogs, as the message box answers.
inline constexpr int kDialogOk = 1;
inline constexpr int kDialogCancel = 2;
// The template control that marks the content panel.
inline constexpr int kContentPlaceholder = 1000;

// The window class of a template row in upper case.
QString windowClassOf(const DialogControl& row);

class CNewDialog : public QDialog {
    Q_OBJECT
  public:
    // An unknown template number gives an empty dialog of 100 × 50 pixels.
    explicit CNewDialog(int templateNumber, QWidget* parent = nullptr);
    // A dialog from a template the caller keeps alive as long as the dialog.
    explicit CNewDialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);
    ~CNewDialog() override;

    int templateNumber() const { return templateNumber_; }
    DialogBaseUnits baseUnits() const { return baseUnits_; }

    // Colours, from the palette at construction.
    Colour frameColour = {};
    Colour backgroundColour = {};
    Colour outlineColour = {};
    Colour textColour = {};
    Colour headingBackground = {};
    Colour headingText = {};

    // Builder switches; change them before the dialog opens.
    bool replaceLists = true;
    bool replaceCombos = true;
    bool thumbnailList = false;
    int listControlNumber = 0; // the number of the replaced list view, set when opening
    bool dialogFlag = false;   // keeps control sizes; handed to button bars and list views

    // The content panel in client pixels, once control 1000 was taken.
    const std::optional<Rect>& contentRect() const { return contentRect_; }
    void setContentRect(std::optional<Rect> rect);

    bool isInitialised() const { return initialised_; }
    // Runs the opening steps once; later calls do nothing. Returns the builder's answer
    // (1, or 0 when it left some controls standard).
    int initialise();

    // The child with that control number, or nullptr.
    QWidget* control(int id) const;
    // The text of a control ("text" property), "" when it has none.
    QString controlText(int id) const;
    void setControlText(int id, const QString& text);

    // The control Enter presses; 0 = none. Starts as the template's default button.
    int defaultControl() const { return defaultControl_; }
    void setDefaultControl(int id);

    void done(int result) override;
    void reject() override;

  protected:
    // After the builder: fill the controls from the dialog's data.
    virtual void onInitDialog() {}
    // A button with that number was pressed.
    virtual void onCommand(int id);

    void setVisible(bool visible) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void setUp();
    void createControls(const DialogTemplate& dialogTemplate);
    void translateAndWiden();
    void connectButtons();

    int templateNumber_;
    const DialogTemplate* template_ = nullptr;
    std::vector<QPointer<QWidget>> rowWidgets_; // the child made for each template row
    DialogBaseUnits baseUnits_;
    std::optional<Rect> contentRect_;
    int defaultControl_ = 0;
    bool initialised_ = false;
    bool pictureTried_ = false;
    QImage picture_;
};

} // namespace veltrano
