#include "resources/strings/string_table.h"

#include <algorithm>
#include <iterator>

namespace veltrano {
namespace {

// Sorted by number.
constexpr StringTableEntry kStrings[] = {
    {100, "202"},
    {29016, "Januar"},
    {29017, "Februar"},
    {29018, "März"},
    {29019, "April"},
    {29020, "Mai"},
    {29021, "Juni"},
    {29022, "Juli"},
    {29023, "August"},
    {29024, "September"},
    {29025, "Oktober"},
    {29026, "November"},
    {29027, "Dezember"},
    {29028, "%02d:%02d Uhr"},
};

} // namespace

const char* findStringTableEntry(int id) {
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                               [](const StringTableEntry& e, int key) { return e.id < key; });
    if (it == std::end(kStrings) || it->id != id)
        return nullptr;
    return it->text;
}

} // namespace veltrano
