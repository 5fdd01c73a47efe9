// Answers typed at the console: one line each, at most 255 characters.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace phx_demo {

inline constexpr std::size_t kMaxAnswer = 255;

class ConsoleAnswers {
 public:
  ConsoleAnswers(std::FILE* in, std::FILE* out) : in_(in), out_(out) {}

  // Prints the prompt and reads one line. The answer is cut at the first
  // carriage return or line feed and kept to 255 characters; the rest of a
  // longer line is skipped, so it never becomes the next answer. The end of
  // the input gives an empty answer.
  std::string ask(const char* prompt);

 private:
  std::FILE* in_;
  std::FILE* out_;
};

// A whole number as "%d" reads it (leading blanks, a sign, digits; what
// follows is ignored), or nothing. Values beyond int are held at its limits.
std::optional<int> parse_whole_number(const std::string& answer);

// A number as "%lf" reads it, or nothing.
std::optional<double> parse_number(const std::string& answer);

}  // namespace phx_demo
