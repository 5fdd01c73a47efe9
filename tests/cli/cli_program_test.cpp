// The phraxis program as a user runs it: options, formats, errors and exit
// statuses, standard input, several files and -j. Standard output of each
// case is compared with golden/<case>.stdout.exact; after a deliberate
// change: PHX_UPDATE_GOLDEN=1 ctest -R cli_program
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "language_support.h"
#include "run_program.h"

namespace {

const std::filesystem::path kSourceDir = PHX_SOURCE_DIR;
const std::filesystem::path kDataDir = kSourceDir / "tests/cli/data";
const std::filesystem::path kGoldenDir = kSourceDir / "tests/cli/golden";

phx_test::ProgramRun phraxis(const std::vector<std::string>& arguments,
                             const std::string& standard_input = "",
                             const std::filesystem::path& directory = kDataDir) {
  return phx_test::run_program(PHRAXIS_PROGRAM, arguments, standard_input, directory);
}

std::string data(const char* name) { return phx_test::read_file(kDataDir / name); }

struct ProgramCase {
  const char* name;
  std::vector<std::string> arguments;
  const char* standard_input;  // a file of data/, or literal text after "=" ("=" alone: none)
  int exit_status;
  const char* standard_error;
};

const ProgramCase kCases[] = {
    {"help", {"--help"}, "=", 0, ""},
    {"version", {"--version"}, "=", 0, ""},
    {"unknown_option", {"--bogus", "library.txt"}, "=", 2,
     "phraxis: unknown option --bogus\nTry 'phraxis --help' for more information.\n"},
    {"phrases_out_of_range", {"-n", "2", "library.txt"}, "=", 2,
     "phraxis: option -n: '2' is not a number from 3 to 30\n"
     "Try 'phraxis --help' for more information.\n"},
    {"table_one_file", {"--lang", "en", "library.txt"}, "=", 0, ""},
    {"table_three_phrases", {"--lang", "en", "-n", "3", "library.txt"}, "=", 0, ""},
    {"table_many_files", {"--lang", "en", "library.txt", "engines.txt", "rivers.txt"}, "=", 0, ""},
    {"table_highlights", {"--lang", "en", "--highlights", "engines.txt"}, "=", 0, ""},
    {"table_non_ascii", {"--lang", "en", "naive.txt"}, "=", 0, ""},
    {"json_one_file", {"--lang", "en", "--json", "library.txt"}, "=", 0, ""},
    {"json_many_files", {"--lang", "en", "--json", "--highlights", "engines.txt", "rivers.txt"},
     "=", 0, ""},
    {"jsonl_with_missing_file", {"--lang", "en", "--jsonl", "library.txt", "missing.txt", "rivers.txt"},
     "=", 1, "phraxis: missing.txt: cannot read: No such file or directory\n"},
    {"tsv_one_file", {"--lang", "en", "--tsv", "-n", "10", "library.txt"}, "=", 0, ""},
    {"tsv_many_files", {"--lang", "en", "--tsv", "engines.txt", "rivers.txt"}, "=", 0, ""},
    {"tsv_many_files_no_filename", {"--lang", "en", "--tsv", "--no-filename", "engines.txt", "rivers.txt"},
     "=", 0, ""},
    {"standard_input", {"--lang", "en"}, "rivers.txt", 0, ""},
    {"standard_input_among_files", {"--lang", "en", "-n", "5", "engines.txt", "-"}, "rivers.txt", 0, ""},
    {"empty_standard_input", {"--lang", "en", "--json"}, "=", 0, ""},
    {"blank_standard_input", {"--lang", "en"}, "= \n\t\n", 0, ""},
    {"html_by_extension", {"--lang", "en", "page.html"}, "=", 0, ""},
    {"html_read_as_plain_text", {"--lang", "en", "--plain", "page.html"}, "=", 0, ""},
    {"email_by_extension", {"--lang", "en", "message.eml"}, "=", 0, ""},
    {"no_text_filter", {"--lang", "en", "--no-text-filter", "message.eml", "--plain"}, "=", 0, ""},
    {"stop_phrase", {"--lang", "en", "--stop-phrase", "steam engine", "engines.txt"}, "=", 0, ""},
    {"stop_word", {"--lang", "en", "--stop-word", "steam", "engines.txt"}, "=", 0, ""},
    {"stop_word_rejected", {"--lang", "en", "--stop-word", "Steam", "engines.txt"}, "=", 2,
     "phraxis: stop word 'Steam': engine error 7: The stop word is not entirely lower case. It "
     "might contain a capital, a space, or a non-alphabetic character.\n"
     "Try 'phraxis --help' for more information.\n"},
    {"stop_word_file_missing", {"--lang", "en", "--stop-words", "no-such-list.txt", "engines.txt"},
     "=", 2,
     "phraxis: cannot read no-such-list.txt: No such file or directory\n"
     "Try 'phraxis --help' for more information.\n"},
    {"go_phrase", {"--lang", "en", "--go", "water wheel", "engines.txt"}, "=", 0, ""},
    {"language_not_identified", {"numbers.txt"}, "=", 1,
     "phraxis: numbers.txt: the language could not be identified (the engine tells English, "
     "French, German and Spanish apart); name it with --lang\n"},
};

void PrintTo(const ProgramCase& c, std::ostream* out) { *out << c.name; }

class PhraxisProgramTest : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(PhraxisProgramTest, OutputMatchesGolden) {
  const ProgramCase& c = GetParam();
  const std::string input = std::string(c.standard_input).starts_with("=")
                                ? std::string(c.standard_input + 1)
                                : data(c.standard_input);
  const auto run = phraxis(c.arguments, input);
  EXPECT_EQ(run.exit_status, c.exit_status);
  EXPECT_EQ(run.err, c.standard_error);
  const auto golden = kGoldenDir / (std::string(c.name) + ".stdout.exact");
  EXPECT_EQ(phx_test::compare_with_golden(golden, run.out), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, PhraxisProgramTest, ::testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

// The same text in other encodings and with byte-order marks gives the same
// output as plain UTF-8.
TEST(PhraxisEncodings, SameResultsWhateverTheEncoding) {
  phx_test::ScratchDirectory directory;
  const std::string utf8 = data("naive.txt");
  std::string latin1;  // naive.txt holds only Latin-1 characters
  std::string utf16le = "\xFF\xFE";
  std::string utf16be = "\xFE\xFF";
  std::string utf16_plain;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    auto byte = static_cast<unsigned char>(utf8[i]);
    char16_t unit = byte;
    if (byte == 0xC3) unit = static_cast<char16_t>(0xC0 | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
    latin1.push_back(static_cast<char>(unit));
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    utf16le += {low, high};
    utf16be += {high, low};
    utf16_plain += {low, high};
  }
  directory.write("utf8.txt", utf8);
  directory.write("utf8-bom.txt", "\xEF\xBB\xBF" + utf8);
  directory.write("utf16le.txt", utf16le);
  directory.write("utf16be.txt", utf16be);
  directory.write("utf16.txt", utf16_plain);
  directory.write("latin1.txt", latin1);

  const auto expected = phraxis({"--lang", "en", "--json", "utf8.txt"}, "", directory.path());
  ASSERT_EQ(expected.exit_status, 0) << expected.err;
  ASSERT_NE(expected.out.find("na\xC3\xAFve"), std::string::npos) << expected.out;
  const std::vector<std::vector<std::string>> variants{
      {"utf8-bom.txt"},
      {"utf16le.txt"},
      {"utf16be.txt"},
      {"--encoding", "utf-16", "utf16.txt"},
      {"--encoding", "utf-16", "utf16be.txt"},
      {"--encoding", "latin1", "latin1.txt"},
  };
  for (auto arguments : variants) {
    const std::string file = arguments.back();
    arguments.insert(arguments.begin(), {"--lang", "en", "--json"});
    auto run = phraxis(arguments, "", directory.path());
    EXPECT_EQ(run.exit_status, 0) << file << run.err;
    const std::string name_field = "\"file\": \"" + file + "\"";
    ASSERT_NE(run.out.find(name_field), std::string::npos);
    run.out.replace(run.out.find(name_field), name_field.size(), "\"file\": \"utf8.txt\"");
    EXPECT_EQ(run.out, expected.out) << file;
  }
}

// -j N reads documents at the same time; the output keeps input order and
// equals that of a single thread.
TEST(PhraxisJobs, OutputInInputOrderForAnyThreadCount) {
  phx_test::ScratchDirectory directory;
  std::vector<std::string> files;
  const char* sources[] = {"library.txt", "engines.txt", "rivers.txt", "naive.txt"};
  for (int i = 0; i < 24; ++i) {
    // Documents of different lengths, so threads finish out of order.
    std::string text;
    for (int repeat = 0; repeat <= i % 5; ++repeat) text += data(sources[(i + repeat) % 4]);
    files.push_back("doc" + std::to_string(i) + ".txt");
    directory.write(files.back(), text);
  }
  files.insert(files.begin() + 5, "missing.txt");
  std::vector<std::string> arguments{"--lang", "en", "--jsonl"};
  arguments.insert(arguments.end(), files.begin(), files.end());
  const auto single = phraxis(arguments, "", directory.path());
  EXPECT_EQ(single.exit_status, 1);
  for (const char* jobs : {"2", "3", "8"}) {
    auto threaded_arguments = arguments;
    threaded_arguments.insert(threaded_arguments.begin(), {"-j", jobs});
    const auto threaded = phraxis(threaded_arguments, "", directory.path());
    EXPECT_EQ(threaded.exit_status, 1) << jobs;
    EXPECT_EQ(threaded.out, single.out) << jobs;
    EXPECT_EQ(threaded.err, single.err) << jobs;
  }
  // One line per document, in order, the missing one included.
  std::size_t line_start = 0;
  for (const auto& file : files) {
    const auto line_end = single.out.find('\n', line_start);
    ASSERT_NE(line_end, std::string::npos);
    EXPECT_TRUE(single.out.compare(line_start, 10 + file.size(), "{\"file\":\"" + file + "\"") == 0)
        << file;
    line_start = line_end + 1;
  }
}

// Languages the engine cannot read yet give a clear error, never an empty
// result; once a language's pipeline is in, the same documents give phrases.
TEST(PhraxisLanguages, MissingPipelinesAreReported) {
  phraxis::StopMemory stop;
  struct Case {
    std::vector<std::string> arguments;
    phraxis::Language language;
    const char* name;
  };
  const Case cases[] = {
      {{"--lang", "fr", "french.txt"}, phraxis::Language::french, "French"},
      {{"--lang", "de", "french.txt"}, phraxis::Language::german, "German"},
      {{"--lang", "es", "french.txt"}, phraxis::Language::spanish, "Spanish"},
      {{"--lang", "ja", "japanese.txt"}, phraxis::Language::japanese, "Japanese"},
      {{"--lang", "ko", "korean.txt"}, phraxis::Language::korean, "Korean"},
  };
  for (const auto& c : cases) {
    const auto run = phraxis(c.arguments);
    if (phraxis_cli::engine_reads_language(stop, c.language)) {
      EXPECT_EQ(run.exit_status, 0) << c.name << run.err;
      EXPECT_NE(run.out.find(c.name), std::string::npos) << run.out;
    } else {
      EXPECT_EQ(run.exit_status, 1) << c.name;
      EXPECT_EQ(run.out, "");
      EXPECT_EQ(run.err, "phraxis: " + std::string(c.name) + " is not supported yet by this engine\n");
    }
  }
}

// In automatic mode, text mostly in kana or hangul goes to Japanese or
// Korean (or is reported as not supported yet).
TEST(PhraxisLanguages, AutomaticModePicksJapaneseAndKoreanByScript) {
  const std::pair<const char*, const char*> cases[] = {{"japanese.txt", "\"ja\""},
                                                       {"korean.txt", "\"ko\""}};
  phraxis::StopMemory stop;
  for (const auto& [file, tag] : cases) {
    const auto run = phraxis({"--jsonl", file});
    const bool japanese = std::string(file) == "japanese.txt";
    const auto language = japanese ? phraxis::Language::japanese : phraxis::Language::korean;
    if (phraxis_cli::engine_reads_language(stop, language)) {
      EXPECT_NE(run.out.find(std::string("\"language\":") + tag), std::string::npos) << run.out;
    } else {
      EXPECT_EQ(run.exit_status, 1);
      EXPECT_NE(run.err.find(japanese ? "Japanese is not supported yet" : "Korean is not supported yet"),
                std::string::npos)
          << run.err;
    }
  }
}

}  // namespace
