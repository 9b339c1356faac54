#include "document/calendar_document.h"
#include "records/birthday_import.h"
#include "tests/records/records_fixture.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace veltrano {
namespace {

using test::packedDate;
using test::VdtBuilder;

const std::uint8_t kContact = 11;
const std::uint8_t kAppointment = 1;

std::string placedMessage(int n) {
    return "<strong>Geburtstage eingetragen</strong><br>Es wurden " + std::to_string(n) +
           " Geburtstag(e) im Kalender eingetragen.";
}

class BirthdayImportTest : public test::SiblingFilesTest {
  protected:
    void SetUp() override {
        SiblingFilesTest::SetUp();
        resetDocument(document);
        document.dayText[4][9] = "old text";
        document.dayColour[4][9] = 3;
        document.dayText[0][0] = "Neujahr";
        document.dayColour[0][0] = 2;
    }
    CalendarDocument document;
};

TEST_F(BirthdayImportTest, ContactsAreJoinedInFileOrderAndReplaceTheDay) {
    VdtBuilder file;
    file.record(kContact, 1, test::contactPayload(packedDate(3, 5, 1970), "Anna"));
    file.record(kContact, 2, test::contactPayload(0, "no birthday"));
    file.record(kContact, 3, test::contactPayload(packedDate(29, 2, 1980), "Leap"));
    file.record(kContact, 4, test::contactPayload(packedDate(3, 5, 1950), "J\xF6rg"));
    file.record(kContact, 5, test::contactPayload(packedDate(10, 5, 2001), "Replaces"));
    file.record(kAppointment, 6, test::appointmentPayload(2, packedDate(1, 1, 2000), "other file"));
    file.writeTo(contactsFile());

    CalendarDocument expected = document;
    expected.dayText[4][2] = "Anna\r\nJörg";
    expected.dayColour[4][2] = 1;
    expected.dayText[1][28] = "Leap";
    expected.dayColour[1][28] = 1;
    expected.dayText[4][9] = "Replaces";
    expected.dayColour[4][9] = 1;

    int placed = -1;
    ASSERT_EQ(ImportFromContacts(document, &placed), ImportOutcome::Imported);
    EXPECT_EQ(placed, 4);
    EXPECT_EQ(document, expected); // includes: modified untouched, other days kept
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0], (test::ShownMessage{placedMessage(4), 64}));
}

TEST_F(BirthdayImportTest, AppointmentsTakeOnlyKindTwoWithADate) {
    VdtBuilder file;
    file.record(kAppointment, 1, test::appointmentPayload(1, packedDate(1, 1, 2020), "kind 1"));
    file.record(kAppointment, 2, test::appointmentPayload(2, 0, "no date"));
    file.record(kAppointment, 3, test::appointmentPayload(2, packedDate(24, 12, 1990), "Eva"));
    file.record(kAppointment, 4, test::appointmentPayload(3, packedDate(24, 12, 1991), "kind 3"));
    file.record(kContact, 5, test::contactPayload(packedDate(24, 12, 1990), "contact"));
    file.writeTo(appointmentsFile());

    CalendarDocument expected = document;
    expected.dayText[11][23] = "Eva";
    expected.dayColour[11][23] = 1;
    ASSERT_EQ(ImportFromAppointments(document), ImportOutcome::Imported);
    EXPECT_EQ(document, expected);
    EXPECT_EQ(presenter.shown, (std::vector<test::ShownMessage>{{placedMessage(1), 64}}));
}

TEST_F(BirthdayImportTest, EmptyTextsAreCountedButWriteNothingOnTheirOwn) {
    VdtBuilder file;
    file.record(kContact, 1,
                test::contactPayload(packedDate(10, 5, 1970), "")); // day with old text
    file.record(kContact, 2, test::contactPayload(packedDate(1, 6, 1970), ""));
    file.record(kContact, 3, test::contactPayload(packedDate(1, 6, 1971), "Bob"));
    file.record(kContact, 4, test::contactPayload(packedDate(2, 6, 1971), "Bob"));
    file.record(kContact, 5, test::contactPayload(packedDate(2, 6, 1972), ""));
    file.writeTo(contactsFile());

    CalendarDocument expected = document;
    expected.dayText[5][0] = "Bob";
    expected.dayColour[5][0] = 1;
    expected.dayText[5][1] = "Bob\r\n";
    expected.dayColour[5][1] = 1;
    int placed = 0;
    ASSERT_EQ(ImportFromContacts(document, &placed), ImportOutcome::Imported);
    EXPECT_EQ(placed, 5);
    EXPECT_EQ(document, expected);
}

TEST_F(BirthdayImportTest, AProductThatIsNotInstalledChangesNothing) {
    struct Row {
        const char* product;
        ImportOutcome (*run)(CalendarDocument&, int*);
        const char* message;
    };
    const Row rows[] = {
        {"Murello2", ImportFromContacts,
         "<strong>Murello nicht gefunden</strong><br>Der Kolbrand Murello wurde nicht auf Ihrem "
         "System gefunden. Die Geburtstage können nicht übernommen werden."},
        {"Tessaplan2", ImportFromAppointments,
         "<strong>Tessaplan nicht gefunden</strong><br>Der Kolbrand Tessaplan wurde nicht auf "
         "Ihrem System gefunden. Die Geburtstage können nicht übernommen werden."},
    };
    for (const Row& row : rows) {
        forgetSiblingFolders();
        registerFolder(row.product, "");
        presenter.shown.clear();
        CalendarDocument before = document;
        EXPECT_EQ(row.run(document, nullptr), ImportOutcome::ProductNotFound) << row.product;
        EXPECT_EQ(document, before);
        EXPECT_EQ(presenter.shown, (std::vector<test::ShownMessage>{{row.message, 0}}));
    }
}

const char* const kMurelloNotFound =
    "<strong>Murello nicht gefunden</strong><br>Der Kolbrand Murello wurde nicht auf Ihrem "
    "System gefunden. Die Geburtstage können nicht übernommen werden.";

// A missing record file, or a missing folder for it, is a product not found;
// nothing is created in the product's folder.
TEST_F(BirthdayImportTest, AMissingRecordFileCountsAsAMissingProduct) {
    for (const std::string& folder :
         {murelloFolder(), (temp.path() / "gone").string(), (temp.path() / "nodaten").string()}) {
        std::filesystem::create_directories(temp.path() / "nodaten");
        registerFolder("Murello2", folder);
        presenter.shown.clear();
        CalendarDocument before = document;
        EXPECT_EQ(ImportFromContacts(document), ImportOutcome::ProductNotFound) << folder;
        EXPECT_EQ(document, before);
        EXPECT_EQ(presenter.shown, (std::vector<test::ShownMessage>{{kMurelloNotFound, 0}}));
        EXPECT_FALSE(std::filesystem::exists(folder + "/daten/kontakte.vdt")) << folder;
    }
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "gone"));
}

std::string failedMessage(const std::string& cause, const std::string& path) {
    return "<strong>Geburtstage nicht importiert</strong><br>Die Datei konnte nicht gelesen "
           "werden, der Kalender bleibt unverändert.<br>" +
           cause + "<br>" + path;
}

// A scan that ends on an error places nothing, says why and fails; the
// birthdays read before the error are not placed either.
TEST_F(BirthdayImportTest, AScanEndingOnAnErrorFailsAndChangesNothing) {
    const std::string path = contactsFile();
    struct Row {
        const char* what;
        std::function<void()> prepare;
        std::string cause;
    };
    const Row rows[] = {
        {"a folder named like the file", [&] { std::filesystem::create_directory(path); },
         "Ungültiger Dateiname"},
        {"a symbolic link loop", [&] { std::filesystem::create_symlink(path, path); },
         "Ungültiger Dateiname"},
        {"random bytes",
         [&] {
             test::Bytes random(64 * 1024);
             std::uint32_t seed = 99;
             for (std::uint8_t& byte : random) {
                 seed = seed * 1103515245u + 12345u;
                 byte = static_cast<std::uint8_t>(seed >> 16);
             }
             test::writeFileBytes(path, random);
         },
         "Die Datei hat nicht das Format einer Datendatei; sie wird weder gelesen noch "
         "verändert."},
    };
    for (const Row& row : rows) {
        std::filesystem::remove_all(path);
        row.prepare();
        presenter.shown.clear();
        CalendarDocument before = document;
        EXPECT_EQ(ImportFromContacts(document), ImportOutcome::Failed) << row.what;
        EXPECT_EQ(document, before) << row.what;
        ASSERT_FALSE(presenter.shown.empty()) << row.what;
        EXPECT_EQ(presenter.shown.back(),
                  (test::ShownMessage{failedMessage(row.cause, path),
                                      MessageStyle::IconExclamation | MessageStyle::Ok}))
            << row.what;
    }
}

// Another process holds a lock on one block past the first window: the scan
// stops there after its wait, and none of the birthdays read before is placed.
TEST_F(BirthdayImportTest, ALockHeldPastTheWaitFailsTheImport) {
    VdtBuilder many;
    for (std::uint32_t id = 1; many.blockCount() < 2001; ++id)
        many.record(kContact, id, test::contactPayload(packedDate(1 + id % 28, 6, 1970), "c"));
    many.writeTo(contactsFile());
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int fd = ::open(contactsFile().c_str(), O_RDWR);
        struct flock lock = {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        lock.l_start = 1500 * 256;
        lock.l_len = 256;
        char answer = (fd >= 0 && ::fcntl(fd, F_OFD_SETLK, &lock) == 0) ? 'y' : 'n';
        (void)!::write(ready[1], &answer, 1);
        ::alarm(30);
        ::pause();
        ::_exit(0);
    }
    char answer = 0;
    ASSERT_EQ(::read(ready[0], &answer, 1), 1);
    CalendarDocument before = document;
    ImportOutcome outcome = ImportFromContacts(document);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    ASSERT_EQ(answer, 'y');
    EXPECT_EQ(outcome, ImportOutcome::Failed);
    EXPECT_EQ(document, before);
    EXPECT_EQ(presenter.shown,
              (std::vector<test::ShownMessage>{
                  {failedMessage("Ein Bereich der bereits gesperrt ist, sollte noch einmal "
                                 "gesperrt werden",
                                 contactsFile()),
                   MessageStyle::IconExclamation | MessageStyle::Ok}}));
}

TEST_F(BirthdayImportTest, AFileThatCanOnlyBeReadIsImported) {
    VdtBuilder file;
    file.record(kContact, 1, test::contactPayload(packedDate(3, 5, 1970), "Anna"));
    file.writeTo(contactsFile());
    std::filesystem::permissions(contactsFile(), std::filesystem::perms::owner_read);
    int placed = 0;
    EXPECT_EQ(ImportFromContacts(document, &placed), ImportOutcome::Imported);
    EXPECT_EQ(placed, 1);
    EXPECT_EQ(document.dayText[4][2], "Anna");
}

TEST(BirthdayCollection, PassesOverDatesOutsideTheSlots) {
    BirthdayCollection collection;
    EXPECT_FALSE(collection.add(0, 5, "a"));
    EXPECT_FALSE(collection.add(13, 5, "a"));
    EXPECT_FALSE(collection.add(5, 32, "a"));
    EXPECT_TRUE(collection.add(2, 31, "a")); // 31 February keeps its slot
    EXPECT_EQ(collection.count(), 1);
    EXPECT_EQ(collection.text(1, 30), "a");
}

} // namespace
} // namespace veltrano
