// The scoring parameters of a Latin-script selection. Each language keeps two
// tuned tables of 28 rows, one row per desired number of phrases n = 3 to 30:
// one for documents of fewer than 3000 words and one for longer documents.
// Every selection looks up its record anew with lookup_parameters().
#pragma once

#include <cstdint>

namespace phx {

// One stored row, as tuned: every value is a double, the integer fields are
// truncated when the record is made.
struct ParameterRow {
  double n;
  double two_word_factor;
  double three_word_factor;
  double length_ratio_threshold;
  double rank_limit;
  double early_position;
  double late_position;
  double early_factor;
  double late_factor;
  double stem_length;
  double reject_capitalised;
};

inline constexpr int kFewestPhrases = 3;
inline constexpr int kMostPhrases = 30;
inline constexpr int kParameterRows = kMostPhrases - kFewestPhrases + 1;
// A document of this many words or more is read with the long table.
inline constexpr int kLongDocumentWords = 3000;

struct ParameterTable {
  const ParameterRow (&short_documents)[kParameterRows];
  const ParameterRow (&long_documents)[kParameterRows];
};

// The record a selection works with.
struct LatinParameters {
  int output_count = 0;             // phrases to output: n
  int top_word_count = 0;           // single-word stems kept: 5n
  double two_word_factor = 0.0;     // score factor of a two-word phrase
  double three_word_factor = 0.0;   // score factor of a three-word phrase
  double length_ratio_threshold = 0.0;  // length / average candidate length that passes
  int rank_limit = 0;               // phrases accepted without the length test
  int early_position = 0;           // a stem first seen before this word is boosted
  int late_position = 0;            // a stem first seen after this word is damped
  double early_factor = 0.0;
  double late_factor = 0.0;
  int stem_length = 0;              // stems are cut to this many bytes
  int reject_capitalised = 0;       // 1: phrases of capitalised words only are not output
};

// The desired count rounded half up and held within 3 to 30.
int desired_phrase_rows(double phrase_target);

// The record for a desired count and a document of `word_count` words.
LatinParameters lookup_parameters(const ParameterTable& table, double phrase_target,
                                  int word_count);

}  // namespace phx
