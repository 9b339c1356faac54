// Controls on a screen of two device pixels per unit. The scale factor is
// fixed when the application starts, so the test runs its scaled half in a
// child process of this test program started with QT_SCALE_FACTOR=2.
#include "widgets/qt/markup_controls.h"

#include "tests/widgets/qt/dialog_test_support.h"
#include "widgets/qt/owner_paint.h"

#include <QApplication>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veltrano {
namespace {

[[maybe_unused]] ::testing::Environment* const widgetEnvironment =
    ::testing::AddGlobalTestEnvironment(new dialog_test::WidgetEnvironment);

constexpr char kChildVariable[] = "VELTRANO_SCALED_CHILD";

// Aligned 2 × 2 blocks of device pixels whose pixels are not all alike: none
// when a drawing made at one pixel per unit was merely enlarged.
int detailedBlocks(const QImage& image) {
    int count = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            count += (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                      image.pixel(x + 1, y + 1) != p)
                         ? 1
                         : 0;
        }
    }
    return count;
}

// A control drawing a one-unit frame around itself.
class FramedControl : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        paintThroughSurface(this, [&](DrawingSurface& surface) {
            surface.setBrush(Brush::solid(kWhite));
            surface.drawRect(clientRect(this));
        });
    }
};

// Lengths of the runs of black pixels along one row or column.
std::vector<int> blackRuns(const QImage& image, bool row, int at) {
    std::vector<int> runs;
    bool inside = false;
    const int length = row ? image.width() : image.height();
    for (int i = 0; i < length; ++i) {
        const bool black = qGray(row ? image.pixel(i, at) : image.pixel(at, i)) < 60;
        if (black && !inside) {
            runs.push_back(0);
        }
        if (black) {
            ++runs.back();
        }
        inside = black;
    }
    return runs;
}

// The scaled half, at the scale factor the test below starts it with; skipped
// unless started so.
TEST(ScaledScreenChild, FramesOfControlsAtOddPositionsStayEven) {
    if (qEnvironmentVariableIsEmpty(kChildVariable)) {
        GTEST_SKIP() << "runs in the child process of ScaledScreen";
    }
    QWidget window;
    window.resize(60, 60);
    window.setStyleSheet(QStringLiteral("background: white"));
    auto* control = new FramedControl(&window);
    control->setGeometry(9, 7, 31, 33); // a unit starts mid-pixel at 1.5
    window.show();
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int middle = static_cast<int>(24 * qApp->devicePixelRatio());
    const std::vector<int> two = {2, 2};
    EXPECT_EQ(blackRuns(shown, true, middle), two);
    EXPECT_EQ(blackRuns(shown, false, middle), two);
}

TEST(ScaledScreenChild, MarkupTextIsDrawnAtDevicePixels) {
    if (qEnvironmentVariableIsEmpty(kChildVariable) || qApp->devicePixelRatio() != 2.0) {
        GTEST_SKIP() << "runs in the child process of ScaledScreen at scale 2";
    }
    CNewHtmlWidget widget;
    widget.resize(240, 60);
    widget.setText(QStringLiteral("<b>Bildtitel</b> (Freier Text, wird unterhalb gedruckt.)"));
    widget.show();
    const QImage shown = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(480, 120));
    EXPECT_GT(detailedBlocks(shown), 50);
}

TEST(ScaledScreen, ControlsDrawAtTheScreensOwnResolution) {
    const struct {
        const char* factor;
        int passed;
    } rows[] = {{"1.5", 1}, {"2", 2}};
    for (const auto& row : rows) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(row.factor));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QString::fromLatin1(kChildVariable), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=ScaledScreenChild.*")});
        ASSERT_TRUE(child.waitForFinished(30000));
        const std::string output = QString::fromLocal8Bit(child.readAll()).toStdString();
        EXPECT_EQ(child.exitCode(), 0) << output;
        EXPECT_NE(output.find("[  PASSED  ] " + std::to_string(row.passed) + " test"),
                  std::string::npos)
            << output;
    }
}

} // namespace
} // namespace veltrano
