#include "cli/photo_warnings.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrano::cli {

DecodedImage FailureNotingDecoder::decode(const std::string& path, Size box) const {
    return noted(path, base_.decode(path, box));
}

// Forwarded, so that a cropped photo is still decoded only in its part.
DecodedImage FailureNotingDecoder::decodePart(const std::string& path, Size box,
                                              const PhotoCrop& crop) const {
    return noted(path, base_.decodePart(path, box, crop));
}

DecodedImage FailureNotingDecoder::noted(const std::string& path, DecodedImage decoded) const {
    if (!decoded) {
        const std::lock_guard<std::mutex> lock(mutex_);
        failed_.insert(path);
    }
    return decoded;
}

bool FailureNotingDecoder::failed(const std::string& path) const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return failed_.count(path) != 0;
}

std::string photoProblem(const std::string& path) {
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
    return "not a picture that can be read";
}

void warnAboutUnreadablePhotos(const CalendarDocument& document, bool title,
                               const std::array<bool, kMonthCount>& months,
                               const FailureNotingDecoder& decoded, std::ostream& err) {
    std::set<std::string> warned;
    auto check = [&](const std::string& path) {
        if (path.empty() || !decoded.failed(path) || !warned.insert(path).second)
            return;
        err << "veltrano-cli: warning: photo '" << path
            << "' cannot be read: " << photoProblem(path) << '\n';
    };
    if (title)
        check(document.titlePhoto);
    for (std::size_t m = 0; m < months.size(); ++m)
        if (months[m])
            check(document.monthPhoto[m]);
}

} // namespace veltrano::cli
