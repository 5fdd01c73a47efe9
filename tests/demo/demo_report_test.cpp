// The console lines and the HTML report of phx_demo, formatted directly.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "console_answers.h"
#include "results_report.h"

namespace {

// What a printing function writes, captured through a temporary file.
template <typename Print>
std::string printed(Print print) {
  std::FILE* file = std::tmpfile();
  print(file);
  std::rewind(file);
  std::string text;
  int c = 0;
  while ((c = std::fgetc(file)) != EOF) text.push_back(static_cast<char>(c));
  std::fclose(file);
  return text;
}

struct HighlightCase {
  std::size_t length;
  bool cut;
};

TEST(DemoHighlightLine, CutAfterSixtyNineBytes) {
  const HighlightCase cases[] = {{1, false}, {68, false}, {69, false}, {70, true}, {71, true},
                                 {500, true}};
  for (const auto& c : cases) {
    std::string highlight;
    for (std::size_t i = 0; i < c.length; ++i) highlight.push_back(static_cast<char>('a' + i % 26));
    const std::string line =
        printed([&](std::FILE* out) { phx_demo::print_highlight_line(out, highlight.c_str()); });
    const std::string expected =
        c.cut ? "   - " + highlight.substr(0, 70) + " ...\n" : "   - " + highlight + " \n";
    EXPECT_EQ(line, expected) << "length " << c.length;
  }
}

TEST(DemoPhraseLine, PaddedToFortyColumnsWithScore) {
  EXPECT_EQ(printed([](std::FILE* out) { phx_demo::print_phrase_line(out, "key phrase", 12.345); }),
            "     key phrase" + std::string(30, ' ') + "     (     12.35) \n");
  const std::string long_phrase(45, 'x');
  EXPECT_EQ(printed([&](std::FILE* out) {
              phx_demo::print_phrase_line(out, long_phrase.c_str(), 0.0);
            }),
            "     " + long_phrase + "     (      0.00) \n");
}

TEST(DemoHtmlReport, HeaderFollowsTheOutputCode) {
  const std::pair<int, const char*> cases[] = {
      {0, "charset=ISO-8859-1"}, {3, "charset=Shift_JIS"}, {6, "charset=EUC-KR"}};
  for (const auto& [code, charset] : cases) {
    phx_demo::HtmlReport report;
    report.output_code = code;
    report.source_file = "doc.txt";
    const std::string html =
        printed([&](std::FILE* out) { phx_demo::write_html_report(out, report); });
    EXPECT_NE(html.find(charset), std::string::npos) << code;
  }
}

TEST(DemoHtmlReport, EmptyListsAndTextsAsGiven) {
  phx_demo::HtmlReport report;
  report.source_file = "doc.txt";
  EXPECT_EQ(printed([&](std::FILE* out) { phx_demo::write_html_report(out, report); }),
            "<HTML>\n<HEAD>\n<META http-equiv=\"Content-Type\" content=\"text/html; "
            "charset=ISO-8859-1\">\n</HEAD>\n<BODY>\n\n\n<P>Source Document: doc.txt </P>\n\n"
            "\n<P>Keyphrases: </P>\n\n<MENU>\n<LI> No keyphrases were extracted! \n</MENU>\n"
            "\n<P>Highlights: </P>\n\n<MENU>\n<LI> No highlights were extracted! \n</MENU>\n"
            "</BODY>\n</HTML>\n");
  report.phrases = {"a <b>", "c&d"};
  report.highlights = {"<B>key</B> sentence"};
  const std::string html =
      printed([&](std::FILE* out) { phx_demo::write_html_report(out, report); });
  EXPECT_NE(html.find("<MENU>\n<LI> a <b>\n<LI> c&d\n</MENU>"), std::string::npos);
  EXPECT_NE(html.find("<MENU>\n<LI> <B>key</B> sentence\n</MENU>"), std::string::npos);
}

struct NumberCase {
  const char* answer;
  std::optional<int> whole;
  std::optional<double> number;
};

TEST(DemoAnswers, NumbersReadLikeScanf) {
  const NumberCase cases[] = {
      {"3", 3, 3.0},          {" 7", 7, 7.0},        {"2.5", 2, 2.5},
      {"-1", -1, -1.0},       {"7x", 7, 7.0},        {"x", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},              {"99999999999", 2147483647, 99999999999.0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(phx_demo::parse_whole_number(c.answer), c.whole) << c.answer;
    EXPECT_EQ(phx_demo::parse_number(c.answer), c.number) << c.answer;
  }
}

TEST(DemoAnswers, LinesAreCutAtCarriageReturnAndKeptTo255) {
  std::FILE* in = std::tmpfile();
  const std::string long_line(300, 'b');
  std::fputs(("first\r\n" + long_line + "\nthird\n").c_str(), in);
  std::rewind(in);
  std::FILE* out = std::tmpfile();
  phx_demo::ConsoleAnswers answers(in, out);
  EXPECT_EQ(answers.ask("> "), "first");
  EXPECT_EQ(answers.ask("> "), std::string(255, 'b'));
  EXPECT_EQ(answers.ask("> "), "third");
  EXPECT_EQ(answers.ask("> "), "");
  std::fclose(in);
  std::fclose(out);
}

}  // namespace
