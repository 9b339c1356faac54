#pragma once
// The per-user registry over Qt's settings files: the value Name of section
// Section for vendor V and product P lives in $XDG_CONFIG_HOME/V/P.conf
// (default ~/.config) as "[Section] Name=…", which is exactly what
// QSettings(V, P) reads and writes under the key "Section/Name".

#include "core/registry.h"

namespace veltrano {

class QSettingsRegistry : public Registry {
  public:
    std::optional<std::string> readString(const RegistryKey& key,
                                          const std::string& name) const override;
    // Stores the value and writes the file at once; false when the file could
    // not be written (folder not writable, file not in the settings format).
    bool writeString(const RegistryKey& key, const std::string& name,
                     const std::string& value) override;
};

} // namespace veltrano
