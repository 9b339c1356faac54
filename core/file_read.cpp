#include "core/file_read.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace veltrano {

bool readWholeFile(const std::string& path, std::string& content) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error) {
        errno = error.value();
        return false;
    }
    if (!std::filesystem::is_regular_file(status)) {
        errno = std::filesystem::is_directory(status) ? EISDIR : EINVAL;
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::string data;
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        data.append(buffer, n);
    const bool failed = std::ferror(file) != 0;
    const int readError = errno;
    std::fclose(file);
    if (failed) {
        errno = readError;
        return false;
    }
    content = std::move(data);
    return true;
}

} // namespace veltrano
