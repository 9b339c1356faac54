#pragma once
// The thumbnail cache shared with the desktop's file managers: PNG files
// named by the MD5 of the photo's file URI, in
// $XDG_CACHE_HOME/thumbnails/{normal,large,x-large,xx-large} (128, 256, 512
// and 1024 pixels a side), carrying the photo's URI and modification time.
// An entry whose time differs from the photo's is stale and never used.
// A photo that gives no picture gets an entry of its own under
// fail/veltrano-<version>/, so that it is not decoded again for a thumbnail
// until its modification time changes.

#include "platform/qt_image_decoder.h"

#include <QImage>

#include <functional>
#include <string>

namespace veltrano {

class ThumbnailCache {
  public:
    // root: the thumbnails folder; "" turns the cache off.
    explicit ThumbnailCache(std::string root);
    // $XDG_CACHE_HOME/thumbnails, or ~/.cache/thumbnails without it.
    static std::string defaultRoot();

    // The edge of the smallest cache size whose square holds box; 0 when the
    // box is larger than the largest size or has no area.
    static int edgeFor(Size box);
    // "file://" followed by the percent-encoded absolute path.
    static std::string uriOf(const std::string& path);
    // Where the thumbnail of path with the given edge lives.
    std::string entryPath(const std::string& path, int edge) const;
    // Where this program notes that path gave no picture.
    std::string failPath(const std::string& path) const;

    // A fresh thumbnail of the photo at path that holds enough pixels for
    // box, shrunk to what box needs and reporting the photo's own size; no
    // picture when there is none (a miss says nothing about the photo).
    DecodedImage lookup(const std::string& path, Size box) const;
    // Records `thumbnail` (the upright photo shrunk to fit edge × edge) for
    // the photo at path whose content had `stamp` and the upright size own.
    // Written to a temporary file with mode 0600 and renamed into place, so a
    // reader never sees half a file. False when the folder cannot be written.
    bool store(const std::string& path, const FileStamp& stamp, Size own, int edge,
               const QImage& thumbnail) const;

    // Whether a fail entry says that the photo at path, as it is now (same
    // modification time), gave no picture.
    bool knownToFail(const std::string& path) const;
    // Notes that the photo at path whose content had `stamp` gave no picture:
    // an empty PNG with its URI and modification time, written like store.
    bool storeFailure(const std::string& path, const FileStamp& stamp) const;

  private:
    std::string root_;
};

// Takes a cache write to run later (on another thread, once no photo waits
// to be decoded). The job owns everything it needs.
using CacheWriteQueue = std::function<void(std::function<void()> write)>;

// Decodes the photo at path for box through the cache: a fresh entry is used
// when there is one; otherwise the photo is decoded at its cache size, the
// entry written (unless the photo changed since it was read) and the picture
// shrunk to what box needs. A photo whose file was read but gave no picture
// gets a fail entry, and while that entry is fresh the photo is reported
// unreadable without decoding it again. Boxes larger than the cache's
// largest size are decoded directly. With queueWrite, the entry is handed to
// it instead of being written before the picture is returned: the picture is
// wanted at once, the entry only by later paints.
DecodedImage decodeThroughCache(const QtImageDecoder& decoder, const ThumbnailCache& cache,
                                const std::string& path, Size box,
                                const CacheWriteQueue& queueWrite = {});

} // namespace veltrano
