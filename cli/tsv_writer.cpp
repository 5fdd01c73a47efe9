// --tsv: one line per key phrase, "phrase TAB score", with the file name in
// a first column when files are named. Failed documents give no line.
#include <cstdio>

#include "result_writer.h"

namespace phraxis_cli {
namespace {

// A field never holds the separators of the format.
std::string field(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

class TsvWriter : public ResultWriter {
 public:
  TsvWriter(const WriterSettings& settings, std::ostream& out)
      : with_filename_(settings.with_filename), out_(out) {}

  void write(const DocumentResult& result) override {
    if (result.failed()) return;
    for (const auto& phrase : result.phrases) {
      char score[32];
      std::snprintf(score, sizeof score, "%.4f", phrase.score);
      if (with_filename_) out_ << field(result.file) << '\t';
      out_ << field(phrase.text) << '\t' << score << '\n';
    }
  }

 private:
  bool with_filename_;
  std::ostream& out_;
};

}  // namespace

std::unique_ptr<ResultWriter> make_tsv_writer(const WriterSettings& settings, std::ostream& out) {
  return std::make_unique<TsvWriter>(settings, out);
}

}  // namespace phraxis_cli
