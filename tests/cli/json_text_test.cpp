#include <gtest/gtest.h>

#include <limits>

#include "json_text.h"

namespace {

TEST(JsonText, StringsAreEscaped) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "\"\""},
      {"key phrase", "\"key phrase\""},
      {"say \"hi\"", "\"say \\\"hi\\\"\""},
      {"back\\slash", "\"back\\\\slash\""},
      {"tab\tnew\nline\r", "\"tab\\tnew\\nline\\r\""},
      {std::string("\x01\x1f", 2), "\"\\u0001\\u001f\""},
      {"caf\xC3\xA9 \xE6\x97\xA5", "\"caf\xC3\xA9 \xE6\x97\xA5\""},
  };
  for (const auto& [text, json] : cases) EXPECT_EQ(phraxis_cli::json_string(text), json);
}

TEST(JsonText, NumbersToSixDecimals) {
  EXPECT_EQ(phraxis_cli::json_number(0.0), "0");
  EXPECT_EQ(phraxis_cli::json_number(-0.0000001), "0");
  EXPECT_EQ(phraxis_cli::json_number(12.5), "12.5");
  EXPECT_EQ(phraxis_cli::json_number(40.0), "40");
  EXPECT_EQ(phraxis_cli::json_number(4.733333333333333), "4.733333");
  EXPECT_EQ(phraxis_cli::json_number(5.305880999999999), "5.305881");
  EXPECT_EQ(phraxis_cli::json_number(-2.25), "-2.25");
  EXPECT_EQ(phraxis_cli::json_number(std::numeric_limits<double>::infinity()), "0");
}

}  // namespace
