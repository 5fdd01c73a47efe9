// The StopMemory: every word list the engine consults, for all six languages,
// the caller's stop words, stop phrases and go phrases, and the tables of the
// HTML and e-mail filters. Made once, it may serve any number of documents; the
// engine only reads it while documents are read.
//
// All tables are allocated from one arena owned by the record: loading the
// built-in lists makes a few large allocations instead of tens of thousands of
// small ones, and clearing releases the arena whole.
#pragma once

#include <cstdint>
#include <memory_resource>

#include "containers/term_list.h"
#include "containers/term_table.h"

namespace phx {
inline constexpr std::int32_t kValidStamp = 12345;
}  // namespace phx

struct StopMemory {
  StopMemory();
  ~StopMemory();
  StopMemory(const StopMemory&) = delete;
  StopMemory& operator=(const StopMemory&) = delete;

  // Must stay the first member: every exported function checks it.
  std::int32_t stamp = 0;

  // Memory of every table below; declared before them so it outlives them.
  std::pmr::monotonic_buffer_resource arena;

  phx::TextTable HtmlEntityTable;
  phx::TextTable HtmlTagTable;
  phx::TextTable HeaderNameTable;
  phx::TextTable SalutationTable;

  phx::TextTable EnglishStopPhrases;
  phx::TextTable EnglishStopWords;
  phx::TextTable EnglishStopVerbs;
  phx::TextTable EnglishAbbreviations;
  phx::TermList EnglishGoList;
  std::int32_t EnglishGoCount = 0;
  phx::TextTable EnglishGoTable;

  phx::TextTable FrenchStopPhrases;
  phx::TextTable FrenchStopWords;
  phx::TextTable FrenchLinkWords;
  phx::TextTable FrenchPronouns;
  phx::TextTable FrenchVerbs;
  phx::TextTable FrenchAbbreviations;
  phx::TermList FrenchGoList;
  std::int32_t FrenchGoCount = 0;
  phx::TextTable FrenchGoTable;

  phx::WideTable JapaneseStopPhrases;
  phx::WideTable JapaneseTimeWords;
  std::int32_t JapaneseTimeWordsMax = 0;
  phx::WideTable JapaneseNumerals;
  phx::WideTable JapaneseCounters;
  std::int32_t JapaneseCountersMax = 0;
  phx::WideTable JapaneseConnectives;
  std::int32_t JapaneseConnectivesMax = 0;
  phx::TermList JapaneseGoList;
  std::int32_t JapaneseGoCount = 0;
  phx::WideTable JapaneseGoTable;

  phx::TextTable GermanStopWords;
  phx::TextTable GermanStopPhrases;
  phx::TextTable GermanVerbs;
  phx::TextTable GermanAdjectiveEndings;
  phx::TextTable GermanAbbreviations;
  phx::TermList GermanGoList;
  std::int32_t GermanGoCount = 0;
  phx::TextTable GermanGoTable;

  phx::TextTable SpanishStopPhrases;
  phx::TextTable SpanishStopWords;
  phx::TextTable SpanishLinkWords;
  phx::TextTable SpanishVerbs;
  phx::TextTable SpanishAdjectives;
  phx::TextTable SpanishAbbreviations;
  phx::TermList SpanishGoList;
  std::int32_t SpanishGoCount = 0;
  phx::TextTable SpanishGoTable;

  phx::WideTable KoreanStopPhrases;
  phx::WideTable KoreanStopWords;
  std::int32_t KoreanStopWordsMax = 0;
  phx::WideTable KoreanParticles;
  std::int32_t KoreanParticlesMax = 0;
  phx::WideTable KoreanAdverbs;
  std::int32_t KoreanAdverbsMax = 0;
  phx::WideTable KoreanAdjectiveStems;
  phx::WideTable KoreanVerbStems;
  phx::WideTable KoreanEndings;
  phx::WideTable KoreanDateCharacters;
  phx::TermList KoreanGoList;
  std::int32_t KoreanGoCount = 0;
  phx::WideTable KoreanGoTable;
};

namespace phx {

// The go phrases of one language: in the order added, how many additions
// succeeded, and each phrase's match type.
struct GoPhrases {
  TermList* list = nullptr;
  std::int32_t* count = nullptr;
  TextTable* table = nullptr;      // Latin-script languages
  WideTable* wide_table = nullptr;  // Japanese and Korean
};
// Null members for a language outside 1..6.
GoPhrases go_phrases(StopMemory& stop, int language);
// The number of go phrases of a language (0 for an unknown language).
std::int32_t go_count(const StopMemory& stop, int language);

// Makes the record and loads every built-in list. 0, or 1 when memory ran out
// (the record is then released and `*out` left null).
int create_stop_memory(StopMemory** out);

// The checks and the additions behind the exported add functions; the handle
// has been checked. Results are the engine's error codes.
int add_stop_word(StopMemory& stop, int language, int char_code, const char* word);
int add_stop_phrase(StopMemory& stop, int language, int char_code, const char* phrase);
int add_go_phrase(StopMemory& stop, int language, int char_code, const char* phrase,
                  int match_type);

}  // namespace phx
