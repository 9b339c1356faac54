#pragma once
// Decodes photos on worker threads, one per core, through the thumbnail
// cache, and answers on the thread that owns the pool (the window's thread).

#include "platform/qt_image_decoder.h"
#include "platform/thumbnail_cache.h"
#include "render/photo_loader.h"

#include <QObject>
#include <QThreadPool>

#include <unordered_map>

namespace veltrano {

class PhotoWorkerPool : public QObject, public PhotoLoader {
    Q_OBJECT
  public:
    // cacheRoot: the thumbnail folder (ThumbnailCache::defaultRoot() for the
    // desktop's); "" decodes without a cache.
    explicit PhotoWorkerPool(std::string cacheRoot, QObject* parent = nullptr);
    // Waits for the decodings under way; their answers are dropped.
    ~PhotoWorkerPool() override;

    std::uint64_t request(const std::string& path, Size box, PhotoReceiver& receiver) override;
    void cancel(PhotoReceiver& receiver) override;

    // Requests not yet answered (for tests and the benchmark).
    std::size_t pendingCount() const { return latest_.size(); }

  private:
    void deliver(PhotoReceiver* receiver, std::uint64_t ticket, DecodedImage photo);

    QtImageDecoder decoder_;
    ThumbnailCache cache_;
    QThreadPool threads_;
    std::uint64_t nextTicket_ = 0;
    std::unordered_map<PhotoReceiver*, std::uint64_t> latest_; // the window's thread only
};

// The program's one pool, decoding through the desktop's thumbnail cache;
// made on first use, which must be on the window's thread.
PhotoWorkerPool& sharedPhotoWorkerPool();

} // namespace veltrano
