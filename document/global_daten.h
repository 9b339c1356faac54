#pragma once
// The program-wide settings store: one section of an INI file ("data.ini",
// section "GLOBAL" in the data folder). Every call opens and closes the file;
// nothing is cached, so two stores over the same file always agree.
//
// A missing or unreadable file reads as all defaults; it is created by the
// first write. Writing keeps every other section, key and line of the file,
// and replaces the file atomically, so an interrupted write never leaves a
// damaged file.

#include <cstddef>
#include <cstdint>
#include <string>

namespace veltrano {

class CGlobalDaten {
  public:
    // "data.ini", section "GLOBAL", in the data folder.
    CGlobalDaten();
    // fileName is taken as it stands when absolutePath is set, else looked for
    // in the data folder.
    CGlobalDaten(std::string fileName, std::string section, bool absolutePath);
    virtual ~CGlobalDaten() = default;

    // Longest value readString gives back; a longer one is cut (at a character
    // boundary, so the text stays valid).
    static constexpr std::size_t kMaxValueLength = 8095;

    virtual std::string filePath() const;
    // The value of key, or defaultValue when the file has no such key.
    virtual std::string readString(const std::string& key, const std::string& defaultValue) const;
    // Returns false when the file could not be written, or when value holds a
    // line break or NUL (which would corrupt the file's other keys).
    virtual bool writeString(const std::string& key, const std::string& value);

    // The leading decimal number of the value (0 when it has none); defaultValue
    // when the key is absent or its value empty.
    std::int32_t readInt(const std::string& key, std::int32_t defaultValue) const;
    bool writeInt(const std::string& key, std::int32_t value);

  private:
    std::string fileName_;
    std::string section_;
    bool absolutePath_;
};

} // namespace veltrano
