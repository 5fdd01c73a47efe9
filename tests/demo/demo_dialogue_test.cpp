// phx_demo driven through its standard input with scripted answers; each
// dialogue's whole output is compared with its golden file in golden/.
// After a deliberate change: PHX_UPDATE_GOLDEN=1 ctest -R demo
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "cli/run_program.h"

namespace {

const std::filesystem::path kGoldenDir = std::filesystem::path(PHX_SOURCE_DIR) / "tests/demo/golden";

std::string english_document() {
  return phx_test::read_file(std::filesystem::path(PHX_SOURCE_DIR) / "tests/demo/data/english.txt");
}

// The timing line depends on when the second ticks over; a run that
// straddles a second boundary is as good as one that does not.
std::string without_clock(std::string out) {
  const std::string one_second = "\nPHRAXIS took 1 second. \n";
  if (const auto at = out.find(one_second); at != std::string::npos) {
    out.replace(at, one_second.size(), "\nPHRAXIS took less than 1 second. \n");
  }
  return out;
}

struct Dialogue {
  const char* name;
  const char* answers;  // what the user types, one answer a line
  const char* document;  // content of doc.txt; null: no file is made
  // The dialogue ends on a failure after the memories were made, and such
  // endings leave the handles as they are, for the system to reclaim.
  bool leaves_handles = false;
};

// The leak checker of the sanitizer build would report those handles.
std::vector<std::string> environment_for(const Dialogue& dialogue) {
  if (!dialogue.leaves_handles) return {};
  const char* options = std::getenv("ASAN_OPTIONS");
  return {std::string("ASAN_OPTIONS=") + (options != nullptr ? options : "") + ":detect_leaks=0"};
}

// The answers, in order: file name, language, HTML filter, mail filter
// (not asked for Japanese and Korean), encoding, number of phrases, output,
// special phrase (and its encoding).
const Dialogue kDialogues[] = {
    {"empty_first_answer", "\n", nullptr},
    {"end_of_input_at_first_answer", "", nullptr},
    {"missing_file", "nosuch.txt\n", nullptr},
    {"empty_file", "doc.txt\n", ""},
    {"language_7_out_of_range", "doc.txt\n7\n", "text", true},
    {"language_x_not_a_number", "doc.txt\nx\n", "text", true},
    {"language_negative", "doc.txt\n-1\n", "text", true},
    {"japanese_with_code_0", "doc.txt\n3\n\n0\n", "text", true},
    {"korean_with_code_3", "doc.txt\n6\nf\n3\n", "text", true},
    {"latin_with_code_3", "doc.txt\n1\n\n\n3\n", "text", true},
    {"encoding_not_a_number", "doc.txt\n1\n\n\nlatin\n", "text", true},
    {"phrases_not_a_number", "doc.txt\n1\n\n\n\nmany\n", "text", true},
    {"phrases_2_5", "doc.txt\n1\n\n\n\n2.5\n\n\n", "english"},
    {"console_english", "doc.txt\n1\n\n\n\n\n\n\n", "english"},
    {"console_automatic_all_defaults", "doc.txt\n", "english"},
    {"html_report_english", "doc.txt\n1\nf\nf\n0\n10\nf\n\n", "english"},
    {"special_phrase_automatic", "doc.txt\n\n\n\n\n\n\nsearch engine\n\n", "english"},
    {"special_phrase_bad_code", "doc.txt\n1\n\n\n\n\n\nsearch engine\n9\n", "english", true},
    {"special_phrase_code_not_a_number", "doc.txt\n1\n\n\n\n\n\nsearch\nx\n", "english", true},
};

void PrintTo(const Dialogue& dialogue, std::ostream* out) { *out << dialogue.name; }

class DemoDialogueTest : public ::testing::TestWithParam<Dialogue> {};

TEST_P(DemoDialogueTest, OutputMatchesGolden) {
  const Dialogue& dialogue = GetParam();
  phx_test::ScratchDirectory directory;
  if (dialogue.document != nullptr) {
    const std::string document = std::string(dialogue.document) == "english"
                                     ? english_document()
                                     : std::string(dialogue.document);
    directory.write("doc.txt", document);
  }
  const auto run = phx_test::run_program(PHX_DEMO_PROGRAM, {}, dialogue.answers, directory.path(),
                                         environment_for(dialogue));
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.err, "");
  const auto golden = kGoldenDir / (std::string(dialogue.name) + ".stdout.exact");
  EXPECT_EQ(phx_test::compare_with_golden(golden, without_clock(run.out)), "");

  const auto report = directory.path() / "test_api.html";
  const bool html_mode = std::string(dialogue.name).starts_with("html_report");
  EXPECT_EQ(std::filesystem::exists(report), html_mode);
  if (html_mode) {
    const auto report_golden = kGoldenDir / (std::string(dialogue.name) + ".html.exact");
    EXPECT_EQ(phx_test::compare_with_golden(report_golden, phx_test::read_file(report)), "");
  }
}

INSTANTIATE_TEST_SUITE_P(Dialogues, DemoDialogueTest, ::testing::ValuesIn(kDialogues),
                         [](const auto& test) { return std::string(test.param.name); });

// The report cannot be written: the dialogue ends with its message.
TEST(DemoReport, UnwritableReportFileEndsWithMessage) {
  phx_test::ScratchDirectory directory;
  directory.write("doc.txt", english_document());
  std::filesystem::create_directory(directory.path() / "test_api.html");
  const auto run =
      phx_test::run_program(PHX_DEMO_PROGRAM, {}, "doc.txt\n1\n\n\n\n\nf\n\n", directory.path(),
                            environment_for(Dialogue{"", "", nullptr, true}));
  EXPECT_EQ(run.exit_status, 0);
  const std::string message = "\n\nERROR: cannot open file \"test_api.html\" for output. \n\n";
  ASSERT_GE(run.out.size(), message.size());
  EXPECT_EQ(run.out.substr(run.out.size() - message.size()), message);
}

// A long answer is kept to 255 characters, and the rest of its line is not
// taken as the next answer.
TEST(DemoAnswers, OverlongFileNameIsCutAndItsRestSkipped) {
  phx_test::ScratchDirectory directory;
  const std::string name(300, 'a');
  const auto run = phx_test::run_program(PHX_DEMO_PROGRAM, {}, name + "\n", directory.path());
  const std::string expected =
      "\n\nERROR: cannot open file \"" + std::string(255, 'a') + "\". \n\n";
  ASSERT_GE(run.out.size(), expected.size());
  EXPECT_EQ(run.out.substr(run.out.size() - expected.size()), expected);
}

}  // namespace
