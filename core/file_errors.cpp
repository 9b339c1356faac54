#include "core/file_errors.h"

#include <array>
#include <cerrno>

namespace veltrano {

std::string fileErrorText(int cause) {
    static constexpr std::array<const char*, 15> kTexts = {
        "Keine Fehlerinformation",
        "Unbekannter Fehler",
        "Datei nicht gefunden",
        "Ungültiger Dateiname",
        "Maximale Anzahl an offenen Dateien überschritten",
        "Zugriff verweigert",
        "Ungültiges Filehandle",
        "Aktuelles Arbeitsverzeichnis kann nicht gelöscht werden",
        "Maximale Anzahl an Verzeichniseinträgen überschritten",
        "Positionszeiger konnte nicht gesetzt werden",
        "Hardwarefehler",
        "mehrere Zugriffe auf den gleichen Bereich",
        "Ein Bereich der bereits gesperrt ist, sollte noch einmal gesperrt werden",
        "Festplatte voll",
        "Zugriff hinter Dateiende",
    };
    if (cause < 0 || cause >= static_cast<int>(kTexts.size()))
        return {};
    return kTexts[static_cast<std::size_t>(cause)];
}

FileErrorCause fileErrorCauseFromErrno(int error) {
    switch (error) {
    case 0:
        return FileErrorCause::None;
    case ENOENT:
        return FileErrorCause::FileNotFound;
    case ENAMETOOLONG:
    case ENOTDIR:
    case EISDIR:
    case EINVAL:
    case ELOOP:
        return FileErrorCause::BadPath;
    case EMFILE:
    case ENFILE:
        return FileErrorCause::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
        return FileErrorCause::AccessDenied;
    case EBADF:
        return FileErrorCause::InvalidFile;
    case EBUSY:
        return FileErrorCause::RemoveCurrentDir;
    case ESPIPE:
        return FileErrorCause::BadSeek;
    case EIO:
        return FileErrorCause::HardIo;
    case ETXTBSY:
        return FileErrorCause::SharingViolation;
    case EAGAIN:
    case EDEADLK:
        return FileErrorCause::LockViolation;
    case ENOSPC:
    case EDQUOT:
        return FileErrorCause::DiskFull;
    default:
        return FileErrorCause::Generic;
    }
}

} // namespace veltrano
