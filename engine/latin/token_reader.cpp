#include "latin/token_reader.h"

#include <algorithm>

#include "latin/latin_characters.h"
#include "text/latin1.h"

namespace phx {
namespace {

// The text a call reads: white space kept back from earlier buffers while a
// hyphen was undecided, then the buffer itself. Indexes run over both.
class Source {
 public:
  Source(std::string_view carried, std::string_view buffer) : carried_(carried), buffer_(buffer) {}
  std::size_t size() const { return carried_.size() + buffer_.size(); }
  char operator[](std::size_t k) const {
    return k < carried_.size() ? carried_[k] : buffer_[k - carried_.size()];
  }
  std::size_t carried() const { return carried_.size(); }

 private:
  std::string_view carried_;
  std::string_view buffer_;
};

// Notes one separator skipped before a token.
void note_separator(char c, DocumentMemory& doc) {
  doc.gap_width += c == '\t' ? kTabWidth : 1;
  if (doc.gap_width > kPhraseBreakGap) {
    if (doc.newline_seen != 0) doc.line_word_position = 0;
    doc.phrase_break = 1;
    doc.newline_seen = 0;
  }
  if (c == '\n') {
    if (doc.newline_seen != 0) {
      // A blank line.
      doc.phrase_break = 1;
      doc.newline_seen = 0;
    } else if (doc.phrase_break == 0) {
      doc.newline_seen = 1;
    }
    doc.line_word_position = 0;
  }
}

// A word broken at a line end loses its hyphens, unless it looks like a name
// or a compound (Jean-Paul, well-to-do).
void join_broken_word(TokenBuffer& token) {
  const std::string_view text = token.view();
  if (count_upper(text) >= 2 || std::count(text.begin(), text.end(), '-') >= 2) return;
  TokenBuffer joined;
  for (char c : text) {
    if (c != '-') joined.push_back(c);
  }
  token = joined;
}

}  // namespace

TokenRead read_token(TokenBuffer& token, std::size_t max_len, std::string_view buffer,
                     std::size_t& position, DocumentMemory& doc,
                     const TokenCharacters& characters) {
  max_len = std::min(max_len, kMaxTokenBytes);
  const ByteSet& separators = characters.separators;
  const ByteSet& layout = characters.layout;

  // The lookahead is read again only after its hyphen proved not to end a line.
  const bool replay_lookahead = doc.hyphen_pending == 0 && !doc.hyphen_lookahead.empty();
  TokenBuffer carried;
  if (replay_lookahead) {
    carried = doc.hyphen_lookahead;
    doc.hyphen_lookahead.clear();
  }
  const Source source(carried.view(), buffer);
  const std::size_t n = source.size();
  std::size_t i = source.carried() + position;

  token.assign(doc.pending_token.view());
  token.truncate(max_len);
  bool consume_stop = false;  // the byte at i ended the token and is used up with it

  if (doc.hyphen_pending == 0) {
    const bool carried_token_ends = !token.empty() && i < n && separators.contains(source[i]);
    if (!carried_token_ends) {
      while (i < n && separators.contains(source[i])) note_separator(source[i++], doc);
      if (i < n) {
        // A line feed that ended the previous token starts a new line here.
        if (doc.newline_seen != 0) doc.line_word_position = 0;
        doc.newline_seen = 0;
        doc.gap_width = 0;
        ++doc.line_word_position;
      }
      while (i < n && !separators.contains(source[i]) && token.size() < max_len) {
        if (source[i] == kRecordSeparator) doc.line_word_position = 0;
        token.push_back(source[i++]);
      }
    }
    consume_stop = i < n && separators.contains(source[i]);
    if (!token.empty() && token.back() == '-' && consume_stop) {
      doc.hyphen_pending = 1;
      doc.hyphen_continued = 0;
      doc.newline_seen = 0;
      doc.hyphen_lookahead.clear();
    }
  }

  if (doc.hyphen_pending != 0 && doc.newline_seen == 0) {
    // Is the hyphen at a line end? Look past the white space for a line feed.
    const std::size_t remembered = i;
    if (consume_stop) {
      if (source[i] == '\n') doc.newline_seen = 1;
      ++i;
    }
    while (i < n && doc.newline_seen == 0 && layout.contains(source[i])) {
      if (source[i] == '\n') doc.newline_seen = 1;
      ++i;
    }
    if (doc.newline_seen != 0) {
      doc.hyphen_lookahead.clear();
    } else if (i < n) {
      // Not at a line end: the token keeps its "-"; the white space after it
      // is read again as the gap before the next token.
      doc.hyphen_pending = 0;
      i = remembered;
    } else {
      // Undecided at the end of the buffer: keep the white space, with the
      // separator that ended the token, to read it again should the hyphen
      // prove not to end a line.
      for (std::size_t k = remembered; k < n; ++k) doc.hyphen_lookahead.push_back(source[k]);
    }
  }

  if (doc.hyphen_pending != 0 && doc.newline_seen != 0) {
    // A word broken at a line end: append the first word of the next line.
    if (doc.hyphen_continued == 0) {
      while (i < n && layout.contains(source[i])) ++i;
    }
    if (i < n) {
      doc.hyphen_continued = 1;
      while (i < n && !layout.contains(source[i]) && token.size() < max_len) {
        token.push_back(source[i++]);
      }
      const bool ended_at_layout = i < n && layout.contains(source[i]);
      if (ended_at_layout || token.size() >= max_len) {
        doc.hyphen_pending = 0;
        doc.hyphen_continued = 0;
        doc.newline_seen = 0;
        doc.line_word_position = 1;
        join_broken_word(token);
      }
      // GS and RS are kept for the next token: they mark boundaries.
      consume_stop = ended_at_layout && separators.contains(source[i]);
    }
  }

  const bool full = token.size() >= max_len;
  const bool buffer_ended = i >= n;
  if (consume_stop && i < n) {
    // The separator that ended the token is the first column of the gap
    // before the next one.
    doc.gap_width += source[i] == '\t' ? kTabWidth : 1;
    if (source[i] == '\n') doc.newline_seen = 1;
    ++i;
  }
  // Whatever of the carried white space was not read waits for the next call.
  if (i < source.carried()) {
    doc.hyphen_lookahead.assign(carried.view().substr(i));
    position = 0;
  } else {
    position = i - source.carried();
  }

  if (!full && buffer_ended) {
    doc.pending_token = token;
    return kTokenBufferEnded;
  }
  doc.pending_token.clear();
  return full ? kTokenFull : kTokenComplete;
}

}  // namespace phx
