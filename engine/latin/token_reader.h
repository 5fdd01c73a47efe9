// The token reader shared by the Latin-script readers: it cuts decoded text,
// delivered in buffers of any size, into tokens separated by white space.
//
// A token that reaches the end of a buffer is kept in `pending_token` and
// completed by the next buffer, so a word split between buffers arrives
// whole. A token ending in "-" right before a line end is joined with the
// first word of the next line ("exam-" + "ple" gives "example"), even when
// the line end and the continuation lie in later buffers. Deciding whether a
// hyphen stands at a line end may need to look past the end of a buffer: the
// white space looked at there is kept in `hyphen_lookahead` and read again at
// the start of the next buffer when the hyphen turns out not to end a line.
//
// Along the way the reader notes the layout around tokens: the width of the
// gap before a token (a tab counts 8), line feeds, and paragraph-like breaks
// (a blank line, or a gap wider than 12 columns), which the buffer reader
// uses to keep phrases from running across them.
#pragma once

#include <cstddef>
#include <string_view>

#include "api/document_memory.h"
#include "latin/latin_language.h"

namespace phx {

enum TokenRead : int {
  kTokenComplete = 0,   // a token (possibly empty) was read
  kTokenBufferEnded = 1,  // the buffer ended; the partial token waits in pending_token
  kTokenFull = 2,       // the token filled max_len bytes; the rest of the run follows
};

// A gap wider than this many columns breaks phrases.
inline constexpr int kPhraseBreakGap = 12;
inline constexpr int kTabWidth = 8;

// Reads the next token of `buffer` from `position` into `token` (at most
// `max_len` bytes, itself at most kMaxTokenBytes) and advances `position`.
// REQUIRES: `position` is 0 while `hyphen_lookahead` holds bytes.
TokenRead read_token(TokenBuffer& token, std::size_t max_len, std::string_view buffer,
                     std::size_t& position, DocumentMemory& doc,
                     const TokenCharacters& characters);

}  // namespace phx
