#include "platform/qpainter_surface.h"
#include "render/month_grid.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace veltrano {
namespace {

// Fonts need a GUI application; the first test program environment that runs
// creates it unless another test already has one.
class GuiEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "test_platform";
            static char* argv[] = {name, nullptr};
            app_ = std::make_unique<QGuiApplication>(argc, argv);
        }
    }
    // Gone before the program's static objects are, which Qt needs.
    void TearDown() override { app_.reset(); }

  private:
    std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const guiEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

QImage whiteImage(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

Colour at(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return rgb(c.red(), c.green(), c.blue());
}

TEST(QPainterSurface, RectanglesOutlineInsideAndFillTheirInterior) {
    QImage image = whiteImage(40, 40);
    {
        QPainter painter(&image);
        QPainterSurface surface(painter);
        surface.setBrush(Brush::solid(rgb(190, 210, 255)));
        surface.drawRect(Rect{10, 10, 20, 20});
        surface.setPen(Pen::none());
        surface.setBrush(Brush::solid(rgb(255, 0, 0)));
        surface.drawRect(Rect{25, 25, 30, 30});
        surface.drawRect(Rect{35, 35, 30, 30}); // inverted: nothing
    }
    const Colour blue = rgb(190, 210, 255);
    const struct {
        int x, y;
        Colour expected;
    } pixels[] = {
        {10, 10, kBlack},         {19, 19, kBlack}, {19, 10, kBlack}, {20, 20, kWhite},
        {9, 9, kWhite},           {11, 11, blue},   {18, 18, blue},   {25, 25, rgb(255, 0, 0)},
        {29, 29, rgb(255, 0, 0)}, {30, 30, kWhite}, {32, 32, kWhite},
    };
    for (const auto& p : pixels) {
        EXPECT_EQ(at(image, p.x, p.y), p.expected) << p.x << "," << p.y;
    }
}

TEST(QPainterSurface, LinesLeaveOutTheirEndPoint) {
    QImage image = whiteImage(20, 20);
    {
        QPainter painter(&image);
        QPainterSurface surface(painter);
        surface.setPen(Pen::solid(rgb(0, 0, 255)));
        surface.drawLine(Point{2, 5}, Point{12, 5});
    }
    EXPECT_EQ(at(image, 2, 5), rgb(0, 0, 255));
    EXPECT_EQ(at(image, 11, 5), rgb(0, 0, 255));
    EXPECT_EQ(at(image, 12, 5), kWhite);
}

// Runs of pixels not of `background` along device row or column `at`, as
// (first pixel, length) pairs.
std::vector<std::pair<int, int>> inkRuns(const QImage& image, bool row, int at, QRgb background) {
    std::vector<std::pair<int, int>> runs;
    const int length = row ? image.width() : image.height();
    for (int i = 0; i < length; ++i) {
        const QRgb pixel = row ? image.pixel(i, at) : image.pixel(at, i);
        if ((pixel & 0xFFFFFFu) == (background & 0xFFFFFFu)) {
            continue;
        }
        if (!runs.empty() && runs.back().first + runs.back().second == i) {
            ++runs.back().second;
        } else {
            runs.emplace_back(i, 1);
        }
    }
    return runs;
}

// On screens of 1.5 and 2 device pixels per unit a one-unit frame or line is
// solid and equally thick on every side and wherever it lies: whole device
// pixels (2 at 1.5, where a unit covers one pixel and a half), never blurred,
// thinner on one side or doubled, and on the pixels of its unit, not half a
// unit off.
TEST(QPainterSurface, ThinFramesAndLinesKeepOneThicknessOnFinerScreens) {
    const struct {
        qreal ratio;
        int pixels; // device pixels of a one-unit line
    } rows[] = {{1.0, 1}, {1.5, 2}, {2.0, 2}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.ratio);
        const int size = static_cast<int>(40 * row.ratio);
        QImage image(size, size, QImage::Format_RGB32);
        image.setDevicePixelRatio(row.ratio);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            QPainterSurface surface(painter);
            // Edges at even and at odd units.
            surface.drawRect(Rect{3, 3, 12, 30});
            surface.drawRect(Rect{15, 4, 25, 31});
            surface.drawLine(Point{28, 5}, Point{38, 5});
            surface.drawLine(Point{29, 10}, Point{29, 30});
            surface.drawLine(Point{32, 10}, Point{32, 30});
        }
        const QRgb white = qRgb(255, 255, 255);
        const auto runs = [&](bool isRow, int unit) {
            return inkRuns(image, isRow, static_cast<int>(std::lround(unit * row.ratio)), white);
        };
        // Lines starting at a unit boundary (left and top edges, straight
        // lines), or ending at one (right and bottom edges).
        const auto edges = [&](std::initializer_list<int> starts) {
            std::vector<std::pair<int, int>> expected;
            for (int unit : starts) {
                const int boundary = static_cast<int>(std::lround(std::abs(unit) * row.ratio));
                expected.emplace_back(unit < 0 ? boundary - row.pixels : boundary, row.pixels);
            }
            return expected;
        };
        EXPECT_EQ(runs(true, 20), edges({3, -12, 15, -25, 29, 32}));
        EXPECT_EQ(runs(false, 8), edges({3, -30}));
        EXPECT_EQ(runs(false, 20), edges({4, -31}));
        EXPECT_EQ(runs(false, 35), edges({5}));
    }
}

TEST(QPainterSurface, FontsScaleWithPointsAndDpiAndArialIsSubstituted) {
    QImage image = whiteImage(10, 10);
    QPainter painter(&image);
    QPainterSurface surface(painter, 300, 300);
    surface.setFont(FontSpec{"Arial", 10, kWeightNormal});
    const Size small = surface.textExtent("000");
    surface.setFont(FontSpec{"Arial", 20, kWeightNormal});
    const Size large = surface.textExtent("000");
    EXPECT_EQ(painter.font().pixelSize(), 20 * 300 / 72);
    ASSERT_EQ(QFontInfo(painter.font()).family(), "Liberation Sans")
        << "fonts-liberation2 missing: run scripts/install-deps.sh";
    EXPECT_NEAR(large.height, 2 * small.height, 2);
    EXPECT_NEAR(large.width, 2 * small.width, 3);
    // Liberation Sans digits are 0.556 em wide, as those of the face it stands in for.
    EXPECT_NEAR(large.width, 3 * 0.556 * (20 * 300 / 72), 3);
    surface.setFont(FontSpec{"Small Fonts", 6, kWeightNormal});
    EXPECT_EQ(QFontInfo(painter.font()).family(), "DejaVu Sans")
        << "fonts-dejavu-core missing: run scripts/install-deps.sh";
}

TEST(QPainterSurface, TextIsDrawnInItsColourAndCutAtItsRectangle) {
    QImage image = whiteImage(200, 60);
    int height = 0;
    {
        QPainter painter(&image);
        QPainterSurface surface(painter, 96, 96);
        surface.setFont(FontSpec{"Arial", 30, kWeightBold});
        surface.setTextColour(rgb(255, 0, 0));
        height = surface.drawText(Rect{0, 0, 100, 20}, "MMMMMMMM", TextSingleLine);
    }
    EXPECT_GT(height, 30);
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool ink = c.red() > 200 && c.green() < 100;
            red += ink ? 1 : 0;
            if (ink) {
                ASSERT_LT(x, 100) << "text reaches beyond its rectangle";
                ASSERT_LT(y, 20) << "text reaches below its rectangle";
            }
        }
    }
    EXPECT_GT(red, 100);
}

TEST(QPainterSurface, PicturesStretchOverTheirDeclaredSize) {
    // Two pixels standing for a 200 x 100 photo decoded at a hundredth.
    QImage pixels(2, 1, QImage::Format_RGB32);
    pixels.setPixelColor(0, 0, QColor(0, 255, 0));
    pixels.setPixelColor(1, 0, QColor(0, 0, 255));
    const QImagePicture photo(pixels, 200, 100);
    QImage image = whiteImage(40, 20);
    {
        QPainter painter(&image);
        QPainterSurface surface(painter);
        surface.drawPicture(photo, Rect{0, 0, 20, 10});
        // The right half of the photo only, with its green left out.
        surface.drawPictureRegion(photo, Rect{20, 10, 40, 20}, Rect{0, 0, 200, 100},
                                  rgb(0, 255, 0));
    }
    EXPECT_EQ(at(image, 0, 0), rgb(0, 255, 0));
    EXPECT_EQ(at(image, 9, 9), rgb(0, 255, 0));
    EXPECT_EQ(at(image, 10, 0), rgb(0, 0, 255));
    EXPECT_EQ(at(image, 19, 9), rgb(0, 0, 255));
    EXPECT_EQ(at(image, 20, 10), kWhite);
    EXPECT_EQ(at(image, 39, 19), rgb(0, 0, 255));
}

TEST(QPainterSurface, SaveAndRestoreCoverStateAndClipping) {
    QImage image = whiteImage(20, 20);
    {
        QPainter painter(&image);
        QPainterSurface surface(painter);
        surface.save();
        surface.setTextColour(rgb(1, 2, 3));
        surface.intersectClip(Rect{0, 0, 5, 5});
        surface.excludeClip(Rect{0, 0, 2, 2});
        surface.fillRect(Rect{0, 0, 20, 20}, kBlack);
        surface.restore();
        EXPECT_EQ(surface.textColour(), kBlack);
        surface.fillRect(Rect{10, 10, 12, 12}, kBlack);
    }
    EXPECT_EQ(at(image, 1, 1), kWhite);
    EXPECT_EQ(at(image, 3, 3), kBlack);
    EXPECT_EQ(at(image, 6, 6), kWhite);
    EXPECT_EQ(at(image, 11, 11), kBlack);
}

TEST(QPainterSurface, MonthGridLandsOnTheImage) {
    QImage image = whiteImage(700, 800);
    MonthGridData data;
    ASSERT_TRUE(data.pageMonth.set(1, 9, 2024));
    data.dayColours[1] = 2;
    {
        QPainter painter(&image);
        QPainterSurface surface(painter, 96, 96);
        drawMonthGrid(surface, Rect{0, 0, 700, 800}, data, false);
    }
    // The frame of the 1st (a Sunday, column 6) and the red fill of the 2nd.
    EXPECT_EQ(at(image, 600, 250), kBlack);
    EXPECT_EQ(at(image, 650, 200), kBlack);
    EXPECT_EQ(at(image, 50, 390), rgb(255, 200, 200));
}

} // namespace
} // namespace veltrano
