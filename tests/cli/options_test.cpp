// The command line: accepted forms and the errors for wrong ones.
#include <gtest/gtest.h>

#include "options.h"

namespace {

using phraxis_cli::MarkupFilter;
using phraxis_cli::OutputFormat;
using phraxis_cli::parse_arguments;
using phraxis_cli::Settings;

Settings parsed(const std::vector<std::string>& arguments) {
  const auto result = parse_arguments(arguments);
  EXPECT_EQ(result.error, "") << ::testing::PrintToString(arguments);
  return result.settings;
}

TEST(Options, Defaults) {
  const Settings settings = parsed({});
  EXPECT_TRUE(settings.files.empty());
  EXPECT_EQ(settings.language, phraxis::Language::automatic);
  EXPECT_EQ(settings.encoding.kind, phraxis_cli::InputEncoding::Kind::utf8);
  EXPECT_EQ(settings.phrases, 7.0);
  EXPECT_EQ(settings.markup, MarkupFilter::by_extension);
  EXPECT_TRUE(settings.text_filter);
  EXPECT_FALSE(settings.highlights);
  EXPECT_EQ(settings.highlight_type, 7);
  EXPECT_EQ(settings.go_match_type, 2);
  EXPECT_EQ(settings.format, OutputFormat::table);
  EXPECT_EQ(settings.jobs, 1);
  EXPECT_FALSE(settings.with_filename.has_value());
}

TEST(Options, ValuesAttachedOrSeparate) {
  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {"-n", "12", "-j", "3", "-l", "en"},
           {"-n12", "-j3", "-len"},
           {"--phrases", "12", "--jobs", "3", "--lang", "en"},
           {"--phrases=12", "--jobs=3", "--lang=EN"},
           {"--phrases=12", "--jobs=3", "--lang=english"}}) {
    const Settings settings = parsed(arguments);
    EXPECT_EQ(settings.phrases, 12.0);
    EXPECT_EQ(settings.jobs, 3);
    EXPECT_EQ(settings.language, phraxis::Language::english);
  }
}

TEST(Options, FilesDashAndDoubleDash) {
  const Settings settings = parsed({"a.txt", "-", "--", "--json", "-n"});
  EXPECT_EQ(settings.files, (std::vector<std::string>{"a.txt", "-", "--json", "-n"}));
  EXPECT_EQ(settings.format, OutputFormat::table);
}

TEST(Options, FlagsAndLists) {
  const Settings settings =
      parsed({"--html", "--no-text-filter", "--highlights=31", "--jsonl", "-H", "--go", "a b",
              "--go=c", "--go-match", "3", "--stop-word", "w", "--stop-phrase", "p q",
              "--stop-words", "sw.txt", "--stop-phrases", "sp.txt", "--go-phrases", "gp.txt",
              "--encoding", "sjis", "--lang", "ja"});
  EXPECT_EQ(settings.markup, MarkupFilter::html);
  EXPECT_FALSE(settings.text_filter);
  EXPECT_TRUE(settings.highlights);
  EXPECT_EQ(settings.highlight_type, 31);
  EXPECT_EQ(settings.format, OutputFormat::jsonl);
  EXPECT_EQ(settings.with_filename, true);
  EXPECT_EQ(settings.go_phrases, (std::vector<std::string>{"a b", "c"}));
  EXPECT_EQ(settings.go_match_type, 3);
  EXPECT_EQ(settings.stop_words, std::vector<std::string>{"w"});
  EXPECT_EQ(settings.stop_phrases, std::vector<std::string>{"p q"});
  EXPECT_EQ(settings.stop_word_files, std::vector<std::string>{"sw.txt"});
  EXPECT_EQ(settings.stop_phrase_files, std::vector<std::string>{"sp.txt"});
  EXPECT_EQ(settings.go_phrase_files, std::vector<std::string>{"gp.txt"});
  EXPECT_EQ(settings.encoding.code, phraxis::CharCode::shift_jis);
  EXPECT_EQ(settings.language, phraxis::Language::japanese);
  EXPECT_EQ(parsed({"--email"}).markup, MarkupFilter::email);
  EXPECT_EQ(parsed({"--plain"}).markup, MarkupFilter::none);
  EXPECT_EQ(parsed({"--highlights"}).highlight_type, 7);
  EXPECT_EQ(parsed({"--no-filename"}).with_filename, false);
  EXPECT_TRUE(parsed({"-h"}).help);
  EXPECT_TRUE(parsed({"--version"}).version);
  EXPECT_EQ(parsed({"-n", "3"}).phrases, 3.0);
  EXPECT_EQ(parsed({"-n", "30"}).phrases, 30.0);
  EXPECT_EQ(parsed({"-n", "7.5"}).phrases, 7.5);
}

struct ErrorCase {
  std::vector<std::string> arguments;
  const char* error;
};

TEST(Options, Errors) {
  const ErrorCase cases[] = {
      {{"--frobnicate"}, "unknown option --frobnicate"},
      {{"-x"}, "unknown option -x"},
      {{"-n"}, "option -n needs a value"},
      {{"--lang"}, "option --lang needs a value"},
      {{"-n", "2"}, "option -n: '2' is not a number from 3 to 30"},
      {{"-n", "31"}, "option -n: '31' is not a number from 3 to 30"},
      {{"--phrases=seven"}, "option --phrases: 'seven' is not a number from 3 to 30"},
      {{"-n", "nan"}, "option -n: 'nan' is not a number from 3 to 30"},
      {{"-j", "0"}, "option -j: '0' is not a number of threads from 1 to 256"},
      {{"--jobs=two"}, "option --jobs: 'two' is not a number of threads from 1 to 256"},
      {{"--lang", "xx"}, "option --lang: unknown language 'xx' (use auto, en, fr, de, es, ja or ko)"},
      {{"--encoding", "utf-32"},
       "option --encoding: unknown encoding 'utf-32' (use utf-8, utf-16 (ucs2), latin1, cp437, "
       "sjis, jis, euc-jp, ksc (euc-kr), johap, or 0-7)"},
      {{"--highlights=32"}, "option --highlights: '32' is not a highlight type from 0 to 31"},
      {{"--go-match", "128"}, "option --go-match: '128' is not a match type from 0 to 127"},
      {{"--json=yes"}, "option --json takes no value"},
      {{"-hx"}, "option -h takes no value"},
      {{"--json", "--tsv"}, "options --json and --tsv cannot be used together"},
      {{"--jsonl", "--json"}, "options --jsonl and --json cannot be used together"},
      {{"--tsv", "--highlights"},
       "--tsv lists key phrases only; use --json or --jsonl for highlights"},
      {{"-", "a.txt", "-"}, "standard input ('-') can be read only once"},
      {{"--lang", "en", "--encoding", "sjis"}, "the encoding does not suit English text"},
      {{"--lang", "ja", "--encoding", "ksc"}, "the encoding does not suit Japanese text"},
      {{"--lang", "ko", "--encoding", "latin1"}, "the encoding does not suit Korean text"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(parse_arguments(c.arguments).error, c.error)
        << ::testing::PrintToString(c.arguments);
  }
  // The same format twice is no conflict.
  EXPECT_EQ(parse_arguments({"--json", "--json"}).error, "");
}

TEST(Options, HelpMentionsEveryOption) {
  const std::string help = phraxis_cli::help_text();
  for (const char* option :
       {"--lang", "--encoding", "--html", "--email", "--plain", "--no-text-filter", "--phrases",
        "--highlights", "--go ", "--go-match", "--go-phrases", "--stop-word ", "--stop-words",
        "--stop-phrase ", "--stop-phrases", "--json ", "--jsonl", "--tsv", "--with-filename",
        "--no-filename", "--jobs", "--help", "--version"}) {
    EXPECT_NE(help.find(option), std::string::npos) << option;
  }
}

}  // namespace
