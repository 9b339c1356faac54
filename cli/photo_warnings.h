#pragma once
// Telling the user of a drawing command which photos cannot be read, so that
// pages without their photos never come out without a word.

#include "document/calendar_document.h"
#include "render/image_decoder.h"

#include <array>
#include <mutex>
#include <ostream>
#include <set>
#include <string>

namespace veltrano::cli {

// Decodes like `base` and remembers every photo that gave no picture, so that
// the command's own drawing tells which photos to warn about, without
// decoding any of them a second time. Safe to call from several threads at
// once (the export decodes ahead on worker threads) when base is.
class FailureNotingDecoder : public ImageDecoder {
  public:
    explicit FailureNotingDecoder(const ImageDecoder& base) : base_(base) {}

    DecodedImage decode(const std::string& path, Size box) const override;
    DecodedImage decodePart(const std::string& path, Size box,
                            const PhotoCrop& crop) const override;
    // Whether some decoding of path gave no picture.
    bool failed(const std::string& path) const;

  private:
    DecodedImage noted(const std::string& path, DecodedImage decoded) const;

    const ImageDecoder& base_;
    mutable std::mutex mutex_;
    mutable std::set<std::string> failed_;
};

// Why the photo at path, which gave no picture, cannot be drawn, in a few
// words: the system's reason when it cannot be found or opened, else what it
// is instead of a picture file, else that it is no picture that can be read.
std::string photoProblem(const std::string& path);

// One line on err for each distinct photo that the command drew and that gave
// no picture in `decoded`: the title photo when `title`, then the month photos
// of `months`.
void warnAboutUnreadablePhotos(const CalendarDocument& document, bool title,
                               const std::array<bool, kMonthCount>& months,
                               const FailureNotingDecoder& decoded, std::ostream& err);

} // namespace veltrano::cli
