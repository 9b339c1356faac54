#include "platform/thumbnail_cache.h"

#include "platform/image_scaling.h"
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

// Failures are noted per program and version: another program, or a later
// version of this one, may well read what this one could not.
const std::string kFailFolder = std::string("fail/veltrano-") + VELTRANO_VERSION;

std::string absolutePath(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

// The name of every entry of the photo at path: the MD5 of its URI, in hex.
std::string entryName(const std::string& path) {
    return QCryptographicHash::hash(QByteArray::fromStdString(ThumbnailCache::uriOf(path)),
                                    QCryptographicHash::Md5)
               .toHex()
               .toStdString() +
           ".png";
}

std::int64_t numberText(const QString& text, bool& ok) {
    return text.toLongLong(&ok);
}

// The entry at file when it belongs to uri and was made from the photo's
// present content (same modification time, and same size where recorded); a
// null image otherwise.
QImage entryOfPhoto(const QString& file, const QString& uri, const FileStamp& stamp) {
    // The keys are read from the decoded image: the reader's own text lookup
    // splits keys at their first ':' and cannot find "Thumb::URI".
    QImage image = QImageReader(file, "png").read();
    if (image.isNull() || image.text("Thumb::URI") != uri) {
        return {};
    }
    bool okTime = false;
    bool okSize = false;
    const std::int64_t mtime = numberText(image.text("Thumb::MTime"), okTime);
    const std::int64_t size = numberText(image.text("Thumb::Size"), okSize);
    if (!okTime || mtime != stamp.modifiedSec || (okSize && size != stamp.size)) {
        return {};
    }
    return image;
}

// entryOfPhoto, when the entry also records the photo's own size (received
// in own).
QImage freshEntry(const QString& file, const QString& uri, const FileStamp& stamp, Size& own) {
    QImage image = entryOfPhoto(file, uri, stamp);
    bool okWidth = false;
    bool okHeight = false;
    own = Size{static_cast<std::int32_t>(numberText(image.text("Thumb::Image::Width"), okWidth)),
               static_cast<std::int32_t>(numberText(image.text("Thumb::Image::Height"), okHeight))};
    if (image.isNull() || !okWidth || !okHeight || own.width <= 0 || own.height <= 0) {
        return {};
    }
    return image;
}

bool makeFolder(const std::string& folder) {
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

// Creates root and root/sub (one level or more) owner-only.
bool makeFolders(const std::string& root, const std::string& sub) {
    const std::string parent = root.substr(0, root.rfind('/'));
    if (!parent.empty()) {
        QDir().mkpath(QString::fromStdString(parent));
    }
    if (!makeFolder(root)) {
        return false;
    }
    std::string folder = root;
    for (const QString& part : QString::fromStdString(sub).split('/', Qt::SkipEmptyParts)) {
        folder += "/" + part.toStdString();
        if (!makeFolder(folder)) {
            return false;
        }
    }
    return true;
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

// Writes image as PNG with the photo's keys into root/folder/<name>: to a
// temporary file (mode 0600) renamed into place, so that a reader never sees
// half a file.
bool writeEntry(const std::string& root, const std::string& folder, const std::string& target,
                const std::string& path, const FileStamp& stamp, QImage image) {
    if (root.empty() || !makeFolders(root, folder)) {
        return false;
    }
    image.setText("Thumb::URI", QString::fromStdString(ThumbnailCache::uriOf(path)));
    image.setText("Thumb::MTime", QString::number(stamp.modifiedSec));
    image.setText("Thumb::Size", QString::number(stamp.size));
    image.setText("Software", "Veltrano");
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!QImageWriter(&buffer, "png").write(image)) {
        return false;
    }
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
    return root_ + "/" + folderOf(edge) + "/" + entryName(path);
}

std::string ThumbnailCache::failPath(const std::string& path) const {
    return root_ + "/" + kFailFolder + "/" + entryName(path);
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
    if (folder == nullptr || thumbnail.isNull()) {
        return false;
    }
    QImage tagged = thumbnail;
    tagged.setText("Thumb::Image::Width", QString::number(own.width));
    tagged.setText("Thumb::Image::Height", QString::number(own.height));
    if (!writeEntry(root_, folder, entryPath(path, edge), path, stamp, std::move(tagged))) {
        return false;
    }
    // The photo reads now: an old note that it failed no longer holds.
    ::unlink(failPath(path).c_str());
    return true;
}

bool ThumbnailCache::knownToFail(const std::string& path) const {
    const FileStamp stamp = fileStampOf(path);
    if (root_.empty() || stamp.size < 0) {
        return false;
    }
    return !entryOfPhoto(QString::fromStdString(failPath(path)),
                         QString::fromStdString(uriOf(path)), stamp)
                .isNull();
}

bool ThumbnailCache::storeFailure(const std::string& path, const FileStamp& stamp) const {
    QImage empty(1, 1, QImage::Format_ARGB32);
    empty.fill(Qt::transparent);
    return writeEntry(root_, kFailFolder, failPath(path), path, stamp, std::move(empty));
}

DecodedImage decodeThroughCache(const QtImageDecoder& decoder, const ThumbnailCache& cache,
                                const std::string& path, Size box,
                                const CacheWriteQueue& queueWrite) {
    const int edge = ThumbnailCache::edgeFor(box);
    if (edge == 0) {
        return decoder.decode(path, box);
    }
    if (DecodedImage cached = cache.lookup(path, box)) {
        return cached;
    }
    DecodedImage decoded;
    if (cache.knownToFail(path)) {
        decoded.problem = PhotoProblem::Unreadable;
        return decoded;
    }
    QByteArray data;
    FileStamp stamp;
    if (!readPhotoFile(path, data, stamp, decoded.problem)) {
        // Not noted as failed: a missing file has no time, and a permission
        // can change without changing it.
        return decoded;
    }
    decoded = decoder.decodeData(data, Size{edge, edge});
    QImage entry; // null: the photo gave no picture
    Size own;
    if (decoded) {
        entry = dynamic_cast<const QtPicture&>(*decoded.picture).pixels();
        own = Size{decoded.picture->width(), decoded.picture->height()};
    }
    // The job keeps its own copy of the cache (a folder name), so that it
    // does not depend on the caller's cache object still being there.
    auto write = [cache, path, stamp, own, edge, entry] {
        // A photo replaced since it was read gets no entry: the entry would
        // carry the new file's time with the old file's picture (or failure).
        if (fileStampOf(path) != stamp) {
            return;
        }
        if (entry.isNull()) {
            cache.storeFailure(path, stamp);
        } else {
            cache.store(path, stamp, own, edge, entry);
        }
    };
    if (queueWrite) {
        queueWrite(std::move(write));
    } else {
        write();
    }
    if (!decoded) {
        return decoded;
    }
    const Size needed = decodedPixelSize(own, box);
    QImage shown = shrunkTo(std::move(entry), needed);
    return DecodedImage{std::make_unique<QImagePicture>(std::move(shown), own.width, own.height),
                        needed, PhotoProblem::None};
}

} // namespace veltrano
