// The thumbnails' focus frame on screens of 1, 1.5 and 2 device pixels per
// unit: equally thick on all four sides and flush with the button's edges,
// also where the button starts in the middle of a device pixel.
#include "app/thumbnail_keys.h"
#include "platform/qpainter_surface.h"
#include "tests/app/app_fixture.h"
#include "tests/app/real_input.h"

#include <QImage>
#include <QPainter>
#include <QPushButton>

#include <vector>

namespace veltrano {
namespace {

[[maybe_unused]] ::testing::Environment* const appEnvironment =
    ::testing::AddGlobalTestEnvironment(new testing::AppEnvironment);

// (first pixel, length) of each run of `colour` along one row or column.
std::vector<std::pair<int, int>> runsOf(const QImage& image, bool row, int at, QRgb colour) {
    std::vector<std::pair<int, int>> runs;
    const int length = row ? image.width() : image.height();
    for (int i = 0; i < length; ++i) {
        if ((row ? image.pixel(i, at) : image.pixel(at, i)) != colour)
            continue;
        if (runs.empty() || runs.back().first + runs.back().second != i)
            runs.emplace_back(i, 0);
        ++runs.back().second;
    }
    return runs;
}

TEST(ThumbnailFocus, FrameIsEquallyThickOnEverySideAtEachScale) {
    QWidget window;
    auto* button = new QPushButton(&window);
    button->setGeometry(5, 5, 40, 30);
    testing::showActive(&window);
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    const QRgb highlight = button->palette().color(QPalette::Highlight).rgb();
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        QImage image((QSizeF(button->size() + QSize(10, 10)) * ratio).toSize(),
                     QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.translate(5, 5); // an odd place, as in a window
            QPainterSurface surface(painter);
            paintThumbnailFocus(surface, *button);
        }
        const auto across = runsOf(image, true, image.height() / 2, highlight);
        const auto down = runsOf(image, false, image.width() / 2, highlight);
        ASSERT_EQ(across.size(), 2u);
        ASSERT_EQ(down.size(), 2u);
        const int thickness = across[0].second;
        EXPECT_GE(thickness, static_cast<int>(3 * ratio));
        EXPECT_LE(thickness, static_cast<int>(3 * ratio) + 1);
        EXPECT_EQ(across[1].second, thickness);
        EXPECT_EQ(down[0].second, thickness);
        EXPECT_EQ(down[1].second, thickness);
        // Flush with the button's edges: its width and height in device pixels, give or take
        // the one pixel an edge in mid-pixel rounds to.
        EXPECT_EQ(across[0].first, down[0].first);
        EXPECT_NEAR(across[1].first + thickness - across[0].first, 40 * ratio, 1);
        EXPECT_NEAR(down[1].first + thickness - down[0].first, 30 * ratio, 1);
    }
}

} // namespace
} // namespace veltrano
