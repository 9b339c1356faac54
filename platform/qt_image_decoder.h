#pragma once
// Photo decoding over Qt's image readers: JPEG, GIF, PNG, BMP and whatever
// else the installed image plugins read.

#include "render/image_decoder.h"

#include <cstdint>

namespace veltrano {

// Decodes into QImagePicture objects that QPainterSurface draws.
//
// Photos taken with a turned camera come out upright (their EXIF orientation
// is applied) and report the width and height after turning. JPEG files are
// decoded directly at the wanted size, so that a 50-megapixel photo costs
// only the pixels it is shown with; other formats are read whole and then
// shrunk. A decoding that would need more memory than the limit, a file
// larger than kMaxFileBytes, a size beyond kMaxSide pixels a side or
// kMaxPixels in all, and a JPEG file that ends before its image data is
// complete give no picture.
class QtImageDecoder : public ImageDecoder {
  public:
    static constexpr std::int64_t kDefaultMemoryLimit = std::int64_t{128} << 20;
    static constexpr std::int64_t kMaxFileBytes = std::int64_t{512} << 20;
    static constexpr std::int32_t kMaxSide = 65535;
    static constexpr std::int64_t kMaxPixels = std::int64_t{400} * 1000 * 1000;

    // memoryLimit: bytes the pixels of one decoding may take at most.
    explicit QtImageDecoder(std::int64_t memoryLimit = kDefaultMemoryLimit);

    DecodedImage decode(const std::string& path, Size box) const override;

  private:
    std::int64_t memoryLimit_;
};

} // namespace veltrano
