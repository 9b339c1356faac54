#include "records/appointment.h"

#include "records/record_stream.h"
#include "records/sibling_folder.h"
#include "records/vdt_format.h"

namespace veltrano {

std::string CTerminBase::GetFilePath() const {
    return siblingFilePath(GetSiblingFolder(SiblingProduct::AppointmentBook).folder,
                           "daten/termine.vdt");
}

CTerminBase& appointmentStore() {
    static CTerminBase store;
    return store;
}

CTermin::CTermin() : CVarData(vdt::kTypeAppointment) {
    Reset();
}

CVarBase& CTermin::GetStore() const {
    return appointmentStore();
}

void CTermin::ResetFields() {
    kind = 0;
    date.clear();
    date3.clear();
    time4.clear();
    time5.clear();
    text.clear();
    int7 = int8 = 0;
    date9.clear();
    int10 = int11 = 0;
    date12.clear();
    time13.clear();
    date14.clear();
    time15.clear();
    int16 = int17 = 0;
    flag18 = 0;
    int19 = int20 = 0;
    dates.clear();
}

void CTermin::Serialize(RecordStream& stream) {
    stream.int32(kind);
    stream.date(date);
    stream.date(date3);
    stream.time(time4);
    stream.time(time5);
    stream.text(text);
    stream.int32(int7);
    stream.int32(int8);
    stream.date(date9);
    stream.int32(int10);
    stream.int32(int11);
    stream.date(date12);
    stream.time(time13);
    stream.date(date14);
    stream.time(time15);
    stream.int32(int16);
    stream.int32(int17);
    stream.flag(flag18);
    stream.int32(int19);
    stream.int32(int20);
    stream.dateList(dates);
}

} // namespace veltrano
