// A page index over a sorted array of UCS2 units: for each high byte, the
// slice of the array whose units have it. A lookup then searches one page of
// at most 256 units instead of the whole array.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace phx {

class UnitPageIndex {
 public:
  // REQUIRES: units[0..count) ascending.
  UnitPageIndex(const std::uint16_t* units, std::size_t count) : units_(units), count_(count) {
    std::size_t i = 0;
    for (std::size_t page = 0; page <= 256; ++page) {
      while (i < count && (units[i] >> 8) < page) ++i;
      start_[page] = static_cast<std::uint32_t>(i);
    }
  }

  // Number of units below `unit`.
  std::size_t rank(char16_t unit) const {
    // A binary search without branches on the data: the halving steps
    // compile to conditional moves, which keeps it fast on text whose
    // characters come in no predictable order.
    const std::uint16_t* base = units_ + start_[unit >> 8];
    std::size_t n = start_[(unit >> 8) + 1] - start_[unit >> 8];
    if (n == 0) return static_cast<std::size_t>(base - units_);
    while (n > 1) {
      std::size_t half = n / 2;
      base = base[half] < unit ? base + half : base;
      n -= half;
    }
    return static_cast<std::size_t>(base - units_) + (*base < unit ? 1 : 0);
  }
  // Position of `unit`, or count() when it is absent.
  std::size_t find(char16_t unit) const {
    std::size_t at = rank(unit);
    return at < count_ && units_[at] == unit ? at : count_;
  }
  std::size_t count() const { return count_; }

 private:
  const std::uint16_t* units_;
  std::size_t count_;
  std::array<std::uint32_t, 257> start_{};
};

}  // namespace phx
