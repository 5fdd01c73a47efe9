// LatinLanguage: the description from which the one Latin-script pipeline
// reads a language.
//
// English is the reference: it fills every entry (english.cpp). A variant
// (French, German, Spanish) starts from a copy of the English description and
// replaces only the entries in which it differs: a character set, a word
// list, or one step. The steps keep their reference names in every variant,
// so the variants can be read side by side with English:
//
//   reader     read_token -> normalise_word -> collect_sentence -> count the
//              word and its two- and three-word phrases (is_linking_word)
//   sentences  collect_sentence: ends_sentence_before -> join_token ->
//              mark_function_word -> sentence_ends_after (abbreviations) ->
//              keeps_sentence
//   selection  lookup parameters -> merge_by_stem -> score stems -> keep best
//              words -> best phrase per word -> representatives ->
//              choose_variants -> add_go_phrases -> output (passes_output_tests,
//              display_form, shown_form, choose_key_sentence) ->
//              build_highlight_list
//   highlights key_phrase_for -> choose_key_sentence (sentence_quality) ->
//              mark_phrase (after_marking) -> build_highlight_list
//
// A null step means that the step does nothing for the language.
#pragma once

#include <string_view>

#include "containers/term_table.h"
#include "latin/latin_parameters.h"
#include "text/bounded_text.h"
#include "text/byte_set.h"

struct DocumentMemory;
struct StopMemory;

namespace phx {
class TermList;
struct SentenceBuffer;
}  // namespace phx

namespace phx {

// Phrase buffers: a candidate, stem, variant or display form of up to three
// words, at most 254 bytes and a zero (longer phrases are never counted).
inline constexpr std::size_t kPhraseBufferBytes = 256;
inline constexpr std::size_t kMaxPhraseBytes = 254;
using PhraseBuffer = BoundedText<kPhraseBufferBytes>;
// A candidate has at most this many words.
inline constexpr int kMaxPhraseWords = 3;

// The character sets of the token reader. Layout characters are the
// separators plus GS and RS; a word broken at a line end is joined across
// them.
struct TokenCharacters {
  ByteSet separators;
  ByteSet layout;
};

struct LatinLanguage;

// Reader steps.
// Writes the normal form of a token, or clears `normal` when the token is no
// content word.
using WordFilter = void (*)(const LatinLanguage& language, std::string_view token,
                            PhraseBuffer& normal, const StopMemory& stop);
// A test on one normal form or phrase.
using WordTest = bool (*)(const LatinLanguage& language, std::string_view text,
                          const StopMemory& stop);
// Hands one token to the sentence store; 0 or an engine error code.
using SentenceCollector = int (*)(const LatinLanguage& language, DocumentMemory& doc,
                                  const StopMemory& stop, std::string_view token,
                                  std::string_view normal, bool counted);
// Switches highlights on when the language has go phrases; 0 or an error.
using HighlightActivation = int (*)(DocumentMemory& doc);

// Sentence collection steps (sentence_collector.h).
// Whether the sentence being collected ends before `token` (the token then
// opens the next one). Block ends and paragraph breaks are handled before.
using SentenceBreakTest = bool (*)(const LatinLanguage& language, const DocumentMemory& doc,
                                   const StopMemory& stop, std::string_view token);
// Whether `token`, just appended, closes `sentence`.
using SentenceEndTest = bool (*)(const LatinLanguage& language, std::string_view token,
                                 std::string_view sentence, const StopMemory& stop);
// The byte written between the sentence and the next token ('\0': none).
// It may retouch the end of the sentence first.
using SentenceJoin = char (*)(const LatinLanguage& language, SentenceBuffer& sentence,
                              std::string_view token);
// Marks the edges of a token that is no content word, appended at `start`.
using FunctionWordMarks = void (*)(const LatinLanguage& language, SentenceBuffer& sentence,
                                   std::size_t start, std::string_view token,
                                   const StopMemory& stop);
// Whether a finished sentence takes a place in the store.
using SentenceKeep = bool (*)(std::string_view sentence);

// Key sentence steps (key_sentence.h, highlight_markup.h).
struct KeyPhrase;
struct SentenceQualityRules;
struct HighlightSlot;
// The text under which an output phrase is matched in the sentences, and the
// positions of its first two occurrences.
using KeyPhraseLookup = void (*)(const LatinLanguage& language, const DocumentMemory& doc,
                                 std::string_view variant, std::string_view display,
                                 KeyPhrase& phrase);
// Retouches the mark of a phrase matched at [first, last] and spread to
// [from, to] in a highlight.
using MarkAdjustment = void (*)(const LatinLanguage& language, HighlightSlot& slot,
                                const StopMemory& stop, int first, int last, int from, int to);

// Selection steps (selection.h holds the working tables they share).
struct SelectionTables;
using StemCandidate = void (*)(std::string_view candidate, PhraseBuffer& stem, int stem_length);
using SelectionStep = int (*)(const LatinLanguage& language, DocumentMemory& doc,
                              const StopMemory& stop, SelectionTables& tables);
// The spelling a variant is shown in, from the document's spelling tables.
using DisplayForm = void (*)(const LatinLanguage& language, std::string_view variant,
                             PhraseBuffer& out, const DocumentMemory& doc);
// Whether a representative with its variant and display form is output;
// `output_so_far` counts the phrases already output.
using OutputTest = bool (*)(const LatinLanguage& language, std::string_view variant,
                            std::string_view display, int output_so_far,
                            const DocumentMemory& doc, const StopMemory& stop,
                            const SelectionTables& tables);
// Turns the display form into the text that is output (in place).
using ShownForm = void (*)(PhraseBuffer& display);
// Asks for the key sentence of an output phrase; 0 or an error.
using KeySentenceStep = int (*)(const LatinLanguage& language, DocumentMemory& doc,
                                const StopMemory& stop, const KeyPhrase& phrase,
                                SelectionTables& tables);

struct LatinLanguage {
  int language_id;  // LanguageId: whose go phrases apply

  // Character sets.
  TokenCharacters token_characters;
  // Removed from tokens and spellings; inside a phrase it breaks the phrase.
  ByteSet punctuation;
  // Word characters of the word filter and the letters a normal form begins with.
  ByteSet word_characters;
  ByteSet letters;
  // A token from which more punctuation bytes are removed is no word.
  int max_punctuation_removed;

  // Word lists of the StopMemory.
  TextTable StopMemory::*stop_words;
  TextTable StopMemory::*stop_phrases;
  TextTable StopMemory::*stop_verbs;
  TextTable StopMemory::*abbreviations;  // a full stop after one ends no sentence
  TermList StopMemory::*go_list;         // go phrases in the order added
  TextTable StopMemory::*go_table;       // go phrase -> its match type

  // Parameter tables and the record of the DocumentMemory they fill.
  const ParameterTable* parameters;
  LatinParameters DocumentMemory::*parameter_record;

  // Reader steps.
  WordFilter normalise_word;
  WordTest is_linking_word;  // null: every normal form may stand alone and at a phrase edge
  SentenceCollector collect_sentence;            // null: no sentences are collected
  HighlightActivation activate_for_go_phrases;  // null: go phrases do not switch highlights on

  // Sentence collection steps.
  SentenceBreakTest ends_sentence_before;
  SentenceEndTest sentence_ends_after;
  SentenceJoin join_token;
  FunctionWordMarks mark_function_word;
  SentenceKeep keeps_sentence;  // null: every finished sentence is stored

  // Selection steps.
  StemCandidate stem_candidate;
  SelectionStep merge_by_stem;
  WordTest has_adjective_ending;  // a variant that ends like an adjective is avoided
  SelectionStep choose_variants;
  SelectionStep add_go_phrases;  // null: go phrases are not looked for
  OutputTest passes_output_tests;
  DisplayForm display_form;
  ShownForm shown_form;  // null: the display form is output as it is
  KeySentenceStep choose_key_sentence;  // null: no key sentences
  SelectionStep build_highlight_list;   // null: no highlight list

  // Key sentence steps.
  KeyPhraseLookup key_phrase_for;
  const SentenceQualityRules* sentence_quality;
  MarkAdjustment after_marking;  // null: the spread mark stands as it is
};

}  // namespace phx
