#pragma once
// Copying birthdays from the sibling address book or appointment book into the
// day texts of a calendar.
//
// A run reads the whole record file first and changes the document in one step
// at the end: every day that received at least one birthday gets the collected
// texts, joined with "\r\n" in file order, in place of its old text, and day
// colour 1. Other days keep their text and colour. Birthdays are placed by month
// and day only. Nothing else of the document is touched (callers set
// `modified` and redraw).
//
// Messages go through the installed message presenter: 139 or 138 (style 0)
// when the product's folder is not known or its record file is missing (which
// is never created), else 140 (style 64) with the number of birthdays placed.
// A scan that ends on an error (the file cannot be opened or read, a lock is not
// had in time, the file is no record file) is a failed run: the document is
// left as it was and 29722 names the cause and the file. A file that can be
// read but not written is imported.

#include <array>
#include <string>

namespace veltrano {

struct CalendarDocument;

// Birthdays gathered during one run, by month 0..11 and day 0..30.
class BirthdayCollection {
  public:
    // Adds a birthday; dates outside the 12 x 31 slots are passed over.
    // Returns true when the birthday was placed.
    bool add(int month, int day, const std::string& text);
    int count() const { return count_; }
    const std::string& text(int monthIndex, int dayIndex) const {
        return texts_[static_cast<std::size_t>(monthIndex)][static_cast<std::size_t>(dayIndex)];
    }
    // Writes the non-empty collected texts into the document, with colour 1.
    void applyTo(CalendarDocument& document) const;

  private:
    std::array<std::array<std::string, 31>, 12> texts_;
    int count_ = 0;
};

enum class ImportOutcome {
    Imported,        // the whole file was read and its birthdays placed
    ProductNotFound, // no folder known, or no record file in it
    Failed,          // the file could not be read to its end; nothing placed
};

// From the address book: each contact's birthday with its text 2. placed,
// when given, receives the number of birthdays placed.
ImportOutcome ImportFromContacts(CalendarDocument& document, int* placed = nullptr);

// From the appointment book: each appointment of kind 2 with a date, with its
// text.
ImportOutcome ImportFromAppointments(CalendarDocument& document, int* placed = nullptr);

// Message numbers of the import.
inline constexpr int kMessageAppointmentBookNotFound = 138;
inline constexpr int kMessageAddressBookNotFound = 139;
inline constexpr int kMessageBirthdaysPlaced = 140;
inline constexpr int kMessageImportFailed = 29722;

} // namespace veltrano
