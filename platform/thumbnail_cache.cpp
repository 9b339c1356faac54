#include "platform/thumbnail_cache.h"

#include "platform/qpainter_surface.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QUrl>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <memory>

namespace veltrano {

namespace {

struct CacheSize {
    int edge;
    const char* folder;
};
constexpr std::array<CacheSize, 4> kSizes = {
    {{128, "normal"}, {256, "large"}, {512, "x-large"}, {1024, "xx-large"}}};

const char* folderOf(int edge) {
    for (const CacheSize& size : kSizes) {
        if (size.edge == edge) {
            return size.folder;
        }
    }
    return nullptr;
}

std::string absolutePath(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

std::int64_t numberText(const QString& text, bool& ok) {
    return text.toLongLong(&ok);
}

// The entry at file when it belongs to uri and was made from the photo's
// present content (same modification time, and same size where recorded); a
// null image otherwise. own receives the photo's size recorded in the entry.
QImage freshEntry(const QString& file, const QString& uri, const FileStamp& stamp, Size& own) {
    // The keys are read from the decoded image: the reader's own text lookup
    // splits keys at their first ':' and cannot find "Thumb::URI".
    QImage image = QImageReader(file, "png").read();
    if (image.isNull() || image.text("Thumb::URI") != uri) {
        return {};
    }
    bool okTime = false;
    bool okWidth = false;
    bool okHeight = false;
    bool okSize = false;
    const std::int64_t mtime = numberText(image.text("Thumb::MTime"), okTime);
    const std::int64_t size = numberText(image.text("Thumb::Size"), okSize);
    own = Size{static_cast<std::int32_t>(numberText(image.text("Thumb::Image::Width"), okWidth)),
               static_cast<std::int32_t>(numberText(image.text("Thumb::Image::Height"), okHeight))};
    if (!okTime || mtime != stamp.modifiedSec || (okSize && size != stamp.size) || !okWidth ||
        !okHeight || own.width <= 0 || own.height <= 0) {
        return {};
    }
    return image;
}

QImage shrunkTo(QImage image, Size pixels) {
    if (image.width() == pixels.width && image.height() == pixels.height) {
        return image;
    }
    return image.scaled(pixels.width, pixels.height, Qt::IgnoreAspectRatio,
                        Qt::SmoothTransformation);
}

bool makeFolder(const std::string& folder) {
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote <= 0) {
            return false;
        }
        done += wrote;
    }
    return true;
}

} // namespace

ThumbnailCache::ThumbnailCache(std::string root) : root_(std::move(root)) {}

std::string ThumbnailCache::defaultRoot() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache != nullptr && cache[0] == '/') {
        return std::string(cache) + "/thumbnails";
    }
    const char* home = std::getenv("HOME");
    return home != nullptr && home[0] != '\0' ? std::string(home) + "/.cache/thumbnails" : "";
}

int ThumbnailCache::edgeFor(Size box) {
    if (box.width <= 0 || box.height <= 0) {
        return 0;
    }
    for (const CacheSize& size : kSizes) {
        if (box.width <= size.edge && box.height <= size.edge) {
            return size.edge;
        }
    }
    return 0;
}

std::string ThumbnailCache::uriOf(const std::string& path) {
    return QUrl::fromLocalFile(QString::fromStdString(absolutePath(path)))
        .toEncoded(QUrl::FullyEncoded)
        .toStdString();
}

std::string ThumbnailCache::entryPath(const std::string& path, int edge) const {
    const QByteArray md5 =
        QCryptographicHash::hash(QByteArray::fromStdString(uriOf(path)), QCryptographicHash::Md5)
            .toHex();
    return root_ + "/" + folderOf(edge) + "/" + md5.toStdString() + ".png";
}

DecodedImage ThumbnailCache::lookup(const std::string& path, Size box) const {
    const int smallest = edgeFor(box);
    const FileStamp stamp = fileStampOf(path);
    if (root_.empty() || smallest == 0 || stamp.size < 0) {
        return {};
    }
    const QString uri = QString::fromStdString(uriOf(path));
    for (const CacheSize& size : kSizes) {
        if (size.edge < smallest) {
            continue;
        }
        Size own;
        QImage image =
            freshEntry(QString::fromStdString(entryPath(path, size.edge)), uri, stamp, own);
        const Size needed = decodedPixelSize(own, box);
        if (image.isNull() || image.width() < needed.width || image.height() < needed.height) {
            continue;
        }
        image = shrunkTo(std::move(image), needed);
        return DecodedImage{
            std::make_unique<QImagePicture>(std::move(image), own.width, own.height), needed,
            PhotoProblem::None};
    }
    return {};
}

bool ThumbnailCache::store(const std::string& path, const FileStamp& stamp, Size own, int edge,
                           const QImage& thumbnail) const {
    const char* folder = folderOf(edge);
    if (root_.empty() || folder == nullptr || thumbnail.isNull()) {
        return false;
    }
    const std::string parent = root_.substr(0, root_.rfind('/'));
    if (!parent.empty()) {
        QDir().mkpath(QString::fromStdString(parent));
    }
    if (!makeFolder(root_) || !makeFolder(root_ + "/" + folder)) {
        return false;
    }
    QImage tagged = thumbnail;
    tagged.setText("Thumb::URI", QString::fromStdString(uriOf(path)));
    tagged.setText("Thumb::MTime", QString::number(stamp.modifiedSec));
    tagged.setText("Thumb::Size", QString::number(stamp.size));
    tagged.setText("Thumb::Image::Width", QString::number(own.width));
    tagged.setText("Thumb::Image::Height", QString::number(own.height));
    tagged.setText("Software", "Veltrano");
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!QImageWriter(&buffer, "png").write(tagged)) {
        return false;
    }
    const std::string target = entryPath(path, edge);
    std::string temporary = target + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data()); // created with mode 0600
    if (fd < 0) {
        return false;
    }
    const bool written = writeAll(fd, png);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

DecodedImage decodeThroughCache(const QtImageDecoder& decoder, const ThumbnailCache& cache,
                                const std::string& path, Size box) {
    const int edge = ThumbnailCache::edgeFor(box);
    if (edge == 0) {
        return decoder.decode(path, box);
    }
    if (DecodedImage cached = cache.lookup(path, box)) {
        return cached;
    }
    QByteArray data;
    FileStamp stamp;
    PhotoProblem problem = PhotoProblem::None;
    if (!readPhotoFile(path, data, stamp, problem)) {
        DecodedImage none;
        none.problem = problem;
        return none;
    }
    DecodedImage decoded = decoder.decodeData(data, Size{edge, edge});
    if (!decoded) {
        return decoded;
    }
    const QImage& pixels = dynamic_cast<const QtPicture&>(*decoded.picture).pixels();
    const Size own{decoded.picture->width(), decoded.picture->height()};
    // A photo replaced while it was read gets no entry: the entry would carry
    // the new file's time with the old file's picture.
    if (fileStampOf(path) == stamp) {
        cache.store(path, stamp, own, edge, pixels);
    }
    const Size needed = decodedPixelSize(own, box);
    QImage shown = shrunkTo(pixels, needed);
    return DecodedImage{std::make_unique<QImagePicture>(std::move(shown), own.width, own.height),
                        needed, PhotoProblem::None};
}

} // namespace veltrano
