#include "japanese/sjis_tables.h"
#include "text/wide_code_index.h"

namespace phx {

std::uint16_t sjis_double_byte_code(char16_t unit) {
  static const UnitPageIndex index(kSjisEncodeUnits, kSjisEncodeCount);
  std::size_t at = index.find(unit);
  return at == index.count() ? kSjisNone : kSjisEncodeCodes[at];
}

}  // namespace phx
