#include "document/calendar_document.h"
#include "records/birthday_import.h"
#include "tests/records/records_fixture.h"

#include <gtest/gtest.h>

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
    ASSERT_TRUE(ImportFromContacts(document, &placed));
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
    ASSERT_TRUE(ImportFromAppointments(document));
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
    ASSERT_TRUE(ImportFromContacts(document, &placed));
    EXPECT_EQ(placed, 5);
    EXPECT_EQ(document, expected);
}

TEST_F(BirthdayImportTest, AProductThatIsNotInstalledChangesNothing) {
    struct Row {
        const char* product;
        bool (*run)(CalendarDocument&, int*);
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
        EXPECT_FALSE(row.run(document, nullptr)) << row.product;
        EXPECT_EQ(document, before);
        EXPECT_EQ(presenter.shown, (std::vector<test::ShownMessage>{{row.message, 0}}));
    }
}

TEST_F(BirthdayImportTest, AFolderThatDoesNotExistGivesTheFileErrorThenZero) {
    registerFolder("Murello2", (temp.path() / "gone").string());
    CalendarDocument before = document;
    ASSERT_TRUE(ImportFromContacts(document));
    EXPECT_EQ(document, before);
    ASSERT_EQ(presenter.shown.size(), 2u);
    EXPECT_EQ(presenter.shown[0].style, MessageStyle::IconExclamation);
    EXPECT_EQ(presenter.shown[1], (test::ShownMessage{placedMessage(0), 64}));
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
