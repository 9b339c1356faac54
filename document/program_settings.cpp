#include "document/program_settings.h"

#include "document/program_folder.h"

#include <filesystem>

namespace veltrano {

std::string readInstallationPath(const Registry& registry) {
    return registry.readString(programRegistryKey(), "Path").value_or(std::string());
}

std::int32_t readLanguage(const Registry& registry) {
    return registry.readInt(programRegistryKey(), "Language", 0);
}

std::int32_t readDateFormat(const Registry& registry) {
    return registry.readInt(programRegistryKey(), "DateFormat", -1);
}

bool writeLanguage(Registry& registry, std::int32_t language) {
    return registry.writeInt(programRegistryKey(), "Language", language);
}

bool writeDateFormat(Registry& registry, std::int32_t dateFormat) {
    return registry.writeInt(programRegistryKey(), "DateFormat", dateFormat);
}

bool useInstallationFolder(const Registry& registry) {
    const std::string path = readInstallationPath(registry);
    if (path.empty())
        return false;
    std::error_code error;
    std::filesystem::current_path(path, error);
    if (error)
        return false;
    return setProgramFolder(path);
}

} // namespace veltrano
