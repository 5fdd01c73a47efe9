// The output formats: a readable table, JSON, JSON lines and TSV. Documents
// reach the writer in input order; failed documents too (the JSON formats
// record their error, the others leave them to the error stream).
#pragma once

#include <memory>
#include <ostream>

#include "document_job.h"
#include "options.h"

namespace phraxis_cli {

class ResultWriter {
 public:
  virtual ~ResultWriter() = default;
  virtual void write(const DocumentResult& result) = 0;
  // After the last document.
  virtual void finish() {}
};

struct WriterSettings {
  OutputFormat format = OutputFormat::table;
  bool with_filename = false;
  bool several_documents = false;  // --json writes an array then
  bool highlights = false;         // the table shows a highlights section
};

std::unique_ptr<ResultWriter> make_writer(const WriterSettings& settings, std::ostream& out);

// Each format's writer.
std::unique_ptr<ResultWriter> make_table_writer(const WriterSettings& settings, std::ostream& out);
std::unique_ptr<ResultWriter> make_json_writer(const WriterSettings& settings, std::ostream& out);
std::unique_ptr<ResultWriter> make_tsv_writer(const WriterSettings& settings, std::ostream& out);

// The name shown for a document: "(standard input)" for "-".
std::string display_name(const std::string& file);

}  // namespace phraxis_cli
