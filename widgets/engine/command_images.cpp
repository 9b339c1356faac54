#include "widgets/engine/command_images.h"

namespace veltrano {

bool CommandImageTable::registerImage(int number, int image) {
    for (int i = 0; i < used_; ++i) {
        if (entries_[i].number == number) {
            entries_[i].image = image;
            return true;
        }
    }
    if (used_ >= kCapacity) {
        return false;
    }
    entries_[used_] = Entry{number, image};
    ++used_;
    return true;
}

int CommandImageTable::imageFor(int number) const {
    for (int i = 0; i < used_; ++i) {
        if (entries_[i].number == number) {
            return entries_[i].image;
        }
    }
    return kNoImage;
}

CommandImageTable& commandImages() {
    static CommandImageTable table;
    return table;
}

} // namespace veltrano
