#include "latin/go_phrases.h"

#include <algorithm>
#include <vector>

#include "api/document_memory.h"
#include "api/error_codes.h"
#include "latin/key_sentence.h"
#include "latin/match_phrase.h"
#include "latin/selection.h"
#include "stopmem/stop_memory.h"
#include "text/convert_word.h"
#include "text/latin1.h"

namespace phx {
namespace {

// A go phrase found in the document, with the first words of the sentences
// of its first two occurrences.
struct FoundGoPhrase {
  std::string_view text;  // as typed; owned by the StopMemory
  int match_type = 0;
  int first = -1;
  int second = -1;
};

FoundGoPhrase* find_found(std::vector<FoundGoPhrase>& found, std::string_view text) {
  auto it = std::find_if(found.begin(), found.end(),
                         [&](const FoundGoPhrase& go) { return go.text == text; });
  return it != found.end() ? &*it : nullptr;
}

// Walks the stored sentences in order and, in each, the go phrases in the
// order added. Stops once as many go phrases as can be output have been seen
// twice: nothing more would change.
int find_go_phrases(const LatinLanguage& language, DocumentMemory& doc, const StopMemory& stop,
                    int wanted, std::vector<FoundGoPhrase>& found) {
  const TermList& list = stop.*language.go_list;
  const TextTable& types = stop.*language.go_table;
  const int limit = std::min(go_count(stop, language.language_id), wanted);
  int seen_twice = 0;
  for (int i = 0; i < doc.sentence_count; ++i) {
    const SentenceRecord& sentence = doc.sentences[i];
    if (sentence.text.empty()) continue;
    for (const TermList::Node* node = list.head(); node != nullptr; node = node->next) {
      if (seen_twice >= limit) return kOk;
      const std::string_view phrase = node->item.text_view();
      std::int32_t match_type = 0;
      types.get_int(phrase, &match_type);
      MatchSpan span;
      if (match_phrase(sentence.text, phrase, match_type, span) != kMatched) continue;
      if (FoundGoPhrase* go = find_found(found, phrase); go != nullptr) {
        if (go->second < 0) {
          go->second = sentence.position;
          if (seen_twice < wanted) ++seen_twice;
        }
      } else if (static_cast<int>(found.size()) < wanted) {
        if (append_converted(doc.phrase_list, phrase, doc.output_char_code) != 0 ||
            doc.score_list.append_pair(Pair::from_double(0.0)) != kListOk) {
          return kNoMemory;
        }
        found.push_back({phrase, match_type, sentence.position, -1});
      }
    }
  }
  return kOk;
}

}  // namespace

int add_go_phrases(const LatinLanguage& language, DocumentMemory& doc, const StopMemory& stop,
                   SelectionTables& tables) {
  if (!doc.sentences.active() || go_count(stop, language.language_id) <= 0) return kOk;
  std::vector<FoundGoPhrase> found;
  const int wanted = tables.parameters.output_count - tables.output_count;
  if (int result = find_go_phrases(language, doc, stop, wanted, found); result != kOk) {
    return result;
  }
  tables.output_count += static_cast<int>(found.size());
  doc.phrase_count = tables.output_count;

  for (const FoundGoPhrase& go : found) {
    if (doc.highlights_active != 0 && language.choose_key_sentence != nullptr) {
      KeyPhrase phrase;
      phrase.text.assign(go.text);
      phrase.match_type = go.match_type;
      phrase.first_position = go.first;
      phrase.second_position = go.second;
      if (int result = language.choose_key_sentence(language, doc, stop, phrase, tables);
          result != kOk) {
        return result;
      }
    }
    // Neither as typed nor in lower case is it output again as a candidate.
    PhraseBuffer lowered(go.text);
    lower_text(lowered.data());
    if (tables.go_seen.put_int(go.text, 1) != kTableOk ||
        tables.go_seen.put_int(lowered, 1) != kTableOk) {
      return kNoMemory;
    }
  }
  return kOk;
}

}  // namespace phx
