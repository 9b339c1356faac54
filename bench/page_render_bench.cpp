// Page drawing with large photos: thirteen 24-megapixel JPEG photos, the
// time until the twelve thumbnails of the main window are painted and the
// memory that takes, then the time and file size of the PDF export.
//
// Usage: bench_page_render_bench [FOLDER]   (photos are written there; a
// temporary folder by default)

#if __has_include(<QGuiApplication>)

#include "document/cal_reader.h"
#include "platform/pdf_printer_device.h"
#include "platform/qpainter_surface.h"
#include "platform/qt_image_decoder.h"
#include "render/print_layouts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
using namespace veltrano;

constexpr int kPhotoWidth = 6000;
constexpr int kPhotoHeight = 4000; // 24 megapixels
constexpr int kPhotoCount = 13;

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

// A landscape-like picture with fine noise, so that the JPEG file has the size
// and the decoding cost of a real photo.
void writePhotos(const QString& folder) {
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
        photo.save(QDir(folder).filePath(QString("foto%1.jpg").arg(i)), "JPG", 90);
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

// The main window's first paint after a calendar was opened: the controls
// are filled and every thumbnail decodes its photo.
void measureFirstPaint(PageControls& controls, const CalendarDocument& document) {
    resetPeakMemory();
    const long baseline = statusKilobytes("VmRSS");
    auto start = Clock::now();
    fillPageControls(controls, document, 2027);
    QImage window(1200, 700, QImage::Format_RGB32);
    window.fill(Qt::lightGray);
    auto paintAll = [&controls, &window] {
        QPainter painter(&window);
        QPainterSurface surface(painter, 96, 96);
        for (int i = 0; i < kPageControlCount; ++i) {
            const int left = 10 + (i % 6) * 198;
            const int top = 10 + (i / 6) * 345;
            controls[static_cast<std::size_t>(i)].drawPreviewPage(
                surface, Rect{left, top, left + 188, top + 335});
        }
    };
    paintAll();
    const double firstPaint = millisecondsSince(start);
    const long peak = statusKilobytes("VmHWM");
    std::printf("first paint of 12 thumbnails (1200 x 700): %.0f ms\n", firstPaint);
    std::printf("peak memory during it: %.1f MB (%.1f MB above the %.1f MB before)\n",
                peak / 1024.0, (peak - baseline) / 1024.0, baseline / 1024.0);
    start = Clock::now();
    paintAll();
    std::printf("repaint from the cached photos: %.1f ms\n", millisecondsSince(start));
}

// The title page and twelve month pages into a PDF file on A4.
bool measureExport(PageControls& controls, const CalendarDocument& document, const QString& pdf) {
    resetPeakMemory();
    const long baseline = statusKilobytes("VmRSS");
    const auto start = Clock::now();
    PdfPrinterDevice device(pdf.toStdString());
    if (!printCalendar(device, controls, document, PrintSelection{})) {
        std::fprintf(stderr, "export failed\n");
        return false;
    }
    const double exportTime = millisecondsSince(start);
    const long peak = statusKilobytes("VmHWM");
    std::printf("PDF export, title and 12 months on A4: %.0f ms, %.1f MB\n", exportTime,
                QFileInfo(pdf).size() / 1e6);
    std::printf("peak memory during the export: %.1f MB (%.1f MB above the %.1f MB before)\n",
                peak / 1024.0, (peak - baseline) / 1024.0, baseline / 1024.0);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    installFontSubstitutions();
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    QDir().mkpath(folder);
    QDir::setCurrent(folder);

    const auto start = Clock::now();
    writePhotos(folder);
    std::printf("photos: %d JPEG files of %d x %d written in %.0f ms, %.1f MB each\n", kPhotoCount,
                kPhotoWidth, kPhotoHeight, millisecondsSince(start),
                QFileInfo("foto0.jpg").size() / 1e6);

    CalendarDocument document;
    if (!readCalendarText(document, calendarText())) {
        std::fprintf(stderr, "calendar not readable\n");
        return 1;
    }
    QtImageDecoder decoder;
    PageControls controls;
    for (CVeltranoCtrl& page : controls) {
        page.setImageDecoder(&decoder);
    }
    measureFirstPaint(controls, document);
    return measureExport(controls, document, QDir(folder).filePath("kalender.pdf")) ? 0 : 1;
}

#else

#include <cstdio>

// The benchmark draws with Qt; a build without Qt has nothing to measure.
int main() {
    std::puts("page_render_bench: this build has no Qt drawing layer; nothing measured");
    return 0;
}

#endif
