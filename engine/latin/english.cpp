#include "latin/english.h"

#include "api/document_memory.h"
#include "latin/display_form.h"
#include "latin/latin_characters.h"
#include "latin/latin_reader.h"
#include "latin/selection.h"
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
    .parameters = &kEnglishParameters,
    .parameter_record = &DocumentMemory::english_parameters,
    .normalise_word = normalise_word,
    .is_linking_word = nullptr,
    // The sentence store and highlights plug in here.
    .collect_sentence = nullptr,
    .activate_for_go_phrases = nullptr,
    .stem_candidate = stem_candidate,
    .merge_by_stem = merge_by_stem,
    .has_adjective_ending = english_adjective_ending,
    .choose_variants = choose_variants,
    .add_go_phrases = nullptr,
    .passes_output_tests = passes_output_tests,
    .display_form = display_form,
    .shown_form = nullptr,
    .choose_key_sentence = nullptr,
    .build_highlight_list = nullptr,
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
