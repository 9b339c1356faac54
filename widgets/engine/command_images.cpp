#include "widgets/engine/command_images.h"

#include <algorithm>

namespace veltrano {

bool CommandImageTable::registerImage(int number, int image) {
    if (number == 0) {
        return false;
    }
    auto owned = std::find_if(entries_.begin(), entries_.end(),
                              [number](const Entry& e) { return e.number == number; });
    if (owned != entries_.end()) {
        *owned = image < 0 ? Entry{} : Entry{number, image};
        return true;
    }
    if (image < 0) {
        return true; // nothing to remove
    }
    auto free = std::find_if(entries_.begin(), entries_.end(),
                             [](const Entry& e) { return e.number == 0; });
    if (free == entries_.end()) {
        return false;
    }
    *free = Entry{number, image};
    return true;
}

int CommandImageTable::imageFor(int number) const {
    if (number == 0) {
        return kNoImage;
    }
    for (const Entry& e : entries_) {
        if (e.number == number) {
            return e.image;
        }
    }
    return kNoImage;
}

int CommandImageTable::size() const {
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                          [](const Entry& e) { return e.number != 0; }));
}

CommandImageTable& commandImages() {
    static CommandImageTable table;
    return table;
}

} // namespace veltrano
