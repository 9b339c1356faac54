#pragma once
// Integer geometry in device units of a drawing surface: x grows to the right,
// y grows downwards.

#include <cstdint>
#include <ostream>
#include <type_traits>

namespace veltrano {

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Size {
    std::int32_t width = 0;
    std::int32_t height = 0;

    friend constexpr bool operator==(const Size&, const Size&) = default;
};

// A rectangle by its four edges. Right and bottom lie just outside the
// rectangle: (0, 0, 10, 5) covers the device pixels 0..9 across and 0..4 down.
// An inverted rectangle (right < left or bottom < top) is allowed as a value
// and counts as empty; width() and height() may then be negative.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    constexpr std::int32_t width() const { return right - left; }
    constexpr std::int32_t height() const { return bottom - top; }
    constexpr bool isEmpty() const { return right <= left || bottom <= top; }
    constexpr bool contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    // Each side moved inward by n units (outward for a negative n).
    constexpr Rect deflated(std::int32_t n) const {
        return Rect{left + n, top + n, right - n, bottom - n};
    }
    constexpr Rect translated(std::int32_t dx, std::int32_t dy) const {
        return Rect{left + dx, top + dy, right + dx, bottom + dy};
    }

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

static_assert(std::is_trivially_copyable_v<Rect> && sizeof(Rect) == 16);

inline std::ostream& operator<<(std::ostream& out, const Point& p) {
    return out << '(' << p.x << ", " << p.y << ')';
}

inline std::ostream& operator<<(std::ostream& out, const Size& s) {
    return out << s.width << 'x' << s.height;
}

inline std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << '(' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ')';
}

} // namespace veltrano
