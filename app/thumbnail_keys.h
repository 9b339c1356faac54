#pragma once
// Keyboard use of the main view's thumbnails: arrow keys move the focus to the
// nearest thumbnail in the arrow's direction, Enter and Return open the one
// that has the focus (Space does so as on every button), and the focused one
// wears a frame in the highlight colour.
class QAbstractButton;
class QKeyEvent;

namespace veltrano {

class DrawingSurface;

// True when the key was used; other keys go on to the parent.
bool handleThumbnailKey(QAbstractButton& button, const QKeyEvent& event);
// Draws the focus frame, three units wide inside the button's edge, when the
// button has the focus. The surface keeps it to whole device pixels, so that
// it is equally thick on every side at any scale factor.
void paintThumbnailFocus(DrawingSurface& surface, const QAbstractButton& button);

} // namespace veltrano
