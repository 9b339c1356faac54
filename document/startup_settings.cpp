#include "document/startup_settings.h"

#include "document/cal_reader.h"
#include "document/program_folder.h"

namespace veltrano {

bool StartupSettings::openLastCalendar(CalendarDocument& document, std::string& currentFilePath) {
    resetDocument(document);
    currentFilePath.clear();
    if (store_.readInt(kFirstStartKey, 1) != 0) {
        // When the folder is not writable these fail quietly, and the next start
        // is a first start again.
        store_.writeString(kLastFileKey, dataFilePath(kSampleCalendar));
        store_.writeInt(kFirstStartKey, 0);
    }
    const std::string lastFile = store_.readString(kLastFileKey, std::string());
    if (lastFile.empty() || !readCalendarFile(document, lastFile))
        return false; // the document is still the new calendar
    currentFilePath = lastFile;
    return true;
}

bool StartupSettings::recordLastCalendar(const std::string& currentFilePath) {
    return store_.writeString(kLastFileKey, currentFilePath);
}

} // namespace veltrano
