// The row of the phrase-count parameter table chosen by the desired number of
// key phrases. Columns 1, 2, 3, 4, 6, 7, 8, 16, 19, 22 and 24 are whole numbers
// (truncated toward zero); the others are fractions. The fields keep the
// table's column numbers, by which the Japanese reader and selection use them.
#pragma once

namespace phx {

struct JapaneseParameters {
  int column2 = 0;
  int column3 = 0;
  int column4 = 0;
  int column1 = 0;
  double column5 = 0;
  int column6 = 0;
  int column7 = 0;
  int column8 = 0;
  double column9 = 0;
  double column10 = 0;
  double column11 = 0;
  double column12 = 0;
  double column13 = 0;
  double column14 = 0;
  double column15 = 0;
  int column16 = 0;
  double column17 = 0;
  double column18 = 0;
  int column19 = 0;
  double column20 = 0;
  double column21 = 0;
  int column22 = 0;
  double column23 = 0;
  int column24 = 0;
  double column25 = 0;
};

// The row number (3..30) for a phrase target: rounded half up, held within
// 3..30; a value that is not a number gives 3.
int phrase_count_row(double phrase_target);

JapaneseParameters load_japanese_parameters(double phrase_target);

}  // namespace phx
