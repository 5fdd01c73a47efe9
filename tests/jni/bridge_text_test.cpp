// The byte-level text rules of the Java bridge.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bridge_text.h"

namespace {

using phx::jni::engine_text_length;
using phx::jni::terminated_copy;

struct LengthCase {
  std::string bytes;  // the text with its terminator(s)
  int output_code;
  std::size_t expected;
};

TEST(EngineTextLength, CountsBytesOrUnitsBeforeTheTerminator) {
  const LengthCase cases[] = {
      {std::string("\0", 1), 0, 0},
      {std::string("tide\0", 5), 0, 4},
      {std::string("caf\xe9\0", 5), 0, 4},
      {std::string("box\0", 4), 1, 3},  // code page 437
      {std::string("\x82\xa0\x82\xa2\0", 5), 3, 4},  // Shift-JIS
      {std::string("\0\0", 2), 2, 0},
      // UCS2: "tidal" is 5 units, 10 bytes.
      {std::string("t\0i\0d\0a\0l\0\0\0", 12), 2, 10},
      // A zero byte inside a unit does not end UCS2 text.
      {std::string("\0\x4e\xe9\0\0\0", 6), 2, 4},
      {std::string("a\0\0\x4e\0\0", 6), 2, 4},
  };
  for (const LengthCase& c : cases) {
    EXPECT_EQ(engine_text_length(c.bytes.data(), c.output_code), c.expected)
        << "code " << c.output_code << ", " << c.bytes.size() << " bytes";
  }
}

TEST(EngineTextLength, ReadsUnalignedUcs2Text) {
  // The units start at an odd address.
  const char storage[] = "xh\0i\0\0\0";
  EXPECT_EQ(engine_text_length(storage + 1, 2), 4u);
}

TEST(TerminatedCopy, AppendsAZeroUnitToAnyArray) {
  const std::vector<std::string> inputs = {"", "widget", std::string("w\0i\0", 4), "odd"};
  for (const std::string& input : inputs) {
    std::vector<char> copy = terminated_copy(input);
    ASSERT_GE(copy.size(), input.size() + 2);
    EXPECT_EQ(copy.size() % 2, 0u) << input;
    EXPECT_EQ(std::string(copy.data(), input.size()), input);
    for (std::size_t i = input.size(); i < copy.size(); ++i) {
      EXPECT_EQ(copy[i], '\0') << input << " at " << i;
    }
  }
}

TEST(TerminatedCopy, EndsTextOfOddLengthAsUcs2Too) {
  // Three bytes of UCS2 (a broken unit) still end within the copy.
  std::vector<char> copy = terminated_copy(std::string("a\0b", 3));
  ASSERT_EQ(copy.size(), 6u);
  EXPECT_EQ(engine_text_length(copy.data(), 2), 4u);
  EXPECT_EQ(engine_text_length(copy.data(), 0), 1u);
}

}  // namespace
