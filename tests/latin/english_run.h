// Runs an English document through the public interface and collects what
// comes back, for the pipeline, golden and split tests.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "phx_api.h"

namespace phx::testing {

struct EnglishResult {
  int read_result = 0;  // first non-zero result of a read, or of the end
  std::vector<std::string> phrases;  // as Latin-1, whatever the output code
  std::vector<double> scores;
  std::vector<std::string> highlights;  // as Latin-1, whatever the output code
  int word_count = 0;
  int content_word_count = 0;
  int whole_document = 0;
};

struct EnglishRun {
  int input_code = 0;
  int output_code = 0;
  double phrases_wanted = 7.0;
  // The plain-text filter tidies line layout before the reader sees the text.
  bool text_filter = true;
  // Buffers are cut at these byte offsets of the encoded text (ascending).
  std::vector<std::size_t> cuts;
  // Called on the stop memory before the document is read.
  std::function<void(StopMemory*)> prepare_stop;
  // A stop memory to use instead of a fresh one (made once for many runs).
  StopMemory* shared_stop = nullptr;
  // Highlights: whether to ask for them, and their type.
  bool highlights = false;
  int highlight_type = 0;
  // Called on the document after its end, before it is cleared.
  std::function<void(DocumentMemory*)> inspect;
};

// Encodes Latin-1 text in the input code (0, 1 or 2) of the run.
std::string encode_input(std::string_view latin1, int code);

EnglishResult run_english(std::string_view latin1_text, const EnglishRun& run = {});

// Every buffer of `size` bytes (the last one shorter).
std::vector<std::size_t> cuts_every(std::size_t size, std::size_t length);

}  // namespace phx::testing
