// Realistic documents through each filter: the output must equal the
// reviewed expected file, and must not depend on where the document is cut
// into buffers. Set PHX_UPDATE_GOLDEN=1 to rewrite the expected files after a
// deliberate change (and review the difference).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "filter_runner.h"
#include "support/golden.h"

namespace phx::testing {
namespace {

std::string fixture_path(const std::string& name) {
  return std::string(PHX_SOURCE_DIR) + "/tests/filters/fixtures/" + name;
}

using phx_test::read_file;

struct Fixture {
  const char* input;
  const char* expected;
  Filter filter;
};

const Fixture kFixtures[] = {
    {"web_page.html", "web_page.expected", Filter::kHtml},
    {"mailbox.txt", "mailbox.expected", Filter::kEmail},
    {"report.txt", "report.expected", Filter::kText},
};

class FilterFixtures : public ::testing::TestWithParam<Fixture> {};

TEST_P(FilterFixtures, MatchesExpectedOutput) {
  const Fixture& f = GetParam();
  const std::string input = read_file(fixture_path(f.input));
  ASSERT_FALSE(input.empty());
  bool cut = false;
  const std::string output = run_filter(f.filter, input, {}, true, &cut);
  EXPECT_FALSE(cut);
  const std::string expected_path = fixture_path(f.expected);
  if (phx_test::updating_golden_files()) phx_test::write_file(expected_path, output);
  EXPECT_EQ(visible(output), visible(read_file(expected_path)));
}

TEST_P(FilterFixtures, SplitAtEveryPositionGivesTheSameOutput) {
  const Fixture& f = GetParam();
  const std::string input = read_file(fixture_path(f.input));
  const std::string whole = run_filter(f.filter, input, {}, true);
  for (std::size_t cut = 1; cut < input.size(); ++cut) {
    ASSERT_EQ(run_filter(f.filter, input, {cut}, true), whole) << "cut at " << cut;
  }
}

TEST_P(FilterFixtures, SplitIntoManySmallBuffersGivesTheSameOutput) {
  const Fixture& f = GetParam();
  const std::string input = read_file(fixture_path(f.input));
  const std::string whole = run_filter(f.filter, input, {}, true);
  std::mt19937 random(12345);
  for (int round = 0; round < 50; ++round) {
    std::vector<std::size_t> cuts;
    std::size_t at = 0;
    for (;;) {
      at += 1 + random() % 40;
      if (at >= input.size()) break;
      cuts.push_back(at);
    }
    ASSERT_EQ(run_filter(f.filter, input, cuts, true), whole) << "round " << round;
  }
  std::vector<std::size_t> every_byte;
  for (std::size_t i = 1; i < input.size(); ++i) every_byte.push_back(i);
  EXPECT_EQ(run_filter(f.filter, input, every_byte, true), whole);
}

INSTANTIATE_TEST_SUITE_P(Documents, FilterFixtures, ::testing::ValuesIn(kFixtures),
                         [](const auto& test) {
                           std::string name = test.param.input;
                           return name.substr(0, name.find('.'));
                         });

}  // namespace
}  // namespace phx::testing
