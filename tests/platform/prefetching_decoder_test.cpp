#include "platform/prefetching_decoder.h"

#include "render/recording_surface.h"

#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

namespace veltrano {
namespace {

// "3.jpg" decodes to a picture 3 pixels wide; every call is counted, a call
// for a part with its crop and whether it ran on the thread that made this.
class CountingDecoder : public ImageDecoder {
  public:
    DecodedImage decode(const std::string& path, Size box) const override {
        const std::lock_guard<std::mutex> lock(mutex_);
        calls.push_back(path);
        return DecodedImage{std::make_unique<BlankPicture>(std::stoi(path), 1), box};
    }
    DecodedImage decodePart(const std::string& path, Size box,
                            const PhotoCrop& crop) const override {
        if (!crop.isSet()) {
            return decode(path, box);
        }
        const std::lock_guard<std::mutex> lock(mutex_);
        parts.push_back({path, crop, QThread::currentThread() == maker});
        return DecodedImage{std::make_unique<BlankPicture>(std::stoi(path), 1), box};
    }
    struct Part {
        std::string path;
        PhotoCrop crop;
        bool onMaker;
    };
    mutable std::vector<std::string> calls;
    mutable std::vector<Part> parts;
    QThread* maker = QThread::currentThread();

  private:
    mutable std::mutex mutex_;
};

// Whatever was guessed ahead, each request gets its own photo; the photos
// ahead are decoded once, and never more than one more than there are threads.
TEST(PrefetchingDecoder, HandsOutTheAskedPhotoAndReadsAheadBoundedly) {
    const CountingDecoder base;
    const std::vector<PrintedPhoto> order{{"1.jpg"}, {""},      {"2.jpg"}, {"3.jpg"},
                                          {"4.jpg"}, {"5.jpg"}, {"6.jpg"}};
    const auto threads = static_cast<std::size_t>(std::max(1, QThread::idealThreadCount()));
    {
        const PrefetchingDecoder ahead(base, order);
        const Size box{300, 200};
        EXPECT_EQ(ahead.decode("1.jpg", box).picture->width(), 1);
        EXPECT_LE(base.calls.size(), 2 + threads);
        EXPECT_EQ(ahead.decode("2.jpg", box).picture->width(), 2);
        EXPECT_EQ(ahead.decode("4.jpg", box).picture->width(), 4);             // 3 passed over
        EXPECT_EQ(ahead.decode("5.jpg", Size{10, 10}).pixels, (Size{10, 10})); // not foreseen
        EXPECT_EQ(ahead.decode("6.jpg", box).picture->width(), 6);
        EXPECT_EQ(ahead.decode("9.jpg", box).picture->width(), 9); // not in the order
    }
    for (const char* path : {"1.jpg", "2.jpg", "4.jpg", "6.jpg"}) {
        EXPECT_EQ(std::count(base.calls.begin(), base.calls.end(), path), 1) << path;
    }
}

// The threads already use every core: a photo the page waits for is decoded
// there too, never on the asking thread beside them.
TEST(PrefetchingDecoder, DecodesForeseenPhotosOnlyOnItsThreads) {
    class ThreadNoting : public CountingDecoder {
      public:
        DecodedImage decode(const std::string& path, Size box) const override {
            if (QThread::currentThread() == asker) {
                onAsker = true;
            }
            return CountingDecoder::decode(path, box);
        }
        QThread* asker = QThread::currentThread();
        mutable std::atomic<bool> onAsker = false;
    };
    const ThreadNoting base;
    {
        const PrefetchingDecoder ahead(
            base, {{"1.jpg"}, {"2.jpg"}, {"3.jpg"}, {"4.jpg"}, {"5.jpg"}, {"6.jpg"}});
        EXPECT_EQ(ahead.decode("1.jpg", Size{30, 20}).picture->width(), 1);
        EXPECT_EQ(ahead.decode("2.jpg", Size{10, 10}).picture->width(), 2); // another box
    }
    EXPECT_FALSE(base.onAsker);
}

// A cropped page's photo is decoded ahead only in its part, once, on the
// threads; the same photo with another crop is another request.
TEST(PrefetchingDecoder, DecodesACroppedPhotoAheadInItsPartOnce) {
    const CountingDecoder base;
    const PhotoCrop left{0, 0, 5000, 10000};
    const PhotoCrop top{0, 0, 10000, 4000};
    const Size box{300, 200};
    {
        const PrefetchingDecoder ahead(base, {{"1.jpg"}, {"2.jpg", left}, {"3.jpg"}});
        EXPECT_EQ(ahead.decode("1.jpg", box).picture->width(), 1);
        EXPECT_EQ(ahead.decodePart("2.jpg", box, left).picture->width(), 2);
        EXPECT_EQ(ahead.decodePart("2.jpg", box, top).picture->width(), 2); // not in the order
        EXPECT_EQ(ahead.decodePart("3.jpg", box, PhotoCrop{}).picture->width(), 3);
    }
    EXPECT_EQ(std::count(base.calls.begin(), base.calls.end(), "2.jpg"), 0);
    ASSERT_EQ(base.parts.size(), 2u);
    EXPECT_EQ(base.parts[0].path, "2.jpg");
    EXPECT_EQ(base.parts[0].crop, left);
    EXPECT_FALSE(base.parts[0].onMaker);
    EXPECT_EQ(base.parts[1].crop, top);
}

} // namespace
} // namespace veltrano
