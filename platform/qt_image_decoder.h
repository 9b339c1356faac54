#pragma once
// Photo decoding: JPEG over libjpeg, HEIC/HEIF over libheif, and PNG, GIF,
// BMP, WebP, TIFF and whatever else the installed Qt image plugins read.

#include "render/image_decoder.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <string>

namespace veltrano {

// What identifies a file's content cheaply: its size and modification time.
struct FileStamp {
    std::int64_t size = -1;       // -1: no regular file
    std::int64_t modifiedSec = 0; // seconds since the epoch
    std::int64_t modifiedNsec = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of the file at path now (size -1 when it is no regular file).
FileStamp fileStampOf(const std::string& path);

// Reads the whole regular file at path into data, with the stamp it had while
// being read. Never blocks on a pipe or a device: anything but a regular file
// is refused. On failure, problem says why (not found, or cannot be read).
bool readPhotoFile(const std::string& path, QByteArray& data, FileStamp& stamp,
                   PhotoProblem& problem);

// The file name endings of every photo format the decoder reads (lower case,
// without the dot): JPEG, HEIC/HEIF and every format of the Qt image plugins.
QStringList decodablePhotoSuffixes();

// Decodes into QImagePicture objects that QPainterSurface draws.
//
// Photos taken with a turned camera come out upright (EXIF orientation for
// JPEG, WebP and TIFF; the file's own rotation boxes for HEIF) and report the
// width and height after turning. JPEG and WebP files are decoded directly at
// about the wanted size, so that a 50-megapixel photo costs only the pixels it
// is shown with; other formats are read whole and then shrunk. A decoding that
// would need more memory than the limit (for JPEG including the coefficient
// buffer of progressive files), a file larger than kMaxFileBytes, a size
// beyond kMaxSide pixels a side or kMaxPixels in all, and a photo the decoder
// finds cut off give no picture, checked before any pixel is allocated.
class QtImageDecoder : public ImageDecoder {
  public:
    static constexpr std::int64_t kDefaultMemoryLimit = std::int64_t{128} << 20;
    static constexpr std::int64_t kMaxFileBytes = std::int64_t{512} << 20;
    static constexpr std::int32_t kMaxSide = 65535;
    static constexpr std::int64_t kMaxPixels = std::int64_t{400} * 1000 * 1000;

    // memoryLimit: bytes one decoding may take at most.
    explicit QtImageDecoder(std::int64_t memoryLimit = kDefaultMemoryLimit);

    DecodedImage decode(const std::string& path, Size box) const override;
    // JPEG files decode only the part's rows and columns; others decode whole.
    DecodedImage decodePart(const std::string& path, Size box,
                            const PhotoCrop& crop) const override;
    // The same for a file already read into memory (virtual so that tests
    // can change the file while it is being decoded).
    virtual DecodedImage decodeData(const QByteArray& data, Size box) const;

  private:
    std::int64_t memoryLimit_;
};

} // namespace veltrano
