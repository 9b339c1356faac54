#include "records/birthday_import.h"

#include "core/message_presenter.h"
#include "core/strings.h"
#include "core/translation.h"
#include "document/calendar_document.h"
#include "records/appointment.h"
#include "records/contact.h"
#include "records/sibling_folder.h"
#include "records/var_base.h"

#include <cerrno>
#include <sys/stat.h>

namespace veltrano {

bool BirthdayCollection::add(int month, int day, const std::string& text) {
    int m = month - 1;
    int d = day - 1;
    if (m < 0 || m >= kMonthCount || d < 0 || d >= kDaySlotCount)
        return false;
    std::string& slot = texts_[static_cast<std::size_t>(m)][static_cast<std::size_t>(d)];
    if (!slot.empty())
        slot += "\r\n";
    slot += text;
    ++count_;
    return true;
}

void BirthdayCollection::applyTo(CalendarDocument& document) const {
    for (std::size_t m = 0; m < texts_.size(); ++m) {
        for (std::size_t d = 0; d < texts_[m].size(); ++d) {
            if (texts_[m][d].empty())
                continue;
            document.dayText[m][d] = texts_[m][d];
            document.dayColour[m][d] = static_cast<std::int32_t>(DayColour::Blue);
        }
    }
}

namespace {

// Whether the record file is missing, as when the product was never started.
bool recordFileMissing(const std::string& path) {
    struct stat status;
    return ::stat(path.c_str(), &status) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

void reportFailedScan(int error, const std::string& path) {
    const std::string cause = error == kNotARecordFile
                                  ? loadString(kMessageNotARecordFile)
                                  : translate(fileErrorCauseText(error), currentLanguage());
    showMessage(formatString(kMessageImportFailed, {cause, path}),
                MessageStyle::IconExclamation | MessageStyle::Ok);
}

// Scans every record of the class, lets take() add its birthday, then fills
// the document and reports the count.
template <typename Record, typename Take>
ImportOutcome importBirthdays(SiblingProduct product, int notFoundMessage,
                              CalendarDocument& document, int* placed, Take take) {
    Record record;
    const std::string path = record.GetStore().GetFilePath();
    if (!GetSiblingFolder(product).found || recordFileMissing(path)) {
        showMessage(loadString(notFoundMessage), MessageStyle::Ok);
        return ImportOutcome::ProductNotFound;
    }
    BirthdayCollection collection;
    while (record.MoveNext())
        take(record, collection);
    if (record.scanError() != 0) {
        reportFailedScan(record.scanError(), path);
        return ImportOutcome::Failed;
    }
    collection.applyTo(document);
    if (placed)
        *placed = collection.count();
    showMessage(formatString(kMessageBirthdaysPlaced, {std::int64_t{collection.count()}}),
                MessageStyle::IconInformation | MessageStyle::Ok);
    return ImportOutcome::Imported;
}

} // namespace

ImportOutcome ImportFromContacts(CalendarDocument& document, int* placed) {
    return importBirthdays<CAdress>(
        SiblingProduct::AddressBook, kMessageAddressBookNotFound, document, placed,
        [](const CAdress& contact, BirthdayCollection& collection) {
            if (!contact.birthday.isEmpty())
                collection.add(contact.birthday.month, contact.birthday.day,
                               contact.texts[CAdress::kNameText]);
        });
}

ImportOutcome ImportFromAppointments(CalendarDocument& document, int* placed) {
    return importBirthdays<CTermin>(
        SiblingProduct::AppointmentBook, kMessageAppointmentBookNotFound, document, placed,
        [](const CTermin& appointment, BirthdayCollection& collection) {
            if (appointment.kind == CTermin::kKindBirthday && !appointment.date.isEmpty())
                collection.add(appointment.date.month, appointment.date.day, appointment.text);
        });
}

} // namespace veltrano
