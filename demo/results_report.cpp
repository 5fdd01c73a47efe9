#include "results_report.h"

#include <cstring>

#include "demo_texts.h"

namespace phx_demo {

void print_phrase_line(std::FILE* out, const char* phrase, double score) {
  std::fprintf(out, text::kPhraseLine, phrase, score);
}

void print_highlight_line(std::FILE* out, const char* highlight) {
  if (std::strlen(highlight) > kLongestWholeHighlight) {
    std::fprintf(out, text::kHighlightCut, highlight);
  } else {
    std::fprintf(out, text::kHighlightLine, highlight);
  }
}

namespace {

const char* charset_for(int output_code) {
  switch (output_code) {
    case 3: return "Shift_JIS";
    case 6: return "EUC-KR";
    default: return "ISO-8859-1";
  }
}

}  // namespace

void write_html_report(std::FILE* file, const HtmlReport& report) {
  std::fprintf(file,
               "<HTML>\n<HEAD>\n<META http-equiv=\"Content-Type\" content=\"text/html; "
               "charset=%s\">\n</HEAD>\n<BODY>\n",
               charset_for(report.output_code));
  std::fprintf(file, "\n\n<P>Source Document: %s </P>\n\n", report.source_file.c_str());
  std::fputs("\n<P>Keyphrases: </P>\n\n", file);
  std::fputs("<MENU>\n", file);
  for (const auto& phrase : report.phrases) std::fprintf(file, "<LI> %s\n", phrase.c_str());
  if (report.phrases.empty()) std::fputs("<LI> No keyphrases were extracted! \n", file);
  std::fputs("</MENU>\n", file);
  std::fputs("\n<P>Highlights: </P>\n\n", file);
  std::fputs("<MENU>\n", file);
  for (const auto& highlight : report.highlights) {
    std::fprintf(file, "<LI> %s\n", highlight.c_str());
  }
  if (report.highlights.empty()) std::fputs("<LI> No highlights were extracted! \n", file);
  std::fputs("</MENU>\n", file);
  std::fputs("</BODY>\n</HTML>\n", file);
}

}  // namespace phx_demo
