#include "core/registry.h"

#include "core/number_reader.h"

namespace veltrano {

RegistryKey programRegistryKey() {
    return RegistryKey{"Kolbrand", "Veltrano", "Veltrano"};
}

int Registry::readInt(const RegistryKey& key, const std::string& name, int defaultValue) const {
    std::optional<std::string> text = readString(key, name);
    if (!text)
        return defaultValue;
    NumberRead number = readNumber(*text);
    return number.hasDigits ? number.value : defaultValue;
}

bool Registry::writeInt(const RegistryKey& key, const std::string& name, int value) {
    return writeString(key, name, std::to_string(value));
}

std::optional<std::string> MemoryRegistry::readString(const RegistryKey& key,
                                                      const std::string& name) const {
    auto it = values_.find({key, name});
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

bool MemoryRegistry::writeString(const RegistryKey& key, const std::string& name,
                                 const std::string& value) {
    values_[{key, name}] = value;
    return true;
}

} // namespace veltrano
