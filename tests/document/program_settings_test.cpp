#include "document/program_settings.h"

#include "document/program_folder.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

TEST(ProgramSettings, UnsetValuesReadAsTheirDefaults) {
    MemoryRegistry registry;
    EXPECT_EQ(readInstallationPath(registry), "");
    EXPECT_EQ(readLanguage(registry), 0);
    EXPECT_EQ(readDateFormat(registry), -1);
    ASSERT_TRUE(writeDateFormat(registry, 2));
    EXPECT_EQ(readDateFormat(registry), 2);
}

// The process's current directory and program folder, restored after the test.
class InstallationFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedDirectory_ = std::filesystem::current_path();
        savedFolder_ = programFolder();
    }
    void TearDown() override {
        std::filesystem::current_path(savedDirectory_);
        setProgramFolder(savedFolder_);
    }

    testing::TempFolder folder;
    MemoryRegistry registry;

  private:
    std::filesystem::path savedDirectory_;
    std::string savedFolder_;
};

TEST_F(InstallationFolderTest, PathBecomesProgramFolderAndCurrentDirectory) {
    registry.writeString(programRegistryKey(), "Path", folder.path());
    ASSERT_TRUE(useInstallationFolder(registry));
    EXPECT_EQ(programFolder(), folder.path() + "/");
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(folder.path()));
    EXPECT_EQ(dataFilePath("natur.cal"), folder.path() + "/daten/natur.cal");
}

TEST_F(InstallationFolderTest, EmptyOrMissingPathChangesNothing) {
    const std::string before = programFolder();
    const auto directory = std::filesystem::current_path();
    EXPECT_FALSE(useInstallationFolder(registry));
    registry.writeString(programRegistryKey(), "Path", "");
    EXPECT_FALSE(useInstallationFolder(registry));
    registry.writeString(programRegistryKey(), "Path", folder.file("entfernt"));
    EXPECT_FALSE(useInstallationFolder(registry));
    EXPECT_EQ(programFolder(), before);
    EXPECT_EQ(std::filesystem::current_path(), directory);
}

} // namespace
} // namespace veltrano
