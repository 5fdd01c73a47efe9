// The owned value of a TermTable entry or the item of a TermList node.
//
// A value is one of four kinds: a 32-bit int, an 8-byte pair (two 32-bit
// words, used for doubles), an 8-bit text or a wide text. Ints and pairs live
// inline so that the count and position tables, which are updated for every
// word read, never allocate for their values. Texts are zero-terminated copies
// allocated from the owning container's memory resource.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <memory_resource>
#include <string_view>

namespace phx {

using WideChar = char16_t;
using WideView = std::u16string_view;

// Length of a zero-terminated text of either flavour; 0 for a null pointer.
template <class Unit>
inline std::size_t text_length(const Unit* text) {
  if (text == nullptr) return 0;
  return std::basic_string_view<Unit>(text).size();
}

// The 8 bytes of a double stored as two 32-bit words, and back.
struct Pair {
  std::uint32_t low;
  std::uint32_t high;
  static Pair from_double(double value) {
    auto bits = std::bit_cast<std::uint64_t>(value);
    return Pair{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32)};
  }
  double as_double() const {
    return std::bit_cast<double>((std::uint64_t{high} << 32) | low);
  }
};
static_assert(sizeof(Pair) == 8);

class TermValue {
 public:
  enum class Kind : std::uint8_t { kNone, kInt, kPair, kText, kWideText };

  TermValue() = default;
  static TermValue of_int(std::int32_t value) {
    TermValue v;
    v.kind_ = Kind::kInt;
    v.int_ = value;
    return v;
  }
  static TermValue of_pair(Pair value) {
    TermValue v;
    v.kind_ = Kind::kPair;
    v.pair_ = value;
    return v;
  }
  // Copies the text into memory from `resource`; returns false when that fails.
  bool assign_text(std::string_view text, std::pmr::memory_resource* resource) {
    return assign_units(text, Kind::kText, resource);
  }
  bool assign_wide_text(WideView text, std::pmr::memory_resource* resource) {
    return assign_units(text, Kind::kWideText, resource);
  }

  // Releases an owned text. Must be called with the resource that made it.
  void release(std::pmr::memory_resource* resource) noexcept {
    if (kind_ == Kind::kText) {
      resource->deallocate(text_, length_ + 1, alignof(char));
    } else if (kind_ == Kind::kWideText) {
      resource->deallocate(wide_text_, (length_ + 1) * sizeof(WideChar), alignof(WideChar));
    }
    kind_ = Kind::kNone;
  }

  Kind kind() const { return kind_; }
  bool empty() const { return kind_ == Kind::kNone; }
  std::int32_t as_int() const { return kind_ == Kind::kInt ? int_ : 0; }
  Pair as_pair() const { return kind_ == Kind::kPair ? pair_ : Pair{}; }
  // Zero-terminated texts; an empty text for a value of another kind.
  const char* text() const { return kind_ == Kind::kText ? text_ : ""; }
  const WideChar* wide_text() const { return kind_ == Kind::kWideText ? wide_text_ : u""; }
  std::string_view text_view() const {
    return kind_ == Kind::kText ? std::string_view(text_, length_) : std::string_view();
  }
  WideView wide_text_view() const {
    return kind_ == Kind::kWideText ? WideView(wide_text_, length_) : WideView();
  }

 private:
  template <class Unit>
  bool assign_units(std::basic_string_view<Unit> text, Kind kind,
                    std::pmr::memory_resource* resource) {
    Unit* copy;
    try {
      copy = static_cast<Unit*>(resource->allocate((text.size() + 1) * sizeof(Unit), alignof(Unit)));
    } catch (...) {
      return false;
    }
    if (!text.empty()) std::memcpy(copy, text.data(), text.size() * sizeof(Unit));
    copy[text.size()] = Unit{0};
    release(resource);
    kind_ = kind;
    length_ = static_cast<std::uint32_t>(text.size());
    if constexpr (sizeof(Unit) == 1) {
      text_ = copy;
    } else {
      wide_text_ = copy;
    }
    return true;
  }

  Kind kind_ = Kind::kNone;
  std::uint32_t length_ = 0;
  union {
    std::int32_t int_;
    Pair pair_;
    char* text_;
    WideChar* wide_text_ = nullptr;
  };
};

}  // namespace phx
