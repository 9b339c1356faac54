#pragma once
// The one source of "today" in the program. Tests replace it to fix the date.

#include <functional>

namespace veltrano {

struct CivilDate {
    int day = 1;
    int month = 1;
    int year = 2000;
};

// The current local date, or the replacement's answer while one is installed.
CivilDate currentDate();

// Installs a replacement for the system clock; an empty function restores it.
void setTodayProvider(std::function<CivilDate()> provider);

} // namespace veltrano
