#include "platform/pdf_printer_device.h"
#include "platform/system_printer_device.h"
#include "render/print_job.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace veltrano {
namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pageCount(const QByteArray& pdf) {
    return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") +
                            pdf.count("/Type /Page/") + pdf.count("/Type /Page "));
}

TEST(PdfPrinterDevice, WholePaperIsPrintableInEachSizeAndOrientation) {
    const struct {
        PaperSize paper;
        bool landscape;
        std::int32_t width, height;
    } cases[] = {
        // The paper in whole PDF points (595 × 842 for A4) at 600 dpi.
        {PaperSize::A4, false, 4958, 7017},
        {PaperSize::A4, true, 7017, 4958},
        {PaperSize::A3, false, 7017, 9925},    // 842 × 1191 points
        {PaperSize::Letter, true, 6600, 5100}, // 11 × 8.5 inches
    };
    for (const auto& c : cases) {
        PdfPrinterDevice device("unused.pdf", c.paper);
        ASSERT_TRUE(device.chooseWithDialog(c.landscape));
        const PrinterMetrics m = device.metrics();
        EXPECT_EQ(m.dpiX, 600);
        EXPECT_EQ(m.dpiY, 600);
        EXPECT_EQ(m.paperWidth, c.width);
        EXPECT_EQ(m.paperHeight, c.height);
        EXPECT_EQ(m.printableWidth, c.width);
        EXPECT_EQ(m.printableHeight, c.height);
        EXPECT_EQ(m.offsetX, 0);
        EXPECT_EQ(m.offsetY, 0);
    }
}

TEST(PdfPrinterDevice, WritesOnePdfPagePerStartedPage) {
    QTemporaryDir dir;
    const QString path = dir.filePath("kalender.pdf");
    PdfPrinterDevice device(path.toStdString());
    EXPECT_FALSE(device.offersPrinterChoice());
    {
        PrintJob job(device);
        ASSERT_TRUE(job.startJob("Kalender", false));
        for (int page = 0; page < 3; ++page) {
            ASSERT_TRUE(job.startPage());
            ASSERT_NE(job.surface(), nullptr);
            job.surface()->setBrush(Brush::solid(rgb(255, 200, 200)));
            job.surface()->drawRect(Rect{100, 100, 2000, 2000});
            job.surface()->drawText(Rect{0, 0, 4000, 400}, "Seite", TextCentre);
        }
        EXPECT_TRUE(job.endJob());
    }
    const QByteArray pdf = readAll(path);
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pageCount(pdf), 3);
}

TEST(PdfPrinterDevice, UnfinishedOrUnwritableOutputLeavesNoFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("abgebrochen.pdf");
    PdfPrinterDevice device(path.toStdString());
    {
        PrintJob job(device);
        ASSERT_TRUE(job.startJob("Kalender", false));
        ASSERT_TRUE(job.startPage());
    } // destroyed without endJob
    EXPECT_FALSE(QFile::exists(path));

    {
        PrintJob job(device);
        ASSERT_TRUE(job.startJob("Kalender", false));
        EXPECT_TRUE(job.endJob()); // no pages: nothing to keep
    }
    EXPECT_FALSE(QFile::exists(path));

    PdfPrinterDevice nowhere(dir.filePath("fehlt/kalender.pdf").toStdString());
    PrintJob job(nowhere);
    EXPECT_FALSE(job.startJob("Kalender", false));
}

TEST(SystemPrinterDevice, UnknownPrinterNumberIsRefused) {
    SystemPrinterDevice device;
    EXPECT_TRUE(device.offersPrinterChoice());
    EXPECT_FALSE(device.chooseNumbered(0, false));
    EXPECT_FALSE(device.chooseNumbered(100000, true));
    EXPECT_EQ(device.metrics(), PrinterMetrics{});
    EXPECT_FALSE(device.startDocument("Kalender"));
    EXPECT_FALSE(device.startPage());
}

} // namespace
} // namespace veltrano
