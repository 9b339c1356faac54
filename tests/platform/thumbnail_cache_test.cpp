#include "platform/photo_worker_pool.h"
#include "platform/qpainter_surface.h"
#include "platform/thumbnail_cache.h"

#include "tests/support/temp_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include <sys/stat.h>
#include <utime.h>

namespace veltrano {
namespace {

using testing::TempFolder;

QColor centreOf(const DecodedImage& decoded) {
    const QImage& image = dynamic_cast<const QtPicture&>(*decoded.picture).pixels();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

void writePhoto(const std::string& path, QColor colour, std::time_t modified) {
    QImage image(600, 400, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(QString::fromStdString(path), "JPG", 95));
    const utimbuf times{modified, modified};
    ASSERT_EQ(::utime(path.c_str(), &times), 0);
}

void writeDamaged(const std::string& path, std::time_t modified) {
    testing::writeFile(path, "kein Foto");
    const utimbuf times{modified, modified};
    ASSERT_EQ(::utime(path.c_str(), &times), 0);
}

// Puts pixels of another colour into an entry, keeping its keys, so that a
// test sees whether a picture came from the cache or from the photo.
void paintEntry(const std::string& entry, QColor colour) {
    QImageReader reader(QString::fromStdString(entry));
    QImage image = reader.read();
    ASSERT_FALSE(image.isNull());
    const QStringList keys = image.textKeys();
    QImage painted(image.size(), QImage::Format_RGB32);
    painted.fill(colour);
    for (const QString& key : keys) {
        painted.setText(key, image.text(key));
    }
    ASSERT_TRUE(painted.save(QString::fromStdString(entry), "PNG"));
}

// The entry is owner-only and names the photo and its modification time.
void expectEntryOf(const std::string& entry, const std::string& photo, const char* mtime) {
    struct stat info {};
    ASSERT_EQ(::stat(entry.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    const QImage written(QString::fromStdString(entry));
    EXPECT_EQ(written.text("Thumb::URI").toStdString(), ThumbnailCache::uriOf(photo));
    EXPECT_EQ(written.text("Thumb::MTime"), mtime);
}

class ThumbnailCacheTest : public ::testing::Test {
  protected:
    TempFolder folder;
    std::string photo = folder.file("Urlaub am Meer.jpg");
    std::string root = folder.file("cache/thumbnails");
    ThumbnailCache cache{root};
    QtImageDecoder decoder;
};

// The freedesktop.org layout: normal/ for up to 128 pixels, large/ for 256
// ..., named by the MD5 of the URI, owner-only, with URI and time inside.
TEST_F(ThumbnailCacheTest, DecodingWritesAnEntryThatLaterPaintsAreServedFrom) {
    writePhoto(photo, Qt::red, 1700000000);
    const DecodedImage first = decodeThroughCache(decoder, cache, photo, Size{120, 90});
    ASSERT_TRUE(first);
    EXPECT_EQ(first.picture->width(), 600);
    EXPECT_EQ(first.pixels, (Size{120, 80}));
    const std::string entry = cache.entryPath(photo, 128);
    EXPECT_EQ(QFileInfo(QString::fromStdString(entry)).dir().dirName(), "normal");
    EXPECT_EQ(ThumbnailCache::uriOf(photo), "file://" + folder.path() + "/Urlaub%20am%20Meer.jpg");
    expectEntryOf(entry, photo, "1700000000");
    EXPECT_EQ(QImage(QString::fromStdString(entry)).size(), QSize(128, 86));
    EXPECT_TRUE(QDir(QString::fromStdString(root + "/normal")).entryList({"*.png.*"}).isEmpty());

    paintEntry(entry, Qt::blue);
    const DecodedImage cached = decodeThroughCache(decoder, cache, photo, Size{120, 90});
    ASSERT_TRUE(cached);
    EXPECT_EQ(centreOf(cached), QColor(Qt::blue));
    EXPECT_EQ(cached.picture->width(), 600);
    EXPECT_EQ(cached.pixels, (Size{120, 80}));
    // A larger box needs a larger entry: decoded afresh into large/.
    EXPECT_GT(centreOf(decodeThroughCache(decoder, cache, photo, Size{200, 200})).red(), 200);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(cache.entryPath(photo, 256))));
}

TEST_F(ThumbnailCacheTest, StaleEntryIsNeverUsed) {
    writePhoto(photo, Qt::red, 1700000000);
    ASSERT_TRUE(decodeThroughCache(decoder, cache, photo, Size{100, 100}));
    const std::string entry = cache.entryPath(photo, 128);
    paintEntry(entry, Qt::blue);
    writePhoto(photo, Qt::green, 1700000500); // the photo was edited since
    const DecodedImage decoded = decodeThroughCache(decoder, cache, photo, Size{100, 100});
    ASSERT_TRUE(decoded);
    EXPECT_GT(centreOf(decoded).green(), 200);
    EXPECT_EQ(QImage(QString::fromStdString(entry)).text("Thumb::MTime"), "1700000500");
}

TEST_F(ThumbnailCacheTest, UnwritableCacheFolderStillShowsThePhoto) {
    testing::writeFile(folder.file("datei"), "kein Ordner");
    const ThumbnailCache blocked(folder.file("datei/thumbnails"));
    writePhoto(photo, Qt::red, 1700000000);
    const DecodedImage decoded = decodeThroughCache(decoder, blocked, photo, Size{100, 100});
    ASSERT_TRUE(decoded);
    EXPECT_GT(centreOf(decoded).red(), 200);
    EXPECT_FALSE(decodeThroughCache(decoder, blocked, folder.file("fehlt.jpg"), Size{100, 100}));
    writeDamaged(photo, 1700000000);
    EXPECT_EQ(decodeThroughCache(decoder, blocked, photo, Size{100, 100}).problem,
              PhotoProblem::Unreadable);
}

// Replaces the photo on disk while the old bytes are being decoded.
class ReplacingDecoder : public QtImageDecoder {
  public:
    explicit ReplacingDecoder(std::string path) : path_(std::move(path)) {}
    DecodedImage decodeData(const QByteArray& data, Size box) const override {
        if (!replaced_) {
            replaced_ = true;
            writePhoto(path_, Qt::green, 1700000900);
        }
        return QtImageDecoder::decodeData(data, box);
    }

  private:
    std::string path_;
    mutable bool replaced_ = false;
};

TEST_F(ThumbnailCacheTest, PhotoReplacedWhileDecodingLeavesNoEntry) {
    writePhoto(photo, Qt::red, 1700000000);
    const ReplacingDecoder replacing(photo);
    ASSERT_TRUE(decodeThroughCache(replacing, cache, photo, Size{100, 100}));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(cache.entryPath(photo, 128))));
    const DecodedImage again = decodeThroughCache(replacing, cache, photo, Size{100, 100});
    ASSERT_TRUE(again);
    EXPECT_GT(centreOf(again).green(), 200);
}

// The entry is written only when the queued write runs, after the picture
// was handed over, and then only for the photo as it was read.
TEST_F(ThumbnailCacheTest, QueuedWriteRunsAfterThePictureAndChecksThePhotoAgain) {
    struct Case {
        const char* name;
        bool damaged;          // the photo gives no picture
        std::time_t changedTo; // the photo's time when the write runs; 0: unchanged
        bool entry;            // a thumbnail entry is written
        bool failEntry;        // a fail entry is written
    };
    const std::vector<Case> cases = {
        {"unchanged", false, 0, true, false},
        {"replaced before the write", false, 1700000900, false, false},
        {"damaged", true, 0, false, true},
        {"damaged, then replaced", true, 1700000900, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder own;
        const std::string path = own.file("foto.jpg");
        const ThumbnailCache fresh(own.file("thumbnails"));
        if (c.damaged) {
            writeDamaged(path, 1700000000);
        } else {
            writePhoto(path, Qt::red, 1700000000);
        }
        std::vector<std::function<void()>> queued;
        const DecodedImage shown = decodeThroughCache(
            decoder, fresh, path, Size{100, 100},
            [&queued](std::function<void()> write) { queued.push_back(std::move(write)); });
        EXPECT_EQ(bool(shown), !c.damaged);
        const QString entry = QString::fromStdString(fresh.entryPath(path, 128));
        const QString failEntry = QString::fromStdString(fresh.failPath(path));
        EXPECT_FALSE(QFileInfo::exists(entry));
        EXPECT_FALSE(QFileInfo::exists(failEntry));
        ASSERT_EQ(queued.size(), 1u);
        if (c.changedTo != 0) {
            writePhoto(path, Qt::green, c.changedTo);
        }
        queued.front()();
        EXPECT_EQ(QFileInfo::exists(entry), c.entry);
        EXPECT_EQ(QFileInfo::exists(failEntry), c.failEntry);
        if (c.entry) {
            expectEntryOf(entry.toStdString(), path, "1700000000");
        }
    }
}

class CountingDecoder : public QtImageDecoder {
  public:
    DecodedImage decodeData(const QByteArray& data, Size box) const override {
        ++calls;
        return QtImageDecoder::decodeData(data, box);
    }
    mutable int calls = 0;
};

// A photo that gives no picture is noted under fail/<program>-<version>/ and
// not decoded again while it keeps its time, yet it still shows as
// unreadable; once its time changes it is tried again.
TEST_F(ThumbnailCacheTest, FailEntrySparesDecodingUntilThePhotoChanges) {
    struct Case {
        const char* name;
        std::function<void(const std::string& photo, const std::string& failEntry)> change;
        int decodings;  // on the next paint
        bool shown;     // the next paint shows a picture
        bool failAfter; // a fail entry is left for the photo as it is now
    };
    const std::vector<Case> cases = {
        {"unchanged", [](const std::string&, const std::string&) {}, 0, false, true},
        {"replaced by a photo",
         [](const std::string& path, const std::string&) { writePhoto(path, Qt::red, 1700000500); },
         1, true, false},
        {"damaged anew",
         [](const std::string& path, const std::string&) { writeDamaged(path, 1700000500); }, 1,
         false, true},
        {"entry of another file",
         [](const std::string&, const std::string& entry) {
             QImage image(QString::fromStdString(entry));
             image.setText("Thumb::URI", "file:///anderes.jpg");
             ASSERT_TRUE(image.save(QString::fromStdString(entry), "PNG"));
         },
         1, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder own;
        const std::string path = own.file("kaputt.jpg");
        const ThumbnailCache fresh(own.file("thumbnails"));
        const CountingDecoder counting;
        writeDamaged(path, 1700000000);
        const DecodedImage first = decodeThroughCache(counting, fresh, path, Size{100, 100});
        EXPECT_FALSE(first);
        EXPECT_EQ(first.problem, PhotoProblem::Unreadable);
        const std::string entry = fresh.failPath(path);
        const QFileInfo info(QString::fromStdString(entry));
        EXPECT_EQ(info.dir().dirName().left(9), "veltrano-");
        EXPECT_EQ(info.dir().absolutePath(),
                  QString::fromStdString(own.file("thumbnails/fail/")) + info.dir().dirName());
        expectEntryOf(entry, path, "1700000000");

        c.change(path, entry);
        counting.calls = 0;
        const DecodedImage next = decodeThroughCache(counting, fresh, path, Size{100, 100});
        EXPECT_EQ(counting.calls, c.decodings);
        EXPECT_EQ(bool(next), c.shown);
        EXPECT_EQ(next.problem, c.shown ? PhotoProblem::None : PhotoProblem::Unreadable);
        EXPECT_EQ(fresh.knownToFail(path), c.failAfter);
    }
    // A missing photo is not noted: it has no time to check against.
    EXPECT_EQ(decodeThroughCache(decoder, cache, folder.file("fehlt.jpg"), Size{100, 100}).problem,
              PhotoProblem::NotFound);
    EXPECT_FALSE(
        QFileInfo::exists(QString::fromStdString(cache.failPath(folder.file("fehlt.jpg")))));
}

// A receiver that counts on which thread and with what it was answered.
struct Receiver : PhotoReceiver {
    virtual ~Receiver() = default;
    void photoArrived(std::uint64_t ticket, DecodedImage photo) override {
        tickets.push_back(ticket);
        onMainThread = QThread::currentThread() == QCoreApplication::instance()->thread();
        last = std::move(photo);
    }
    std::vector<std::uint64_t> tickets;
    bool onMainThread = false;
    DecodedImage last;
};

void waitUntilAnswered(const PhotoWorkerPool& pool) {
    QElapsedTimer timer;
    timer.start();
    while (pool.pendingCount() > 0 && timer.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

TEST_F(ThumbnailCacheTest, PoolAnswersTheLatestRequestOnTheAskingThread) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    writePhoto(photo, Qt::red, 1700000000);
    PhotoWorkerPool pool(root);
    Receiver replaced, cancelled, missing;
    pool.request(photo, Size{100, 100}, replaced);
    const std::uint64_t latest = pool.request(photo, Size{50, 50}, replaced);
    pool.request(photo, Size{100, 100}, cancelled);
    pool.cancel(cancelled);
    pool.request(folder.file("fehlt.jpg"), Size{100, 100}, missing);
    waitUntilAnswered(pool);
    ASSERT_EQ(replaced.tickets, std::vector<std::uint64_t>{latest});
    EXPECT_TRUE(replaced.onMainThread);
    EXPECT_EQ(replaced.last.pixels, (Size{50, 34}));
    EXPECT_TRUE(cancelled.tickets.empty());
    ASSERT_EQ(missing.tickets.size(), 1u);
    EXPECT_EQ(missing.last.problem, PhotoProblem::NotFound);
    // The entry follows the answers, on the pool's threads.
    pool.waitUntilIdle();
    expectEntryOf(cache.entryPath(photo, 128), photo, "1700000000");
}

} // namespace
} // namespace veltrano
