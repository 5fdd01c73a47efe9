#include "document_job.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "input_encoding.h"
#include "languages.h"
#include "script_guess.h"
#include "unicode_text.h"

namespace phraxis_cli {
namespace {

using phraxis::Language;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// The whole content of a stream; false (with errno) on a read error.
bool read_stream(std::FILE* stream, std::string& out) {
  char buffer[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, stream)) > 0) out.append(buffer, got);
  return std::ferror(stream) == 0;
}

DocumentResult unreadable(const std::string& file) {
  DocumentResult result;
  result.file = file;
  result.error = std::string("cannot read: ") + std::strerror(errno);
  return result;
}

std::string lower_extension(const std::string& file) {
  const auto slash = file.find_last_of('/');
  const auto dot = file.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string extension = file.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

MarkupFilter markup_for(const Settings& settings, const std::string& file) {
  if (settings.markup != MarkupFilter::by_extension) return settings.markup;
  const std::string extension = lower_extension(file);
  if (extension == "html" || extension == "htm" || extension == "xhtml") return MarkupFilter::html;
  if (extension == "eml" || extension == "mbox" || extension == "mbx") return MarkupFilter::email;
  return MarkupFilter::none;
}

// The language to ask the engine for: the one named, the one the encoding
// implies, or a guess from the script; automatic otherwise.
Language language_for(const Settings& settings, const EngineInput& input) {
  if (settings.language != Language::automatic) return settings.language;
  switch (input.code) {
    case phraxis::CharCode::shift_jis:
    case phraxis::CharCode::jis:
    case phraxis::CharCode::euc_jp:
      return Language::japanese;
    case phraxis::CharCode::ksc:
    case phraxis::CharCode::johap:
      return Language::korean;
    case phraxis::CharCode::ucs2:
      return guess_language_by_script(input.units);
    default:
      return Language::automatic;
  }
}

bool has_text(const EngineInput& input) {
  if (input.code == phraxis::CharCode::ucs2) {
    return std::any_of(input.units.begin(), input.units.end(), [](char16_t unit) {
      return unit > u' ' && unit != 0xFEFF && unit != 0x3000 && unit != 0xA0;
    });
  }
  return std::any_of(input.bytes.begin(), input.bytes.end(),
                     [](char byte) { return static_cast<unsigned char>(byte) > ' '; });
}

std::string to_utf8(const std::string& ucs2_bytes) {
  return ucs2_to_utf8(phraxis::to_u16(ucs2_bytes));
}

}  // namespace

std::string engine_message(int code) {
  std::string text = phraxis::error_message(code);
  if (text.starts_with("ERROR: ")) text.erase(0, 7);
  std::string line;
  for (char c : text) {
    const bool space = c == ' ' || c == '\n' || c == '\r' || c == '\t';
    if (space) {
      if (!line.empty() && line.back() != ' ') line.push_back(' ');
    } else {
      line.push_back(c);
    }
  }
  if (!line.empty() && line.back() == ' ') line.pop_back();
  return "engine error " + std::to_string(code) + ": " + line;
}

std::string unsupported_message(Language language) {
  return std::string(language_name(language)) + " is not supported yet by this engine";
}

DocumentResult process_file(const RunContext& context, const std::string& file) {
  std::string bytes;
  if (file == "-") {
    if (!read_stream(stdin, bytes)) return unreadable(file);
    return process_bytes(context, file, bytes);
  }
  std::unique_ptr<std::FILE, FileCloser> stream(std::fopen(file.c_str(), "rb"));
  if (!stream || !read_stream(stream.get(), bytes)) {
    return unreadable(file);
  }
  stream.reset();
  return process_bytes(context, file, bytes);
}

DocumentResult process_bytes(const RunContext& context, const std::string& file,
                             std::string_view bytes) {
  const Settings& settings = context.settings;
  DocumentResult result;
  result.file = file;

  EngineInput input = prepare_input(bytes, settings.encoding);
  const Language language = language_for(settings, input);
  result.language = language;
  if (language != Language::automatic && !context.support.supports(language)) {
    result.error = unsupported_message(language);
    return result;
  }
  if (!has_text(input)) return result;

  phraxis::Options options;
  options.language = language;
  options.input_code = input.code;
  options.output_code = phraxis::CharCode::ucs2;
  options.phrases = settings.phrases;
  const MarkupFilter markup = markup_for(settings, file);
  options.html_filter = markup == MarkupFilter::html;
  options.email_filter = markup == MarkupFilter::email;
  options.text_filter = settings.text_filter;
  options.highlights = settings.highlights;
  if (settings.highlights) options.highlight_type = settings.highlight_type;

  phraxis::Extraction extraction;
  try {
    extraction = phraxis::extract(context.stop, input.bytes, options);
  } catch (const phraxis::Error& error) {
    result.error = engine_message(error.code());
    return result;
  }

  result.language = extraction.language;
  if (extraction.language == Language::automatic) {
    result.error =
        "the language could not be identified (the engine tells English, French, German and "
        "Spanish apart); name it with --lang";
    return result;
  }
  if (!context.support.supports(extraction.language)) {
    result.error = unsupported_message(extraction.language);
    return result;
  }
  result.words = extraction.word_count;
  result.content_words = extraction.content_word_count;
  result.whole_document = extraction.whole_document_read;
  for (const auto& phrase : extraction.phrases) {
    result.phrases.push_back({to_utf8(phrase.text), phrase.score});
  }
  for (const auto& highlight : extraction.highlights) {
    result.highlights.push_back(to_utf8(highlight));
  }
  return result;
}

}  // namespace phraxis_cli
