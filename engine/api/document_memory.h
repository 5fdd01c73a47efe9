// The DocumentMemory: everything the engine knows about one document, from
// the caller's settings through the reader's state and the candidate tables
// to the results handed out. One record serves exactly one document.
#pragma once

#include <cstdint>
#include <memory>
#include <new>

#include "api/sentence_record.h"
#include "containers/term_list.h"
#include "containers/term_table.h"
#include "filters/filter_states.h"
#include "japanese/japanese_codec_state.h"
#include "japanese/phrase_count_parameters.h"
#include "korean/korean_codec_state.h"
#include "latin/latin_parameters.h"
#include "latin/sentence_buffer.h"
#include "stopmem/stop_memory.h"
#include "text/bounded_text.h"

namespace phx {

// Every document table has this many buckets.
inline constexpr std::uint32_t kDocumentTableBuckets = 30001;
// Token and normal-form buffers hold 255 bytes and a zero; the token reader
// keeps tokens to 254 bytes.
inline constexpr std::size_t kTokenBufferBytes = 256;
inline constexpr std::size_t kMaxTokenBytes = 254;
using TokenBuffer = BoundedText<kTokenBufferBytes>;
// Readers stop taking words at this many content words.
inline constexpr std::int32_t kContentWordLimit = 30001;

}  // namespace phx

struct DocumentMemory {
  DocumentMemory();
  DocumentMemory(const DocumentMemory&) = delete;
  DocumentMemory& operator=(const DocumentMemory&) = delete;

  // Must stay the first member: every exported function checks it.
  std::int32_t stamp = 0;

  phx::HtmlFilterState HtmlFilterState;
  int HtmlFilterOn = 0;
  int document_ended = 0;
  int phrase_count = 0;
  int language = 0;
  int identified_language = 0;
  double phrase_target = 7.0;
  int input_char_code = 0;
  int output_char_code = 0;
  phx::EmailFilterState EmailFilterState;
  phx::TextFilterState TextFilterState;
  int EmailFilterOn = 0;

  // Candidates of the Latin-script readers: count, first and second
  // position, and the plainest and a more capitalised spelling of each word.
  phx::TextTable candidate_count;
  phx::TextTable first_position;
  phx::TextTable second_position;
  phx::TextTable plain_spelling;
  phx::TextTable capital_spelling;
  phx::TermList candidate_list;  // distinct candidates in order of first occurrence

  phx::TermList phrase_list;     // results, in the output code
  phx::TermList score_list;      // one double per phrase, same order
  phx::TermList held_back_text;  // text read while the language is unknown

  int identification_state = 0;
  int word_count = 0;
  int line_word_position = 0;
  int content_word_count = 0;
  int candidate_total = 0;
  int candidate_length_sum = 0;

  // The last two tokens as read and their normal forms, for two- and
  // three-word phrases, and a token cut off at the end of a buffer.
  phx::TokenBuffer token_before_previous;
  phx::TokenBuffer previous_token;
  phx::TokenBuffer word_before_previous;
  phx::TokenBuffer previous_word;
  phx::TokenBuffer pending_token;
  int newline_seen = 0;
  int gap_width = 0;
  int phrase_break = 0;
  int hyphen_pending = 0;
  // A word broken at a line end: its continuation has begun (and may go on
  // in the next buffer); white space looked at past a buffer's end while
  // deciding whether a hyphen ends a line (latin/token_reader.h).
  int hyphen_continued = 0;
  phx::TokenBuffer hyphen_lookahead;

  phx::LatinParameters english_parameters;  // looked up at every English selection
  int english_hits = 0;
  int french_hits = 0;
  int spanish_hits = 0;
  int german_hits = 0;

  // Partial characters and the UCS2 byte order carried from one buffer to
  // the next; reset (all zero) when the record is made.
  phx::JapaneseCodecState japanese_codec_state;
  phx::KoreanCodecState korean_codec_state;

  phx::JapaneseParameters japanese_parameters;
  phx::WideTable verb_use_count;
  phx::WideTable particle_marked;
  phx::WideTable latin_spelling;
  phx::TermList wide_candidate_list;
  phx::WideTable wide_candidate_count;
  phx::WideTable wide_first_position;

  int highlights_active = 0;
  int highlight_bits = 0;
  int sentence_count = 0;
  phx::SentenceStore sentences;  // active after PhxActivateHighlights
  // The sentence being collected, the number of its first word (0 while not
  // yet known), and whether it grew too long and is being discarded.
  phx::SentenceBuffer sentence_buffer;
  int sentence_start = 0;
  int sentence_flag = 0;
  phx::TermList highlight_list;  // results, in the output code
  int highlight_count = 0;
  phx::WideTable japanese_highlight_table;
};

namespace phx {

// Makes an empty store of kSentenceStoreSize sentences and switches
// highlights on. 0, or 1 when memory ran out (the record is then unchanged).
inline int activate_highlights(DocumentMemory& doc) {
  doc.sentences.activate();
  doc.sentence_count = 0;
  doc.sentence_buffer.clear();
  doc.sentence_start = 0;
  doc.sentence_flag = 0;
  doc.highlights_active = 1;
  return 0;
}

}  // namespace phx
