#pragma once
// A growable array of packed dates (see DateValue::pack); 0 stands for no date.

#include <cstdint>
#include <vector>

namespace veltrano {

class CDateArray {
  public:
    void add(std::uint32_t packedDate) { dates_.push_back(packedDate); }
    void clear() { dates_.clear(); }
    std::int32_t count() const { return static_cast<std::int32_t>(dates_.size()); }
    // The packed date at index i; 0 for an index outside 0..count()-1.
    std::uint32_t at(std::int32_t i) const {
        return i >= 0 && i < count() ? dates_[static_cast<std::size_t>(i)] : 0;
    }

  private:
    std::vector<std::uint32_t> dates_;
};

} // namespace veltrano
