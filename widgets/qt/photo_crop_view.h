#pragma once
// The photo preview as an editor of the part of the photo a page shows. It
// draws the page's photo area, in its proportions, with the photo in it as the
// page will show it: the chosen part filling the area, or without one the
// whole photo fitted in. The user drags the photo to move it inside the area,
// zooms with the mouse wheel about the pointer, and with the keyboard moves it
// with the arrow keys and zooms with + and -. Every such change is announced
// by cropEdited.

#include "document/photo_crop.h"
#include "widgets/qt/image_control.h"

#include <QPoint>

namespace veltrano {

class PhotoCropView : public CImageControl {
    Q_OBJECT
  public:
    explicit PhotoCropView(QWidget* parent = nullptr, const ImageDecoder* decoder = nullptr);

    // The page's photo area, as width / height (others are ignored). A chosen
    // part takes the new proportions about its middle at the same zoom, and
    // is announced when that changed it.
    void setAreaAspect(double aspect);
    double areaAspect() const { return aspect_; }

    // The part shown; unset shows the whole photo fitted. Announces nothing.
    void setCrop(const PhotoCrop& crop);
    const PhotoCrop& crop() const { return crop_; }

    // The part that fills the area for the photo shown; unset without a photo.
    PhotoCrop coverCrop() const;
    // How closely the part shows the photo: 1 for the cover part (and unset).
    double zoom() const;

    // The user's changes, announced: fill the area (or fit the photo again),
    // zoom about the middle of the part.
    void setFill(bool fill);
    void zoomAboutCentre(double zoom);

    // Where the page's photo area is drawn, in the control's coordinates.
    Rect areaFrame() const;

  signals:
    void cropEdited(const PhotoCrop& crop);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    Size decodeBox() const override;

  private:
    void edit(const PhotoCrop& crop);
    // The zoom by steps (positive: closer) about the point at `at`.
    void zoomBySteps(double steps, QPointF at);
    // The dragged distance, in fractions of the area frame.
    void panBy(double dx, double dy);

    double aspect_ = 1.0;
    PhotoCrop crop_;
    bool dragging_ = false;
    QPoint dragStart_;
    PhotoCrop dragCrop_;
};

} // namespace veltrano
