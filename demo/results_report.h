// How the console program shows its results: lines on the console, and the
// HTML report file.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace phx_demo {

// Highlights longer than this many bytes are cut on the console.
inline constexpr std::size_t kLongestWholeHighlight = 69;

// "     phrase     (score) " with the phrase padded to 40 columns.
void print_phrase_line(std::FILE* out, const char* phrase, double score);

// "   - highlight " or, past 69 bytes, its first 70 bytes and " ...".
void print_highlight_line(std::FILE* out, const char* highlight);

// What goes into the report: texts as the engine hands them out, in the
// output code, unescaped.
struct HtmlReport {
  int output_code = 0;
  std::string source_file;
  std::vector<std::string> phrases;
  std::vector<std::string> highlights;
};

// Writes the whole report to `file`.
void write_html_report(std::FILE* file, const HtmlReport& report);

}  // namespace phx_demo
