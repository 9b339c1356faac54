#pragma once
// Whole-file reading and saving for the document layer's files. Saving never
// costs the previous version on failure: the new content goes to a temporary
// file in the same folder, is flushed to the disk, and only then renamed over
// the old file.

#include "core/file_read.h"

#include <string>
#include <string_view>

namespace veltrano {

// Replaces the file at path by content. An existing file keeps its permission
// bits; a new file gets the usual ones for new files (0666 less the umask). A
// path that is a symbolic link replaces the file the link points to.
// Returns false when anything fails (folder missing or not writable, disk full,
// I/O error, path names a folder); the old file is then unchanged and no
// temporary file is left behind.
bool replaceFileAtomically(const std::string& path, std::string_view content);

} // namespace veltrano
