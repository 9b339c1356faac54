#pragma once
// A thin button that shows the title page's thumbnail (title photo, year and
// title text) beside the month thumbnails and reports clicks.
#include "render/veltrano_ctrl.h"

#include <QAbstractButton>

#include <cstdint>
#include <string>

namespace veltrano {

class TitlePageButton : public QAbstractButton {
    Q_OBJECT
  public:
    // decoder must outlive the button; null shows no photo.
    explicit TitlePageButton(const ImageDecoder* decoder, QWidget* parent = nullptr);
    ~TitlePageButton() override;
    // With a loader the photo is decoded off the window's thread and shown
    // when it arrives, as the months' are; without one it is decoded when drawn.
    void setPhotoLoader(PhotoLoader* loader);

    // What the title page shows; the photo is decoded again only when its file
    // changed.
    void showTitle(const std::string& photoPath, std::int32_t year, const std::string& text,
                   const PhotoCrop& crop = {});

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Holds the decoded title photo as a month page holds its own.
    CVeltranoCtrl photoCache_;
    std::int32_t year_ = 0;
    std::string text_;
};

} // namespace veltrano
