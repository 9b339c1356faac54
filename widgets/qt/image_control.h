#pragma once
// The photo preview of the edit pages: one decoded photo, shrunk to fit and
// centred on a white background, never enlarged. It paints into an off-screen
// image first and copies that to the screen in one go, so repainting while the
// user drags the sheet around does not flicker.

#include "render/colour.h"
#include "render/image_decoder.h"
#include "render/photo_loader.h"

#include <QAbstractButton>

#include <memory>
#include <string>

namespace veltrano {

class CImageControl : public QAbstractButton, private PhotoReceiver {
    Q_OBJECT
  public:
    // Photos are decoded by `decoder`, which must outlive the control; without
    // one the control uses the program's own decoder.
    explicit CImageControl(QWidget* parent = nullptr, const ImageDecoder* decoder = nullptr);
    ~CImageControl() override;

    // With a loader (which must outlive the control), showFile returns at
    // once and the photo appears when it has been decoded elsewhere.
    void setPhotoLoader(PhotoLoader* loader);

    // Drops the photo shown and decodes the file at path (through the loader
    // when there is one: then true is returned at once and the photo shows on
    // arrival). On success the control is redrawn at once and true is
    // returned; on failure the control shows, from its next repaint on, a
    // grey frame with the file name and why it gave no photo.
    bool showFile(const std::string& path);
    // Drops the photo and redraws at once.
    void clear();

    bool hasImage() const { return image_.picture != nullptr; }
    // Why the last file gave no photo; None while a photo is shown or awaited.
    PhotoProblem problem() const { return image_.problem; }
    // The photo's own size; 0 × 0 without one.
    Size imageSize() const;

    Colour backgroundColour = kWhite;

    // Everything the control shows, as it is copied to the screen.
    QImage render() const;

  signals:
    // The photo shown changed: it arrived, was replaced or was dropped.
    void imageChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    // The size the photo is decoded for, in device pixels: the control's own.
    virtual Size decodeBox() const { return devicePixelBox(); }
    // The control's size in device pixels of its screen.
    Size devicePixelBox() const;
    // The photo shown; null without one.
    const Picture* picture() const { return image_.picture.get(); }

  private:
    void photoArrived(std::uint64_t ticket, DecodedImage photo) override;

    std::unique_ptr<ImageDecoder> ownDecoder_;
    const ImageDecoder* decoder_;
    PhotoLoader* loader_ = nullptr;
    std::uint64_t pendingTicket_ = 0;
    std::string path_;
    DecodedImage image_;
};

} // namespace veltrano
