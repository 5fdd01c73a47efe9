#include "latin/display_form.h"

#include "api/document_memory.h"
#include "latin/stemmer.h"

namespace phx {
namespace {

std::string_view spelling_in(const TextTable& table, std::string_view word) {
  const TermValue* value = table.find(word);
  return value != nullptr ? value->text_view() : std::string_view();
}

void join(PhraseBuffer& out, const std::string_view (&words)[kMaxPhraseWords], int count) {
  out.clear();
  for (int i = 0; i < count; ++i) {
    if (i > 0) out.push_back(' ');
    out.append(words[i]);
  }
}

}  // namespace

void display_form(const LatinLanguage&, std::string_view variant, PhraseBuffer& out,
                  const DocumentMemory& doc) {
  std::string_view words[kMaxPhraseWords];
  std::string_view plain[kMaxPhraseWords];
  std::string_view capital[kMaxPhraseWords];
  int count = 0;
  int capitalised = 0;
  for_each_phrase_word(variant, [&](std::string_view word) {
    words[count] = word;
    std::string_view spelling = spelling_in(doc.plain_spelling, word);
    if (spelling.empty()) spelling = word;
    plain[count] = spelling;
    if (is_capitalised(spelling)) ++capitalised;
    ++count;
  });
  join(out, plain, count);
  if (count == 1 || capitalised == 0 || capitalised == count) return;

  for (int i = 0; i < count; ++i) {
    capital[i] = plain[i];
    if (is_capitalised(plain[i])) continue;
    const std::string_view alternative = spelling_in(doc.capital_spelling, words[i]);
    if (!is_capitalised(alternative)) return;  // the plain form stands
    capital[i] = alternative;
  }
  join(out, capital, count);
}

}  // namespace phx
