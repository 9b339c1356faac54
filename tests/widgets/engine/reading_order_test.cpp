#include "widgets/engine/reading_order.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

TEST(ReadingOrder, ColumnsThenRowsTopToBottomEachLeftToRight) {
    // Two sections side by side, each under its heading.
    const std::vector<Rect> sections = {{7, 130, 80, 144},
                                        {84, 130, 157, 144},
                                        {7, 162, 157, 267},
                                        {165, 24, 313, 34},
                                        {165, 49, 313, 63}};
    const struct {
        const char* what;
        std::vector<Rect> places;
        std::vector<Rect> layout;
        std::vector<std::size_t> order;
    } cases[] = {
        {"nothing", {}, {}, {}},
        {"a column", {{0, 40, 50, 60}, {0, 0, 50, 20}, {0, 20, 50, 40}}, {}, {1, 2, 0}},
        {"a row joined by a label",
         {{100, 0, 150, 20}, {0, 0, 40, 20}, {60, 0, 100, 20}},
         {{40, 0, 60, 20}},
         {1, 2, 0}},
        {"a field and its button a few pixels higher share a row",
         {{0, 10, 100, 24}, {90, 8, 180, 30}, {0, 40, 100, 54}},
         {},
         {0, 1, 2}},
        {"a place starting below the middle of the row starts the next one",
         {{0, 0, 100, 20}, {90, 10, 180, 30}},
         {},
         {0, 1}},
        {"a tall list comes before the fields beside it under one heading",
         {{165, 50, 313, 62}, {7, 24, 157, 267}, {165, 140, 237, 154}, {241, 140, 313, 154}},
         {{7, 7, 313, 19}},
         {1, 0, 2, 3}},
        {"sections side by side are read one after the other",
         sections,
         {{7, 7, 157, 19}, {165, 7, 313, 19}},
         {0, 1, 2, 3, 4}},
        {"a heading across both sections makes one column",
         sections,
         {{7, 7, 313, 19}},
         {3, 4, 0, 1, 2}},
        {"equal places keep their order", {{0, 0, 10, 10}, {0, 0, 10, 10}}, {}, {0, 1}},
        {"empty places at one height form a row",
         {{30, 5, 30, 5}, {10, 5, 10, 5}},
         {{10, 0, 30, 9}},
         {1, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readingOrder(c.places, c.layout), c.order) << c.what;
}

} // namespace
} // namespace veltrano
