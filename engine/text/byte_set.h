// A set of byte values, built once (usually at compile time) and tested in
// constant time. The 8-bit text routines take their delimiter and character
// sets as ByteSets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace phx {

class ByteSet {
 public:
  constexpr ByteSet() = default;
  // Every byte of `members` is in the set.
  constexpr ByteSet(std::string_view members) {  // NOLINT: implicit on purpose
    for (char c : members) add(static_cast<unsigned char>(c));
  }
  template <std::size_t N>
  constexpr ByteSet(const char (&members)[N])  // NOLINT: implicit on purpose
      : ByteSet(std::string_view(members, N - 1)) {}
  constexpr void add(unsigned char c) { bits_[c >> 6] |= std::uint64_t{1} << (c & 63); }
  constexpr bool contains(unsigned char c) const { return (bits_[c >> 6] >> (c & 63)) & 1; }
  constexpr bool contains(char c) const { return contains(static_cast<unsigned char>(c)); }
  constexpr bool empty() const { return (bits_[0] | bits_[1] | bits_[2] | bits_[3]) == 0; }

 private:
  std::uint64_t bits_[4] = {0, 0, 0, 0};
};

}  // namespace phx
