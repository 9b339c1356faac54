#pragma once
// Decodes photos on worker threads, one per core, through the thumbnail
// cache, and answers on the thread that owns the pool (the window's thread).
// New cache entries are written on the same threads after every waiting
// photo has been decoded, so that they never hold a photo back.

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
    // Waits for the decodings and cache writes under way; their answers, and
    // the writes not yet begun, are dropped.
    ~PhotoWorkerPool() override;

    std::uint64_t request(const std::string& path, Size box, PhotoReceiver& receiver) override;
    void cancel(PhotoReceiver& receiver) override;

    // Requests not yet answered (for tests and the benchmark).
    std::size_t pendingCount() const { return latest_.size(); }
    // Waits until every decoding and cache write asked for so far is done
    // (answers still arrive through the event loop).
    void waitUntilIdle();

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
