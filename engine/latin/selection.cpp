#include "latin/selection.h"

#include <algorithm>

#include "api/document_memory.h"
#include "api/error_codes.h"
#include "latin/stemmer.h"
#include "stopmem/stop_memory.h"
#include "text/convert_word.h"

namespace phx {
namespace {

// Working tables are sized for their content, within the document limit.
std::uint32_t buckets_for(int entries) {
  const long long wanted = 3LL * std::max(entries, 1);
  return static_cast<std::uint32_t>(std::min<long long>(wanted, kDocumentTableBuckets));
}

int stem_of(const SelectionTables& tables, std::string_view stem) {
  const TermValue* index = tables.stem_index.find(stem);
  return index != nullptr ? index->as_int() : -1;
}

// Every stem is scored by its count, boosted when first seen early in the
// document and damped when first seen late.
void score_stems(SelectionTables& tables) {
  const LatinParameters& p = tables.parameters;
  for (StemEntry& entry : tables.stem_list) {
    entry.score = static_cast<double>(entry.count);
    if (entry.first < p.early_position) entry.score *= p.early_factor;
    if (entry.first > p.late_position) entry.score *= p.late_factor;
  }
}

// Keeps the top_word_count best single-word stems, best first. Among equal
// scores the stem met later ranks first; once the list is full, a stem that
// only equals the lowest kept score stays out.
void keep_best_words(SelectionTables& tables) {
  const auto limit = static_cast<std::size_t>(tables.parameters.top_word_count);
  std::vector<int>& top = tables.top_words;
  top.clear();
  for (int index : tables.word_stem_list) {
    const double score = tables.stem_list[index].score;
    if (top.size() >= limit && (limit == 0 || score <= tables.stem_list[top.back()].score)) {
      continue;
    }
    auto place = std::find_if(top.begin(), top.end(), [&](int kept) {
      return tables.stem_list[kept].score <= score;
    });
    top.insert(place, index);
    if (top.size() > limit) top.pop_back();
  }
  for (std::size_t rank = 0; rank < top.size(); ++rank) {
    tables.stem_list[top[rank]].top_rank = static_cast<int>(rank);
  }
}

// Each top word takes the best-scoring phrase that contains it; a phrase's
// score is its stem's score times the factor for its number of words. The
// first phrase to reach a score wins ties.
void best_phrase_per_word(SelectionTables& tables) {
  const std::size_t count = tables.top_words.size();
  tables.best_score.assign(count, 0.0);
  tables.best_phrase.assign(count, -1);
  for (std::size_t rank = 0; rank < count; ++rank) {
    tables.best_score[rank] = tables.stem_list[tables.top_words[rank]].score;
    tables.best_phrase[rank] = tables.top_words[rank];
  }
  const LatinParameters& p = tables.parameters;
  for (std::size_t index = 0; index < tables.stem_list.size(); ++index) {
    const StemEntry& phrase = tables.stem_list[index];
    if (phrase.is_word) continue;
    int words = 0;
    int word_stems[kMaxPhraseWords] = {-1, -1, -1};
    for_each_phrase_word(phrase.stem, [&](std::string_view word) {
      word_stems[words++] = stem_of(tables, word);
    });
    const double score = phrase.score * (words == 2 ? p.two_word_factor : p.three_word_factor);
    for (int w = 0; w < words; ++w) {
      if (word_stems[w] < 0) continue;
      const int rank = tables.stem_list[word_stems[w]].top_rank;
      if (rank >= 0 && score > tables.best_score[rank]) {
        tables.best_score[rank] = score;
        tables.best_phrase[rank] = static_cast<int>(index);
      }
    }
  }
}

// The distinct best phrases, in the order of their best top words, each
// scored with that word's own score.
void choose_representatives(SelectionTables& tables) {
  tables.representatives.clear();
  for (std::size_t rank = 0; rank < tables.top_words.size(); ++rank) {
    StemEntry& phrase = tables.stem_list[tables.best_phrase[rank]];
    if (phrase.representative >= 0) continue;
    phrase.representative = static_cast<int>(tables.representatives.size());
    Representative representative;
    representative.stem = tables.best_phrase[rank];
    representative.score = tables.stem_list[tables.top_words[rank]].score;
    tables.representatives.push_back(representative);
  }
}

// Outputs the representatives that pass the output tests until enough
// phrases are out.
int output_phrases(const LatinLanguage& language, DocumentMemory& doc, const StopMemory& stop,
                   SelectionTables& tables) {
  PhraseBuffer display;
  for (const Representative& representative : tables.representatives) {
    if (tables.output_count >= tables.parameters.output_count) break;
    const std::string_view variant = representative.variant;
    if (variant.empty()) continue;
    language.display_form(language, variant, display, doc);
    if (!language.passes_output_tests(language, variant, display, tables.output_count, doc, stop,
                                      tables)) {
      continue;
    }
    PhraseBuffer shown = display;
    if (language.shown_form != nullptr) language.shown_form(shown);
    if (append_converted(doc.phrase_list, shown, doc.output_char_code) != 0 ||
        doc.score_list.append_pair(Pair::from_double(representative.score)) != kListOk) {
      return kNoMemory;
    }
    ++tables.output_count;
    if (doc.highlights_active != 0 && language.choose_key_sentence != nullptr) {
      KeyPhrase phrase;
      language.key_phrase_for(language, doc, variant, display, phrase);
      if (int result = language.choose_key_sentence(language, doc, stop, phrase, tables);
          result != kOk) {
        return result;
      }
    }
  }
  return kOk;
}

}  // namespace

int add_to_stem(SelectionTables& tables, std::string_view stem, int count, int first) {
  int index = stem_of(tables, stem);
  if (index >= 0) {
    StemEntry& entry = tables.stem_list[index];
    entry.count += count;
    entry.first = std::min(entry.first, first);
    return index;
  }
  index = static_cast<int>(tables.stem_list.size());
  if (tables.stem_index.put_int(stem, index) != kTableOk) return -1;
  StemEntry entry;
  entry.stem.assign(stem);
  entry.count = count;
  entry.first = first;
  entry.is_word = stem.find(' ') == std::string_view::npos;
  tables.stem_list.push_back(std::move(entry));
  if (tables.stem_list.back().is_word) tables.word_stem_list.push_back(index);
  return index;
}

int merge_by_stem(const LatinLanguage& language, DocumentMemory& doc, const StopMemory&,
                  SelectionTables& tables) {
  PhraseBuffer stem;
  tables.candidates.reserve(static_cast<std::size_t>(doc.candidate_total));
  for (const TermList::Node* node = doc.candidate_list.head(); node != nullptr;
       node = node->next) {
    CandidateEntry candidate;
    candidate.text = node->item.text_view();
    std::int32_t value = 0;
    doc.candidate_count.get_int(candidate.text, &value);
    candidate.count = value;
    std::int32_t first = 0;
    doc.first_position.get_int(candidate.text, &first);
    language.stem_candidate(candidate.text, stem, tables.parameters.stem_length);
    candidate.stem = add_to_stem(tables, stem, candidate.count, first);
    if (candidate.stem < 0) return kNoMemory;
    tables.candidates.push_back(candidate);
  }
  return kOk;
}

int choose_variants(const LatinLanguage& language, DocumentMemory&, const StopMemory& stop,
                    SelectionTables& tables) {
  for (const CandidateEntry& candidate : tables.candidates) {
    const int index = tables.stem_list[candidate.stem].representative;
    if (index < 0) continue;
    Representative& representative = tables.representatives[index];
    const int weight =
        language.has_adjective_ending(language, candidate.text, stop) ? 0 : candidate.count;
    if (representative.variant.empty() || weight > representative.variant_weight) {
      representative.variant = candidate.text;
      representative.variant_weight = weight;
    }
  }
  return kOk;
}

bool passes_output_tests(const LatinLanguage& language, std::string_view variant,
                         std::string_view display, int output_so_far, const DocumentMemory&,
                         const StopMemory& stop, const SelectionTables& tables) {
  const LatinParameters& p = tables.parameters;
  if (p.reject_capitalised != 0 && all_words_capitalised(display)) return false;
  if (language.has_adjective_ending(language, variant, stop)) return false;
  if ((stop.*language.stop_phrases).has(variant)) return false;
  if (tables.go_seen.has(variant)) return false;
  // Short phrases must earn their place by rank; acronyms always may.
  const bool long_enough =
      tables.average_candidate_length > 0 &&
      static_cast<double>(display.size()) / static_cast<double>(tables.average_candidate_length) >=
          p.length_ratio_threshold;
  return long_enough || output_so_far <= p.rank_limit || starts_with_two_capitals(display);
}

int select_latin_keyphrases(const LatinLanguage& language, DocumentMemory& doc,
                            const StopMemory& stop) {
  LatinParameters& parameters = doc.*language.parameter_record;
  parameters = lookup_parameters(*language.parameters, doc.phrase_target, doc.word_count);
  SelectionTables tables(buckets_for(doc.candidate_total), buckets_for(parameters.output_count));
  tables.parameters = parameters;
  if (doc.candidate_total > 0) {
    tables.average_candidate_length = doc.candidate_length_sum / doc.candidate_total;
  }
  if (doc.highlights_active != 0) {
    tables.highlight_slots.resize(static_cast<std::size_t>(std::max(parameters.output_count, 0)));
  }

  if (int result = language.merge_by_stem(language, doc, stop, tables); result != kOk) {
    return result;
  }
  score_stems(tables);
  keep_best_words(tables);
  best_phrase_per_word(tables);
  choose_representatives(tables);
  if (int result = language.choose_variants(language, doc, stop, tables); result != kOk) {
    return result;
  }

  // Results are appended after whatever the lists hold.
  doc.phrase_list.last();
  doc.score_list.last();
  if (language.add_go_phrases != nullptr) {
    if (int result = language.add_go_phrases(language, doc, stop, tables); result != kOk) {
      return result;
    }
  }
  if (int result = output_phrases(language, doc, stop, tables); result != kOk) return result;
  doc.phrase_count = tables.output_count;

  if (doc.highlights_active != 0 && language.build_highlight_list != nullptr) {
    return language.build_highlight_list(language, doc, stop, tables);
  }
  return kOk;
}

}  // namespace phx
