#include "latin/highlight_markup.h"

#include <algorithm>

#include "api/document_memory.h"
#include "api/error_codes.h"
#include "latin/key_sentence.h"
#include "latin/selection.h"
#include "latin/sentence_buffer.h"
#include "text/convert_word.h"

namespace phx {
namespace {

constexpr std::string_view kBracketPairs[] = {"()", "[]", "{}", "<>"};
constexpr std::string_view kClauseSeparators = ",:;";
// A clause this short (in words) beside a long one is an aside.
constexpr int kShortClauseWords = 5;

bool has_key_phrase(std::string_view mask, std::size_t from, std::size_t to) {
  return mask.substr(from, to - from).find(kMaskKeyPhrase) != std::string_view::npos;
}

void elide(std::string& mask, std::size_t from, std::size_t to) {
  std::fill(mask.begin() + static_cast<std::ptrdiff_t>(from),
            mask.begin() + static_cast<std::ptrdiff_t>(to), kMaskElided);
}

// A boundary takes the mark of the word it touches: the byte before it, or
// the byte after it when a space stands before.
void resolve_boundaries(std::string_view text, std::string& mask) {
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (mask[i] != kMaskBoundary) continue;
    std::size_t neighbour = n;
    if (i == 0) {
      if (n > 1 && text[1] != ' ') neighbour = 1;
    } else if (i == n - 1) {
      if (text[i - 1] != ' ') neighbour = i - 1;
    } else if (text[i - 1] != ' ') {
      neighbour = i - 1;
    } else if (text[i + 1] != ' ') {
      neighbour = i + 1;
    }
    const bool usable = neighbour < n && mask[neighbour] != kMaskBoundary;
    mask[i] = usable ? mask[neighbour] : kMaskOrdinary;
  }
}

// A bracketed aside without a key phrase is elided; brackets left with
// different marks (one inside a key phrase, one not) become ordinary.
void elide_asides(std::string_view text, std::string& mask) {
  for (std::string_view pair : kBracketPairs) {
    for (std::size_t open = text.find(pair[0]); open != std::string_view::npos;
         open = text.find(pair[0], open + 1)) {
      const std::size_t close = text.find(pair[1], open + 1);
      if (close == std::string_view::npos) break;
      if (!has_key_phrase(mask, open, close + 1)) elide(mask, open, close + 1);
      if (mask[open] != mask[close]) {
        mask[open] = kMaskOrdinary;
        mask[close] = kMaskOrdinary;
      }
    }
  }
}

int count_words(std::string_view text) {
  int words = 0;
  bool in_word = false;
  for (char c : text) {
    if (c == ' ') {
      in_word = false;
    } else if (!in_word) {
      in_word = true;
      ++words;
    }
  }
  return words;
}

// A short clause before or after the only comma (colon, semicolon) of a
// long sentence is elided when it holds no key phrase.
void elide_clauses(std::string_view text, std::string& mask) {
  const std::size_t n = text.size();
  for (char separator : kClauseSeparators) {
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos || at + 1 >= n) continue;
    if (text.find(separator, at + 1) != std::string_view::npos || text[at + 1] != ' ') continue;
    const int after = count_words(text.substr(at + 1));
    const int before = count_words(text.substr(0, at + 1));
    if (std::min(after, before) > kShortClauseWords || std::max(after, before) < kShortClauseWords) {
      continue;
    }
    if (before <= kShortClauseWords && !has_key_phrase(mask, 0, at + 1)) elide(mask, 0, at + 1);
    if (after <= kShortClauseWords && !has_key_phrase(mask, at + 1, n)) elide(mask, at + 1, n);
  }
}

// The length of the leading run of `set` bytes when a space follows it.
std::size_t leading_run(std::string_view text, std::string_view set) {
  const std::size_t run = std::min(text.find_first_not_of(set), text.size());
  return run > 0 && run < text.size() && text[run] == ' ' ? run : 0;
}

bool ends_marker(std::string_view run) { return run.back() == '.' || run.back() == ')'; }

// "1.", "2)", "iv.", "b)" at the start of a sentence.
void elide_list_marker(std::string_view text, std::string& mask) {
  std::size_t run = leading_run(text, "0123456789.)");
  if (run > 0) {
    const std::string_view marker = text.substr(0, run);
    if (run == 1 || marker.back() == ')' || marker.find('.') != std::string_view::npos) {
      elide(mask, 0, run);
      return;
    }
  }
  for (std::string_view set : {std::string_view("ivxIVX.)"), std::string_view("abcdABCD.)")}) {
    run = leading_run(text, set);
    if (run > 0 && ends_marker(text.substr(0, run))) {
      elide(mask, 0, run);
      return;
    }
  }
}

// Spaces go with the text around them: inside a key phrase they are part of
// it, after kept text they are kept, after elided text elided.
void settle_spaces(std::string_view text, std::string& mask) {
  const std::size_t n = text.size();
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (text[i] != ' ') continue;
    const char before = i > 0 ? mask[i - 1] : '\0';
    if (before == kMaskKeyPhrase && mask[i + 1] == kMaskKeyPhrase) {
      mask[i] = kMaskKeyPhrase;
    } else if (before == kMaskKeyPhrase || before == kMaskOrdinary) {
      mask[i] = kMaskOrdinary;
    } else {
      mask[i] = kMaskElided;
    }
  }
  if (n == 0) return;
  // The space before elided text at the end, or before elided text that is
  // followed by punctuation, goes with it.
  if (mask[n - 1] == kMaskElided) {
    const std::size_t run = mask.find_last_not_of(kMaskElided);
    if (run != std::string::npos && text[run] == ' ') mask[run] = kMaskElided;
  }
  for (std::size_t i = 0; i < n;) {
    if (mask[i] != kMaskElided) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < n && mask[end] == kMaskElided) ++end;
    if (end < n && std::string_view(",;:!?.").find(text[end]) != std::string_view::npos &&
        i > 0 && text[i - 1] == ' ') {
      mask[i - 1] = kMaskElided;
    }
    i = end;
  }
}

void write_escaped(std::string& out, std::string_view run, bool escape) {
  if (!escape) {
    out.append(run);
    return;
  }
  for (char c : run) {
    if (c == '<') {
      out.append("&lt;");
    } else if (c == '>') {
      out.append("&gt;");
    } else {
      out.push_back(c);
    }
  }
}

}  // namespace

void tidy_highlight(std::string_view text, std::string& mask) {
  mask.resize(text.size(), kMaskOrdinary);
  resolve_boundaries(text, mask);
  elide_asides(text, mask);
  elide_clauses(text, mask);
  elide_list_marker(text, mask);
  settle_spaces(text, mask);
}

std::string render_highlight(std::string_view text, std::string_view mask, int highlight_bits) {
  const bool bold = (highlight_bits & kBoldKeyPhrases) != 0;
  const bool grey = (highlight_bits & kGreyElidedText) != 0;
  const bool keep_elided = (highlight_bits & kKeepElidedText) != 0;
  const bool escape = bold || grey;
  std::string out;
  out.reserve(text.size() + 64);
  for (std::size_t at = 0; at < text.size();) {
    const char kind = mask[at];
    std::size_t end = at;
    while (end < text.size() && mask[end] == kind) ++end;
    const std::string_view run = text.substr(at, end - at);
    if (kind == kMaskKeyPhrase) {
      if (bold) out.append(kBoldOpen);
      write_escaped(out, run, escape);
      if (bold) out.append(kBoldClose);
    } else if (kind == kMaskElided) {
      if (grey) out.append(kGreyOpen);
      if (keep_elided) write_escaped(out, run, escape);
      if (grey) out.append(kGreyClose);
    } else {
      write_escaped(out, run, escape);
    }
    at = end;
  }
  return out;
}

int build_highlight_list(const LatinLanguage&, DocumentMemory& doc, const StopMemory&,
                         SelectionTables& tables) {
  if (doc.sentence_count == 0) return kOk;
  std::vector<HighlightSlot>& slots = tables.highlight_slots;
  const std::size_t filled =
      std::min(static_cast<std::size_t>(std::max(doc.highlight_count, 0)), slots.size());

  doc.highlight_list.last();
  auto emit = [&](HighlightSlot& slot) {
    tidy_highlight(slot.text, slot.mask);
    const std::string rendered = render_highlight(slot.text, slot.mask, doc.highlight_bits);
    slot.first_word = -1;
    return append_converted(doc.highlight_list, rendered, doc.output_char_code) == 0 ? kOk
                                                                                   : kNoMemory;
  };
  if ((doc.highlight_bits & kDocumentOrder) == 0) {
    for (std::size_t i = 0; i < filled; ++i) {
      if (int result = emit(slots[i]); result != kOk) return result;
    }
  } else {
    // Repeatedly the slot whose sentence comes first (the first such on ties).
    std::vector<bool> used(filled, false);
    for (std::size_t round = 0; round < filled; ++round) {
      std::size_t next = filled;
      for (std::size_t i = 0; i < filled; ++i) {
        if (!used[i] && (next == filled || slots[i].first_word < slots[next].first_word)) next = i;
      }
      used[next] = true;
      if (int result = emit(slots[next]); result != kOk) return result;
    }
  }
  slots.clear();
  return kOk;
}

}  // namespace phx
