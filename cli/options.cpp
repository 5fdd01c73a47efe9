#include "options.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <string_view>

#include "languages.h"

namespace phraxis_cli {
namespace {

constexpr int kMaxJobs = 256;

std::optional<int> parse_int(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<double> parse_number(std::string_view text) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

// Walks the command line. Options that take a value accept it attached
// ("-n5", "--phrases=5") or as the next argument.
class Parser {
 public:
  explicit Parser(const std::vector<std::string>& arguments) : arguments_(arguments) {}

  ParsedArguments run() {
    bool options_ended = false;
    for (index_ = 0; index_ < arguments_.size() && error_.empty(); ++index_) {
      const std::string& argument = arguments_[index_];
      if (options_ended || argument == "-" || !argument.starts_with("-")) {
        settings_.files.push_back(argument);
      } else if (argument == "--") {
        options_ended = true;
      } else if (argument.starts_with("--")) {
        long_option(argument.substr(2));
      } else {
        short_option(argument.substr(1));
      }
    }
    if (error_.empty()) check_combinations();
    return ParsedArguments{settings_, error_};
  }

 private:
  void fail(std::string message) {
    if (error_.empty()) error_ = std::move(message);
  }

  // The value of an option: attached, or the next argument.
  std::optional<std::string> value_of(std::string_view option, std::optional<std::string> attached) {
    if (attached) return attached;
    if (index_ + 1 < arguments_.size()) return arguments_[++index_];
    fail("option " + std::string(option) + " needs a value");
    return std::nullopt;
  }

  void long_option(std::string_view text) {
    std::optional<std::string> attached;
    std::string name(text);
    if (const auto equals = text.find('='); equals != std::string_view::npos) {
      name = std::string(text.substr(0, equals));
      attached = std::string(text.substr(equals + 1));
    }
    const std::string option = "--" + name;
    // Options without a value.
    auto flag = [&](auto action) {
      if (attached) return fail("option " + option + " takes no value");
      action();
    };
    if (name == "help") return flag([&] { settings_.help = true; });
    if (name == "version") return flag([&] { settings_.version = true; });
    if (name == "html") return flag([&] { settings_.markup = MarkupFilter::html; });
    if (name == "email") return flag([&] { settings_.markup = MarkupFilter::email; });
    if (name == "plain") return flag([&] { settings_.markup = MarkupFilter::none; });
    if (name == "no-text-filter") return flag([&] { settings_.text_filter = false; });
    if (name == "json") return flag([&] { set_format(OutputFormat::json, option); });
    if (name == "jsonl") return flag([&] { set_format(OutputFormat::jsonl, option); });
    if (name == "tsv") return flag([&] { set_format(OutputFormat::tsv, option); });
    if (name == "with-filename") return flag([&] { settings_.with_filename = true; });
    if (name == "no-filename") return flag([&] { settings_.with_filename = false; });
    if (name == "highlights") {
      settings_.highlights = true;
      if (attached) highlight_type(option, *attached);
      return;
    }
    // Options with a value.
    using Handler = void (Parser::*)(std::string_view, const std::string&);
    struct ValueOption {
      std::string_view name;
      Handler handler;
    };
    static constexpr ValueOption kValueOptions[] = {
        {"lang", &Parser::language},
        {"phrases", &Parser::phrases},
        {"encoding", &Parser::encoding},
        {"jobs", &Parser::jobs},
        {"go", &Parser::go_phrase},
        {"go-match", &Parser::go_match},
        {"go-phrases", &Parser::go_phrase_file},
        {"stop-word", &Parser::stop_word},
        {"stop-words", &Parser::stop_word_file},
        {"stop-phrase", &Parser::stop_phrase},
        {"stop-phrases", &Parser::stop_phrase_file},
    };
    for (const auto& entry : kValueOptions) {
      if (entry.name != name) continue;
      if (auto value = value_of(option, attached)) (this->*entry.handler)(option, *value);
      return;
    }
    fail("unknown option " + option);
  }

  void short_option(std::string_view text) {
    const char letter = text.front();
    const std::string option = std::string("-") + letter;
    std::optional<std::string> attached;
    if (text.size() > 1) attached = std::string(text.substr(1));
    switch (letter) {
      case 'h':
      case 'V':
      case 'H':
        if (attached) return fail("option " + option + " takes no value");
        if (letter == 'h') settings_.help = true;
        if (letter == 'V') settings_.version = true;
        if (letter == 'H') settings_.with_filename = true;
        return;
      case 'n':
        if (auto value = value_of(option, attached)) phrases(option, *value);
        return;
      case 'j':
        if (auto value = value_of(option, attached)) jobs(option, *value);
        return;
      case 'l':
        if (auto value = value_of(option, attached)) language(option, *value);
        return;
      default:
        fail("unknown option " + option);
    }
  }

  void set_format(OutputFormat format, std::string_view option) {
    if (format_option_ && *format_option_ != option) {
      return fail("options " + *format_option_ + " and " + std::string(option) +
                  " cannot be used together");
    }
    format_option_ = std::string(option);
    settings_.format = format;
  }

  void language(std::string_view option, const std::string& value) {
    if (auto parsed = parse_language(value)) {
      settings_.language = *parsed;
    } else {
      fail("option " + std::string(option) + ": unknown language '" + value +
           "' (use auto, en, fr, de, es, ja or ko)");
    }
  }
  void phrases(std::string_view option, const std::string& value) {
    const auto number = parse_number(value);
    if (!number || *number < 3.0 || *number > 30.0) {
      return fail("option " + std::string(option) + ": '" + value +
                  "' is not a number from 3 to 30");
    }
    settings_.phrases = *number;
  }
  void encoding(std::string_view option, const std::string& value) {
    if (auto parsed = parse_encoding(value)) {
      settings_.encoding = *parsed;
    } else {
      fail("option " + std::string(option) + ": unknown encoding '" + value + "' (use " +
           std::string(encoding_names()) + ")");
    }
  }
  void jobs(std::string_view option, const std::string& value) {
    const auto number = parse_int(value);
    if (!number || *number < 1 || *number > kMaxJobs) {
      return fail("option " + std::string(option) + ": '" + value +
                  "' is not a number of threads from 1 to " + std::to_string(kMaxJobs));
    }
    settings_.jobs = *number;
  }
  void highlight_type(std::string_view option, const std::string& value) {
    const auto number = parse_int(value);
    if (!number || *number < 0 || *number > 31) {
      return fail("option " + std::string(option) + ": '" + value +
                  "' is not a highlight type from 0 to 31");
    }
    settings_.highlight_type = *number;
  }
  void go_match(std::string_view option, const std::string& value) {
    const auto number = parse_int(value);
    if (!number || *number < 0 || *number > 127) {
      return fail("option " + std::string(option) + ": '" + value +
                  "' is not a match type from 0 to 127");
    }
    settings_.go_match_type = *number;
  }
  void go_phrase(std::string_view, const std::string& value) {
    settings_.go_phrases.push_back(value);
  }
  void go_phrase_file(std::string_view, const std::string& value) {
    settings_.go_phrase_files.push_back(value);
  }
  void stop_word(std::string_view, const std::string& value) {
    settings_.stop_words.push_back(value);
  }
  void stop_word_file(std::string_view, const std::string& value) {
    settings_.stop_word_files.push_back(value);
  }
  void stop_phrase(std::string_view, const std::string& value) {
    settings_.stop_phrases.push_back(value);
  }
  void stop_phrase_file(std::string_view, const std::string& value) {
    settings_.stop_phrase_files.push_back(value);
  }

  void check_combinations() {
    if (settings_.help || settings_.version) return;
    if (settings_.format == OutputFormat::tsv && settings_.highlights) {
      return fail("--tsv lists key phrases only; use --json or --jsonl for highlights");
    }
    std::size_t standard_inputs = 0;
    for (const auto& file : settings_.files) standard_inputs += file == "-" ? 1 : 0;
    if (standard_inputs > 1) return fail("standard input ('-') can be read only once");
    const auto& encoding = settings_.encoding;
    if (encoding.kind == InputEncoding::Kind::engine_code &&
        settings_.language != phraxis::Language::automatic &&
        !code_suits_language(encoding.code, settings_.language)) {
      fail("the encoding does not suit " + std::string(language_name(settings_.language)) +
           " text");
    }
  }

  const std::vector<std::string>& arguments_;
  std::size_t index_ = 0;
  Settings settings_;
  std::string error_;
  std::optional<std::string> format_option_;
};

}  // namespace

ParsedArguments parse_arguments(const std::vector<std::string>& arguments) {
  return Parser(arguments).run();
}

std::string help_text() {
  return R"(Usage: phraxis [OPTION]... [FILE]...
Print the key phrases (and, on request, the key sentences) of each FILE.
With no FILE, or when FILE is -, read standard input.

Input:
  -l, --lang LANG         auto (default), en, fr, de, es, ja or ko; auto lets the
                          engine tell English, French, German and Spanish apart
                          and picks Japanese or Korean for text mostly in kana or
                          hangul
      --encoding NAME     input encoding: utf-8 (default), utf-16, latin1, cp437,
                          sjis, jis, euc-jp, ksc, johap, or a code 0-7; a
                          byte-order mark is honoured
      --html              read every file as HTML
      --email             read every file as e-mail
      --plain             read every file as plain text
                          (default: .html/.htm files as HTML, .eml/.mbox as e-mail)
      --no-text-filter    keep the line layout of plain text as it is

Key phrases:
  -n, --phrases N         desired number of key phrases, 3 to 30 (default 7)
      --highlights[=TYPE] also give key sentences; TYPE is the sum of 1 (one per
                          sentence), 2 (document order), 4 (keep elided text),
                          8 (bold key phrases), 16 (grey elided text); default 7
      --go PHRASE         a phrase to give as a key phrase wherever it occurs
      --go-match TYPE     how go phrases match (MatchType bits, default 2: whole words)
      --go-phrases FILE   go phrases, one a line
      --stop-word WORD    a word that never starts, ends or forms a key phrase
      --stop-words FILE   stop words, one a line
      --stop-phrase TEXT  a phrase never to give as a key phrase
      --stop-phrases FILE stop phrases, one a line
                          (in files, empty lines and lines starting with # are skipped;
                          with --lang auto, words go to every language that takes them)

Output:
      --json              one JSON object per document (an array for several)
      --jsonl             one JSON object a line per document
      --tsv               one line per key phrase: phrase TAB score
  -H, --with-filename     name the file even when there is only one
      --no-filename       never name the file
  -j, --jobs N            read N documents at a time (output keeps input order)
  -h, --help              show this help and exit
  -V, --version           show the version and exit

Exit status: 0 if all went well, 1 if any document failed (the others are still
processed), 2 for a wrong command line.
)";
}

}  // namespace phraxis_cli
