#include "records/sibling_folder.h"

#include "core/registry.h"

#include <array>
#include <optional>

namespace veltrano {
namespace {

// Longest folder text read from the settings, in bytes.
constexpr std::size_t kMaxFolderBytes = 2047;

const Registry* gRegistry = nullptr;
std::array<std::string, 2> gRemembered;

RegistryKey keyOf(SiblingProduct product) {
    return product == SiblingProduct::AddressBook
               ? RegistryKey{"Kolbrand", "Murello2", "Murello2"}
               : RegistryKey{"Kolbrand", "Tessaplan2", "Tessaplan2"};
}

std::size_t indexOf(SiblingProduct product) {
    return product == SiblingProduct::AddressBook ? 0 : 1;
}

} // namespace

void setSiblingRegistry(const Registry* registry) {
    gRegistry = registry;
}

SiblingFolder GetSiblingFolder(SiblingProduct product) {
    std::string& remembered = gRemembered[indexOf(product)];
    if (gRegistry) {
        std::optional<std::string> path = gRegistry->readString(keyOf(product), "Path");
        if (path) {
            if (path->size() > kMaxFolderBytes)
                path->resize(kMaxFolderBytes);
            remembered = *path;
        }
    }
    return SiblingFolder{remembered, !remembered.empty()};
}

void forgetSiblingFolders() {
    for (std::string& folder : gRemembered)
        folder.clear();
}

std::string siblingFilePath(const std::string& folder, const std::string& relativePath) {
    bool endsInSeparator = !folder.empty() && (folder.back() == '/' || folder.back() == '\\');
    return endsInSeparator ? folder + relativePath : folder + "/" + relativePath;
}

} // namespace veltrano
