// phraxis.hpp - a header-only C++ wrapper over the PHRAXIS engine (phx_api.h).
//
// It owns the two engine handles through RAII classes and turns every engine
// error into an exception carrying the engine's code and message text; it
// calls nothing but the engine's exported functions.
//
//   phraxis::StopMemory stop;                    // built-in lists, loaded once
//   phraxis::Options options;
//   options.language = phraxis::Language::english;
//   options.highlights = true;
//   phraxis::Extraction result = phraxis::extract(stop, text, options);
//   for (const auto& p : result.phrases) std::cout << p.text << ' ' << p.score << '\n';
//
// Texts go in and come out in the engine's character codes: `Options`
// names the input and output codes. Texts handed back are raw bytes in the
// output code; for UCS2 (code 2) that is two bytes per unit in native order,
// without the terminating zero unit (`to_u16` turns them into units).
//
// Threads: one StopMemory may be shared by Documents read on several threads
// as long as no word is added to it meanwhile; a Document belongs to one
// thread at a time. The StopMemory must outlive every Document made on it.
#ifndef PHRAXIS_HPP
#define PHRAXIS_HPP

#include <climits>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "phx_api.h"

namespace phraxis {

// LanguageID and CharCodeID of the engine. DO NOT CHANGE THESE VALUES.
enum class Language : int {
  automatic = 0,
  english = 1,
  french = 2,
  japanese = 3,
  german = 4,
  spanish = 5,
  korean = 6,
};

enum class CharCode : int {
  latin1 = 0,
  cp437 = 1,
  ucs2 = 2,
  shift_jis = 3,
  jis = 4,
  euc_jp = 5,
  ksc = 6,
  johap = 7,
};

// HighlightType bits.
namespace highlight {
inline constexpr int one_per_sentence = 1;
inline constexpr int document_order = 2;
inline constexpr int keep_elided_text = 4;
inline constexpr int bold_phrases = 8;
inline constexpr int grey_elided_text = 16;
}  // namespace highlight

// MatchType bits of go phrases.
namespace match {
inline constexpr int case_sensitive = 1;
inline constexpr int whole_words = 2;
inline constexpr int width_sensitive = 4;
inline constexpr int accents_significant = 8;
inline constexpr int word_by_word = 16;
inline constexpr int ignoring_blanks = 32;
inline constexpr int kana_normalising = 64;
}  // namespace match

// The engine's message text of an error code, as the engine stores it.
inline std::string error_message(int code) {
  const char* text = nullptr;
  PhxGetErrorMessage(code, &text);
  return text != nullptr ? std::string(text) : std::string();
}

// An engine call that failed: its code and the engine's message text.
class Error : public std::runtime_error {
 public:
  explicit Error(int code) : std::runtime_error(error_message(code)), code_(code) {}
  int code() const noexcept { return code_; }

 private:
  int code_;
};

// Throws an Error for a non-zero engine result.
inline void check(int result) {
  if (result != 0) throw Error(result);
}

// A text in the output code, as bytes: for UCS2, the units up to the zero
// unit; otherwise the bytes up to the zero byte. Null gives an empty text.
inline std::string engine_text(const char* text, CharCode code) {
  if (text == nullptr) return {};
  if (code != CharCode::ucs2) return std::string(text);
  std::size_t bytes = 0;
  while (text[bytes] != '\0' || text[bytes + 1] != '\0') bytes += 2;
  return std::string(text, bytes);
}

// UCS2 bytes in native order as 16-bit units (a trailing odd byte is dropped).
inline std::u16string to_u16(std::string_view ucs2_bytes) {
  std::u16string units(ucs2_bytes.size() / 2, u'\0');
  if (!units.empty()) std::memcpy(units.data(), ucs2_bytes.data(), units.size() * 2);
  return units;
}

// 16-bit units as UCS2 bytes in native order.
inline std::string from_u16(std::u16string_view units) {
  std::string bytes(units.size() * 2, '\0');
  if (!units.empty()) std::memcpy(bytes.data(), units.data(), bytes.size());
  return bytes;
}

// The built-in word lists of every language plus the caller's stop words,
// stop phrases and go phrases. Move-only.
class StopMemory {
 public:
  StopMemory() { check(PhxCreateStopMemory(&handle_)); }
  ~StopMemory() {
    if (handle_ != nullptr) PhxClearStopMemory(handle_);
  }
  StopMemory(StopMemory&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  StopMemory& operator=(StopMemory&& other) noexcept {
    if (this != &other) {
      if (handle_ != nullptr) PhxClearStopMemory(handle_);
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  StopMemory(const StopMemory&) = delete;
  StopMemory& operator=(const StopMemory&) = delete;

  // Texts are in `code`; a UCS2 text is given as its bytes (see from_u16)
  // and is passed on zero-terminated.
  void add_stop_word(Language language, CharCode code, std::string_view word) {
    const std::string text = terminated(word, code);
    check(PhxAddStopWord(handle_, static_cast<int>(language), static_cast<int>(code), text.c_str()));
  }
  void add_stop_phrase(Language language, CharCode code, std::string_view phrase) {
    const std::string text = terminated(phrase, code);
    check(PhxAddStopPhrase(handle_, static_cast<int>(language), static_cast<int>(code),
                           text.c_str()));
  }
  void add_go_phrase(Language language, CharCode code, std::string_view phrase,
                     int match_type = match::whole_words) {
    const std::string text = terminated(phrase, code);
    check(PhxAddGoPhrase(handle_, static_cast<int>(language), static_cast<int>(code), text.c_str(),
                         match_type));
  }

  ::StopMemory* handle() const noexcept { return handle_; }

 private:
  // std::string adds one zero byte; UCS2 needs a whole zero unit.
  static std::string terminated(std::string_view text, CharCode code) {
    std::string copy(text);
    if (code == CharCode::ucs2) copy.push_back('\0');
    return copy;
  }

  ::StopMemory* handle_ = nullptr;
};

// A key phrase: its text in the output code, and its score.
struct Phrase {
  std::string text;
  double score = 0.0;
};

// One document from its settings to its results. Move-only; it keeps a
// reference to its StopMemory, which must outlive it.
class Document {
 public:
  explicit Document(StopMemory& stop) : stop_(&stop) { check(PhxCreateDocumentMemory(&handle_)); }
  ~Document() {
    if (handle_ != nullptr) PhxClearDocumentMemory(handle_);
  }
  Document(Document&& other) noexcept
      : handle_(std::exchange(other.handle_, nullptr)),
        stop_(other.stop_),
        output_code_(other.output_code_) {}
  Document& operator=(Document&& other) noexcept {
    if (this != &other) {
      if (handle_ != nullptr) PhxClearDocumentMemory(handle_);
      handle_ = std::exchange(other.handle_, nullptr);
      stop_ = other.stop_;
      output_code_ = other.output_code_;
    }
    return *this;
  }
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  // ---- settings (before the first read) ----
  void set_language(Language language) {
    check(PhxSetDocumentLanguage(handle_, static_cast<int>(language)));
  }
  void set_input_code(CharCode code) { check(PhxSetInputCode(handle_, static_cast<int>(code))); }
  void set_output_code(CharCode code) {
    check(PhxSetOutputCode(handle_, static_cast<int>(code)));
    output_code_ = code;
  }
  void set_number_phrases(double number) { check(PhxSetNumberPhrases(handle_, number)); }
  void activate_html_filter() { check(PhxActivateHTMLFilter(handle_, stop_->handle())); }
  void activate_email_filter() { check(PhxActivateEmailFilter(handle_, stop_->handle())); }
  void deactivate_text_filter() { check(PhxDeactivateTextFilter(handle_)); }
  void activate_highlights() { check(PhxActivateHighlights(handle_)); }
  void set_highlight_type(int type) { check(PhxSetHighlightType(handle_, type)); }

  // ---- reading ----
  // Any number of buffers, split anywhere (UCS2 at even byte counts). Texts
  // longer than the engine's int length are passed in several buffers.
  void read(std::string_view bytes) {
    constexpr std::size_t kMaxBuffer = (INT_MAX / 2) * 2;
    while (!bytes.empty()) {
      const std::size_t size = bytes.size() < kMaxBuffer ? bytes.size() : kMaxBuffer;
      check(PhxReadDocumentBuffer(handle_, stop_->handle(), bytes.data(), static_cast<int>(size)));
      bytes.remove_prefix(size);
    }
  }
  void end() { check(PhxSignalDocumentEnd(handle_, stop_->handle())); }

  // ---- results ----
  Language language() const {
    int value = 0;
    check(PhxGetDocumentLanguage(handle_, &value));
    return static_cast<Language>(value);
  }
  int phrase_count() const {
    int count = 0;
    check(PhxGetPhraseListSize(handle_, &count));
    return count;
  }
  std::string phrase(int index) const {
    const char* text = nullptr;
    check(PhxGetPhraseByIndex(handle_, index, &text));
    return engine_text(text, output_code_);
  }
  double score(int index) const {
    double value = 0.0;
    check(PhxGetScoreByIndex(handle_, index, &value));
    return value;
  }
  int highlight_count() const {
    int count = 0;
    check(PhxGetHighlightListSize(handle_, &count));
    return count;
  }
  // A highlight the engine lists but does not hold comes back empty.
  std::string highlight(int index) const {
    const char* text = nullptr;
    check(PhxGetHighlightByIndex(handle_, index, &text));
    return engine_text(text, output_code_);
  }
  int word_count() const { return property(1); }
  int content_word_count() const { return property(2); }
  bool whole_document_read() const { return property(3) != 0; }

  std::vector<Phrase> phrases() const {
    std::vector<Phrase> list;
    const int count = phrase_count();
    list.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) list.push_back(Phrase{phrase(i), score(i)});
    return list;
  }
  std::vector<std::string> highlights() const {
    std::vector<std::string> list;
    const int count = highlight_count();
    list.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) list.push_back(highlight(i));
    return list;
  }

  ::DocumentMemory* handle() const noexcept { return handle_; }
  CharCode output_code() const noexcept { return output_code_; }

 private:
  int property(int id) const {
    int value = 0;
    check(PhxGetDocumentProperties(handle_, id, &value));
    return value;
  }

  ::DocumentMemory* handle_ = nullptr;
  StopMemory* stop_;
  CharCode output_code_ = CharCode::latin1;
};

// What `extract` is told. Filters: HTML and e-mail off, the plain-text filter
// on (it only acts on Latin-script text when neither other filter is on).
struct Options {
  Language language = Language::automatic;
  CharCode input_code = CharCode::latin1;
  CharCode output_code = CharCode::latin1;
  double phrases = 7.0;
  bool html_filter = false;
  bool email_filter = false;
  bool text_filter = true;
  bool highlights = false;
  // HighlightType when highlights are on; the engine's default when unset.
  std::optional<int> highlight_type;
};

// Everything one document yields.
struct Extraction {
  Language language = Language::automatic;  // as identified in automatic mode
  std::vector<Phrase> phrases;
  std::vector<std::string> highlights;
  int word_count = 0;
  int content_word_count = 0;
  bool whole_document_read = true;
};

// Applies the options to a fresh Document.
inline void configure(Document& document, const Options& options) {
  document.set_language(options.language);
  document.set_input_code(options.input_code);
  document.set_output_code(options.output_code);
  document.set_number_phrases(options.phrases);
  if (options.email_filter) document.activate_email_filter();
  if (options.html_filter) document.activate_html_filter();
  if (!options.text_filter) document.deactivate_text_filter();
  if (options.highlights) {
    document.activate_highlights();
    if (options.highlight_type) document.set_highlight_type(*options.highlight_type);
  }
}

// Collects the results of a Document whose end has been signalled.
inline Extraction results_of(const Document& document) {
  Extraction result;
  result.language = document.language();
  result.phrases = document.phrases();
  result.highlights = document.highlights();
  result.word_count = document.word_count();
  result.content_word_count = document.content_word_count();
  result.whole_document_read = document.whole_document_read();
  return result;
}

// Reads one whole document with the given options and returns its key
// phrases, highlights and properties. Throws Error on any engine failure.
inline Extraction extract(StopMemory& stop, std::string_view text, const Options& options = {}) {
  Document document(stop);
  configure(document, options);
  document.read(text);
  document.end();
  return results_of(document);
}

}  // namespace phraxis

#endif  // PHRAXIS_HPP
