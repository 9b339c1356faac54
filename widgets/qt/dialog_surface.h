#pragma once
// The surface behind the controls of the program's dialogs and of the edit
// sheet: the palette's background colour, a content panel with its outline, and
// the shared background picture. The placement is a pure rule and the drawing
// goes through a DrawingSurface, so both are checked without a window.

#include "render/drawing_surface.h"

#include <QImage>
#include <QString>

#include <optional>

namespace veltrano {

// The process-wide background picture of the dialogs; empty = none. Start-up sets
// it to the program folder followed by "bg1.jpg".
void setDialogBackgroundPicturePath(const QString& path);
QString dialogBackgroundPicturePath();

// Loads the picture at the process-wide path; a null image when the path is empty
// or the file cannot be read.
QImage loadDialogBackgroundPicture();

// Where a picture of `picture` size goes in a client area: at its own size when it
// fits the tighter direction without shrinking (rx = W / w, ry = H / h: own size
// when ry >= rx and rx > 1, or ry < rx and ry >= 1), else stretched to the client;
// centred, never left of or above the client's top left. An empty picture or
// client gives an empty rectangle.
Rect backgroundPictureRect(Size client, Size picture);

struct DialogSurface {
    Size client;
    Colour background = kWhite;       // fills what the picture leaves
    Colour outline = kBlack;          // outline of the content panel
    std::optional<Rect> contentPanel; // drawn and filled, then kept free
    std::optional<Rect> excluded;     // kept free without drawing (a sheet's page area)
    const Picture* picture = nullptr; // drawn where backgroundPictureRect says
};

// Paints the dialog surface: the content panel, if any, as a one-pixel outline filled
// with the background colour; everything else in the background colour with the
// picture over it.
void drawDialogSurface(DrawingSurface& surface, const DialogSurface& plan);

} // namespace veltrano
