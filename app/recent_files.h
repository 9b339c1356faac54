#pragma once
// The calendars used last, newest first, at most eight, kept in the program's
// settings as "RecentFile1" .. "RecentFile8" so that they outlast the session.
#include "core/registry.h"

#include <string>
#include <vector>

namespace veltrano {

class RecentFiles {
  public:
    static constexpr int kCapacity = 8;

    // Reads the list from registry, which must outlive this object.
    explicit RecentFiles(Registry& registry);

    const std::vector<std::string>& paths() const { return paths_; }
    // Puts path first (moving it up when listed already), drops the oldest
    // beyond eight, and stores the list. "" is ignored.
    void add(const std::string& path);
    // Takes path off the list and stores the list.
    void remove(const std::string& path);

  private:
    void store();

    Registry& registry_;
    std::vector<std::string> paths_;
};

} // namespace veltrano
