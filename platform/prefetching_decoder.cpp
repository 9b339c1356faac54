#include "platform/prefetching_decoder.h"

#include <QThread>

#include <algorithm>

namespace veltrano {

struct PrefetchingDecoder::Slot {
    std::size_t index = 0;
    Size box;
    bool ready = false;
    DecodedImage photo;
};

namespace {

std::vector<const ImageDecoder*> decodersOf(const PageControls& controls) {
    std::vector<const ImageDecoder*> decoders;
    for (const CVeltranoCtrl& page : controls) {
        decoders.push_back(page.imageDecoder());
    }
    return decoders;
}

// Every crop that is not set means the whole photo: they are all one.
PhotoCrop shownPart(const PhotoCrop& crop) {
    return crop.isSet() ? crop : PhotoCrop{};
}

std::vector<PrintedPhoto> printOrder(const PageControls& controls, const std::string& titlePhoto,
                                     const PhotoCrop& titleCrop) {
    std::vector<PrintedPhoto> order{{titlePhoto, titleCrop}};
    for (const CVeltranoCtrl& page : controls) {
        order.push_back({page.photoPath, page.photoCrop});
    }
    return order;
}

} // namespace

PrefetchingDecoder::PrefetchingDecoder(const ImageDecoder& base, std::vector<PrintedPhoto> order)
    : base_(base), order_(std::move(order)) {
    for (PrintedPhoto& photo : order_) {
        photo.crop = shownPart(photo.crop);
    }
    threads_.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

PrefetchingDecoder::~PrefetchingDecoder() {
    threads_.clear();
    threads_.waitForDone();
}

// Called with mutex_ held: queues the decoding of order_[index] at box on the
// threads. An urgent one (a page waiting for it) goes before those ahead.
std::shared_ptr<PrefetchingDecoder::Slot> PrefetchingDecoder::start(std::size_t index, Size box,
                                                                    bool urgent) const {
    auto slot = std::make_shared<Slot>();
    slot->index = index;
    slot->box = box;
    const PrintedPhoto& printed = order_[index];
    threads_.start(
        [this, slot, printed] {
            DecodedImage photo = base_.decodePart(printed.path, slot->box, printed.crop);
            const std::lock_guard<std::mutex> lock(mutex_);
            slot->photo = std::move(photo);
            slot->ready = true;
            done_.notify_all();
        },
        urgent ? 1 : 0);
    return slot;
}

// Called with mutex_ held: keeps one decoding more started ahead of index
// than there are threads, so that a thread finishing while the page is drawn
// finds the next photo waiting rather than idling until the next request.
void PrefetchingDecoder::startAfter(std::size_t index, Size box) const {
    nextToStart_ = std::max(nextToStart_, index + 1);
    const std::size_t ahead = static_cast<std::size_t>(threads_.maxThreadCount()) + 1;
    while (slots_.size() < ahead && nextToStart_ < order_.size()) {
        const std::size_t next = nextToStart_++;
        if (!order_[next].path.empty()) {
            slots_.push_back(start(next, box, false));
        }
    }
}

DecodedImage PrefetchingDecoder::decode(const std::string& path, Size box) const {
    return decodePart(path, box, PhotoCrop{});
}

DecodedImage PrefetchingDecoder::decodePart(const std::string& path, Size box,
                                            const PhotoCrop& crop) const {
    const PhotoCrop part = shownPart(crop);
    const auto isAsked = [&path, &part](const PrintedPhoto& printed) {
        return printed.path == path && printed.crop == part;
    };
    std::unique_lock<std::mutex> lock(mutex_);
    // Where the request stands in the order: searched from the first photo
    // still ahead, so that a photo printed twice is found at its next place.
    const auto from =
        order_.begin() + static_cast<std::ptrdiff_t>(slots_.empty() ? 0 : slots_.front()->index);
    auto position = std::find_if(from, order_.end(), isAsked);
    if (position == order_.end()) {
        position = std::find_if(order_.begin(), order_.end(), isAsked);
    }
    std::shared_ptr<Slot> found;
    if (position != order_.end()) {
        const auto index = static_cast<std::size_t>(position - order_.begin());
        // Photos before this one were passed over; this one is taken when it
        // was decoded for the same box.
        while (!slots_.empty() && slots_.front()->index <= index) {
            std::shared_ptr<Slot> slot = slots_.front();
            slots_.pop_front();
            if (slot->index == index && slot->box == box) {
                found = slot;
            }
        }
        // Decoded on the threads too, not here: the threads already use
        // every core, and a decoding here would compete with them.
        if (!found) {
            found = start(index, box, true);
        }
        startAfter(index, box);
    }
    if (found) {
        done_.wait(lock, [&found] { return found->ready; });
        return std::move(found->photo);
    }
    lock.unlock();
    return base_.decodePart(path, box, crop);
}

PrintPrefetch::PrintPrefetch(PageControls& controls, const std::string& titlePhoto,
                             const PhotoCrop& titleCrop)
    : controls_(controls), former_(decodersOf(controls)),
      ahead_(former_[0] != nullptr ? *former_[0] : own_,
             printOrder(controls, titlePhoto, titleCrop)) {
    for (CVeltranoCtrl& page : controls_) {
        page.setImageDecoder(&ahead_);
    }
}

PrintPrefetch::~PrintPrefetch() {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        controls_[i].setImageDecoder(former_[i]);
    }
}

} // namespace veltrano
