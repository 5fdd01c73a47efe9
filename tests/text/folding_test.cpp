#include "text/folding.h"

#include <gtest/gtest.h>

namespace phx {
namespace {

TEST(FoldUmlauts, DropsDotsAndSpellsSharpSAsDoubleS) {
  EXPECT_EQ(fold_umlauts("gr\xF6\xDF" "e"), "grosse");
  EXPECT_EQ(fold_umlauts("\xC4rger \xDC" "bel \xE4\xFC"), "Arger Ubel au");
  EXPECT_EQ(fold_umlauts("caf\xE9"), "caf\xE9");  // other accents stay
}

TEST(FoldAccents, KeepsTildeNDiaeresisUAndCedilla) {
  std::string text = "educaci\xF3n \xC1" "frica a\xF1o ping\xFCino \xE7 \xE0\xE2\xE3";
  fold_accents(text);
  EXPECT_EQ(text, "educacion Africa a\xF1o ping\xFCino \xE7 aaa");
}

TEST(AccentFoldTable, BaseLettersOfEveryAccentedLetter) {
  EXPECT_EQ(fold_accent('\xC6'), 'A');
  EXPECT_EQ(fold_accent('\xD0'), 'D');
  EXPECT_EQ(fold_accent('\xD8'), 'O');
  EXPECT_EQ(fold_accent('\xDF'), 's');
  EXPECT_EQ(fold_accent('\xFF'), 'y');
  EXPECT_EQ(fold_accent('\xD7'), '\xD7');
  EXPECT_EQ(fold_accent('q'), 'q');
}

}  // namespace
}  // namespace phx
