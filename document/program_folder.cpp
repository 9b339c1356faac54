#include "document/program_folder.h"

#include <filesystem>
#include <optional>

namespace veltrano {
namespace {

std::optional<std::string>& storedFolder() {
    static std::optional<std::string> folder;
    return folder;
}

std::string withSeparator(std::string folder) {
    if (folder.empty() || (folder.back() != '/' && folder.back() != '\\'))
        folder += '/';
    return folder;
}

} // namespace

const std::string& programFolder() {
    std::optional<std::string>& folder = storedFolder();
    if (!folder) {
        std::error_code error;
        std::string current = std::filesystem::current_path(error).string();
        // A current directory that no longer exists leaves relative paths as they stand.
        folder = withSeparator(error || current.empty() ? std::string(".") : current);
    }
    return *folder;
}

bool setProgramFolder(const std::string& folder) {
    if (folder.empty())
        return false;
    storedFolder() = withSeparator(folder);
    return true;
}

std::string dataFilePath(const std::string& name) {
    return programFolder() + "daten/" + name;
}

} // namespace veltrano
