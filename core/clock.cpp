#include "core/clock.h"

#include <ctime>

namespace veltrano {
namespace {
std::function<CivilDate()>& provider() {
    static std::function<CivilDate()> instance;
    return instance;
}
} // namespace

CivilDate currentDate() {
    if (provider())
        return provider()();
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return CivilDate{local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

void setTodayProvider(std::function<CivilDate()> replacement) {
    provider() = std::move(replacement);
}

} // namespace veltrano
