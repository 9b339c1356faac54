#include "resources/dialogs/dialog_template.h"

#include <algorithm>
#include <array>

namespace veltrano {

// Each dialog file defines its table; list new ones here, in ascending order.
extern const DialogTemplate kDialogTemplate112;
extern const DialogTemplate kDialogTemplate137;
extern const DialogTemplate kDialogTemplate138;
extern const DialogTemplate kDialogTemplate139;
extern const DialogTemplate kDialogTemplate141;
extern const DialogTemplate kDialogTemplate143;
extern const DialogTemplate kDialogTemplate148;
extern const DialogTemplate kDialogTemplate24584;

namespace {

constexpr std::array<const DialogTemplate*, 8> kTemplates = {
    &kDialogTemplate112, &kDialogTemplate137, &kDialogTemplate138, &kDialogTemplate139,
    &kDialogTemplate141, &kDialogTemplate143, &kDialogTemplate148, &kDialogTemplate24584,
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
