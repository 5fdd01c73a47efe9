// The plain-text filter and its line tests at their own interface.
#include <gtest/gtest.h>

#include <string>

#include "filter_runner.h"
#include "filters/line_reader.h"
#include "filters/text_line_tests.h"

namespace phx::testing {
namespace {

TEST(LineReader, ReportsHowEachLineEnded) {
  LineBuffer line;
  std::size_t position = 0;
  const std::string_view buffer("one\ntwo\nthr", 11);
  EXPECT_EQ(read_line(line, buffer, position), LineRead::kLine);
  EXPECT_EQ(line.view(), "one\n");
  line.clear();
  EXPECT_EQ(read_line(line, buffer, position), LineRead::kLine);
  EXPECT_EQ(line.view(), "two\n");
  line.clear();
  EXPECT_EQ(read_line(line, buffer, position), LineRead::kUnfinished);
  EXPECT_EQ(line.view(), "thr");

  position = 0;
  EXPECT_EQ(read_line(line, "ee\n", position), LineRead::kLastLine);
  EXPECT_EQ(line.view(), "three\n");

  line.clear();
  position = 0;
  EXPECT_EQ(read_line(line, std::string_view("ab\0cd\n", 6), position), LineRead::kUnfinished);
  EXPECT_EQ(line.view(), "ab");
  EXPECT_EQ(position, 6u);
}

TEST(LineReader, CutsLinesThatDoNotFit) {
  const std::string long_line(6000, 'x');
  LineBuffer line;
  std::size_t position = 0;
  EXPECT_EQ(read_line(line, long_line + "\n", position), LineRead::kFull);
  EXPECT_EQ(line.size(), LineBuffer::kCapacity);
  line.clear();
  EXPECT_EQ(read_line(line, long_line + "\n", position), LineRead::kLastLine);
  EXPECT_EQ(line.size(), 6001 - LineBuffer::kCapacity);

  // A held line fills up to the capacity and no further.
  LineBuffer held(std::string(4990, 'y'));
  position = 0;
  EXPECT_EQ(read_line(held, std::string(20, 'z') + "\n", position), LineRead::kFull);
  EXPECT_EQ(held.size(), LineBuffer::kCapacity);
  EXPECT_EQ(position, 9u);
}

TEST(LeaderLine, ReducesContentsEntriesToTitles) {
  const struct {
    const char* line;
    bool dropped;
    const char* rewritten;
  } cases[] = {
      {"1.2 Results ........ 12\n", false, "\x1E Results\x1E "},
      {"3 Methods :::::::: 7\n", false, "\x1E Methods\x1E "},
      {"IV. Discussion ......... 30\n", false, "\x1E Discussion\x1E "},
      {"Appendix ......... 41\n", false, "\x1E Appendix\x1E "},
      {"12 ..... 14\n", true, ""},
      {"  :::::: 3\n", true, ""},
      {"The U.S.A. is big. Really.\n", false, "The U.S.A. is big. Really.\n"},
      {"Plain text line\n", false, "Plain text line\n"},
  };
  for (const auto& c : cases) {
    LineBuffer line(c.line);
    EXPECT_EQ(drop_leader_line(line), c.dropped) << c.line;
    EXPECT_EQ(visible(line.view()), visible(c.rewritten)) << c.line;
  }
}

TEST(ColumnOrRule, DropsLayout) {
  const struct {
    std::string line;
    bool dropped;
  } cases[] = {
      {"\n", true},
      {"   \t \r\n", true},
      {"----------\n", true},
      {"= = = = =\n", true},
      {"Name        Value\n", true},
      {"a\tb\n", true},
      {std::string(31, ' ') + "Total\n", true},
      {std::string(20, ' ') + "Total\n", false},
      {"x\n", true},
      {"Plain text line\n", false},
  };
  for (const auto& c : cases) EXPECT_EQ(is_column_or_rule(c.line), c.dropped) << c.line;
}

TEST(ContactLine, DropsTelephoneAddressAndMail) {
  const struct {
    const char* line;
    bool dropped;
  } cases[] = {
      {"Tel: +1 (555) 010-0100\n", true},
      {"Fax 555.0199\n", true},
      {"Telephone extension\n", false},
      {"12 High Street\n", true},
      {"12 high street\n", false},
      {"12 St. James Street\n", false},
      {"1 High Street\n", false},
      {"  info@example.com  \n", true},
      {"Mail info@example.com\n", true},
      {"write to info @ example.com\n", false},
      {"info@example.com.\n", false},
      {"@example.com\n", false},
  };
  for (const auto& c : cases) EXPECT_EQ(is_contact_line(c.line), c.dropped) << c.line;
}

struct TextCase {
  const char* name;
  std::string input;
  std::string expected;
};

const TextCase kTextCases[] = {
    {"blank_line_and_rule", "\n-----\n=====\n", "\x1E \x1E \x1E "},
    {"title_after_blank_line",
     "\nINTRODUCTION\nThis report describes the results of the annual survey.\n",
     "\x1E \x1D INTRODUCTION\n\x1E This report describes the results of the annual survey.\n"},
    {"running_lines_join",
     "The survey was sent to every member of the\nassociation in the spring.\n",
     "The survey was sent to every member of the\nassociation in the spring.\n"},
    {"contents_entry",
     "The chapters are these:\n1.2 Results ........ 12\n",
     "The chapters are these:\n\x1E \x1E Results\x1E "},
    {"contents_numbers_only", "12 ..... 14\n", "\x1E "},
    {"contact_lines", "Tel: +1 (555) 010-0100\nFax 555.0199\n", "\x1E \x1E "},
    {"telephone_word_kept",
     "Telephone extension\n",
     "Telephone extension\n"},
    {"bullets",
     "Findings:\n- costs rose\n- sales fell\n",
     "\x1D Findings:\n\x1E costs rose\n\x1E sales fell\n"},
    {"sentence_end_blocks_a_break",
     "The survey closed in June.\nThe results follow below.\n",
     "The survey closed in June.\nThe results follow below.\n"},
    {"zero_byte_ends_buffer", std::string("Plans.\n\0hidden\n", 15), "Plans.\n"},
};

class TextFilterCases : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextFilterCases, GivesExactOutput) {
  const TextCase& c = GetParam();
  EXPECT_EQ(visible(run_filter(Filter::kText, c.input)), visible(c.expected));
}

TEST_P(TextFilterCases, SplitAnywhereGivesTheSameOutput) {
  EXPECT_TRUE(same_output_when_split(Filter::kText, GetParam().input));
}

INSTANTIATE_TEST_SUITE_P(Text, TextFilterCases, ::testing::ValuesIn(kTextCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(TextFilter, LongFirstLineSwitchesItOff) {
  const std::string long_line(250, 'a');
  FilterChain chain;
  EXPECT_EQ(chain.text_buffer(long_line + "\n\nINTRO\n"), long_line + "\n\nINTRO\n");
  EXPECT_EQ(chain.text_buffer("\n-----\n"), "\n-----\n");
  EXPECT_EQ(chain.text_buffer(kClosingText), std::string(kClosingText));
  EXPECT_EQ(chain.text->TextFilterOff, 1);
}

TEST(TextFilter, LongLineLaterReplacesTheWholeCallsOutput) {
  const std::string long_line(250, 'b');
  FilterChain chain;
  EXPECT_EQ(chain.text_buffer("Held start"), "");
  const std::string buffer = " of a line\n-----\n" + long_line + "\n";
  EXPECT_EQ(chain.text_buffer(buffer), "Held start" + buffer);
}

TEST(TextFilter, LongLineAcrossBuffersKeepsTheHeldText) {
  FilterChain chain;
  const std::string first(150, 'c');
  const std::string second(100, 'd');
  EXPECT_EQ(chain.text_buffer(first), "");
  EXPECT_EQ(chain.text_buffer(second), first + second);
}

TEST(TextFilter, DeactivatedPassesTextThrough) {
  FilterChain chain;
  chain.text->TextFilterOff = 1;
  const std::string input = "\nINTRODUCTION\n-----\nTel: 555\n";
  EXPECT_EQ(chain.text_buffer(input), input);
}

TEST(TextFilter, ClosingTextCompletesTheLastLine) {
  FilterChain chain;
  EXPECT_EQ(chain.text_buffer("The survey closed in June"), "");
  EXPECT_EQ(visible(chain.text_buffer(kClosingText)),
            visible("The survey closed in June\x1E\n"));
}

}  // namespace
}  // namespace phx::testing
