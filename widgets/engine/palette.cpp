#include "widgets/engine/palette.h"

#include "resources/pictures/picture_numbers.h"

#include <array>

namespace veltrano {

namespace {

constexpr std::array<Colour, kPaletteSize> kBuiltInColours = {
    rgb(211, 217, 230), rgb(0, 0, 0),       rgb(128, 128, 128), rgb(144, 160, 192), // 0..3
    rgb(210, 220, 240), rgb(0, 0, 0),       rgb(128, 128, 128), rgb(190, 197, 209), // 4..7
    rgb(0, 0, 0),       rgb(128, 128, 128), rgb(190, 197, 209), rgb(230, 230, 230), // 8..11
    rgb(250, 250, 250), rgb(210, 210, 210), rgb(0, 0, 0),       rgb(0, 0, 255),     // 12..15
    rgb(245, 245, 245), rgb(0, 0, 0),       rgb(210, 220, 240), rgb(0, 0, 0),       // 16..19
    rgb(250, 250, 250), rgb(0, 0, 0),       rgb(200, 200, 200), rgb(240, 240, 240), // 20..23
    rgb(160, 160, 160), rgb(20, 40, 80),    rgb(255, 170, 140), rgb(20, 40, 220),   // 24..27
    rgb(240, 240, 240), rgb(200, 200, 200), rgb(0, 0, 0),       rgb(200, 200, 200), // 28..31
    rgb(8, 36, 107),    rgb(181, 190, 214), rgb(128, 128, 128), rgb(230, 230, 230), // 32..35
    rgb(240, 240, 240), rgb(0, 0, 0),       rgb(0, 0, 0),       rgb(65, 72, 82),    // 36..39
    rgb(255, 255, 255), rgb(128, 128, 128), rgb(40, 77, 130),   rgb(255, 255, 255), // 40..43
    rgb(20, 60, 255),   rgb(255, 0, 0),     rgb(0, 0, 0),       rgb(255, 255, 255), // 44..47
    rgb(255, 170, 140), rgb(0, 0, 0),       rgb(153, 180, 209), rgb(36, 112, 174),  // 48..51
    rgb(255, 255, 255), rgb(0, 0, 0),       rgb(0, 40, 120),    rgb(128, 128, 128), // 52..55
    rgb(230, 230, 230), rgb(0, 0, 0),       rgb(0, 40, 120),    rgb(0, 0, 0),       // 56..59
};

struct PaletteState {
    std::array<Colour, kPaletteSize> colours = kBuiltInColours;
    bool followsFrameSet = false; // index 53 has been set
    // The widget set's own pictures: hand cursor, check-box states, 16-pixel list images.
    std::array<int, kSharedResourceCount> resources{
        pictures::kHandCursor, pictures::kCheckBoxImages, 0, pictures::kSmallImages};
};

PaletteState& state() {
    static PaletteState palette;
    return palette;
}

constexpr bool validColourIndex(int index) {
    return index >= 0 && index < kPaletteSize;
}
constexpr bool validResourceIndex(int index) {
    return index >= 0 && index < kSharedResourceCount;
}

} // namespace

Colour paletteColour(int index) {
    if (!validColourIndex(index)) {
        return kWhite;
    }
    if (index == kPaletteFollowsFrame && !state().followsFrameSet) {
        return state().colours[kPaletteDialogFrame];
    }
    return state().colours[static_cast<std::size_t>(index)];
}

bool setPaletteColour(int index, Colour colour) {
    if (!validColourIndex(index)) {
        return false;
    }
    state().colours[static_cast<std::size_t>(index)] = colour;
    if (index == kPaletteFollowsFrame) {
        state().followsFrameSet = true;
    }
    return true;
}

int sharedResource(int index) {
    return validResourceIndex(index) ? state().resources[static_cast<std::size_t>(index)] : 0;
}

bool setSharedResource(int index, int value) {
    if (!validResourceIndex(index)) {
        return false;
    }
    state().resources[static_cast<std::size_t>(index)] = value;
    return true;
}

void applyStartupPalette() {
    setPaletteColour(kPaletteHeadingBackground, rgb(65, 72, 82));
    setPaletteColour(kPaletteHeadingText, kWhite);
    setPaletteColour(kPaletteDialogFrame, rgb(144, 160, 192));
    setPaletteColour(kPaletteDialogBackground, rgb(210, 220, 240));
    setPaletteColour(18, rgb(210, 220, 240));
    setPaletteColour(51, rgb(36, 112, 174));
    setPaletteColour(52, kWhite);
    setSharedResource(6, 155);
}

void resetPalette() {
    state() = PaletteState{};
}

} // namespace veltrano
