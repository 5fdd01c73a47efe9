// The default output, for people: per document a summary line, the key
// phrases with their scores right-aligned in front, and the key sentences.
//
//   ==> paper.txt <==            (when files are named)
//   English, 412 words
//     12.41  keyphrase extraction
//      6.00  term table
//
//   Key sentences:
//     - ...
#include <algorithm>
#include <cstdio>

#include "languages.h"
#include "result_writer.h"

namespace phraxis_cli {
namespace {

std::string score_text(double score) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", score);
  return buffer;
}

class TableWriter : public ResultWriter {
 public:
  TableWriter(const WriterSettings& settings, std::ostream& out)
      : with_filename_(settings.with_filename), highlights_(settings.highlights), out_(out) {}

  void write(const DocumentResult& result) override {
    if (result.failed()) return;
    if (!first_) out_ << '\n';
    first_ = false;
    if (with_filename_) out_ << "==> " << display_name(result.file) << " <==\n";
    out_ << summary(result) << '\n';

    std::vector<std::string> scores;
    std::size_t width = 0;
    for (const auto& phrase : result.phrases) {
      scores.push_back(score_text(phrase.score));
      width = std::max(width, scores.back().size());
    }
    for (std::size_t i = 0; i < result.phrases.size(); ++i) {
      out_ << "  " << std::string(width - scores[i].size(), ' ') << scores[i] << "  "
           << result.phrases[i].text << '\n';
    }
    if (!highlights_) return;
    out_ << "\nKey sentences:\n";
    if (result.highlights.empty()) out_ << "  (none)\n";
    for (const auto& highlight : result.highlights) out_ << "  - " << highlight << '\n';
  }

 private:
  static std::string summary(const DocumentResult& result) {
    if (result.language == phraxis::Language::automatic) return "no text";
    std::string line = std::string(language_name(result.language)) + ", " +
                       std::to_string(result.words) + (result.words == 1 ? " word" : " words");
    if (!result.whole_document) line += " (only the first part was read)";
    if (result.phrases.empty()) line += ", no key phrases";
    return line;
  }

  bool with_filename_;
  bool highlights_;
  bool first_ = true;
  std::ostream& out_;
};

}  // namespace

std::unique_ptr<ResultWriter> make_table_writer(const WriterSettings& settings, std::ostream& out) {
  return std::make_unique<TableWriter>(settings, out);
}

}  // namespace phraxis_cli
