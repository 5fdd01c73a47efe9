#include "latin/candidates.h"

#include <string>

#include "text/latin1.h"

namespace phx {

int count_candidate(DocumentMemory& doc, std::string_view candidate) {
  if (TermValue* count = doc.candidate_count.find(candidate)) {
    const std::int32_t seen = count->as_int() + 1;
    *count = TermValue::of_int(seen);
    if (seen == 2 && doc.second_position.put_int(candidate, doc.word_count) != kTableOk) return 1;
    return 0;
  }
  if (doc.candidate_count.put_int(candidate, 1) != kTableOk ||
      doc.first_position.put_int(candidate, doc.word_count) != kTableOk ||
      doc.candidate_list.append_text(candidate) != kListOk) {
    return 1;
  }
  ++doc.candidate_total;
  doc.candidate_length_sum += static_cast<int>(candidate.size());
  return 0;
}

int record_spelling(const LatinLanguage& language, DocumentMemory& doc, std::string_view token,
                    std::string_view normal) {
  PhraseBuffer spelling;
  for (char c : token) {
    if (!language.punctuation.contains(c)) spelling.push_back(c);
  }
  const TermValue* plain = doc.plain_spelling.find(normal);
  if (plain == nullptr) {
    return doc.plain_spelling.put_text(normal, spelling) == kTableOk ? 0 : 1;
  }
  const std::size_t new_capitals = count_upper(spelling);
  const std::size_t plain_capitals = count_upper(plain->text_view());
  PhraseBuffer alternative;
  if (new_capitals < plain_capitals) {
    alternative.assign(plain->text_view());
    if (doc.plain_spelling.put_text(normal, spelling) != kTableOk) return 1;
  } else if (new_capitals > plain_capitals) {
    alternative = spelling;
  } else {
    return 0;
  }
  if (alternative.empty()) return 0;
  const TermValue* capital = doc.capital_spelling.find(normal);
  if (capital == nullptr || count_upper(alternative) < count_upper(capital->text_view())) {
    return doc.capital_spelling.put_text(normal, alternative) == kTableOk ? 0 : 1;
  }
  return 0;
}

bool punctuation_between(std::string_view left, std::string_view right,
                         const ByteSet& punctuation) {
  for (std::size_t i = 2; i < left.size(); ++i) {
    if (punctuation.contains(left[i])) return true;
  }
  for (std::size_t i = 0; i + 2 < right.size(); ++i) {
    if (punctuation.contains(right[i])) return true;
  }
  return false;
}

}  // namespace phx
