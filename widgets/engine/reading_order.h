#pragma once
// The order in which a reader meets the controls of a dialog: column by
// column from left to right, and in each column rows from top to bottom, each
// row from left to right. Tab walks a dialog in this order.
#include "render/geometry.h"

#include <cstddef>
#include <vector>

namespace veltrano {

// The indices of `places` in reading order.
//
// Columns: a vertical band that neither a place nor a rectangle of `layout`
// (the controls that take no focus: labels, headings, pictures) crosses parts
// the dialog into columns, so that two sections side by side are read one
// after the other. A dialog without such a band is one column.
//
// Rows: the places of a column sorted by their top edge form rows: a place
// whose top lies above the middle of the row's first place joins that row
// (controls of one line differ in height by a few pixels), any other starts
// the next row. Within a row places go by their left edge; equal places keep
// the order they were given in.
std::vector<std::size_t> readingOrder(const std::vector<Rect>& places,
                                      const std::vector<Rect>& layout = {});

} // namespace veltrano
