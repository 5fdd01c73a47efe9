// The parameter lookup: rows by rounded desired count, tables by length.
#include "latin/latin_parameters.h"

#include <gtest/gtest.h>

#include <cmath>

#include "latin/english.h"

namespace phx {
namespace {

struct LookupCase {
  double wanted;
  int words;
  int row;
  bool long_table;
};

TEST(Parameters, RowAndTableChoice) {
  const LookupCase cases[] = {
      {7.0, 2999, 7, false}, {7.0, 3000, 7, true}, {3.4, 10, 3, false}, {3.5, 10, 4, false},
      {7.4, 10, 7, false},   {7.5, 10, 8, false},  {2.0, 10, 3, false}, {31.0, 10, 30, false},
      {30.0, 5000, 30, true}, {NAN, 10, 3, false},
  };
  for (const LookupCase& c : cases) {
    const LatinParameters p = lookup_parameters(kEnglishParameters, c.wanted, c.words);
    const ParameterRow& row = c.long_table ? kEnglishParameters.long_documents[c.row - 3]
                                           : kEnglishParameters.short_documents[c.row - 3];
    EXPECT_EQ(row.n, c.row);
    EXPECT_EQ(p.output_count, c.row) << c.wanted;
    EXPECT_EQ(p.top_word_count, 5 * c.row);
    EXPECT_EQ(p.two_word_factor, row.two_word_factor) << c.wanted << " " << c.words;
    EXPECT_EQ(p.stem_length, static_cast<int>(row.stem_length));
  }
}

TEST(Parameters, EnglishRowsAsTuned) {
  const LatinParameters short7 = lookup_parameters(kEnglishParameters, 7, 100);
  EXPECT_EQ(short7.two_word_factor, 2.05098);
  EXPECT_EQ(short7.three_word_factor, 2.34902);
  EXPECT_EQ(short7.length_ratio_threshold, 0.702353);
  EXPECT_EQ(short7.rank_limit, 20);
  EXPECT_EQ(short7.early_position, 757);
  EXPECT_EQ(short7.late_position, 28);
  EXPECT_EQ(short7.early_factor, 4.733333);
  EXPECT_EQ(short7.late_factor, 0.844706);
  EXPECT_EQ(short7.stem_length, 6);
  EXPECT_EQ(short7.reject_capitalised, 0);
  const LatinParameters long6 = lookup_parameters(kEnglishParameters, 6, 3000);
  EXPECT_EQ(long6.reject_capitalised, 1);
  EXPECT_EQ(long6.stem_length, 7);
  EXPECT_EQ(long6.early_position, 866);
  for (int n = 3; n <= 30; ++n) {
    EXPECT_EQ(kEnglishParameters.short_documents[n - 3].n, n);
    EXPECT_EQ(kEnglishParameters.long_documents[n - 3].n, n);
  }
}

}  // namespace
}  // namespace phx
