#pragma once
// A contact of the address book (record type 11) and the store of its file,
// "daten/kontakte.vdt" in the address book's folder.

#include "core/date_value.h"
#include "records/var_base.h"
#include "records/var_data.h"

#include <array>
#include <cstdint>
#include <string>

namespace veltrano {

class CAdresseBase : public CVarBase {
  public:
    std::string GetFilePath() const override;
};

class CAdress : public CVarData {
  public:
    static constexpr int kFlagCount = 100;
    static constexpr int kTextCount = 17;
    // The text that the birthday import shows for a contact.
    static constexpr int kNameText = 2;

    CAdress();
    ~CAdress() override = default;

    void Serialize(RecordStream& stream) override;
    CVarBase& GetStore() const override;

    // Fields in payload order.
    DateValue created;       // set to today's date on reset; not interpreted
    std::int32_t number = 0; // not interpreted
    DateValue birthday;      // empty when the contact has none
    std::array<std::uint8_t, kFlagCount> flags = {}; // 1 or 0 each; not interpreted
    std::array<std::string, kTextCount> texts;       // UTF-8

  protected:
    void ResetFields() override;
};

// The store shared by every contact; it lives until the program ends.
CAdresseBase& contactStore();

} // namespace veltrano
