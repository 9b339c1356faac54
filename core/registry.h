#pragma once
// Per-user settings of the program and of its sibling products, addressed like
// the original platform's registry: vendor, product, section, then a value name.
// The window program uses a store over Qt's settings files; tests use MemoryRegistry.

#include <map>
#include <optional>
#include <string>
#include <tuple>

namespace veltrano {

struct RegistryKey {
    std::string vendor;
    std::string product;
    std::string section;
    auto operator<=>(const RegistryKey&) const = default;
};

// The program's own key: vendor "Kolbrand", product and section "Veltrano".
RegistryKey programRegistryKey();

class Registry {
  public:
    virtual ~Registry() = default;
    // A value that does not exist reads as std::nullopt.
    virtual std::optional<std::string> readString(const RegistryKey& key,
                                                  const std::string& name) const = 0;
    // Returns false when the value could not be stored.
    virtual bool writeString(const RegistryKey& key, const std::string& name,
                             const std::string& value) = 0;

    // Integers are stored as decimal text; a value that is not a number reads as the default.
    int readInt(const RegistryKey& key, const std::string& name, int defaultValue) const;
    bool writeInt(const RegistryKey& key, const std::string& name, int value);
};

// A registry held in memory, for tests and for running without settings.
class MemoryRegistry : public Registry {
  public:
    std::optional<std::string> readString(const RegistryKey& key,
                                          const std::string& name) const override;
    bool writeString(const RegistryKey& key, const std::string& name,
                     const std::string& value) override;

  private:
    std::map<std::tuple<RegistryKey, std::string>, std::string> values_;
};

} // namespace veltrano
