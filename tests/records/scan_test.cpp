#include "core/clock.h"
#include "records/appointment.h"
#include "records/contact.h"
#include "tests/records/records_fixture.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <unistd.h>

namespace veltrano {
namespace {

using test::Bytes;
using test::VdtBuilder;

struct SeenContact {
    std::int32_t firstBlock;
    std::uint32_t id;
    std::uint32_t birthday;
    std::string name;
    friend bool operator==(const SeenContact&, const SeenContact&) = default;
};

std::ostream& operator<<(std::ostream& out, const SeenContact& c) {
    return out << "{block " << c.firstBlock << ", id " << c.id << ", " << std::hex << c.birthday
               << std::dec << ", '" << c.name << "'}";
}

std::vector<SeenContact> scanContacts(CAdress& contact) {
    std::vector<SeenContact> seen;
    while (contact.MoveNext())
        seen.push_back(
            {contact.firstBlock(), contact.recordId(), contact.birthday.pack(), contact.texts[2]});
    return seen;
}

std::vector<SeenContact> scanContacts() {
    CAdress contact;
    return scanContacts(contact);
}

const std::uint8_t kContact = 11;
const std::uint8_t kAppointment = 1;

class ScanTest : public test::SiblingFilesTest {
  protected:
    void SetUp() override {
        SiblingFilesTest::SetUp();
        setTodayProvider([] { return CivilDate{24, 12, 2024}; });
    }
    void TearDown() override {
        setTodayProvider({});
        EXPECT_FALSE(contactStore().IsOpen()) << "a finished scan leaves the store closed";
        SiblingFilesTest::TearDown();
    }
};

TEST_F(ScanTest, EmptyAndHeaderOnlyFilesHoldNoRecords) {
    test::writeFileBytes(contactsFile(), {});
    CAdress contact;
    EXPECT_FALSE(contact.MoveNext());
    EXPECT_FALSE(contact.scanning());

    VdtBuilder().writeTo(contactsFile());
    EXPECT_FALSE(contact.MoveNext());
    EXPECT_FALSE(contact.scanning());
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(ScanTest, AMissingFileIsReportedAndNotCreated) {
    CAdress contact;
    EXPECT_FALSE(contact.MoveNext());
    EXPECT_EQ(contact.scanError(), ENOENT);
    EXPECT_FALSE(std::filesystem::exists(contactsFile()));
    EXPECT_EQ(presenter.shown.size(), 1u);
}

TEST_F(ScanTest, AMissingFolderIsReportedAndEndsTheScan) {
    std::filesystem::remove_all(murelloFolder());
    EXPECT_TRUE(scanContacts().empty());
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, "Der folgende Fehler ist aufgetreten:\nDatei nicht "
                                       "gefunden\n" +
                                           contactsFile());
}

TEST_F(ScanTest, StepsOverFreeForeignAndShortBlocks) {
    VdtBuilder file;
    file.record(kContact, 1, test::contactPayload(test::packedDate(3, 5, 1970), "Anna")); // 1
    file.rawBlock(test::block(0, 0, 5, 0, 0)); // 2: free, count byte 5 skips 2..6
    file.record(kContact, 9, test::contactPayload(test::packedDate(1, 1, 1990), "hidden"));
    file.freeBlocks(3);                        // ..6
    file.rawBlock(test::block(0, 0, 1, 0, 0)); // 7: free, count 1
    file.rawBlock(test::block(0, 0, 0, 0, 0)); // 8: free, count 0
    file.record(kAppointment, 2, test::appointmentPayload(2, test::packedDate(1, 1, 2000), "x"));
    std::uint32_t bob =
        file.record(kContact, 3, test::contactPayload(test::packedDate(4, 6, 1980), "Bob"));
    file.rawBlock(test::block(1, 0, 0, kContact, 4)); // count byte 0: an all-zero record
    std::uint32_t last =
        file.record(kContact, 5, test::contactPayload(test::packedDate(5, 7, 1985), "Cleo"));
    file.writeTo(contactsFile());
    Bytes before = file.bytes();

    std::vector<SeenContact> expected = {
        {1, 1, test::packedDate(3, 5, 1970), "Anna"},
        {static_cast<std::int32_t>(bob), 3, test::packedDate(4, 6, 1980), "Bob"},
        {static_cast<std::int32_t>(bob + 1), 4, 0, ""},
        {static_cast<std::int32_t>(last), 5, test::packedDate(5, 7, 1985), "Cleo"},
    };
    EXPECT_EQ(scanContacts(), expected);
    // A well-formed file is never modified by a scan.
    EXPECT_EQ(test::readFileBytes(contactsFile()), before);
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(ScanTest, ReadsRecordsOfSeveralBlocksAndRestartsAfterTheEnd) {
    VdtBuilder file;
    std::vector<std::string> texts(17);
    texts[2] = std::string(600, 'n'); // three blocks
    texts[16] = "Ende";
    file.record(kContact, 10, test::contactPayload(test::packedDate(9, 9, 1999), texts, 17));
    file.record(kContact, 11, test::contactPayload(test::packedDate(1, 2, 2001), "Zweite"));
    file.writeTo(contactsFile());

    CAdress contact;
    ASSERT_TRUE(contact.MoveNext());
    EXPECT_EQ(contact.blockCount(), 3);
    EXPECT_EQ(contact.texts[2], std::string(600, 'n'));
    EXPECT_EQ(contact.texts[16], "Ende");
    EXPECT_EQ(contact.state(), 1);
    ASSERT_TRUE(contact.MoveNext());
    EXPECT_EQ(contact.firstBlock(), 4);
    EXPECT_FALSE(contact.MoveNext());
    EXPECT_FALSE(contact.scanning());
    // A new scan starts at block 1 again.
    ASSERT_TRUE(contact.MoveNext());
    EXPECT_EQ(contact.recordId(), 10u);
    contact.Reset(); // ends the scan early
    EXPECT_FALSE(contact.scanning());
}

TEST_F(ScanTest, AShortPayloadLeavesNoFieldOfThePreviousRecord) {
    VdtBuilder file;
    file.record(kContact, 1, test::contactPayload(test::packedDate(3, 5, 1970), "Anna"));
    // Only the created date and the number: birthday, flags and texts are missing.
    file.record(kContact, 2, test::PayloadBuilder().date(1, 1, 2010).i32(5).bytes());
    // A birthday that unpacking refuses keeps the reset value, not Anna's.
    file.record(kContact, 3, test::contactPayload(test::packedDate(1, 13, 1970), "Bad"));
    file.writeTo(contactsFile());

    std::vector<SeenContact> expected = {
        {1, 1, test::packedDate(3, 5, 1970), "Anna"},
        {2, 2, 0, ""},
        {3, 3, 0, "Bad"},
    };
    EXPECT_EQ(scanContacts(), expected);
}

TEST_F(ScanTest, ChainsRunningPastTheEndEndTheScan) {
    VdtBuilder file;
    file.record(kContact, 1, test::contactPayload(test::packedDate(3, 5, 1970), "Anna"));
    file.rawBlock(test::block(1, 0, 200, kContact, 2)); // claims 200 blocks
    file.record(kContact, 3, test::contactPayload(test::packedDate(3, 5, 1971), "never"));
    file.writeTo(contactsFile());
    ASSERT_EQ(scanContacts().size(), 1u);
    // A free block whose count runs past the end just ends the loop.
    VdtBuilder free;
    free.rawBlock(test::block(0, 0, 255, 0, 0));
    free.writeTo(contactsFile());
    EXPECT_TRUE(scanContacts().empty());
}

TEST_F(ScanTest, APartialLastBlockReadsAsItsBytesFollowedByZeros) {
    Bytes payload = test::contactPayload(test::packedDate(3, 5, 1970), "Anna");
    Bytes head = test::block(1, 0, 1, kContact, 7, payload);
    VdtBuilder file;
    file.tail(Bytes(head.begin(), head.begin() + 8 + 16)); // header, created, number, birthday
    file.writeTo(contactsFile());
    ASSERT_EQ(file.blockCount(), 2u);
    std::vector<SeenContact> expected = {{1, 7, test::packedDate(3, 5, 1970), ""}};
    EXPECT_EQ(scanContacts(), expected);
    EXPECT_EQ(test::readFileBytes(contactsFile()), file.bytes());
}

TEST_F(ScanTest, ZeroesOnlyDamagedBlocksThatNoChainContinues) {
    const std::uint32_t bigId = 200000000;
    VdtBuilder file;
    file.record(kContact, 1, test::contactPayload(test::packedDate(3, 5, 1970), "Anna")); // 1
    file.rawBlock(test::block(7, 2, 3, kContact, bigId, Bytes(248, 0xAB))); // 2: damaged
    file.rawBlock(test::block(7, 2, 3, kContact, bigId, Bytes(248, 0xCD))); // 3: damaged, but
    file.rawBlock(test::block(9, 3, 3, kContact, bigId, Bytes(248, 0xCD))); // 4 continues it
    file.rawBlock(test::block(7, 2, 3, 99, 5000, Bytes(248, 0xEF)));        // 5: ID plausible
    file.record(kContact, 2, test::contactPayload(test::packedDate(4, 5, 1970), "Bob")); // 6
    file.rawBlock(test::block(7, 2, 3, 99, bigId, Bytes(248, 0x12))); // 7: last block of the file
    file.writeTo(contactsFile());
    Bytes expected = file.bytes();
    std::fill(expected.begin() + 2 * 256, expected.begin() + 3 * 256, 0);

    std::vector<SeenContact> seen = scanContacts();
    EXPECT_EQ(test::readFileBytes(contactsFile()), expected);
    // Block 3 of the scanned type is read as a record as the format says (state
    // above 0); the chain 3..5 it claims covers the foreign block.
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen.front().name, "Anna");
    EXPECT_EQ(seen.back().name, "Bob");
    EXPECT_TRUE(presenter.shown.empty());
    // The zeroed block is now free; a second scan changes nothing more.
    scanContacts();
    EXPECT_EQ(test::readFileBytes(contactsFile()), expected);
}

// The store of contacts, which lets the owning product write block 1 as soon as
// the scan has loaded its window, before anything is repaired.
class RacingStore : public CAdresseBase {
  public:
    bool Open() override {
        if (++opens_ == 3 && ownerBlock.size() == 256) // 1: the scan, 2: its window
            test::writeFileBytes(GetFilePath(), patched());
        return CAdresseBase::Open();
    }
    test::Bytes ownerBlock;

  private:
    test::Bytes patched() const {
        test::Bytes bytes = test::readFileBytes(GetFilePath());
        std::copy(ownerBlock.begin(), ownerBlock.end(), bytes.begin() + 256);
        return bytes;
    }
    int opens_ = 0;
};

class RacingContact : public CAdress {
  public:
    explicit RacingContact(RacingStore& store) : store_(store) {}
    CVarBase& GetStore() const override { return store_; }

  private:
    RacingStore& store_;
};

TEST_F(ScanTest, ARecordWrittenIntoADamagedBlockMeanwhileIsKept) {
    VdtBuilder file;
    file.rawBlock(test::block(7, 2, 3, kContact, 200000000, Bytes(248, 0xAB))); // 1: damaged
    file.record(kContact, 2, test::contactPayload(test::packedDate(4, 5, 1970), "Bob")); // 2
    file.writeTo(contactsFile());
    const Bytes payload = test::contactPayload(test::packedDate(3, 5, 1970), "Neu");
    ASSERT_LE(payload.size(), 248u);
    RacingStore store;
    store.ownerBlock = test::block(1, 0, 1, kContact, 50, payload);

    RacingContact contact(store);
    std::vector<SeenContact> seen = scanContacts(contact);
    Bytes expected = file.bytes();
    std::copy(store.ownerBlock.begin(), store.ownerBlock.end(), expected.begin() + 256);
    EXPECT_EQ(test::readFileBytes(contactsFile()), expected);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].name, "Neu") << "the scan reads what the block now holds";
    EXPECT_FALSE(store.IsOpen());
}

TEST_F(ScanTest, AFileThatIsNoRecordFileIsNeverRepaired) {
    Bytes random(2 * 1024 * 1024);
    std::uint32_t seed = 12345;
    for (std::uint8_t& byte : random) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<std::uint8_t>(seed >> 16);
    }
    test::writeFileBytes(contactsFile(), random);
    CAdress contact;
    while (contact.MoveNext()) {
    }
    EXPECT_EQ(contact.scanError(), kNotARecordFile);
    EXPECT_EQ(test::readFileBytes(contactsFile()), random);
}

TEST_F(ScanTest, AReadOnlyFileIsScannedWithoutRepairAndTheUserIsToldOnce) {
    VdtBuilder file;
    file.rawBlock(test::block(7, 2, 3, kContact, 200000000, Bytes(248, 0xAB))); // 1: damaged
    file.record(kContact, 2, test::contactPayload(test::packedDate(4, 5, 1970), "Bob"));
    file.rawBlock(test::block(7, 2, 3, kContact, 200000000, Bytes(248, 0xCD))); // damaged
    file.record(kContact, 3, test::contactPayload(test::packedDate(5, 5, 1970), "Eva"));
    file.writeTo(contactsFile());
    std::filesystem::permissions(contactsFile(), std::filesystem::perms::owner_read);

    CAdress contact;
    std::vector<SeenContact> seen = scanContacts(contact);
    EXPECT_EQ(contact.scanError(), 0);
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen.back().name, "Eva");
    EXPECT_EQ(test::readFileBytes(contactsFile()), file.bytes());
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, "Die Datei kann nur gelesen werden. Beschädigte Blöcke "
                                       "darin werden nicht repariert:\n" +
                                           contactsFile());
}

TEST_F(ScanTest, ReloadsTheWindowForAChainAcrossTheBlock1024Boundary) {
    VdtBuilder file;
    std::vector<SeenContact> expected;
    std::uint32_t id = 1;
    while (file.blockCount() < 1020) {
        std::uint32_t first =
            file.record(kContact, id,
                        test::contactPayload(test::packedDate(1 + id % 28, 1 + id % 12, 1950),
                                             "c" + std::to_string(id)));
        expected.push_back({static_cast<std::int32_t>(first), id,
                            test::packedDate(1 + id % 28, 1 + id % 12, 1950),
                            "c" + std::to_string(id)});
        ++id;
    }
    std::vector<std::string> texts(17);
    texts[2] = std::string(2000, 'w'); // nine blocks from block 1020 on: crosses block 1024
    std::uint32_t wide =
        file.record(kContact, id, test::contactPayload(test::packedDate(2, 2, 1960), texts, 17));
    expected.push_back(
        {static_cast<std::int32_t>(wide), id, test::packedDate(2, 2, 1960), texts[2]});
    ++id;
    while (file.blockCount() < 2600) {
        std::uint32_t first =
            file.record(kContact, id, test::contactPayload(0, "n" + std::to_string(id)));
        expected.push_back({static_cast<std::int32_t>(first), id, 0, "n" + std::to_string(id)});
        ++id;
    }
    ASSERT_LT(wide, 1024u);
    ASSERT_GT(wide + 8, 1024u);
    file.writeTo(contactsFile());
    EXPECT_EQ(scanContacts(), expected);
}

TEST_F(ScanTest, AFileShrinkingDuringTheScanEndsItWithoutGrowingTheFile) {
    VdtBuilder file;
    for (std::uint32_t id = 1; file.blockCount() < 2000; ++id)
        file.record(kContact, id, test::contactPayload(test::packedDate(1, 1, 1970), "x"));
    file.writeTo(contactsFile());
    CAdress contact;
    ASSERT_TRUE(contact.MoveNext());
    ASSERT_EQ(::truncate(contactsFile().c_str(), 500 * 256), 0);
    int more = 0;
    while (contact.MoveNext())
        ++more;
    EXPECT_LT(more, 2000);
    EXPECT_EQ(std::filesystem::file_size(contactsFile()), 500u * 256);
}

TEST_F(ScanTest, AHugeSparseFileIsScannedToItsEnd) {
    VdtBuilder file;
    file.record(kContact, 1, test::contactPayload(test::packedDate(3, 5, 1970), "Anna"));
    file.writeTo(contactsFile());
    const off_t size = off_t{2} * 1024 * 1024 * 1024 + 100;
    if (::truncate(contactsFile().c_str(), size) != 0)
        GTEST_SKIP() << "no room for a sparse file here";
    EXPECT_EQ(scanContacts().size(), 1u);
    EXPECT_EQ(std::filesystem::file_size(contactsFile()), static_cast<std::uintmax_t>(size));
}

TEST_F(ScanTest, AppointmentsReadAllFieldsAndCapLongLists) {
    VdtBuilder file;
    std::vector<std::uint32_t> values(10005);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<std::uint32_t>(i + 1);
    file.record(kAppointment, 1,
                test::appointmentPayload(2, test::packedDate(3, 5, 1970), "Anna", 50000, values));
    file.record(kContact, 2,
                test::contactPayload(test::packedDate(3, 5, 1970), "not an appointment"));
    file.record(kAppointment, 3,
                test::appointmentPayload(1, test::packedDate(1, 1, 2020), "Neujahr"));
    file.writeTo(appointmentsFile());

    CTermin appointment;
    ASSERT_TRUE(appointment.MoveNext());
    EXPECT_EQ(appointment.kind, 2);
    EXPECT_EQ(appointment.text, "Anna");
    EXPECT_EQ(appointment.time4, (TimeOfDay{9, 30}));
    ASSERT_EQ(appointment.dates.count(), 10000);
    EXPECT_EQ(appointment.dates.at(9999), 10000u);
    ASSERT_TRUE(appointment.MoveNext());
    EXPECT_EQ(appointment.text, "Neujahr");
    EXPECT_EQ(appointment.dates.count(), 0) << "the list of the record before is not kept";
    EXPECT_FALSE(appointment.MoveNext());
    EXPECT_FALSE(appointmentStore().IsOpen());
}

TEST_F(ScanTest, OnlyTheFirst241BlocksOfALongRecordAreRead) {
    // A 20000-byte text and 10000 list values fill 243 blocks; the values beyond
    // 59768 payload bytes read as 0.
    std::vector<std::uint32_t> values(10000, 0x01010101);
    Bytes payload = test::appointmentPayload(2, test::packedDate(3, 5, 1970),
                                             std::string(20000, 't'), 10000, values);
    ASSERT_GT(payload.size(), 241u * 248);
    VdtBuilder file;
    file.record(kAppointment, 1, payload);
    std::uint32_t after = file.record(kAppointment, 2, test::appointmentPayload(2, 0, "danach"));
    ASSERT_EQ(after, 1u + 243u);
    file.writeTo(appointmentsFile());

    CTermin appointment;
    ASSERT_TRUE(appointment.MoveNext());
    EXPECT_EQ(appointment.text.size(), 20000u);
    ASSERT_EQ(appointment.dates.count(), 10000);
    std::size_t listStart = payload.size() - 4 * values.size();
    std::int32_t wholeInside = static_cast<std::int32_t>((241 * 248 - listStart) / 4);
    ASSERT_LT(wholeInside, 10000);
    EXPECT_EQ(appointment.dates.at(wholeInside - 1), 0x01010101u);
    EXPECT_EQ(appointment.dates.at(wholeInside + 1), 0u);
    EXPECT_EQ(appointment.dates.at(9999), 0u);
    ASSERT_TRUE(appointment.MoveNext());
    EXPECT_EQ(appointment.firstBlock(), static_cast<std::int32_t>(after));
    EXPECT_FALSE(appointment.MoveNext());
}

} // namespace
} // namespace veltrano
