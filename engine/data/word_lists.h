// The built-in word lists and filter tables, compiled in from the text files
// beside this header (see README.md there). Each list is one array in which
// every key, and for lists of pairs every value, is followed by a zero unit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace phx::data {

struct ByteList {
  const char* units;
  std::size_t unit_count;
  std::uint32_t entries;
  bool pairs;
};

struct WideList {
  const char16_t* units;
  std::size_t unit_count;
  std::uint32_t entries;
  bool pairs;
};

// Calls f(key) or f(key, value) for each entry in load order.
template <class List, class F>
void for_each_entry(const List& list, F&& f) {
  using View = std::basic_string_view<std::remove_cv_t<std::remove_pointer_t<decltype(list.units)>>>;
  std::size_t i = 0;
  auto next = [&] {
    std::size_t start = i;
    while (list.units[i] != 0) ++i;
    View text(list.units + start, i - start);
    ++i;
    return text;
  };
  while (i < list.unit_count) {
    View key = next();
    if (list.pairs) {
      View value = next();
      f(key, value);
    } else {
      f(key, View());
    }
  }
}

// Latin-1 lists.
extern const ByteList kHtmlEntities, kHtmlTags, kHeaderNames, kSalutations;
extern const ByteList kEnglishStopPhrases, kEnglishStopWords, kEnglishStopVerbs,
    kEnglishAbbreviations;
extern const ByteList kFrenchStopPhrases, kFrenchStopWords, kFrenchLinkWords, kFrenchPronouns,
    kFrenchVerbs, kFrenchAbbreviations;
extern const ByteList kGermanStopWords, kGermanStopPhrases, kGermanVerbs,
    kGermanAdjectiveEndings, kGermanAbbreviations;
extern const ByteList kSpanishStopPhrases, kSpanishStopWords, kSpanishLinkWords, kSpanishVerbs,
    kSpanishVerbExceptions, kSpanishAdjectives, kSpanishAdjectiveExceptions,
    kSpanishAbbreviations;

// Wide lists.
extern const WideList kJapaneseStopPhrases, kJapaneseTimeWords, kJapaneseNumerals,
    kJapaneseCounters, kJapaneseConnectives;
extern const WideList kKoreanStopPhrases, kKoreanStopWords, kKoreanParticles, kKoreanAdverbs,
    kKoreanAdjectiveStems, kKoreanVerbStems, kKoreanEndings, kKoreanDateCharacters;

}  // namespace phx::data
