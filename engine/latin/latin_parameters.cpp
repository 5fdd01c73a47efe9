#include "latin/latin_parameters.h"

#include <cmath>

namespace phx {

int desired_phrase_rows(double phrase_target) {
  if (std::isnan(phrase_target)) return kFewestPhrases;
  const double rounded = std::trunc(phrase_target + 0.5);
  if (rounded < kFewestPhrases) return kFewestPhrases;
  if (rounded > kMostPhrases) return kMostPhrases;
  return static_cast<int>(rounded);
}

LatinParameters lookup_parameters(const ParameterTable& table, double phrase_target,
                                  int word_count) {
  const int n = desired_phrase_rows(phrase_target);
  const ParameterRow& row = word_count < kLongDocumentWords
                                ? table.short_documents[n - kFewestPhrases]
                                : table.long_documents[n - kFewestPhrases];
  LatinParameters p;
  p.output_count = n;
  p.top_word_count = 5 * n;
  p.two_word_factor = row.two_word_factor;
  p.three_word_factor = row.three_word_factor;
  p.length_ratio_threshold = row.length_ratio_threshold;
  p.rank_limit = static_cast<int>(row.rank_limit);
  p.early_position = static_cast<int>(row.early_position);
  p.late_position = static_cast<int>(row.late_position);
  p.early_factor = row.early_factor;
  p.late_factor = row.late_factor;
  p.stem_length = static_cast<int>(row.stem_length);
  p.reject_capitalised = static_cast<int>(row.reject_capitalised);
  return p;
}

}  // namespace phx
