// The fullwidth forms of the halfwidth characters U+FF61-U+FFDC, generated
// from their narrow decompositions (tools/codepages/generate_tables.py).
#pragma once

#include <cstdint>

namespace phx {

inline constexpr char16_t kFirstHalfwidthForm = 0xFF61;
inline constexpr char16_t kLastHalfwidthForm = 0xFFDC;
// Indexed by unit - kFirstHalfwidthForm; 0 for the unassigned units.
extern const std::uint16_t kHalfwidthToFullwidth[kLastHalfwidthForm - kFirstHalfwidthForm + 1];

}  // namespace phx
