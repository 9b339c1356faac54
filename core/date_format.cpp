#include "core/date_format.h"

namespace veltrano {

namespace {
std::int32_t currentDateFormat = 0;
} // namespace

std::int32_t dateFormat() {
    return currentDateFormat;
}

void setDateFormat(std::int32_t format) {
    currentDateFormat = format;
}

} // namespace veltrano
