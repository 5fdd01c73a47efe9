#include "demo_program.h"

#include <ctime>
#include <memory>
#include <string>

#include "console_answers.h"
#include "demo_texts.h"
#include "phx_api.h"
#include "results_report.h"

namespace phx_demo {
namespace {

constexpr int kJapanese = 3;
constexpr int kKorean = 6;
constexpr std::size_t kReadChunk = 32768;

// Highlight types: plain for the console, with markup for the report.
constexpr int kConsoleHighlightType = 7;
constexpr int kReportHighlightType = 31;

// The sample user words every run adds: the English stop word "the" and
// stop phrase "group", the Japanese stop phrase 再度 in Shift-JIS and the
// Korean word 그녀 in KSC, as stop word and as stop phrase.
constexpr char kJapaneseStopPhrase[] = "\x8D\xC4\x93\x78";
constexpr char kKoreanStopWord[] = "\xB1\xD7\xB3\xE0";

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

class Dialogue {
 public:
  Dialogue(std::FILE* in, std::FILE* out) : answers_(in, out), out_(out) {}

  void run();

 private:
  // An engine result above 0 ends the program with the engine's message.
  // The handles are deliberately left as they are on that path.
  bool engine_ok(int result) {
    if (result <= 0) return true;
    const char* message = nullptr;
    PhxGetErrorMessage(result, &message);
    std::fprintf(out_, text::kEngineFailure, message != nullptr ? message : "");
    return false;
  }
  void say(const char* message) { std::fputs(message, out_); }

  bool open_file();
  bool create_memories();
  bool ask_language();
  bool ask_html_filter();
  bool ask_mail_filter();
  bool ask_char_code();
  bool ask_phrase_count();
  bool ask_output();
  bool ask_special_phrase();
  bool read_document();
  bool show_results();
  bool show_timing();
  bool write_report();
  void print_code_lines(bool with_blank_lines);

  ConsoleAnswers answers_;
  std::FILE* out_;
  std::string file_name_;
  File input_;
  StopMemory* stop_ = nullptr;
  DocumentMemory* doc_ = nullptr;
  int language_ = 0;
  int char_code_ = 0;
  bool html_output_ = false;
  int output_code_ = 0;
  std::time_t started_ = 0;
  std::time_t finished_ = 0;
};

void Dialogue::run() {
  say(text::kTitle);
  say(text::kAbout);
  say(text::kFileIntro);
  if (!open_file() || !create_memories() || !ask_language() || !ask_html_filter() ||
      !ask_mail_filter() || !ask_char_code() || !ask_phrase_count() || !ask_output() ||
      !ask_special_phrase() || !read_document() || !show_results()) {
    return;
  }
  if (!show_timing()) return;
  if (html_output_ && !write_report()) return;
  PhxClearDocumentMemory(doc_);
  PhxClearStopMemory(stop_);
}

bool Dialogue::open_file() {
  file_name_ = answers_.ask(text::kFilePrompt);
  if (file_name_.empty()) {
    say(text::kExiting);
    return false;
  }
  input_.reset(std::fopen(file_name_.c_str(), "rb"));
  if (!input_) {
    std::fprintf(out_, text::kCannotOpen, file_name_.c_str());
    return false;
  }
  std::fseek(input_.get(), 0, SEEK_END);
  const long size = std::ftell(input_.get());
  std::fseek(input_.get(), 0, SEEK_SET);
  if (size <= 0) {
    std::fprintf(out_, text::kEmptyFile, file_name_.c_str());
    return false;
  }
  return true;
}

bool Dialogue::create_memories() {
  return engine_ok(PhxCreateStopMemory(&stop_)) &&
         engine_ok(PhxAddStopWord(stop_, 1, 0, "the")) &&
         engine_ok(PhxAddStopPhrase(stop_, 1, 0, "group")) &&
         engine_ok(PhxAddStopPhrase(stop_, kJapanese, 3, kJapaneseStopPhrase)) &&
         engine_ok(PhxAddStopWord(stop_, kKorean, 6, kKoreanStopWord)) &&
         engine_ok(PhxAddStopPhrase(stop_, kKorean, 6, kKoreanStopWord)) &&
         engine_ok(PhxCreateDocumentMemory(&doc_));
}

bool Dialogue::ask_language() {
  say(text::kLanguageMenu);
  const std::string answer = answers_.ask(text::kLanguagePrompt);
  if (answer.empty()) {
    say(text::kLanguageAutomatic);
    return true;
  }
  const auto number = parse_whole_number(answer);
  if (!number) {
    say(text::kNotANumber);
    return false;
  }
  if (*number < 0 || *number > 6) {
    say(text::kOutOfRange);
    return false;
  }
  language_ = *number;
  if (!engine_ok(PhxSetDocumentLanguage(doc_, language_))) return false;
  std::fprintf(out_, text::kLanguageSet, language_);
  return true;
}

bool Dialogue::ask_html_filter() {
  say(text::kHtmlQuestion);
  if (answers_.ask(text::kHtmlPrompt).empty()) {
    say(text::kHtmlOff);
    return true;
  }
  if (!engine_ok(PhxActivateHTMLFilter(doc_, stop_))) return false;
  say(text::kHtmlOn);
  return true;
}

bool Dialogue::ask_mail_filter() {
  if (language_ == kJapanese || language_ == kKorean) {
    say(text::kMailNotAvailable);
    return true;
  }
  say(text::kMailQuestion);
  if (answers_.ask(text::kMailPrompt).empty()) {
    say(text::kMailOff);
    return true;
  }
  if (!engine_ok(PhxActivateEmailFilter(doc_, stop_))) return false;
  say(text::kMailOn);
  return true;
}

// The code lines of the language's menu, each followed by an empty line
// when they are repeated for the special phrase.
void Dialogue::print_code_lines(bool with_blank_lines) {
  const char* const latin[] = {text::kCodeLatin1, text::kCodeDos, text::kCodeUcs2};
  const char* const japanese[] = {text::kCodeUcs2, text::kCodeSjis, text::kCodeJis,
                                  text::kCodeEuc};
  const char* const korean[] = {text::kCodeUcs2, text::kCodeKsc, text::kCodeJohap};
  auto print = [&](const auto& lines) {
    for (const char* line : lines) {
      say(line);
      if (with_blank_lines) say("\n");
    }
  };
  if (language_ == kJapanese) {
    print(japanese);
  } else if (language_ == kKorean) {
    print(korean);
  } else {
    print(latin);
  }
}

bool Dialogue::ask_char_code() {
  say(text::kCodeIntro);
  print_code_lines(false);
  if (language_ == kJapanese) {
    say(text::kJapaneseCodeNote);
  } else if (language_ == kKorean) {
    say(text::kKoreanCodeNote);
  } else {
    say("\n");
  }
  const std::string answer = answers_.ask(text::kEncodingPrompt);
  if (answer.empty()) {
    if (language_ == kJapanese) {
      say(text::kUseSjis);
      char_code_ = 3;
    } else if (language_ == kKorean) {
      say(text::kUseKsc);
      char_code_ = 6;
    } else {
      say(text::kUseLatin1);
      char_code_ = 0;
    }
  } else {
    const auto number = parse_whole_number(answer);
    if (!number) {
      say(text::kNotANumber);
      return false;
    }
    char_code_ = *number;
  }
  if (language_ == kJapanese && (char_code_ < 2 || char_code_ > 5)) {
    say(text::kCodeNotJapanese);
    return false;
  }
  if (language_ == kKorean && char_code_ != 2 && char_code_ != 6 && char_code_ != 7) {
    say(text::kCodeNotKorean);
    return false;
  }
  if (language_ != kJapanese && language_ != kKorean && (char_code_ < 0 || char_code_ > 2)) {
    say(text::kCodeNotSuitable);
    return false;
  }
  if (!engine_ok(PhxSetInputCode(doc_, char_code_))) return false;
  std::fprintf(out_, text::kEncodingSet, char_code_);
  return true;
}

bool Dialogue::ask_phrase_count() {
  say(text::kPhrasesQuestion);
  const std::string answer = answers_.ask(text::kPhrasesPrompt);
  if (answer.empty()) {
    say(text::kPhrasesDefault);
    return true;
  }
  const auto number = parse_number(answer);
  if (!number) {
    say(text::kNotANumber);
    return false;
  }
  if (!engine_ok(PhxSetNumberPhrases(doc_, *number))) return false;
  std::fprintf(out_, text::kPhrasesSet, *number);
  return true;
}

bool Dialogue::ask_output() {
  std::fprintf(out_, text::kOutputQuestion, text::kReportFile);
  html_output_ = !answers_.ask(text::kOutputPrompt).empty();
  const char* announcement = nullptr;
  if (html_output_) {
    std::fprintf(out_, text::kToHtmlFile, text::kReportFile);
    if (language_ == kJapanese) {
      output_code_ = 3;
      announcement = text::kHtmlCodeJapanese;
    } else if (language_ == kKorean) {
      output_code_ = 6;
      announcement = text::kHtmlCodeKorean;
    } else {
      output_code_ = 0;
      announcement = text::kHtmlCodeLatin;
    }
  } else {
    say(text::kToConsole);
    if (language_ == kJapanese) {
      output_code_ = 3;
      announcement = text::kConsoleCodeJapanese;
    } else if (language_ == kKorean) {
      output_code_ = 6;
      announcement = text::kConsoleCodeKorean;
    } else {
      output_code_ = 1;
      announcement = text::kConsoleCodeLatin;
    }
  }
  if (!engine_ok(PhxSetOutputCode(doc_, output_code_))) return false;
  say(announcement);
  return engine_ok(PhxActivateHighlights(doc_)) &&
         engine_ok(PhxSetHighlightType(
             doc_, html_output_ ? kReportHighlightType : kConsoleHighlightType));
}

bool Dialogue::ask_special_phrase() {
  say(text::kSpecialQuestion);
  const std::string phrase = answers_.ask(text::kSpecialPrompt);
  if (phrase.empty()) {
    say(text::kNoSpecial);
    return true;
  }
  std::fprintf(out_, text::kLookFor, phrase.c_str());
  std::fprintf(out_, text::kSpecialEncoding, char_code_);
  print_code_lines(true);
  const std::string answer = answers_.ask(text::kEncodingPrompt);
  if (!answer.empty()) {
    const auto number = parse_whole_number(answer);
    if (!number) {
      say(text::kNotANumber);
      return false;
    }
    char_code_ = *number;
  }
  std::fprintf(out_, text::kSpecialUse, char_code_);
  constexpr int kWholeWords = 2;
  if (language_ != 0) {
    return engine_ok(PhxAddGoPhrase(stop_, language_, char_code_, phrase.c_str(), kWholeWords));
  }
  for (int language : {1, 2, 4, 5}) {
    if (!engine_ok(PhxAddGoPhrase(stop_, language, char_code_, phrase.c_str(), kWholeWords))) {
      return false;
    }
  }
  return true;
}

bool Dialogue::read_document() {
  started_ = std::time(nullptr);
  auto buffer = std::make_unique<char[]>(kReadChunk);
  std::size_t got = 0;
  while ((got = std::fread(buffer.get(), 1, kReadChunk, input_.get())) > 0) {
    if (!engine_ok(PhxReadDocumentBuffer(doc_, stop_, buffer.get(), static_cast<int>(got)))) {
      return false;
    }
  }
  if (!engine_ok(PhxSignalDocumentEnd(doc_, stop_))) return false;
  finished_ = std::time(nullptr);
  input_.reset();
  return true;
}

bool Dialogue::show_results() {
  int language = 0;
  if (!engine_ok(PhxGetDocumentLanguage(doc_, &language))) return false;
  if (language >= 1 && language <= 6) {
    say(text::kSelectedLanguage[language]);
  } else {
    say(text::kLanguageUnknown);
  }

  int phrase_count = 0;
  if (!engine_ok(PhxGetPhraseListSize(doc_, &phrase_count))) return false;
  if (phrase_count == 0) say(text::kNoPhrases);
  if (!html_output_ && phrase_count > 0) {
    say(text::kPhrasesHeading);
    for (int i = 0; i < phrase_count; ++i) {
      const char* phrase = nullptr;
      double score = 0.0;
      if (!engine_ok(PhxGetPhraseByIndex(doc_, i, &phrase)) ||
          !engine_ok(PhxGetScoreByIndex(doc_, i, &score))) {
        return false;
      }
      print_phrase_line(out_, phrase != nullptr ? phrase : "", score);
    }
  }

  int highlight_count = 0;
  if (!engine_ok(PhxGetHighlightListSize(doc_, &highlight_count))) return false;
  if (highlight_count == 0) say(text::kNoHighlights);
  if (!html_output_ && highlight_count > 0) {
    say(text::kHighlightsHeading);
    for (int i = 0; i < highlight_count; ++i) {
      const char* highlight = nullptr;
      if (!engine_ok(PhxGetHighlightByIndex(doc_, i, &highlight))) return false;
      if (highlight != nullptr) print_highlight_line(out_, highlight);
    }
  }
  return true;
}

bool Dialogue::show_timing() {
  const auto seconds = static_cast<long long>(std::difftime(finished_, started_));
  if (seconds > 1) {
    std::fprintf(out_, text::kTookSeconds, static_cast<int>(seconds));
  } else if (seconds == 1) {
    say(text::kTookOneSecond);
  } else {
    say(text::kTookLessThanOne);
  }
  int words = 0;
  if (!engine_ok(PhxGetDocumentProperties(doc_, 1, &words))) return false;
  std::fprintf(out_, text::kWordsRead, words);
  return true;
}

bool Dialogue::write_report() {
  HtmlReport report;
  report.output_code = output_code_;
  report.source_file = file_name_;
  int count = 0;
  if (!engine_ok(PhxGetPhraseListSize(doc_, &count))) return false;
  for (int i = 0; i < count; ++i) {
    const char* phrase = nullptr;
    if (!engine_ok(PhxGetPhraseByIndex(doc_, i, &phrase))) return false;
    report.phrases.emplace_back(phrase != nullptr ? phrase : "");
  }
  if (!engine_ok(PhxGetHighlightListSize(doc_, &count))) return false;
  for (int i = 0; i < count; ++i) {
    const char* highlight = nullptr;
    if (!engine_ok(PhxGetHighlightByIndex(doc_, i, &highlight))) return false;
    if (highlight != nullptr) report.highlights.emplace_back(highlight);
  }

  File file(std::fopen(text::kReportFile, "w"));
  if (!file) {
    std::fprintf(out_, text::kCannotWriteReport, text::kReportFile);
    return false;
  }
  write_html_report(file.get(), report);
  file.reset();
  switch (output_code_) {
    case 3: std::fprintf(out_, text::kReportWrittenSjis, text::kReportFile); break;
    case 6: std::fprintf(out_, text::kReportWrittenKsc, text::kReportFile); break;
    default: std::fprintf(out_, text::kReportWrittenLatin1, text::kReportFile); break;
  }
  return true;
}

}  // namespace

int run_demo(std::FILE* in, std::FILE* out) {
  Dialogue(in, out).run();
  std::fflush(out);
  return 0;
}

}  // namespace phx_demo
