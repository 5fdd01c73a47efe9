#include "phraxis_cli.h"

#include "document_job.h"
#include "language_support.h"
#include "options.h"
#include "ordered_batch.h"
#include "result_writer.h"
#include "user_words.h"

#ifndef PHRAXIS_VERSION
#define PHRAXIS_VERSION "unknown"
#endif

namespace phraxis_cli {
namespace {

int usage_error(std::ostream& err, const std::string& message) {
  err << "phraxis: " << message << "\nTry 'phraxis --help' for more information.\n";
  return kExitUsage;
}

}  // namespace

int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  ParsedArguments parsed = parse_arguments(arguments);
  if (!parsed.error.empty()) return usage_error(err, parsed.error);
  Settings& settings = parsed.settings;
  if (settings.help) {
    out << help_text();
    return kExitOk;
  }
  if (settings.version) {
    out << "phraxis " << PHRAXIS_VERSION << '\n';
    return kExitOk;
  }
  if (settings.files.empty()) settings.files.push_back("-");

  std::optional<phraxis::StopMemory> stop;
  try {
    stop.emplace();
  } catch (const phraxis::Error& error) {
    err << "phraxis: cannot load the word lists: " << engine_message(error.code()) << '\n';
    return kExitDocumentFailed;
  }
  if (std::string error = add_user_words(settings, *stop); !error.empty()) {
    return usage_error(err, error);
  }

  LanguageSupport support(*stop);
  if (settings.language != phraxis::Language::automatic && !support.supports(settings.language)) {
    err << "phraxis: " << unsupported_message(settings.language) << '\n';
    return kExitDocumentFailed;
  }

  WriterSettings writer_settings;
  writer_settings.format = settings.format;
  writer_settings.several_documents = settings.files.size() > 1;
  writer_settings.with_filename = settings.with_filename.value_or(settings.files.size() > 1);
  writer_settings.highlights = settings.highlights;
  const auto writer = make_writer(writer_settings, out);

  const RunContext context{settings, *stop, support};
  bool any_failed = false;
  run_in_order(
      settings.files.size(), settings.jobs,
      [&](std::size_t index) { return process_file(context, settings.files[index]); },
      [&](std::size_t index, DocumentResult& result) {
        if (result.file.empty()) result.file = settings.files[index];
        if (result.failed()) {
          any_failed = true;
          out.flush();
          err << "phraxis: " << display_name(result.file) << ": " << result.error << '\n';
        }
        writer->write(result);
      });
  writer->finish();
  out.flush();
  return any_failed ? kExitDocumentFailed : kExitOk;
}

}  // namespace phraxis_cli
