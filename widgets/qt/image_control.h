#pragma once
// The photo preview of the edit pages: one decoded photo, shrunk to fit and
// centred on a white background, never enlarged. It paints into an off-screen
// image first and copies that to the screen in one go, so repainting while the
// user drags the sheet around does not flicker.

#include "render/colour.h"
#include "render/image_decoder.h"

#include <QAbstractButton>

#include <memory>
#include <string>

namespace veltrano {

class CImageControl : public QAbstractButton {
    Q_OBJECT
  public:
    // Photos are decoded by `decoder`, which must outlive the control; without
    // one the control uses the program's own decoder.
    explicit CImageControl(QWidget* parent = nullptr, const ImageDecoder* decoder = nullptr);
    ~CImageControl() override;

    // Drops the photo shown and decodes the file at path. On success the
    // control is redrawn at once and true is returned; on failure the control
    // shows the empty background from its next repaint on.
    bool showFile(const std::string& path);
    // Drops the photo and redraws at once.
    void clear();

    bool hasImage() const { return image_.picture != nullptr; }
    // The photo's own size; 0 × 0 without one.
    Size imageSize() const;

    Colour backgroundColour = kWhite;

    // Everything the control shows, as it is copied to the screen.
    QImage render() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::unique_ptr<ImageDecoder> ownDecoder_;
    const ImageDecoder* decoder_;
    DecodedImage image_;
};

} // namespace veltrano
