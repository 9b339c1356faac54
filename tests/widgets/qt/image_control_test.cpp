#include "widgets/qt/image_control.h"

#include "platform/qpainter_surface.h"
#include "platform/qt_image_decoder.h"
#include "tests/widgets/qt/dialog_test_support.h"

#include <QImage>

#include <algorithm>
#include <cstdio>

namespace veltrano {
namespace {

[[maybe_unused]] ::testing::Environment* const widgetEnvironment =
    ::testing::AddGlobalTestEnvironment(new dialog_test::WidgetEnvironment);

// Decodes "files" named after their size ("800x400"); other names fail.
class FakeDecoder : public ImageDecoder {
  public:
    DecodedImage decode(const std::string& path, Size box) const override {
        lastBox = box;
        int w = 0;
        int h = 0;
        if (std::sscanf(path.c_str(), "%dx%d", &w, &h) != 2) {
            return {};
        }
        QImage pixels(std::max(w, 1), std::max(h, 1), QImage::Format_RGB32);
        pixels.fill(Qt::red);
        return DecodedImage{std::make_unique<QImagePicture>(pixels, w, h), Size{w, h}};
    }
    mutable Size lastBox;
};

// The red area of the rendered control, as x, y, width, height.
QRect redArea(const QImage& image) {
    QRect found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == QColor(Qt::red)) {
                found |= QRect(x, y, 1, 1);
            } else if (image.pixelColor(x, y) != QColor(Qt::white)) {
                return QRect(-1, -1, 0, 0); // neither photo nor background
            }
        }
    }
    return found;
}

TEST(CImageControl, ShrinksLargePhotosAndNeverEnlargesSmallOnes) {
    struct Case {
        const char* file;
        QSize box;
        QRect shown;
    };
    const Case cases[] = {
        {"800x400", {200, 200}, {0, 50, 200, 100}}, {"400x800", {200, 200}, {50, 0, 100, 200}},
        {"50x20", {200, 100}, {75, 40, 50, 20}},    {"300x100", {200, 200}, {0, 67, 200, 66}},
        {"200x200", {200, 200}, {0, 0, 200, 200}},
    };
    FakeDecoder decoder;
    for (const Case& c : cases) {
        CImageControl control(nullptr, &decoder);
        control.resize(c.box);
        ASSERT_TRUE(control.showFile(c.file)) << c.file;
        EXPECT_EQ(decoder.lastBox, (Size{c.box.width(), c.box.height()}));
        EXPECT_EQ(redArea(control.render()), c.shown) << c.file;
    }
}

TEST(CImageControl, FailedDecodingAndEmptyPhotosLeaveTheWhiteBackground) {
    FakeDecoder decoder;
    CImageControl control(nullptr, &decoder);
    control.resize(120, 80);
    ASSERT_TRUE(control.showFile("60x40"));
    EXPECT_FALSE(redArea(control.render()).isEmpty());
    EXPECT_FALSE(control.showFile("kein Bild.jpg"));
    EXPECT_FALSE(control.hasImage());
    EXPECT_TRUE(redArea(control.render()).isEmpty());

    EXPECT_TRUE(control.showFile("0x40"));
    EXPECT_TRUE(redArea(control.render()).isEmpty());

    ASSERT_TRUE(control.showFile("60x40"));
    control.clear();
    EXPECT_FALSE(control.hasImage());
    EXPECT_EQ(control.imageSize(), (Size{0, 0}));
    EXPECT_TRUE(redArea(control.render()).isEmpty());
    EXPECT_EQ(control.render().size(), QSize(120, 80));
}

// The sheet's preview of a photo that is missing or no photo: a grey frame
// (with the file name and the reason) instead of an empty white box.
TEST(CImageControl, UnshowablePhotoShowsAGreyFrame) {
    const QtImageDecoder decoder;
    CImageControl control(nullptr, &decoder);
    control.resize(160, 120);
    const struct {
        const char* path;
        PhotoProblem problem;
    } cases[] = {{"/nirgends/fehlt.jpg", PhotoProblem::NotFound},
                 {"/dev/zero", PhotoProblem::Unreadable}};
    for (const auto& c : cases) {
        EXPECT_FALSE(control.showFile(c.path));
        EXPECT_EQ(control.problem(), c.problem) << c.path;
        const QImage shown = control.render();
        EXPECT_EQ(shown.pixelColor(80, 2), QColor(240, 240, 240)) << c.path;
        EXPECT_EQ(shown.pixelColor(0, 60), QColor(160, 160, 160)) << c.path;
    }
    control.clear();
    EXPECT_EQ(control.render().pixelColor(80, 2), QColor(Qt::white));
}

} // namespace
} // namespace veltrano
