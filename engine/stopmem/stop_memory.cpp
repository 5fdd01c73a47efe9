#include "stopmem/stop_memory.h"

#include <algorithm>
#include <new>

#include "data/word_lists.h"
#include "text/char_codes.h"

namespace phx {
namespace {

// Roughly what the built-in lists take, so that loading needs few arena blocks.
constexpr std::size_t kArenaInitialBytes = std::size_t{4} << 20;

using data::ByteList;
using data::WideList;

// One built-in list and the table it fills, in load order.
struct TextLoad {
  TextTable StopMemory::*table;
  std::uint32_t buckets;
  const ByteList* list;
  std::int32_t value;  // for lists of keys; lists of pairs store their texts
};
struct WideLoad {
  WideTable StopMemory::*table;
  std::uint32_t buckets;
  const WideList* list;
  std::int32_t StopMemory::*longest;  // the length of the longest entry, or null
};

int fill(StopMemory& stop, const TextLoad& load) {
  TextTable& table = stop.*load.table;
  if (table.bucket_count == 0) table.init(load.buckets, &stop.arena, TableSizing::kFullSize);
  int result = kTableOk;
  data::for_each_entry(*load.list, [&](std::string_view key, std::string_view value) {
    if (result != kTableOk) return;
    result = load.list->pairs ? table.put_text(key, value) : table.put_int(key, load.value);
  });
  return result == kTableOk ? 0 : 1;
}

int fill(StopMemory& stop, const WideLoad& load) {
  WideTable& table = stop.*load.table;
  table.init(load.buckets, &stop.arena, TableSizing::kFullSize);
  int result = kTableOk;
  std::int32_t longest = 0;
  data::for_each_entry(*load.list, [&](WideView key, WideView) {
    if (result != kTableOk) return;
    result = table.put_int(key, 1);
    longest = std::max(longest, static_cast<std::int32_t>(key.size()));
  });
  if (load.longest != nullptr) stop.*load.longest = longest;
  return result == kTableOk ? 0 : 1;
}

void init_go_table(StopMemory& stop, TextTable StopMemory::*table) {
  (stop.*table).init(1001, &stop.arena, TableSizing::kFullSize);
}
void init_go_table(StopMemory& stop, WideTable StopMemory::*table) {
  (stop.*table).init(1001, &stop.arena, TableSizing::kFullSize);
}

int load_built_in_lists(StopMemory& stop) {
  using S = StopMemory;
  // Filter tables, then English, French and German.
  static const TextLoad kFirst[] = {
      {&S::HtmlEntityTable, 1013, &data::kHtmlEntities, 1},
      {&S::HtmlTagTable, 203, &data::kHtmlTags, 1},
      {&S::HeaderNameTable, 101, &data::kHeaderNames, 1},
      {&S::SalutationTable, 101, &data::kSalutations, 1},
      {&S::EnglishStopPhrases, 2003, &data::kEnglishStopPhrases, 1},
      {&S::EnglishStopWords, 2003, &data::kEnglishStopWords, 1},
      {&S::EnglishStopVerbs, 2003, &data::kEnglishStopVerbs, 1},
      {&S::EnglishAbbreviations, 203, &data::kEnglishAbbreviations, 1},
      {&S::FrenchStopPhrases, 2003, &data::kFrenchStopPhrases, 1},
      {&S::FrenchStopWords, 2003, &data::kFrenchStopWords, 1},
      {&S::FrenchLinkWords, 203, &data::kFrenchLinkWords, 1},
      {&S::FrenchPronouns, 203, &data::kFrenchPronouns, 1},
      {&S::FrenchVerbs, 18013, &data::kFrenchVerbs, 1},
      {&S::FrenchAbbreviations, 203, &data::kFrenchAbbreviations, 1},
      {&S::GermanStopWords, 4001, &data::kGermanStopWords, 1},
      {&S::GermanStopPhrases, 4001, &data::kGermanStopPhrases, 1},
      {&S::GermanVerbs, 7417, &data::kGermanVerbs, 1},
      {&S::GermanAdjectiveEndings, 307, &data::kGermanAdjectiveEndings, 1},
      {&S::GermanAbbreviations, 203, &data::kGermanAbbreviations, 1},
  };
  static const WideLoad kJapanese[] = {
      {&S::JapaneseStopPhrases, 2003, &data::kJapaneseStopPhrases, nullptr},
      {&S::JapaneseTimeWords, 2003, &data::kJapaneseTimeWords, &S::JapaneseTimeWordsMax},
      {&S::JapaneseNumerals, 2003, &data::kJapaneseNumerals, nullptr},
      {&S::JapaneseCounters, 2003, &data::kJapaneseCounters, &S::JapaneseCountersMax},
      {&S::JapaneseConnectives, 2003, &data::kJapaneseConnectives, &S::JapaneseConnectivesMax},
  };
  // Spanish: the value-0 entries mark words that look like verbs or
  // adjectives but are not, and are loaded after the value-1 ones.
  static const TextLoad kSpanish[] = {
      {&S::SpanishStopPhrases, 2003, &data::kSpanishStopPhrases, 1},
      {&S::SpanishStopWords, 2003, &data::kSpanishStopWords, 1},
      {&S::SpanishLinkWords, 203, &data::kSpanishLinkWords, 1},
      {&S::SpanishVerbs, 18013, &data::kSpanishVerbs, 1},
      {&S::SpanishVerbs, 18013, &data::kSpanishVerbExceptions, 0},
      {&S::SpanishAdjectives, 18013, &data::kSpanishAdjectives, 1},
      {&S::SpanishAdjectives, 18013, &data::kSpanishAdjectiveExceptions, 0},
      {&S::SpanishAbbreviations, 203, &data::kSpanishAbbreviations, 1},
  };
  static const WideLoad kKorean[] = {
      {&S::KoreanStopPhrases, 7, &data::kKoreanStopPhrases, nullptr},
      {&S::KoreanStopWords, 1801, &data::kKoreanStopWords, &S::KoreanStopWordsMax},
      {&S::KoreanParticles, 701, &data::kKoreanParticles, &S::KoreanParticlesMax},
      {&S::KoreanAdverbs, 4603, &data::kKoreanAdverbs, &S::KoreanAdverbsMax},
      {&S::KoreanAdjectiveStems, 2003, &data::kKoreanAdjectiveStems, nullptr},
      {&S::KoreanVerbStems, 4603, &data::kKoreanVerbStems, nullptr},
      {&S::KoreanEndings, 7, &data::kKoreanEndings, nullptr},
      {&S::KoreanDateCharacters, 23, &data::kKoreanDateCharacters, nullptr},
  };

  auto load_all = [&stop](const auto& loads) {
    for (const auto& load : loads) {
      if (fill(stop, load) != 0) return 1;
    }
    return 0;
  };
  // The go tables sit between each language's lists in the record; they are
  // made with their language.
  if (load_all(kFirst) != 0) return 1;
  init_go_table(stop, &S::EnglishGoTable);
  init_go_table(stop, &S::FrenchGoTable);
  init_go_table(stop, &S::GermanGoTable);
  if (load_all(kJapanese) != 0) return 1;
  init_go_table(stop, &S::JapaneseGoTable);
  if (load_all(kSpanish) != 0) return 1;
  init_go_table(stop, &S::SpanishGoTable);
  if (load_all(kKorean) != 0) return 1;
  init_go_table(stop, &S::KoreanGoTable);
  return 0;
}

}  // namespace

GoPhrases go_phrases(StopMemory& stop, int language) {
  switch (language) {
    case kEnglish: return {&stop.EnglishGoList, &stop.EnglishGoCount, &stop.EnglishGoTable, nullptr};
    case kFrench: return {&stop.FrenchGoList, &stop.FrenchGoCount, &stop.FrenchGoTable, nullptr};
    case kGerman: return {&stop.GermanGoList, &stop.GermanGoCount, &stop.GermanGoTable, nullptr};
    case kSpanish: return {&stop.SpanishGoList, &stop.SpanishGoCount, &stop.SpanishGoTable, nullptr};
    case kJapanese:
      return {&stop.JapaneseGoList, &stop.JapaneseGoCount, nullptr, &stop.JapaneseGoTable};
    case kKorean: return {&stop.KoreanGoList, &stop.KoreanGoCount, nullptr, &stop.KoreanGoTable};
    default: return {};
  }
}

std::int32_t go_count(const StopMemory& stop, int language) {
  GoPhrases go = go_phrases(const_cast<StopMemory&>(stop), language);
  return go.count != nullptr ? *go.count : 0;
}

int create_stop_memory(StopMemory** out) {
  StopMemory* stop = new (std::nothrow) StopMemory();
  if (stop == nullptr) return 1;
  *out = stop;
  stop->stamp = kValidStamp;
  int result;
  try {
    result = load_built_in_lists(*stop);
  } catch (const std::bad_alloc&) {
    result = 1;
  }
  if (result != 0) {
    delete stop;
    *out = nullptr;
  }
  return result;
}

}  // namespace phx

StopMemory::StopMemory() : arena(phx::kArenaInitialBytes) {}

StopMemory::~StopMemory() {
  // Every table lives in the arena, which goes as a whole after this body.
  stamp = 0;
  for (phx::TextTable* table :
       {&HtmlEntityTable, &HtmlTagTable, &HeaderNameTable, &SalutationTable, &EnglishStopPhrases,
        &EnglishStopWords, &EnglishStopVerbs, &EnglishAbbreviations, &EnglishGoTable,
        &FrenchStopPhrases, &FrenchStopWords, &FrenchLinkWords, &FrenchPronouns, &FrenchVerbs,
        &FrenchAbbreviations, &FrenchGoTable, &GermanStopWords, &GermanStopPhrases, &GermanVerbs,
        &GermanAdjectiveEndings, &GermanAbbreviations, &GermanGoTable, &SpanishStopPhrases,
        &SpanishStopWords, &SpanishLinkWords, &SpanishVerbs, &SpanishAdjectives,
        &SpanishAbbreviations, &SpanishGoTable}) {
    table->abandon();
  }
  for (phx::WideTable* table :
       {&JapaneseStopPhrases, &JapaneseTimeWords, &JapaneseNumerals, &JapaneseCounters,
        &JapaneseConnectives, &JapaneseGoTable, &KoreanStopPhrases, &KoreanStopWords,
        &KoreanParticles, &KoreanAdverbs, &KoreanAdjectiveStems, &KoreanVerbStems, &KoreanEndings,
        &KoreanDateCharacters, &KoreanGoTable}) {
    table->abandon();
  }
}
