#pragma once
// Access keys for labels that carry none of their own, such as the tabs of the
// edit sheet: Alt and the marked letter chooses the label's item.
#include <string>
#include <vector>

namespace veltrano {

// For each UTF-8 title, the byte offset of its access key, or -1 for none: the
// first ASCII letter of the title that no earlier title took (letters compared
// without regard to case). The same titles always give the same keys.
std::vector<int> chooseAccessKeys(const std::vector<std::string>& titles);

// The title as drawn with its access key marked: "&" before the key's letter,
// every "&" of the title doubled. Without a key (-1) the title is unchanged.
std::string markAccessKey(const std::string& title, int key);

} // namespace veltrano
