#pragma once
// An appointment of the appointment book (record type 1) and the store of its
// file, "daten/termine.vdt" in the appointment book's folder.

#include "core/date_array.h"
#include "core/date_value.h"
#include "core/time_of_day.h"
#include "records/var_base.h"
#include "records/var_data.h"

#include <cstdint>
#include <string>

namespace veltrano {

class CTerminBase : public CVarBase {
  public:
    std::string GetFilePath() const override;
};

class CTermin : public CVarData {
  public:
    // The kind of the appointments that hold a birthday.
    static constexpr std::int32_t kKindBirthday = 2;

    CTermin();
    ~CTermin() override = default;

    void Serialize(RecordStream& stream) override;
    CVarBase& GetStore() const override;

    // Fields in payload order. Only kind, date and text mean something to this
    // program; the others are carried so that the fields after them are found.
    std::int32_t kind = 0;
    DateValue date;
    DateValue date3;
    TimeOfDay time4;
    TimeOfDay time5;
    std::string text; // UTF-8
    std::int32_t int7 = 0;
    std::int32_t int8 = 0;
    DateValue date9;
    std::int32_t int10 = 0;
    std::int32_t int11 = 0;
    DateValue date12;
    TimeOfDay time13;
    DateValue date14;
    TimeOfDay time15;
    std::int32_t int16 = 0;
    std::int32_t int17 = 0;
    std::uint8_t flag18 = 0;
    std::int32_t int19 = 0;
    std::int32_t int20 = 0;
    CDateArray dates; // packed dates, at most 10000 when read

  protected:
    void ResetFields() override;
};

// The store shared by every appointment; it lives until the program ends.
CTerminBase& appointmentStore();

} // namespace veltrano
