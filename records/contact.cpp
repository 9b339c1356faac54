#include "records/contact.h"

#include "records/record_stream.h"
#include "records/sibling_folder.h"
#include "records/vdt_format.h"

#include <algorithm>

namespace veltrano {

std::string CAdresseBase::GetFilePath() const {
    return siblingFilePath(GetSiblingFolder(SiblingProduct::AddressBook).folder,
                           "daten/kontakte.vdt");
}

CAdresseBase& contactStore() {
    static CAdresseBase store;
    return store;
}

CAdress::CAdress() : CVarData(vdt::kTypeContact) {
    Reset();
}

CVarBase& CAdress::GetStore() const {
    return contactStore();
}

void CAdress::ResetFields() {
    created.setToday();
    number = 0;
    birthday.clear();
    flags.fill(0);
    for (std::string& text : texts)
        text.clear();
}

void CAdress::Serialize(RecordStream& stream) {
    stream.date(created);
    stream.int32(number);
    stream.date(birthday);
    stream.flagSet(flags);
    // The owning product always writes all its texts; a file may say fewer or
    // more, and only the ones this record has room for are read.
    std::int32_t count = kTextCount;
    stream.int32(count);
    std::int32_t used = stream.isReading() ? std::clamp(count, 0, kTextCount) : kTextCount;
    for (std::int32_t i = 0; i < used; ++i)
        stream.text(texts[static_cast<std::size_t>(i)]);
}

} // namespace veltrano
