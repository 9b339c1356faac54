#include "records/appointment.h"
#include "records/contact.h"
#include "tests/records/records_fixture.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

const RegistryKey kMurello{"Kolbrand", "Murello2", "Murello2"};
const RegistryKey kTessaplan{"Kolbrand", "Tessaplan2", "Tessaplan2"};

class SiblingFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        forgetSiblingFolders();
        setSiblingRegistry(&registry);
    }
    void TearDown() override {
        setSiblingRegistry(nullptr);
        forgetSiblingFolders();
    }
    MemoryRegistry registry;
};

TEST_F(SiblingFolderTest, AnAbsentKeyIsNotFoundUntilTheProductWasSeen) {
    EXPECT_FALSE(GetSiblingFolder(SiblingProduct::AddressBook).found);
    registry.writeString(kMurello, "Path", "/opt/murello");
    SiblingFolder found = GetSiblingFolder(SiblingProduct::AddressBook);
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.folder, "/opt/murello");
    EXPECT_FALSE(GetSiblingFolder(SiblingProduct::AppointmentBook).found);

    // The settings disappear later in the run: the remembered folder is answered.
    MemoryRegistry empty;
    setSiblingRegistry(&empty);
    found = GetSiblingFolder(SiblingProduct::AddressBook);
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.folder, "/opt/murello");

    // An empty value replaces the remembered folder and means "not installed".
    empty.writeString(kMurello, "Path", "");
    EXPECT_FALSE(GetSiblingFolder(SiblingProduct::AddressBook).found);
}

TEST_F(SiblingFolderTest, TheFolderTextIsCutAt2047Bytes) {
    registry.writeString(kTessaplan, "Path", std::string(3000, 'p'));
    EXPECT_EQ(GetSiblingFolder(SiblingProduct::AppointmentBook).folder, std::string(2047, 'p'));
}

TEST_F(SiblingFolderTest, FilePathsGetOneSeparatorBetweenFolderAndName) {
    struct Row {
        const char* folder;
        const char* contacts;
    };
    const Row rows[] = {
        {"/home/u/Murello", "/home/u/Murello/daten/kontakte.vdt"},
        {"/home/u/Murello/", "/home/u/Murello/daten/kontakte.vdt"},
        {"C:\\Murello\\", "C:\\Murello\\daten/kontakte.vdt"},
        {"", "/daten/kontakte.vdt"},
    };
    for (const Row& row : rows) {
        registry.writeString(kMurello, "Path", row.folder);
        EXPECT_EQ(contactStore().GetFilePath(), row.contacts) << row.folder;
    }
    registry.writeString(kTessaplan, "Path", "/srv/tp");
    EXPECT_EQ(appointmentStore().GetFilePath(), "/srv/tp/daten/termine.vdt");
}

} // namespace
} // namespace veltrano
