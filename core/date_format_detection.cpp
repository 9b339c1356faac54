#include "core/date_format_detection.h"

namespace veltrano {

int detectDateFormat(std::string_view pattern) {
    if (pattern.size() < 4)
        return 0;
    char separator = '.';
    if (pattern.find('/') != std::string_view::npos)
        separator = '/';
    else if (pattern.find('-') != std::string_view::npos)
        separator = '-';
    bool monthFirst = pattern.front() == 'm' || pattern.front() == 'M';
    switch (separator) {
    case '/':
        return monthFirst ? 3 : 2;
    case '-':
        return monthFirst ? 4 : 1;
    default:
        return 0;
    }
}

} // namespace veltrano
