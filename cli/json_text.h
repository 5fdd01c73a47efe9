// The few pieces of JSON the tool writes: strings and numbers.
#pragma once

#include <string>
#include <string_view>

namespace phraxis_cli {

// A JSON string literal, quotes included. The text is UTF-8 and stays so;
// quotes, backslashes and control characters are escaped.
std::string json_string(std::string_view utf8);

// A number rounded to six decimals, without trailing zeros (the engine's
// scores carry no more precision than that); "0" for values JSON cannot
// hold (infinities, NaN).
std::string json_number(double value);

}  // namespace phraxis_cli
