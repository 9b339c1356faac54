// Controls on a screen of two device pixels per unit. The scale factor is
// fixed when the application starts, so the test runs its scaled half in a
// child process of this test program started with QT_SCALE_FACTOR=2.
#include "widgets/qt/markup_controls.h"

#include "tests/widgets/qt/dialog_test_support.h"

#include <QApplication>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

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

// The scaled half: skipped unless started by the test below.
TEST(ScaledScreenChild, MarkupTextIsDrawnAtDevicePixels) {
    if (qEnvironmentVariableIsEmpty(kChildVariable)) {
        GTEST_SKIP() << "runs in the child process of ScaledScreen";
    }
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
    CNewHtmlWidget widget;
    widget.resize(240, 60);
    widget.setText(QStringLiteral("<b>Bildtitel</b> (Freier Text, wird unterhalb gedruckt.)"));
    widget.show();
    const QImage shown = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(480, 120));
    EXPECT_GT(detailedBlocks(shown), 50);
}

TEST(ScaledScreen, ControlsDrawAtTheScreensOwnResolution) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QString::fromLatin1(kChildVariable), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=ScaledScreenChild.*")});
    ASSERT_TRUE(child.waitForFinished(30000));
    const QString output = QString::fromLocal8Bit(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
    EXPECT_FALSE(output.contains(QStringLiteral("SKIPPED"))) << output.toStdString();
}

} // namespace
} // namespace veltrano
