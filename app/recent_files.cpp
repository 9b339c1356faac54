#include "app/recent_files.h"

#include <algorithm>

namespace veltrano {
namespace {

std::string valueName(int index) {
    return "RecentFile" + std::to_string(index + 1);
}

} // namespace

RecentFiles::RecentFiles(Registry& registry) : registry_(registry) {
    for (int i = 0; i < kCapacity; ++i) {
        const std::optional<std::string> path =
            registry_.readString(programRegistryKey(), valueName(i));
        if (path && !path->empty() &&
            std::find(paths_.begin(), paths_.end(), *path) == paths_.end())
            paths_.push_back(*path);
    }
}

void RecentFiles::add(const std::string& path) {
    if (path.empty())
        return;
    std::erase(paths_, path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > static_cast<std::size_t>(kCapacity))
        paths_.resize(kCapacity);
    store();
}

void RecentFiles::remove(const std::string& path) {
    std::erase(paths_, path);
    store();
}

void RecentFiles::store() {
    for (int i = 0; i < kCapacity; ++i) {
        const auto index = static_cast<std::size_t>(i);
        registry_.writeString(programRegistryKey(), valueName(i),
                              index < paths_.size() ? paths_[index] : std::string());
    }
}

} // namespace veltrano
