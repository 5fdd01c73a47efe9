// The command line of phraxis: what it may say and what it means.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "input_encoding.h"
#include "phraxis.hpp"

namespace phraxis_cli {

enum class OutputFormat { table, json, jsonl, tsv };

// Which markup filter a document gets.
enum class MarkupFilter { by_extension, html, email, none };

struct Settings {
  std::vector<std::string> files;  // "-" is standard input; empty means "-"
  phraxis::Language language = phraxis::Language::automatic;
  InputEncoding encoding;
  double phrases = 7.0;
  MarkupFilter markup = MarkupFilter::by_extension;
  bool text_filter = true;
  bool highlights = false;
  int highlight_type = phraxis::highlight::one_per_sentence | phraxis::highlight::document_order |
                       phraxis::highlight::keep_elided_text;
  std::vector<std::string> go_phrases;
  int go_match_type = phraxis::match::whole_words;
  std::vector<std::string> stop_words;
  std::vector<std::string> stop_phrases;
  // Files of words or phrases, read after parsing.
  std::vector<std::string> go_phrase_files;
  std::vector<std::string> stop_word_files;
  std::vector<std::string> stop_phrase_files;
  OutputFormat format = OutputFormat::table;
  int jobs = 1;
  std::optional<bool> with_filename;  // unset: only with several inputs
  bool help = false;
  bool version = false;
};

// A parsed command line, or the reason it is wrong.
struct ParsedArguments {
  Settings settings;
  std::string error;  // empty when the command line is good
};

ParsedArguments parse_arguments(const std::vector<std::string>& arguments);

// The text of --help.
std::string help_text();

}  // namespace phraxis_cli
