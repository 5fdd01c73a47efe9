#include "console_answers.h"

#include <cctype>
#include <climits>
#include <cstdlib>

namespace phx_demo {

std::string ConsoleAnswers::ask(const char* prompt) {
  std::fputs(prompt, out_);
  std::fflush(out_);
  std::string line;
  int c = 0;
  while ((c = std::fgetc(in_)) != EOF && c != '\n') {
    if (line.size() < kMaxAnswer) line.push_back(static_cast<char>(c));
  }
  const auto end = line.find_first_of("\r\n");
  if (end != std::string::npos) line.resize(end);
  return line;
}

std::optional<int> parse_whole_number(const std::string& answer) {
  const char* start = answer.c_str();
  char* end = nullptr;
  const long long value = std::strtoll(start, &end, 10);
  if (end == start) return std::nullopt;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

std::optional<double> parse_number(const std::string& answer) {
  const char* start = answer.c_str();
  char* end = nullptr;
  const double value = std::strtod(start, &end);
  if (end == start) return std::nullopt;
  return value;
}

}  // namespace phx_demo
