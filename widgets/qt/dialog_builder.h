#pragma once
// The dialog builder: walks over a dialog's child controls (in the order they
// were created from the template) and puts the program's own owner-drawn
// controls in place of tagged and standard ones, on the same control number,
// position and size. The tag is removed from the caption and the rest becomes
// the new control's text. Each replacement is a Qt child of the dialog, so it
// is deleted with its window; neither the dialog nor the builder keeps it.
//
// Children are recognised by the properties of widgets/qt/control_id.h:
// vtControlId, vtWindowClass (upper case) and vtStyle (template style bits).
// The caption is read from the child's "text" property (QAbstractButton,
// QLabel, QLineEdit) or a group box's title; other children have an empty
// caption. Radio buttons and group boxes keep their class.

#include "render/colour.h"
#include "widgets/engine/palette.h"

class QWidget;

namespace veltrano {

// The colours default to the palette's dialog and heading colours as they
// are when the options are made.
struct DialogBuilderOptions {
    Colour background = paletteColour(kPaletteDialogBackground);
    Colour text = paletteColour(kPaletteDialogText);
    Colour headingBackground = paletteColour(kPaletteHeadingBackground);
    Colour headingText = paletteColour(kPaletteHeadingText);
    bool replaceLists = true;     // list boxes and list views are replaced
    bool dialogFlag = false;      // handed to button bars and list views
    bool thumbnailList = false;   // a list view becomes a picture list
    int* listNumberOut = nullptr; // receives the number of the replaced list view
    bool replaceCombos = true;    // owner-drawn combo boxes are replaced
};

// Replaces the children of `dialog` as the decision table says. Returns 1, or
// 0 when a replacement could not be made; the controls after it then stay
// standard controls. A null dialog returns 0.
int runDialogBuilder(QWidget* dialog, const DialogBuilderOptions& options);

} // namespace veltrano
