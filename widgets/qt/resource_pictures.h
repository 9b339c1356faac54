#pragma once
// Bitmap resources by number as the drawing code wants them: decoded once,
// kept for the life of the program, and the widget set's hand cursor.

#include "platform/qpainter_surface.h"
#include "widgets/engine/picture_source.h"

#include <QCursor>
#include <QImage>

#include <map>
#include <memory>

namespace veltrano {

// Answers picture(number) with the compiled-in resource picture; nullptr when
// there is none. Pictures stay valid as long as the source lives.
class ResourcePictureSource : public PictureSource {
  public:
    const Picture* picture(int number) const override;
    // The same picture greyed, for disabled controls; nullptr when there is none.
    const Picture* disabledPicture(int number) const;

  private:
    mutable std::map<int, std::unique_ptr<QImagePicture>> pictures_;
    mutable std::map<int, std::unique_ptr<QImagePicture>> disabled_;
};

// The source every control of the widget set shares.
const ResourcePictureSource& resourcePictures();

// A greyed copy of an image; pixels of `transparent` stay as they are.
QImage greyedImage(const QImage& image, QRgb transparent);

// The hand cursor: the picture of shared resource 0 (the widget set's own
// hand while that is unset), or the system's pointing hand when neither loads.
QCursor handCursor();

} // namespace veltrano
