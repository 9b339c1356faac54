#include "widgets/engine/reading_order.h"

#include <algorithm>
#include <numeric>

namespace veltrano {

namespace {

// The right edges of the columns, left to right: where the rectangles'
// horizontal extents, merged, leave a gap.
std::vector<std::int32_t> columnEnds(const std::vector<Rect>& places,
                                     const std::vector<Rect>& layout) {
    std::vector<Rect> all = places;
    all.insert(all.end(), layout.begin(), layout.end());
    std::sort(all.begin(), all.end(), [](const Rect& a, const Rect& b) { return a.left < b.left; });
    std::vector<std::int32_t> ends;
    for (const Rect& r : all) {
        if (!ends.empty() && r.left < ends.back())
            ends.back() = std::max(ends.back(), r.right);
        else
            ends.push_back(std::max(r.left + 1, r.right));
    }
    return ends;
}

std::size_t columnOf(const Rect& place, const std::vector<std::int32_t>& ends) {
    const auto at = std::upper_bound(ends.begin(), ends.end(), place.left);
    return static_cast<std::size_t>(at - ends.begin());
}

} // namespace

std::vector<std::size_t> readingOrder(const std::vector<Rect>& places,
                                      const std::vector<Rect>& layout) {
    const std::vector<std::int32_t> ends = columnEnds(places, layout);
    std::vector<std::size_t> order(places.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const std::size_t columnA = columnOf(places[a], ends);
        const std::size_t columnB = columnOf(places[b], ends);
        return columnA != columnB ? columnA < columnB : places[a].top < places[b].top;
    });
    auto rowStart = order.begin();
    while (rowStart != order.end()) {
        const Rect& first = places[*rowStart];
        const std::size_t column = columnOf(first, ends);
        const std::int32_t middle = first.top + first.height() / 2;
        const auto rowEnd = std::find_if(rowStart + 1, order.end(), [&](std::size_t i) {
            const bool joins = places[i].top < middle || places[i].top == first.top;
            return columnOf(places[i], ends) != column || !joins;
        });
        std::stable_sort(rowStart, rowEnd, [&](std::size_t a, std::size_t b) {
            return places[a].left < places[b].left;
        });
        rowStart = rowEnd;
    }
    return order;
}

} // namespace veltrano
