#include "resources/dialogs/dialog_template.h"

#include <algorithm>
#include <array>

namespace veltrano {

// Each dialog file defines its table; list new ones here, in ascending order.
extern const DialogTemplate kDialogTemplate112;

namespace {

constexpr std::array<const DialogTemplate*, 1> kTemplates = {
    &kDialogTemplate112,
};

} // namespace

const DialogControl* DialogTemplate::findControl(int id) const {
    for (const DialogControl& control : controls) {
        if (control.id == id)
            return &control;
    }
    return nullptr;
}

const DialogTemplate* findDialogTemplate(int number) {
    auto found = std::find_if(kTemplates.begin(), kTemplates.end(),
                              [number](const DialogTemplate* t) { return t->number == number; });
    return found == kTemplates.end() ? nullptr : *found;
}

std::span<const DialogTemplate* const> dialogTemplates() {
    return kTemplates;
}

} // namespace veltrano
