#include "render/print_job.h"

#include "print_fakes.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace veltrano {
namespace {

using testing::FakePrinter;
using Log = std::vector<std::string>;

// 300 dpi, A4 with strips of 50 left and right, 60 at top and bottom.
PrinterMetrics stripPrinter() {
    PrinterMetrics m;
    m.dpiX = m.dpiY = 300;
    m.paperWidth = 2480;
    m.paperHeight = 3508;
    m.offsetX = 50;
    m.offsetY = 60;
    m.printableWidth = 2380;
    m.printableHeight = 3388;
    return m;
}

TEST(MarginRect, MarginsFromThePaperEdgeLessTheUnprintableStrips) {
    const struct {
        std::int32_t left, top, right, bottom;
        Rect expected;
    } cases[] = {
        // 25 mm to the inch: 25 mm = 300 units, 30 mm = 360, 20 mm = 240.
        {25, 30, 25, 20, {250, 300, 2130, 3208}},
        {0, 0, 0, 0, {0, 0, 2380, 3388}},
        {2, 3, 4, 5, {0, 0, 2380, 3388}}, // inside the strips: as 0
        {-40, -1, INT32_MIN, -7, {0, 0, 2380, 3388}},
        {100, 0, 100, 0, {1150, 0, 1230, 3388}},
        {150, 0, 150, 0, {1750, 0, 1750, 3388}}, // no width left: empty, not inverted
        {1000, 2000, 0, 0, {2380, 3388, 2380, 3388}},
        {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, {2380, 3388, 2380, 3388}},
    };
    for (const auto& c : cases) {
        const Rect page = marginRect(stripPrinter(), c.left, c.top, c.right, c.bottom);
        EXPECT_EQ(page, c.expected) << c.left << ' ' << c.top << ' ' << c.right << ' ' << c.bottom;
        EXPECT_GE(page.width(), 0);
        EXPECT_GE(page.height(), 0);
    }
}

TEST(MmRect, MillimetresLessTheOffsetCutAtZero) {
    PrinterMetrics m = testing::a4Printer(20, 35); // 10 units a millimetre
    EXPECT_EQ(mmRect(m, 0, 0, 10, 10), (Rect{0, 0, 80, 65}));
    EXPECT_EQ(mmRect(m, 0, 0, 3, 3), (Rect{0, 0, 10, 0}));
    EXPECT_EQ(mmRect(m, 5, 5, 297, 210), (Rect{30, 15, 2950, 2065}));
    m.offsetX = 30; // at least 3 mm: the one-sheet spacing vanishes
    EXPECT_EQ(mmRect(m, 0, 0, 3, 3).width(), 0);
    m.dpiX = m.dpiY = 600; // 25.4 mm to the inch: 10 mm = 236 units
    m.offsetX = m.offsetY = 0;
    EXPECT_EQ(mmRect(m, 0, 0, 10, 10), (Rect{0, 0, 236, 236}));
    EXPECT_EQ(mmRect(m, 0, 0, INT32_MAX, -5), (Rect{0, 0, INT32_MAX, 0}));
}

TEST(PrintJob, RunsDocumentAndPagesInOrder) {
    FakePrinter printer(stripPrinter());
    {
        PrintJob job(printer);
        EXPECT_EQ(job.pageCounter(), -1);
        EXPECT_EQ(job.surface(), nullptr);
        ASSERT_TRUE(job.startJob("Kalender", false));
        EXPECT_EQ(job.documentName(), "Kalender");
        EXPECT_EQ(job.pageRect(), (Rect{0, 0, 2380, 3388}));
        EXPECT_EQ(job.pageCounter(), -1);
        ASSERT_TRUE(job.startPage());
        EXPECT_EQ(job.surface(), &printer.page);
        ASSERT_TRUE(job.startPage());
        EXPECT_EQ(job.pageCounter(), 1);
        EXPECT_TRUE(job.endJob());
        EXPECT_EQ(job.surface(), nullptr);
    }
    EXPECT_EQ(printer.log, (Log{"dialog portrait", "startDocument Kalender", "startPage", "endPage",
                                "startPage", "endPage", "endDocument", "release"}));
}

TEST(PrintJob, FailuresEndTheJobSilently) {
    const struct {
        const char* name;
        bool choose, startDocument, endDocument;
        int failingPage;
        bool started;
        bool ended;
        Log log;
    } cases[] = {
        {"cancelled", false, true, true, -1, false, false, {"dialog landscape"}},
        {"document refused",
         true,
         false,
         true,
         -1,
         false,
         false,
         {"dialog landscape", "startDocument Jahr", "release"}},
        {"first page fails",
         true,
         true,
         true,
         0,
         true,
         false,
         {"dialog landscape", "startDocument Jahr", "startPage", "release"}},
        {"second page fails",
         true,
         true,
         true,
         1,
         true,
         false,
         {"dialog landscape", "startDocument Jahr", "startPage", "endPage", "startPage",
          "release"}},
        {"end fails",
         true,
         true,
         false,
         -1,
         true,
         false,
         {"dialog landscape", "startDocument Jahr", "startPage", "endPage", "startPage", "endPage",
          "endDocument", "release"}},
    };
    for (const auto& c : cases) {
        FakePrinter printer(stripPrinter());
        printer.chooseAnswer = c.choose;
        printer.startDocumentAnswer = c.startDocument;
        printer.endDocumentAnswer = c.endDocument;
        printer.failingStartPage = c.failingPage;
        PrintJob job(printer);
        ASSERT_EQ(job.startJob("Jahr", true), c.started) << c.name;
        if (c.started) {
            bool ok = job.startPage() && job.startPage();
            EXPECT_EQ(ok, c.failingPage < 0) << c.name;
            EXPECT_EQ(job.endJob(), c.ended) << c.name;
        }
        EXPECT_EQ(job.surface(), nullptr) << c.name;
        EXPECT_EQ(printer.log, c.log) << c.name;
    }
}

TEST(PrintJob, DocumentWithoutPagesStartsAndEnds) {
    FakePrinter printer(stripPrinter());
    PrintJob job(printer);
    ASSERT_TRUE(job.startJob("Kalender", false));
    EXPECT_TRUE(job.endJob());
    EXPECT_EQ(printer.log,
              (Log{"dialog portrait", "startDocument Kalender", "endDocument", "release"}));
}

TEST(PrintJob, AbandonedJobGivesUpThePrinter) {
    FakePrinter printer(stripPrinter());
    {
        PrintJob job(printer);
        ASSERT_TRUE(job.startJob("Kalender", false));
        ASSERT_TRUE(job.startPage());
    }
    EXPECT_EQ(printer.log.back(), "release");
}

} // namespace
} // namespace veltrano
