// Precomposed hangul syllables U+AC00-U+D7A3 from their parts: 19 initial
// consonants (L), 21 vowels (V) and 27 final consonants or none (T).
#pragma once

namespace phx {

inline constexpr char16_t kFirstSyllable = 0xAC00;
inline constexpr char16_t kLastSyllable = 0xD7A3;
inline constexpr int kInitialCount = 19;
inline constexpr int kMedialCount = 21;
inline constexpr int kFinalCount = 28;  // with "none"

constexpr bool is_hangul_syllable(char16_t u) { return u >= kFirstSyllable && u <= kLastSyllable; }

// The syllable of the parts, or 0 when a part is out of range.
constexpr char16_t hangul_compose(int initial, int medial, int final) {
  if (initial < 0 || initial >= kInitialCount || medial < 0 || medial >= kMedialCount ||
      final < 0 || final >= kFinalCount) {
    return 0;
  }
  return static_cast<char16_t>(kFirstSyllable + (initial * kMedialCount + medial) * kFinalCount +
                               final);
}

// The parts of a syllable; false for any other unit.
constexpr bool hangul_decompose(char16_t syllable, int& initial, int& medial, int& final) {
  if (!is_hangul_syllable(syllable)) return false;
  int index = syllable - kFirstSyllable;
  initial = index / (kMedialCount * kFinalCount);
  medial = index % (kMedialCount * kFinalCount) / kFinalCount;
  final = index % kFinalCount;
  return true;
}

}  // namespace phx
