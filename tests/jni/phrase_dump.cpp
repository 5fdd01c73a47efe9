// Reads one document through the C interface and prints its results in the
// form the Java bridge test prints them, so that the two can be compared:
//
//   phrase_dump FILE LANGUAGE INPUT_CODE OUTPUT_CODE HIGHLIGHTS HTML CHUNK [STOP_PHRASE]
//
// HIGHLIGHTS and HTML are 0 or 1; CHUNK is the buffer size in bytes; the
// optional STOP_PHRASE (Latin-1) is added for the language before reading.
// Output, one item a line: "language N", "phrases N", "phrase HEX SCOREBITS"
// per phrase, "highlights N", "highlight HEX" (or "highlight null") per
// highlight; texts as hexadecimal bytes, scores as the hexadecimal bits of
// the double. Exit status 1 when a call fails, with the failing call named.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bridge_text.h"
#include "phx_api.h"

namespace {

struct Options {
  const char* file;
  int language;
  int input_code;
  int output_code;
  bool highlights;
  bool html;
  std::size_t chunk;
  const char* stop_phrase;
};

std::string hex(const char* text, std::size_t length) {
  std::string out;
  char digits[3];
  for (std::size_t i = 0; i < length; ++i) {
    std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned char>(text[i]));
    out += digits;
  }
  return out;
}

bool check(int code, const char* call) {
  if (code != 0) {
    std::fprintf(stderr, "%s failed with %d\n", call, code);
  }
  return code == 0;
}

int dump(const Options& options, StopMemory* stop, DocumentMemory* doc) {
  std::ifstream file(options.file, std::ios::binary);
  std::vector<char> text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (!file.good() && !file.eof()) {
    std::fprintf(stderr, "cannot read %s\n", options.file);
    return 1;
  }
  if (options.stop_phrase != nullptr &&
      !check(PhxAddStopPhrase(stop, options.language, 0, options.stop_phrase), "PhxAddStopPhrase")) {
    return 1;
  }
  if (!check(PhxSetDocumentLanguage(doc, options.language), "PhxSetDocumentLanguage") ||
      !check(PhxSetInputCode(doc, options.input_code), "PhxSetInputCode") ||
      !check(PhxSetOutputCode(doc, options.output_code), "PhxSetOutputCode")) {
    return 1;
  }
  if (options.html && !check(PhxActivateHTMLFilter(doc, stop), "PhxActivateHTMLFilter")) {
    return 1;
  }
  if (options.highlights && !check(PhxActivateHighlights(doc), "PhxActivateHighlights")) {
    return 1;
  }
  for (std::size_t start = 0; start < text.size(); start += options.chunk) {
    std::size_t length = std::min(options.chunk, text.size() - start);
    if (!check(PhxReadDocumentBuffer(doc, stop, text.data() + start, static_cast<int>(length)),
               "PhxReadDocumentBuffer")) {
      return 1;
    }
  }
  if (!check(PhxSignalDocumentEnd(doc, stop), "PhxSignalDocumentEnd")) {
    return 1;
  }

  int language = 0;
  int phrase_count = 0;
  int highlight_count = 0;
  if (!check(PhxGetDocumentLanguage(doc, &language), "PhxGetDocumentLanguage") ||
      !check(PhxGetPhraseListSize(doc, &phrase_count), "PhxGetPhraseListSize") ||
      !check(PhxGetHighlightListSize(doc, &highlight_count), "PhxGetHighlightListSize")) {
    return 1;
  }
  std::printf("language %d\nphrases %d\n", language, phrase_count);
  for (int i = 0; i < phrase_count; ++i) {
    const char* phrase = nullptr;
    double score = 0.0;
    if (!check(PhxGetPhraseByIndex(doc, i, &phrase), "PhxGetPhraseByIndex") ||
        !check(PhxGetScoreByIndex(doc, i, &score), "PhxGetScoreByIndex")) {
      return 1;
    }
    std::size_t length = phx::jni::engine_text_length(phrase, options.output_code);
    std::printf("phrase %s %016llx\n", hex(phrase, length).c_str(),
                static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(score)));
  }
  std::printf("highlights %d\n", highlight_count);
  for (int i = 0; i < highlight_count; ++i) {
    const char* highlight = nullptr;
    if (!check(PhxGetHighlightByIndex(doc, i, &highlight), "PhxGetHighlightByIndex")) {
      return 1;
    }
    if (highlight == nullptr) {
      std::printf("highlight null\n");
    } else {
      std::size_t length = phx::jni::engine_text_length(highlight, options.output_code);
      std::printf("highlight %s\n", hex(highlight, length).c_str());
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 8 && argc != 9) {
    std::fprintf(stderr,
                 "usage: phrase_dump FILE LANGUAGE INPUT_CODE OUTPUT_CODE HIGHLIGHTS HTML CHUNK "
                 "[STOP_PHRASE]\n");
    return 2;
  }
  Options options{argv[1],
                  std::atoi(argv[2]),
                  std::atoi(argv[3]),
                  std::atoi(argv[4]),
                  std::strcmp(argv[5], "0") != 0,
                  std::strcmp(argv[6], "0") != 0,
                  static_cast<std::size_t>(std::atol(argv[7])),
                  argc == 9 ? argv[8] : nullptr};
  if (options.chunk == 0) {
    std::fprintf(stderr, "CHUNK must be positive\n");
    return 2;
  }
  StopMemory* stop = nullptr;
  DocumentMemory* doc = nullptr;
  if (!check(PhxCreateStopMemory(&stop), "PhxCreateStopMemory") ||
      !check(PhxCreateDocumentMemory(&doc), "PhxCreateDocumentMemory")) {
    return 1;
  }
  int status = dump(options, stop, doc);
  if (!check(PhxClearDocumentMemory(doc), "PhxClearDocumentMemory") ||
      !check(PhxClearStopMemory(stop), "PhxClearStopMemory")) {
    status = 1;
  }
  return status;
}
