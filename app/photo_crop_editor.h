#pragma once
// The photo preview of the edit pages with the means to choose the part of the
// photo the page shows: the preview itself (drag, wheel, keys), a switch that
// makes the photo fill the page's photo area, a zoom slider and a button that
// goes back to the whole photo fitted in.

#include "document/photo_crop.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QPushButton;
class QSlider;

namespace veltrano {

class CNewDialog;
class PhotoCropView;

class PhotoCropEditor : public QWidget {
    Q_OBJECT
  public:
    // aspect: the page's photo area, width / height.
    PhotoCropEditor(double aspect, QWidget* parent = nullptr);

    PhotoCropView* preview() const { return preview_; }
    QCheckBox* fillSwitch() const { return fill_; }
    QSlider* zoomSlider() const { return zoom_; }
    QPushButton* resetButton() const { return reset_; }

    // The page's photo area changed its proportions (width / height); a
    // chosen part follows them and is announced.
    void setAreaAspect(double aspect);

    // Shows crop without announcing it.
    void setCrop(const PhotoCrop& crop);

  signals:
    // The user chose another part (unset: the whole photo fitted).
    void cropEdited(const PhotoCrop& crop);

  private:
    // The switch, slider and button as the part and the photo say.
    void showState();

    PhotoCropView* preview_;
    QCheckBox* fill_;
    QSlider* zoom_;
    QPushButton* reset_;
};

// Puts a crop editor in place of the owner-drawn button `id` of page; its
// preview takes the number `id`, and its controls follow the control before
// it in the tab order. `edited` hears every part the user chooses. Null when
// the page has no such control.
PhotoCropEditor* placePhotoCropEditor(CNewDialog& page, int id, double aspect,
                                      std::function<void(const PhotoCrop&)> edited);

} // namespace veltrano
