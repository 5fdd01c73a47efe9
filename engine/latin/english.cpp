#include "latin/english.h"

#include "api/document_memory.h"
#include "latin/display_form.h"
#include "latin/go_phrases.h"
#include "latin/highlight_markup.h"
#include "latin/key_sentence.h"
#include "latin/latin_characters.h"
#include "latin/latin_reader.h"
#include "latin/selection.h"
#include "latin/sentence_collector.h"
#include "latin/stemmer.h"
#include "latin/word_filter.h"
#include "stopmem/stop_memory.h"
#include "text/char_codes.h"

namespace phx {
namespace {

// A phrase ends like an adjective when its last word does.
bool english_adjective_ending(const LatinLanguage&, std::string_view text, const StopMemory&) {
  return has_adjective_ending(text);
}

constexpr int kEnglishMaxPunctuationRemoved = 3;

const LatinLanguage kEnglishLanguage{
    .language_id = kEnglish,
    .token_characters = {kSeparators, kLayout},
    .punctuation = kPunctuation,
    .word_characters = kWordCharacters,
    .letters = kLetters,
    .max_punctuation_removed = kEnglishMaxPunctuationRemoved,
    .stop_words = &StopMemory::EnglishStopWords,
    .stop_phrases = &StopMemory::EnglishStopPhrases,
    .stop_verbs = &StopMemory::EnglishStopVerbs,
    .abbreviations = &StopMemory::EnglishAbbreviations,
    .go_list = &StopMemory::EnglishGoList,
    .go_table = &StopMemory::EnglishGoTable,
    .parameters = &kEnglishParameters,
    .parameter_record = &DocumentMemory::english_parameters,
    .normalise_word = normalise_word,
    .is_linking_word = nullptr,
    .collect_sentence = collect_sentence,
    .activate_for_go_phrases = activate_for_go_phrases,
    .ends_sentence_before = ends_sentence_before,
    .sentence_ends_after = sentence_ends_after,
    .join_token = join_token,
    .mark_function_word = mark_function_word,
    .keeps_sentence = nullptr,
    .stem_candidate = stem_candidate,
    .merge_by_stem = merge_by_stem,
    .has_adjective_ending = english_adjective_ending,
    .choose_variants = choose_variants,
    .add_go_phrases = add_go_phrases,
    .passes_output_tests = passes_output_tests,
    .display_form = display_form,
    .shown_form = nullptr,
    .choose_key_sentence = choose_key_sentence,
    .build_highlight_list = build_highlight_list,
    .key_phrase_for = key_phrase_for,
    .sentence_quality = &kEnglishSentenceQuality,
    .after_marking = nullptr,
};

}  // namespace

const LatinLanguage& english_language() { return kEnglishLanguage; }

int read_english_buffer(DocumentMemory& doc, const StopMemory& stop, std::string_view text) {
  return read_latin_buffer(kEnglishLanguage, doc, stop, text);
}

int select_english_keyphrases(DocumentMemory& doc, const StopMemory& stop) {
  return select_latin_keyphrases(kEnglishLanguage, doc, stop);
}

}  // namespace phx
