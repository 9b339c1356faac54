// Page drawing with large photos: thirteen 24-megapixel JPEG photos. Measures
// the main window's first paint of the twelve thumbnails (photos decoded on
// worker threads while the window's thread stays free), the same again from
// the warm thumbnail cache, and the PDF export of the whole calendar; and, in
// the same run, the least each step needs: decoding the same files to the
// same sizes with the same decoder on as many threads, and nothing else. The
// first paint and the export are each measured in turns with their limits,
// three rounds, and reported as medians (the first round's figures as
// first_paint_first_ms, first_paint_limit_first_ms, export_first_ms and
// export_limit_first_ms).
//
// Usage: bench_page_render_bench [--json] [FOLDER]
//   FOLDER keeps the photos between runs (a temporary folder by default); the
//   thumbnail cache lives in FOLDER/cache and is emptied at the start.
//   --json prints one JSON object with the figures on stdout.

#if __has_include(<QGuiApplication>)

#include "document/cal_reader.h"
#include "platform/pdf_printer_device.h"
#include "platform/photo_worker_pool.h"
#include "platform/prefetching_decoder.h"
#include "platform/qpainter_surface.h"
#include "platform/qt_image_decoder.h"
#include "render/print_layouts.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace veltrano;

constexpr int kPhotoWidth = 6000;
constexpr int kPhotoHeight = 4000; // 24 megapixels
constexpr int kPhotoCount = 13;
constexpr int kWindowWidth = 1200;
constexpr int kWindowHeight = 700;
constexpr int kExportRounds = 3;     // odd, for a true median
constexpr int kFirstPaintRounds = 3; // odd, for a true median

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A value of /proc/self/status in kilobytes ("VmHWM", "VmRSS").
long statusKilobytes(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(key) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(prefix, 0) == 0) {
            return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
        }
    }
    return -1;
}

// Starts measuring the peak resident memory afresh.
void resetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

QString photoName(int i) {
    return QString("foto%1.jpg").arg(i);
}

// A landscape-like picture with fine noise, so that the JPEG file has the size
// and the decoding cost of a real photo. Photos already in the folder are kept.
void writePhotos(const QString& folder) {
    if (QFileInfo::exists(QDir(folder).filePath(photoName(kPhotoCount - 1)))) {
        return;
    }
    QImage photo(kPhotoWidth, kPhotoHeight, QImage::Format_RGB32);
    std::minstd_rand noise(7);
    for (int y = 0; y < kPhotoHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        const int sky = y < kPhotoHeight / 2;
        for (int x = 0; x < kPhotoWidth; ++x) {
            const int n = static_cast<int>(noise() % 24);
            line[x] = sky ? qRgb(90 + n, 140 + n + y / 80, 220 - n)
                          : qRgb(60 + n + x / 200, 120 + n, 40 + n);
        }
    }
    for (int i = 0; i < kPhotoCount; ++i) {
        QPainter(&photo).fillRect(i * 400, kPhotoHeight / 3, 380, 600,
                                  QColor(200, 40 + i * 15, 40));
        photo.save(QDir(folder).filePath(photoName(i)), "JPG", 90);
    }
}

std::string calendarText() {
    std::string text = "Feiertage;1\nBundesland;1\nColors;1\nRand;25;30;25;20\nFontsize;12\n"
                       "TitelBild;foto12.jpg\nTitelText;Messung<br>mit grossen Fotos\n";
    for (int m = 0; m < 12; ++m) {
        text += "Bild;" + std::to_string(m) + ";foto" + std::to_string(m) + ".jpg\n";
        text += "Bildtext;" + std::to_string(m) + ";Foto " + std::to_string(m + 1) + "\n";
        text += "Text;" + std::to_string(m) + ";9;2;Termin<br>am Neunten\n";
    }
    return text;
}

Rect thumbnailRect(int i) {
    const int left = 10 + (i % 6) * 198;
    const int top = 10 + (i / 6) * 345;
    return Rect{left, top, left + 188, top + 335};
}

// What a person sees: the window as the thumbnails paint themselves, with
// the event loop free between paints.
struct FirstPaint {
    double untilAllShownMs = 0;
    double maxBlockMs = 0;
    double openingPaintMs = 0; // filling the pages and painting them without photos
    std::vector<Size> boxes;   // the size each photo was asked for
};

FirstPaint measureFirstPaint(PhotoWorkerPool& pool, const CalendarDocument& document) {
    auto controls = std::make_unique<PageControls>();
    QImage window(kWindowWidth, kWindowHeight, QImage::Format_RGB32);
    window.fill(Qt::lightGray);
    FirstPaint result;
    QEventLoop loop;
    const auto paint = [&](int i) {
        QPainter painter(&window);
        QPainterSurface surface(painter, 96, 96);
        (*controls)[static_cast<std::size_t>(i)].drawPreviewPage(surface, thumbnailRect(i));
    };
    const auto allShown = [&controls] {
        return std::all_of(controls->begin(), controls->end(),
                           [](const CVeltranoCtrl& page) { return page.photo() != nullptr; });
    };
    for (int i = 0; i < kPageControlCount; ++i) {
        CVeltranoCtrl& page = (*controls)[static_cast<std::size_t>(i)];
        page.setPhotoLoader(&pool);
        page.setPhotoChangedHandler([&, i] {
            paint(i);
            if (allShown()) {
                loop.quit();
            }
        });
    }
    // The event loop's lag: a timer that should fire every 2 ms.
    QTimer lag;
    lag.setTimerType(Qt::PreciseTimer);
    lag.setInterval(2);
    auto lastTick = Clock::now();
    QObject::connect(&lag, &QTimer::timeout, [&] {
        const auto now = Clock::now();
        result.maxBlockMs =
            std::max(result.maxBlockMs,
                     std::chrono::duration<double, std::milli>(now - lastTick).count() - 2);
        lastTick = now;
    });
    const auto start = Clock::now();
    QTimer::singleShot(0, [&] {
        const auto opened = Clock::now();
        fillPageControls(*controls, document, 2027);
        for (int i = 0; i < kPageControlCount; ++i) {
            paint(i);
        }
        result.openingPaintMs = millisecondsSince(opened);
    });
    lag.start();
    lastTick = Clock::now();
    loop.exec();
    result.untilAllShownMs = millisecondsSince(start);
    for (int i = 0; i < kPageControlCount; ++i) {
        result.boxes.push_back((*controls)[static_cast<std::size_t>(i)].photoPixels());
    }
    return result;
}

// Runs job(i) for i in 0..count-1 on as many threads as there are cores.
template <typename Job>
double onAllCores(int count, Job job) {
    QThreadPool threads;
    threads.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    const auto start = Clock::now();
    for (int i = 0; i < count; ++i) {
        threads.start([&job, i] { job(i); });
    }
    threads.waitForDone();
    return millisecondsSince(start);
}

// Records every decoding the export asks for, to measure the least it needs.
class RecordingDecoder : public ImageDecoder {
  public:
    explicit RecordingDecoder(const ImageDecoder& base) : base_(base) {}
    DecodedImage decode(const std::string& path, Size box) const override {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            calls.emplace_back(path, box);
        }
        return base_.decode(path, box);
    }
    mutable std::vector<std::pair<std::string, Size>> calls;

  private:
    const ImageDecoder& base_;
    mutable std::mutex mutex_;
};

struct Export {
    double ms = 0;
    double peakMb = 0;
    double pdfMb = 0;
    std::vector<std::pair<std::string, Size>> decodings;
};

bool measureExport(const CalendarDocument& document, const QString& pdf, Export& result) {
    const QtImageDecoder decoder;
    RecordingDecoder recording(decoder);
    auto controls = std::make_unique<PageControls>();
    for (CVeltranoCtrl& page : *controls) {
        page.setImageDecoder(&recording);
    }
    fillPageControls(*controls, document, 2027);
    resetPeakMemory();
    const auto start = Clock::now();
    bool printed = false;
    {
        PdfPrinterDevice device(pdf.toStdString());
        PrintPrefetch ahead(*controls, document.titlePhoto, document.photoCrop[kTitlePhotoPage]);
        printed = printCalendar(device, *controls, document, PrintSelection{});
    }
    result.ms = millisecondsSince(start);
    result.peakMb = statusKilobytes("VmHWM") / 1024.0;
    result.pdfMb = static_cast<double>(QFileInfo(pdf).size()) / 1e6;
    result.decodings = recording.calls;
    return printed;
}

// Decoding the export's photos at their print sizes and encoding each once,
// as the PDF writer does.
double exportLimit(const std::vector<std::pair<std::string, Size>>& decodings) {
    const QtImageDecoder decoder;
    return onAllCores(static_cast<int>(decodings.size()), [&](int i) {
        const auto& [path, box] = decodings[static_cast<std::size_t>(i)];
        const DecodedImage photo = decoder.decode(path, box);
        if (!photo) {
            return;
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(94);
        writer.write(dynamic_cast<const QtPicture&>(*photo.picture).pixels());
    });
}

// "928/701 ms, ..." for the rounds of the export and its limit.
std::string roundsText(const std::vector<double>& exportMs, const std::vector<double>& limitMs) {
    std::string text;
    for (std::size_t i = 0; i < exportMs.size(); ++i) {
        char round[64];
        std::snprintf(round, sizeof round, "%s%.0f/%.0f ms", i == 0 ? "" : ", ", exportMs[i],
                      limitMs[i]);
        text += round;
    }
    return text;
}

double firstPaintLimit(const std::vector<Size>& boxes) {
    const QtImageDecoder decoder;
    return onAllCores(kPageControlCount, [&](int i) {
        decoder.decode(photoName(i).toStdString(), boxes[static_cast<std::size_t>(i)]);
    });
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    bool json = false;
    QString folderArgument;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0) {
            json = true;
        } else {
            folderArgument = QString::fromLocal8Bit(argv[i]);
        }
    }
    QGuiApplication app(argc, argv);
    installFontSubstitutions();
    QTemporaryDir temporary;
    const QString folder =
        QFileInfo(folderArgument.isEmpty() ? temporary.path() : folderArgument).absoluteFilePath();
    QDir().mkpath(folder);
    QDir::setCurrent(folder);
    const QString cacheRoot = QDir(folder).filePath("cache/thumbnails");
    QDir(cacheRoot).removeRecursively();

    writePhotos(folder);
    CalendarDocument document;
    if (!readCalendarText(document, calendarText())) {
        std::fprintf(stderr, "calendar not readable\n");
        return 1;
    }
    // The window is on screen before a calendar opens: fonts are loaded and
    // glyphs cached by then, so that one-time cost is paid here.
    {
        QImage window(kWindowWidth, kWindowHeight, QImage::Format_RGB32);
        QPainter painter(&window);
        QPainterSurface surface(painter, 96, 96);
        CVeltranoCtrl empty;
        empty.drawPreviewPage(surface, thumbnailRect(0));
    }
    PhotoWorkerPool pool(cacheRoot.toStdString());
    // The first paint and its limit in turns, like the export below, each
    // figure the median of its rounds; every round starts with an empty
    // cache. The cache entries are written once the photos show: the limit
    // is measured after they are all written, not beside them.
    FirstPaint cold;
    std::vector<double> paintMs;
    std::vector<double> paintLimitMs;
    for (int round = 0; round < kFirstPaintRounds; ++round) {
        QDir(cacheRoot).removeRecursively();
        const FirstPaint one = measureFirstPaint(pool, document);
        pool.waitUntilIdle();
        paintMs.push_back(one.untilAllShownMs);
        paintLimitMs.push_back(firstPaintLimit(one.boxes));
        cold.maxBlockMs = std::max(cold.maxBlockMs, one.maxBlockMs);
        cold.openingPaintMs = std::max(cold.openingPaintMs, one.openingPaintMs);
    }
    cold.untilAllShownMs = median(paintMs);
    const double coldLimit = median(paintLimitMs);
    // Reopening finds the last round's entries, all of them on disk.
    const FirstPaint warm = measureFirstPaint(pool, document);
    // The export and its limit in turns, each figure the median of its
    // rounds: whichever runs first pays for growing the heap to photo size
    // (thousands of page faults the other then never sees), and the machine
    // may be busy with other work during any one of them.
    Export result;
    std::vector<double> exportMs;
    std::vector<double> limitMs;
    for (int round = 0; round < kExportRounds; ++round) {
        Export one;
        if (!measureExport(document, QDir(folder).filePath("kalender.pdf"), one)) {
            std::fprintf(stderr, "export failed\n");
            return 1;
        }
        exportMs.push_back(one.ms);
        limitMs.push_back(exportLimit(one.decodings));
        result.peakMb = std::max(result.peakMb, one.peakMb);
        result.pdfMb = one.pdfMb;
    }
    result.ms = median(exportMs);
    const double limit = median(limitMs);

    std::fprintf(stderr,
                 "%d photos of %d x %d, %d threads\n"
                 "first paint of 12 thumbnails (median of %d): %.0f ms (decoding alone %.0f ms; "
                 "each round: %s), "
                 "event loop blocked at most %.1f ms (the first paint without photos %.1f ms)\n"
                 "first paint from the thumbnail cache: %.0f ms (blocked at most %.1f ms)\n"
                 "PDF export, title and 12 months on A4 (median of %d): %.0f ms (decoding and "
                 "encoding alone %.0f ms; each round: %s), peak memory %.1f MB, %.1f MB\n",
                 kPhotoCount, kPhotoWidth, kPhotoHeight, QThread::idealThreadCount(),
                 kFirstPaintRounds, cold.untilAllShownMs, coldLimit,
                 roundsText(paintMs, paintLimitMs).c_str(), cold.maxBlockMs, cold.openingPaintMs,
                 warm.untilAllShownMs, warm.maxBlockMs, kExportRounds, result.ms, limit,
                 roundsText(exportMs, limitMs).c_str(), result.peakMb, result.pdfMb);
    if (json) {
        std::printf("{\"first_paint_ms\": %.1f, \"first_paint_limit_ms\": %.1f, "
                    "\"ui_max_block_ms\": %.1f, \"reopen_cached_ms\": %.1f, "
                    "\"export_ms\": %.1f, \"export_limit_ms\": %.1f, \"peak_rss_mb\": %.1f, "
                    "\"pdf_mb\": %.2f, \"threads\": %d, \"export_first_ms\": %.1f, "
                    "\"export_limit_first_ms\": %.1f, \"first_paint_first_ms\": %.1f, "
                    "\"first_paint_limit_first_ms\": %.1f}\n",
                    cold.untilAllShownMs, coldLimit, std::max(cold.maxBlockMs, warm.maxBlockMs),
                    warm.untilAllShownMs, result.ms, limit, result.peakMb, result.pdfMb,
                    QThread::idealThreadCount(), exportMs.front(), limitMs.front(), paintMs.front(),
                    paintLimitMs.front());
    }
    return 0;
}

#else

#include <cstdio>

// The benchmark draws with Qt; a build without Qt has nothing to measure.
int main() {
    std::puts("page_render_bench: this build has no Qt drawing layer; nothing measured");
    return 0;
}

#endif
