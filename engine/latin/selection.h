// Selection: turns the candidate tables of a document into its ranked key
// phrases and their scores.
//
// Candidates whose stems agree are merged, and the stems are scored by
// frequency, boosted when first seen early in the document and damped when
// first seen late. The best single-word stems (five times as many as phrases
// wanted) are kept; each is then represented by the best phrase containing it
// (a phrase's score is its stem's score times a factor for its length), and
// each representative is shown through its most frequent unstemmed form that
// does not end like an adjective, spelled as in the text. The output is
// filtered (stop phrases, adjective endings, too short for its rank) and cut
// to the number of phrases wanted. The reported score of a phrase is the
// score of the word it represents, so scores never rise along the list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "containers/term_table.h"
#include "latin/key_sentence.h"
#include "latin/latin_language.h"

namespace phx {

// A distinct stem: summed count and smallest first position of its
// candidates (stem_count, stem_first), and its score (stem_score).
struct StemEntry {
  std::string stem;
  int count = 0;
  int first = 0;
  double score = 0.0;
  bool is_word = false;
  int top_rank = -1;        // place in top_words, or -1
  int representative = -1;  // place in representatives, or -1
};

// A candidate of the document with its count and stem.
struct CandidateEntry {
  std::string_view text;  // owned by the document's candidate_list
  int count = 0;
  int stem = -1;  // index into stem_list
};

// A best phrase chosen to show one or more top words.
struct Representative {
  int stem = -1;                 // index into stem_list
  double score = 0.0;            // representative_score: its best top word's score
  std::string_view variant;      // the unstemmed candidate that shows it
  int variant_weight = -1;       // the variant's count, 0 when it ends like an adjective
};

struct SelectionTables {
  explicit SelectionTables(std::uint32_t stem_buckets, std::uint32_t go_buckets)
      : stem_index(stem_buckets), go_seen(go_buckets) {}

  LatinParameters parameters;
  int average_candidate_length = 0;
  std::vector<CandidateEntry> candidates;  // in order of first occurrence
  std::vector<StemEntry> stem_list;        // in order of first occurrence
  TextTable stem_index;                    // stem -> index into stem_list
  std::vector<int> word_stem_list;         // stems without a space, same order
  std::vector<int> top_words;              // best single-word stems, best first
  std::vector<double> best_score;          // per top word: score of its best phrase
  std::vector<int> best_phrase;            // per top word: stem of its best phrase
  std::vector<Representative> representatives;
  TextTable go_seen;  // go phrases already output, as typed and lower-cased
  int output_count = 0;  // phrases output so far, go phrases included
  // When highlights are on, one slot per phrase to output; the document's
  // highlight_count says how many are filled.
  std::vector<HighlightSlot> highlight_slots;
};

// The selection of a language, steps as named in LatinLanguage. 0, 1 when
// memory ran out, or the error of a highlight step.
int select_latin_keyphrases(const LatinLanguage& language, DocumentMemory& doc,
                            const StopMemory& stop);

// Reference steps, which a variant may reuse inside its own.
int merge_by_stem(const LatinLanguage& language, DocumentMemory& doc, const StopMemory& stop,
                  SelectionTables& tables);
int choose_variants(const LatinLanguage& language, DocumentMemory& doc, const StopMemory& stop,
                    SelectionTables& tables);
bool passes_output_tests(const LatinLanguage& language, std::string_view variant,
                         std::string_view display, int output_so_far, const DocumentMemory& doc,
                         const StopMemory& stop, const SelectionTables& tables);
// Adds a stem (or a candidate's count and position to a known one); its index.
int add_to_stem(SelectionTables& tables, std::string_view stem, int count, int first);

}  // namespace phx
