#include "platform/qt_image_decoder.h"

#include "platform/heif_reader.h"
#include "platform/jpeg_reader.h"
#include "platform/qpainter_surface.h"
#include "render/photo_crop_place.h"

#include <QBuffer>
#include <QImageReader>
#include <QTransform>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace veltrano {

namespace {

constexpr std::int64_t kBytesPerPixel = 4;

DecodedImage failure(PhotoProblem problem) {
    DecodedImage none;
    none.problem = problem;
    return none;
}

FileStamp stampFrom(const struct stat& info) {
    if (!S_ISREG(info.st_mode)) {
        return FileStamp{};
    }
    return FileStamp{static_cast<std::int64_t>(info.st_size),
                     static_cast<std::int64_t>(info.st_mtim.tv_sec),
                     static_cast<std::int64_t>(info.st_mtim.tv_nsec)};
}

bool readAll(int fd, QByteArray& data, std::int64_t size) {
    data.resize(static_cast<qsizetype>(size));
    std::int64_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, data.data() + done, static_cast<size_t>(size - done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        done += got;
    }
    return true;
}

bool turnsSideways(QImageIOHandler::Transformations transformation) {
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

Size transposed(Size size) {
    return Size{size.height, size.width};
}

// Mirroring first, then a quarter turn clockwise: every EXIF orientation is
// one of these combinations.
QImage turnedUpright(QImage image, QImageIOHandler::Transformations transformation) {
    const bool mirror = transformation.testFlag(QImageIOHandler::TransformationMirror);
    const bool flip = transformation.testFlag(QImageIOHandler::TransformationFlip);
    if (mirror || flip) {
        image = image.mirrored(mirror, flip);
    }
    if (turnsSideways(transformation)) {
        image = image.transformed(QTransform().rotate(90));
    }
    return image;
}

bool withinSizeLimits(Size size) {
    return size.width > 0 && size.height > 0 && size.width <= QtImageDecoder::kMaxSide &&
           size.height <= QtImageDecoder::kMaxSide &&
           std::int64_t{size.width} * size.height <= QtImageDecoder::kMaxPixels;
}

DecodedImage pictureOf(QImage image, Size own) {
    if (image.isNull()) {
        return failure(PhotoProblem::Unreadable);
    }
    const Size pixels{image.width(), image.height()};
    return DecodedImage{std::make_unique<QImagePicture>(std::move(image), own.width, own.height),
                        pixels, PhotoProblem::None};
}

QImageIOHandler::Transformations exifTransformation(const QByteArray& data) {
    QByteArray shared = data;
    QBuffer buffer(&shared);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    return reader.transformation();
}

// A JPEG's header with how it is turned upright and its size then.
struct UprightJpeg {
    JpegHeader header;
    QImageIOHandler::Transformations transformation;
    Size own;
};

// False when data is no readable JPEG or its size is beyond the limits.
bool readUprightJpeg(const QByteArray& data, UprightJpeg& jpeg) {
    if (!readJpegHeader(data, jpeg.header) || !withinSizeLimits(jpeg.header.stored)) {
        return false;
    }
    jpeg.transformation = exifTransformation(data);
    jpeg.own =
        turnsSideways(jpeg.transformation) ? transposed(jpeg.header.stored) : jpeg.header.stored;
    return true;
}

DecodedImage decodeJpegPhoto(const QByteArray& data, Size box, std::int64_t memoryLimit) {
    UprightJpeg jpeg;
    if (!readUprightJpeg(data, jpeg)) {
        return failure(PhotoProblem::Unreadable);
    }
    const JpegHeader& header = jpeg.header;
    const QImageIOHandler::Transformations transformation = jpeg.transformation;
    const bool sideways = turnsSideways(transformation);
    const Size own = jpeg.own;
    const Size wanted = decodedPixelSize(own, box);
    const Size wantedStored = sideways ? transposed(wanted) : wanted;
    const std::int64_t turning = transformation == QImageIOHandler::TransformationNone
                                     ? 0
                                     : std::int64_t{wanted.width} * wanted.height * kBytesPerPixel;
    if (jpegDecodingBytes(header, wantedStored) + turning > memoryLimit) {
        return failure(PhotoProblem::Unreadable);
    }
    return pictureOf(turnedUpright(decodeJpeg(data, wantedStored), transformation), own);
}

// The rectangle of the stored (unturned) image that becomes `part` of the
// upright one, for an image stored as `stored`: the turning undone, the
// quarter turn clockwise first, then the mirroring.
Rect storedRegion(const Rect& part, Size stored, QImageIOHandler::Transformations transformation) {
    Rect region = part;
    if (turnsSideways(transformation)) {
        region = Rect{part.top, stored.height - part.right, part.bottom, stored.height - part.left};
    }
    if (transformation.testFlag(QImageIOHandler::TransformationMirror)) {
        region = Rect{stored.width - region.right, region.top, stored.width - region.left,
                      region.bottom};
    }
    if (transformation.testFlag(QImageIOHandler::TransformationFlip)) {
        region = Rect{region.left, stored.height - region.bottom, region.right,
                      stored.height - region.top};
    }
    return region;
}

// Only the rows and columns of the shown part, at the pixels box needs for it.
DecodedImage decodeJpegPart(const QByteArray& data, Size box, const PhotoCrop& crop,
                            std::int64_t memoryLimit) {
    UprightJpeg jpeg;
    if (!readUprightJpeg(data, jpeg)) {
        return failure(PhotoProblem::Unreadable);
    }
    const bool sideways = turnsSideways(jpeg.transformation);
    const Rect part = cropSourceRect(jpeg.own.width, jpeg.own.height, crop);
    const Size wanted = decodedPixelSize(Size{part.width(), part.height()}, box);
    const Size wantedStored = sideways ? transposed(wanted) : wanted;
    const Rect region = storedRegion(part, jpeg.header.stored, jpeg.transformation);
    JpegHeader regionHeader = jpeg.header;
    regionHeader.stored = Size{region.width(), region.height()};
    if (jpegDecodingBytes(regionHeader, wantedStored) +
            std::int64_t{wanted.width} * wanted.height * kBytesPerPixel >
        memoryLimit) {
        return failure(PhotoProblem::Unreadable);
    }
    QImage image = turnedUpright(decodeJpegRegion(data, region, wantedStored), jpeg.transformation);
    if (image.isNull()) {
        return failure(PhotoProblem::Unreadable);
    }
    const Size pixels{image.width(), image.height()};
    return DecodedImage{
        std::make_unique<QImagePicture>(std::move(image), jpeg.own.width, jpeg.own.height, part),
        pixels, PhotoProblem::None};
}

DecodedImage decodeHeifPhoto(const QByteArray& data, Size box, std::int64_t memoryLimit) {
    Size own;
    if (!readHeifSize(data, own) || !withinSizeLimits(own)) {
        return failure(PhotoProblem::Unreadable);
    }
    const Size wanted = decodedPixelSize(own, box);
    if (heifDecodingBytes(own, wanted) > memoryLimit) {
        return failure(PhotoProblem::Unreadable);
    }
    return pictureOf(decodeHeif(data, wanted), own);
}

// Everything the Qt image plugins read: PNG, GIF, BMP, WebP, TIFF ...
DecodedImage decodeWithQt(const QByteArray& data, Size box, std::int64_t memoryLimit) {
    QByteArray shared = data;
    QBuffer buffer(&shared);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize stored = reader.size(); // as stored in the file, before turning
    if (!reader.canRead() || !withinSizeLimits(Size{stored.width(), stored.height()})) {
        return failure(PhotoProblem::Unreadable);
    }
    const bool sideways = turnsSideways(reader.transformation());
    const Size storedSize{stored.width(), stored.height()};
    const Size own = sideways ? transposed(storedSize) : storedSize;
    const Size wanted = decodedPixelSize(own, box);
    // The WebP reader decodes reduced and holds only the wanted pixels; the
    // others (PNG and TIFF among them) hold the whole image before shrinking.
    const bool reduces = reader.format() == "webp";
    const Size held = reduces ? wanted : own;
    if (std::int64_t{held.width} * held.height * kBytesPerPixel > memoryLimit) {
        return failure(PhotoProblem::Unreadable);
    }
    if (wanted != own) {
        const Size scaled = sideways ? transposed(wanted) : wanted;
        reader.setScaledSize(QSize(scaled.width, scaled.height));
    }
    return pictureOf(reader.read(), own);
}

bool isJpeg(const QByteArray& data) {
    return data.startsWith(QByteArrayLiteral("\xFF\xD8\xFF"));
}

} // namespace

FileStamp fileStampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return FileStamp{};
    }
    return stampFrom(info);
}

bool readPhotoFile(const std::string& path, QByteArray& data, FileStamp& stamp,
                   PhotoProblem& problem) {
    // O_NONBLOCK: opening a pipe must not wait for a writer.
    const int fd = path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        problem = (path.empty() || errno == ENOENT || errno == ENOTDIR) ? PhotoProblem::NotFound
                                                                        : PhotoProblem::Unreadable;
        return false;
    }
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0 &&
                         info.st_size <= QtImageDecoder::kMaxFileBytes;
    const bool read = regular && readAll(fd, data, info.st_size);
    ::close(fd);
    if (!read) {
        problem = PhotoProblem::Unreadable;
        return false;
    }
    stamp = stampFrom(info);
    problem = PhotoProblem::None;
    return true;
}

QStringList decodablePhotoSuffixes() {
    QStringList suffixes{QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("heic"),
                         QStringLiteral("heif")};
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString suffix = QString::fromLatin1(format).toLower();
        if (!suffixes.contains(suffix)) {
            suffixes << suffix;
        }
    }
    return suffixes;
}

QtImageDecoder::QtImageDecoder(std::int64_t memoryLimit) : memoryLimit_(memoryLimit) {}

DecodedImage QtImageDecoder::decode(const std::string& path, Size box) const {
    return decodePart(path, box, PhotoCrop{});
}

DecodedImage QtImageDecoder::decodePart(const std::string& path, Size box,
                                        const PhotoCrop& crop) const {
    QByteArray data;
    FileStamp stamp;
    PhotoProblem problem = PhotoProblem::None;
    if (!readPhotoFile(path, data, stamp, problem)) {
        return failure(problem);
    }
    // Other formats are read whole anyway: they are cut when drawn.
    if (crop.isSet() && isJpeg(data)) {
        return decodeJpegPart(data, box, crop, memoryLimit_);
    }
    return decodeData(data, decodeBoxForCrop(box, crop));
}

DecodedImage QtImageDecoder::decodeData(const QByteArray& data, Size box) const {
    if (isJpeg(data)) {
        return decodeJpegPhoto(data, box, memoryLimit_);
    }
    if (looksLikeHeif(data)) {
        return decodeHeifPhoto(data, box, memoryLimit_);
    }
    return decodeWithQt(data, box, memoryLimit_);
}

} // namespace veltrano
