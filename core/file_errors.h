#pragma once
// The German texts of file errors, by cause 0..14, shared by the translation
// loader and the record store.

#include <string>

namespace veltrano {

// Causes of a file error, in the order of their texts.
enum class FileErrorCause {
    None = 0,
    Generic = 1,
    FileNotFound = 2,
    BadPath = 3,
    TooManyOpenFiles = 4,
    AccessDenied = 5,
    InvalidFile = 6,
    RemoveCurrentDir = 7,
    DirectoryFull = 8,
    BadSeek = 9,
    HardIo = 10,
    SharingViolation = 11,
    LockViolation = 12,
    DiskFull = 13,
    EndOfFile = 14,
};

// The text of cause 0..14; "" for any other number.
std::string fileErrorText(int cause);

// The cause that an operating-system error number (errno) stands for.
FileErrorCause fileErrorCauseFromErrno(int error);

} // namespace veltrano
