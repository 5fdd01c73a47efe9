// --json: one indented object per document, in an array when there are
// several. --jsonl: one compact object a line.
#include "json_text.h"
#include "languages.h"
#include "result_writer.h"

namespace phraxis_cli {
namespace {

class JsonWriter : public ResultWriter {
 public:
  JsonWriter(const WriterSettings& settings, std::ostream& out)
      : lines_(settings.format == OutputFormat::jsonl),
        array_(!lines_ && settings.several_documents),
        out_(out) {}

  void write(const DocumentResult& result) override {
    if (array_) out_ << (first_ ? "[\n" : ",\n");
    first_ = false;
    const std::string indent = array_ ? "  " : "";
    if (lines_) {
      out_ << compact(result) << '\n';
    } else {
      out_ << indented(result, indent);
      if (!array_) out_ << '\n';
    }
  }

  void finish() override {
    if (!array_) return;
    out_ << (first_ ? "[]\n" : "\n]\n");
  }

 private:
  static std::string compact(const DocumentResult& result) {
    std::string json = "{\"file\":" + json_string(result.file);
    if (result.failed()) return json + ",\"error\":" + json_string(result.error) + "}";
    json += ",\"language\":" + language_value(result) + ",\"words\":" +
            std::to_string(result.words) + ",\"content_words\":" +
            std::to_string(result.content_words) + ",\"whole_document\":" +
            (result.whole_document ? "true" : "false") + ",\"phrases\":[";
    for (std::size_t i = 0; i < result.phrases.size(); ++i) {
      if (i > 0) json += ',';
      json += phrase_object(result.phrases[i]);
    }
    json += "],\"highlights\":[";
    for (std::size_t i = 0; i < result.highlights.size(); ++i) {
      if (i > 0) json += ',';
      json += json_string(result.highlights[i]);
    }
    return json + "]}";
  }

  static std::string indented(const DocumentResult& result, const std::string& indent) {
    const std::string inner = indent + "  ";
    std::string json = indent + "{\n" + inner + "\"file\": " + json_string(result.file);
    if (result.failed()) {
      return json + ",\n" + inner + "\"error\": " + json_string(result.error) + "\n" + indent + "}";
    }
    json += ",\n" + inner + "\"language\": " + language_value(result);
    json += ",\n" + inner + "\"words\": " + std::to_string(result.words);
    json += ",\n" + inner + "\"content_words\": " + std::to_string(result.content_words);
    json += ",\n" + inner + "\"whole_document\": " + (result.whole_document ? "true" : "false");
    json += ",\n" + inner + "\"phrases\": [";
    for (std::size_t i = 0; i < result.phrases.size(); ++i) {
      json += (i > 0 ? ",\n" : "\n") + inner + "  " + phrase_object(result.phrases[i], true);
    }
    json += result.phrases.empty() ? "]" : "\n" + inner + "]";
    json += ",\n" + inner + "\"highlights\": [";
    for (std::size_t i = 0; i < result.highlights.size(); ++i) {
      json += (i > 0 ? ",\n" : "\n") + inner + "  " + json_string(result.highlights[i]);
    }
    json += result.highlights.empty() ? "]" : "\n" + inner + "]";
    return json + "\n" + indent + "}";
  }

  static std::string phrase_object(const DocumentResult::Phrase& phrase, bool spaced = false) {
    const std::string separator = spaced ? ", " : ",";
    const std::string colon = spaced ? ": " : ":";
    return "{\"phrase\"" + colon + json_string(phrase.text) + separator + "\"score\"" + colon +
           json_number(phrase.score) + "}";
  }

  static std::string language_value(const DocumentResult& result) {
    if (result.language == phraxis::Language::automatic) return "null";
    return json_string(language_tag(result.language));
  }

  bool lines_;
  bool array_;
  bool first_ = true;
  std::ostream& out_;
};

}  // namespace

std::unique_ptr<ResultWriter> make_json_writer(const WriterSettings& settings, std::ostream& out) {
  return std::make_unique<JsonWriter>(settings, out);
}

}  // namespace phraxis_cli
