#include "document/global_daten.h"

#include "core/number_reader.h"
#include "document/file_io.h"
#include "document/private_profile.h"
#include "document/program_folder.h"

#include <filesystem>

namespace veltrano {
namespace {

// The length of text cut to at most limit bytes without splitting a UTF-8 character.
std::size_t cutLength(const std::string& text, std::size_t limit) {
    if (text.size() <= limit)
        return text.size();
    std::size_t length = limit;
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        --length;
    return length;
}

bool isStorableKey(const std::string& key) {
    return !key.empty() && key.find_first_of("=[;") == std::string::npos &&
           isStorableProfileValue(key);
}

} // namespace

CGlobalDaten::CGlobalDaten() : CGlobalDaten("data.ini", "GLOBAL", false) {}

CGlobalDaten::CGlobalDaten(std::string fileName, std::string section, bool absolutePath)
    : fileName_(std::move(fileName)), section_(std::move(section)), absolutePath_(absolutePath) {}

std::string CGlobalDaten::filePath() const {
    return absolutePath_ ? fileName_ : dataFilePath(fileName_);
}

std::string CGlobalDaten::readString(const std::string& key,
                                     const std::string& defaultValue) const {
    std::string text;
    if (!readWholeFile(filePath(), text))
        return defaultValue;
    std::optional<std::string> value = findProfileValue(text, section_, key);
    if (!value)
        return defaultValue;
    value->resize(cutLength(*value, kMaxValueLength));
    return *value;
}

bool CGlobalDaten::writeString(const std::string& key, const std::string& value) {
    if (!isStorableKey(key) || !isStorableProfileValue(value))
        return false;
    const std::string path = filePath();
    std::string text;
    // A missing file is created; one that exists but cannot be read is left
    // alone rather than replaced by a file holding only this key.
    std::error_code error;
    if (std::filesystem::exists(path, error) && !readWholeFile(path, text))
        return false;
    return replaceFileAtomically(path, setProfileValue(text, section_, key, value));
}

std::int32_t CGlobalDaten::readInt(const std::string& key, std::int32_t defaultValue) const {
    const std::string value = readString(key, std::string());
    return value.empty() ? defaultValue : veltrano::readInt(value);
}

bool CGlobalDaten::writeInt(const std::string& key, std::int32_t value) {
    return writeString(key, std::to_string(value));
}

} // namespace veltrano
