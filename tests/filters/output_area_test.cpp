// No filter output may need more than the area the input path gives it (2.5
// times the buffer plus 10000 bytes). These inputs come as close as the
// filters allow: a long line held over and completed by a tiny buffer, and
// the patterns that add the most marks per input byte.
#include <gtest/gtest.h>

#include <string>

#include "filter_runner.h"

namespace phx::testing {
namespace {

std::string repeat(std::string_view unit, std::size_t times) {
  std::string text;
  for (std::size_t i = 0; i < times; ++i) text += unit;
  return text;
}

struct AreaCase {
  const char* name;
  Filter filter;
  std::string input;
  std::size_t buffer;  // buffer length the input is cut into
};

const AreaCase kAreaCases[] = {
    {"email_held_line_completed_by_one_byte", Filter::kEmail, std::string(4998, 'x') + "\n", 4998},
    {"email_short_lines", Filter::kEmail, repeat("x\n", 5000), 7},
    {"email_subject_then_blank", Filter::kEmail, repeat("subject:abc\n\n", 1000), 13},
    {"email_folded_subjects", Filter::kEmail, repeat("Subject: abcd\n x\n", 1000), 3},
    {"email_html_part", Filter::kEmail,
     "Content-Type: text/html\n" + repeat("</p>\n<h1>\n&lt\n", 1000), 5},
    {"html_pre_line_ends", Filter::kHtml, "<pre>" + repeat("x\n", 10000), 1},
    {"html_entity_carried_over", Filter::kHtml, "&" + std::string(300, 'a'), 254},
    {"html_closing_tags", Filter::kHtml, repeat("</>", 5000), 3},
    {"html_nbsp_runs", Filter::kHtml, repeat("x&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;", 1000), 6},
    {"text_blank_lines", Filter::kText, repeat("\n", 20000), 1},
    {"text_short_titles", Filter::kText, repeat("AB\n", 5000), 3},
    {"text_leader_lines", Filter::kText, repeat("1 A:::::\n", 2000), 9},
};

class OutputArea : public ::testing::TestWithParam<AreaCase> {};

TEST_P(OutputArea, NeverOverflows) {
  const AreaCase& c = GetParam();
  std::vector<std::size_t> cuts;
  for (std::size_t at = c.buffer; at < c.input.size(); at += c.buffer) cuts.push_back(at);
  bool cut = false;
  const std::string output = run_filter(c.filter, c.input, cuts, true, &cut);
  EXPECT_FALSE(cut);
  EXPECT_FALSE(output.empty());
}

INSTANTIATE_TEST_SUITE_P(Worst, OutputArea, ::testing::ValuesIn(kAreaCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(FilterOutput, DropsWhatDoesNotFitAndSaysSo) {
  char area[8];
  FilterOutput output{std::span<char>(area)};
  output.append("abcd");
  output.put('e');
  EXPECT_FALSE(output.cut());
  output.append("fghij");
  EXPECT_TRUE(output.cut());
  EXPECT_EQ(output.view(), "abcdefg");
  EXPECT_EQ(area[7], '\0');
  output.put('x');
  EXPECT_EQ(output.view(), "abcdefg");
}

TEST(FilterOutput, AreaGrowsWithTheInput) {
  EXPECT_EQ(filter_area_bytes(0), 10000u);
  EXPECT_EQ(filter_area_bytes(3), 10007u);  // 2.5 times, cut to a whole byte
  EXPECT_EQ(filter_area_bytes(4000), 20000u);
}

}  // namespace
}  // namespace phx::testing
