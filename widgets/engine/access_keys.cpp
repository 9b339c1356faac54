#include "widgets/engine/access_keys.h"

#include <array>

namespace veltrano {

namespace {

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::size_t letterSlot(char c) {
    return static_cast<std::size_t>((c | 0x20) - 'a');
}

} // namespace

std::vector<int> chooseAccessKeys(const std::vector<std::string>& titles) {
    std::array<bool, 26> taken{};
    std::vector<int> keys;
    keys.reserve(titles.size());
    for (const std::string& title : titles) {
        int key = -1;
        for (std::size_t i = 0; i < title.size() && key < 0; ++i) {
            if (isAsciiLetter(title[i]) && !taken[letterSlot(title[i])]) {
                taken[letterSlot(title[i])] = true;
                key = static_cast<int>(i);
            }
        }
        keys.push_back(key);
    }
    return keys;
}

std::string markAccessKey(const std::string& title, int key) {
    if (key < 0 || static_cast<std::size_t>(key) >= title.size())
        return title;
    std::string marked;
    for (std::size_t i = 0; i < title.size(); ++i) {
        if (static_cast<int>(i) == key)
            marked += '&';
        marked += title[i];
        if (title[i] == '&')
            marked += '&';
    }
    return marked;
}

} // namespace veltrano
