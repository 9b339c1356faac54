#include "platform/photo_worker_pool.h"

#include <QThread>

#include <memory>

namespace veltrano {

namespace {

// A thread takes the waiting job of the highest priority first.
constexpr int kDecodePriority = 1;
constexpr int kCacheWritePriority = 0;

} // namespace

PhotoWorkerPool::PhotoWorkerPool(std::string cacheRoot, QObject* parent)
    : QObject(parent), cache_(std::move(cacheRoot)) {
    threads_.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

PhotoWorkerPool::~PhotoWorkerPool() {
    threads_.clear();
    threads_.waitForDone();
}

void PhotoWorkerPool::waitUntilIdle() {
    threads_.waitForDone();
}

std::uint64_t PhotoWorkerPool::request(const std::string& path, Size box, PhotoReceiver& receiver) {
    const std::uint64_t ticket = ++nextTicket_;
    latest_[&receiver] = ticket;
    PhotoReceiver* target = &receiver;
    threads_.start(
        [this, path, box, target, ticket] {
            const auto queueWrite = [this](std::function<void()> write) {
                threads_.start(std::move(write), kCacheWritePriority);
            };
            auto photo = std::make_shared<DecodedImage>(
                decodeThroughCache(decoder_, cache_, path, box, queueWrite));
            QMetaObject::invokeMethod(
                this, [this, target, ticket, photo] { deliver(target, ticket, std::move(*photo)); },
                Qt::QueuedConnection);
        },
        kDecodePriority);
    return ticket;
}

void PhotoWorkerPool::cancel(PhotoReceiver& receiver) {
    latest_.erase(&receiver);
}

void PhotoWorkerPool::deliver(PhotoReceiver* receiver, std::uint64_t ticket, DecodedImage photo) {
    const auto found = latest_.find(receiver);
    if (found == latest_.end() || found->second != ticket) {
        return; // asked again since, or cancelled: this answer is out of date
    }
    latest_.erase(found);
    receiver->photoArrived(ticket, std::move(photo));
}

PhotoWorkerPool& sharedPhotoWorkerPool() {
    static PhotoWorkerPool pool(ThumbnailCache::defaultRoot());
    return pool;
}

} // namespace veltrano
