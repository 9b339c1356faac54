#include "cli/photo_warnings.h"

#include <cerrno>
#include <cstring>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrano::cli {

namespace {

// Enough pixels to tell a picture from something else, cheaply.
constexpr Size kProbeBox{64, 64};

} // namespace

std::string photoProblem(const std::string& path, const ImageDecoder* decoder) {
    struct stat status;
    if (::stat(path.c_str(), &status) != 0)
        return std::strerror(errno);
    if (S_ISDIR(status.st_mode))
        return "is a folder";
    // Devices and pipes are never opened: reading one may not end.
    if (!S_ISREG(status.st_mode))
        return "not a regular file";
    if (::access(path.c_str(), R_OK) != 0)
        return std::strerror(errno);
    if (status.st_size == 0)
        return "empty file";
    if (decoder != nullptr && !decoder->decode(path, kProbeBox))
        return "not a picture that can be read";
    return {};
}

void warnAboutUnreadablePhotos(const CalendarDocument& document, bool title,
                               const std::array<bool, kMonthCount>& months,
                               const ImageDecoder* decoder, std::ostream& err) {
    std::set<std::string> checked;
    auto check = [&](const std::string& path) {
        if (path.empty() || !checked.insert(path).second)
            return;
        const std::string problem = photoProblem(path, decoder);
        if (!problem.empty())
            err << "veltrano-cli: warning: photo '" << path << "' cannot be read: " << problem
                << '\n';
    };
    if (title)
        check(document.titlePhoto);
    for (std::size_t m = 0; m < months.size(); ++m)
        if (months[m])
            check(document.monthPhoto[m]);
}

} // namespace veltrano::cli
