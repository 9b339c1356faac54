#include "platform/qsettings_registry.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace veltrano {
namespace {

// Points the user settings at a fresh folder, so tests never meet each other's
// values nor the user's.
class QSettingsRegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    }
    QString file(const QString& relative) const { return folder_.filePath(relative); }

    QSettingsRegistry registry;

  private:
    QTemporaryDir folder_;
};

TEST_F(QSettingsRegistryTest, ValuesLiveInTheVendorsProductFile) {
    const RegistryKey own = programRegistryKey();
    EXPECT_EQ(registry.readString(own, "Path"), std::nullopt);
    EXPECT_EQ(registry.readInt(own, "DateFormat", -1), -1);

    ASSERT_TRUE(registry.writeInt(own, "Language", 3));
    ASSERT_TRUE(registry.writeString(own, "Path", "/opt/Veltrano Grün/"));
    EXPECT_EQ(registry.readInt(own, "Language", 0), 3);
    EXPECT_EQ(registry.readString(own, "Path"), "/opt/Veltrano Grün/");

    QFile conf(file("Kolbrand/Veltrano.conf"));
    ASSERT_TRUE(conf.open(QIODevice::ReadOnly));
    const QByteArray text = conf.readAll();
    EXPECT_TRUE(text.startsWith("[Veltrano]\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("Language=3\n")) << text.toStdString();
}

TEST_F(QSettingsRegistryTest, ReadsWhatAnInstallerWroteForASiblingProduct) {
    ASSERT_TRUE(QDir(file("")).mkpath("Kolbrand"));
    QFile conf(file("Kolbrand/Murello2.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("[Murello2]\nPath=/opt/murello\n[Other]\nPath=/nicht\n");
    conf.close();

    const RegistryKey sibling{"Kolbrand", "Murello2", "Murello2"};
    EXPECT_EQ(registry.readString(sibling, "Path"), "/opt/murello");
    EXPECT_EQ(registry.readString(RegistryKey{"Kolbrand", "Tessaplan2", "Tessaplan2"}, "Path"),
              std::nullopt);
    EXPECT_EQ(registry.readString(programRegistryKey(), "Path"), std::nullopt);
}

TEST_F(QSettingsRegistryTest, WriteFailsWhenTheFolderCannotBeMade) {
    // A plain file where the vendor folder should be.
    QFile blocker(file("Kolbrand"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(registry.writeString(programRegistryKey(), "Path", "/x"));
}

} // namespace
} // namespace veltrano
