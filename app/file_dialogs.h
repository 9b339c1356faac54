#pragma once
// The open and save dialogs for calendar files, behind an interface so that
// tests can answer them. Paths are UTF-8.
#include <optional>
#include <string>

namespace veltrano {

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // Asks for an existing calendar file; nullopt when cancelled.
    virtual std::optional<std::string> chooseFileToOpen() = 0;
    // Asks where to save, starting in folder with fileName proposed, and asks
    // before an existing file is replaced; nullopt when cancelled.
    virtual std::optional<std::string> chooseFileToSave(const std::string& folder,
                                                        const std::string& fileName) = 0;
};

// The open dialog for photos, behind an interface so that tests can answer it.
class PhotoDialogs {
  public:
    virtual ~PhotoDialogs() = default;
    // Asks for an existing photo file; `filter` lists "name|patterns|" pairs and
    // ends in "||"; currentPhoto ("" for none) is the photo it would replace.
    // nullopt when cancelled.
    virtual std::optional<std::string> choosePhotoToOpen(const std::string& filter,
                                                         const std::string& currentPhoto) = 0;
};

// Opens a document or folder with the desktop's default handler.
class DocumentOpener {
  public:
    virtual ~DocumentOpener() = default;
    virtual bool openDocument(const std::string& path) = 0;
};

} // namespace veltrano
