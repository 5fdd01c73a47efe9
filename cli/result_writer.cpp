#include "result_writer.h"

namespace phraxis_cli {

std::unique_ptr<ResultWriter> make_writer(const WriterSettings& settings, std::ostream& out) {
  switch (settings.format) {
    case OutputFormat::json:
    case OutputFormat::jsonl:
      return make_json_writer(settings, out);
    case OutputFormat::tsv:
      return make_tsv_writer(settings, out);
    case OutputFormat::table:
      break;
  }
  return make_table_writer(settings, out);
}

std::string display_name(const std::string& file) {
  return file == "-" ? std::string("(standard input)") : file;
}

}  // namespace phraxis_cli
