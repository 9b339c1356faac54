#pragma once
// Reading a whole file into memory.

#include <string>

namespace veltrano {

// Reads the whole regular file at path into content. Returns false, with errno
// telling why, when the path is missing, cannot be opened or read, or is not a
// regular file (a folder gives EISDIR; a pipe or device EINVAL, so that reading
// never blocks on one); content is then unchanged.
bool readWholeFile(const std::string& path, std::string& content);

} // namespace veltrano
