#pragma once
// Colours as red, green and blue intensities 0..255. There is no alpha: every
// drawing operation paints opaquely.

#include <cstdint>
#include <ostream>

namespace veltrano {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

constexpr Colour rgb(int red, int green, int blue) {
    return Colour{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                  static_cast<std::uint8_t>(blue)};
}

inline constexpr Colour kBlack = rgb(0, 0, 0);
inline constexpr Colour kWhite = rgb(255, 255, 255);

// Prints "#rrggbb" in lower-case hex, so that test failures and recorded
// drawing read well.
inline std::ostream& operator<<(std::ostream& out, const Colour& c) {
    static constexpr char digits[] = "0123456789abcdef";
    const std::uint8_t parts[3] = {c.red, c.green, c.blue};
    out << '#';
    for (std::uint8_t part : parts) {
        out << digits[part >> 4] << digits[part & 15];
    }
    return out;
}

} // namespace veltrano
