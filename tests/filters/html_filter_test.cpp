// The HTML filter at its own interface: input bytes to exact output bytes.
#include <gtest/gtest.h>

#include <string>

#include "filter_runner.h"

namespace phx::testing {
namespace {

struct HtmlCase {
  const char* name;
  std::string input;
  std::string expected;
};

std::string repeated(char c, std::size_t n) { return std::string(n, c); }

const HtmlCase kHtmlCases[] = {
    // Entities.
    {"less_than_entity", "a &lt; b", "a < b"},
    {"amp_entity", "&amp;", "&"},
    {"named_accent", "&eacute;", "\xE9"},
    {"three_digit_number", "&#233;", "\xE9"},
    {"two_digit_number", "&#65;", "A"},
    {"zero_padded_number", "&#065;", "A"},
    {"number_above_latin1", "&#8217;", "&#8217;"},
    {"four_digit_number", "&#0233;", "&#0233;"},
    {"number_below_space", "&#7;", "&#7;"},
    {"atilde", "&atilde;", "\xE3"},
    {"case_sensitive_names", "&Auml;&auml;&AUML;", "\xC4\xE4&AUML;"},
    {"unknown_entity", "&foo; bar", "&foo; bar"},
    {"soft_hyphen", "co&shy;op", "co-op"},
    {"entity_without_semicolon", "&amp, x", "&, x"},
    {"entity_ended_by_tag", "&lt<b>x</b>", "<x"},
    {"entity_ended_by_entity", "&lt&gt;", "<>"},
    {"ampersand_as_text", "AT&T rocks", "AT&T rocks"},
    {"lone_ampersand", "a & b", "a & b"},
    {"double_ampersand", "&&amp;", "&&"},
    {"over_long_entity_name", "&" + repeated('a', 300) + ";", "&" + repeated('a', 300) + ";"},
    // Tags.
    {"false_tag_start", "a < b", "a < b"},
    {"false_tag_then_tag", "<<b>x", "<x"},
    {"paragraphs", "<p>One</p><p>Two</p>", "\x1E One\x1E \x1E Two\x1E "},
    {"inline_tags_vanish", "<b>bold</b> and <i>it</i>", "bold and it"},
    {"upper_case_tags", "<P>x</P>", "\x1E x\x1E "},
    {"heading", "<h1>Title</h1>Text", "\x1E Title\x1E Text"},
    {"self_closing_without_space", "a<br/>b", "ab"},
    {"self_closing_with_space", "a<br />b", "a\x1E b"},
    {"link_end_is_soft", "<a href=\"x\">link</a> on", "link\x1D  on"},
    {"code_end_is_soft", "<code>x</code>", "x\x1D "},
    {"other_closing_tag", "<span>x</span>y", "x\x1E y"},
    {"doctype_and_body", "<!DOCTYPE html><html><body>Hi</body></html>", "Hi\x1E \x1E "},
    {"quoted_greater_than", "<a title=\"a>b\">link</a>", "link\x1D "},
    {"over_long_tag_name", "<" + repeated('a', 300) + ">x", "x"},
    // Dropped elements.
    {"script", "a<script>var x = 1 < 2;</script>b", "ab"},
    {"script_with_comment",
     "<script><!--\nif (a<b) x();\n//--></script>ok", "ok"},
    {"style", "<style>p { color: red }</style>text", "text"},
    {"entity_in_style", "<style>&amp;</style>x", "x"},
    {"noframes", "<noframes>Get a browser</noframes>Hi", "Hi"},
    {"select_keeps_its_breaks", "<select><option>One</option></select>After",
     "\x1E \x1E After"},
    {"comment", "x<!-- hidden -->y", "xy"},
    {"comment_with_greater_than", "x<!-- a > b -->y", "xy"},
    {"comment_with_markup", "x<!-- <p>old</p> -->y", "xy"},
    {"conditional_comment", "x<!--[if IE]><link rel=a><![endif]-->y", "xy"},
    // White space.
    {"blank_runs_collapse", "a  \n\t b", "a b"},
    {"no_break_space_byte", "a\xA0\xA0" "b", "a b"},
    {"five_nbsp_entities", "a&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;b", "a     \x1E b"},
    {"four_nbsp_entities", "a&nbsp;&nbsp;&nbsp;&nbsp;b", "a    b"},
    {"blank_runs_between_tags", "x<b> </b><b> </b><b> </b><b> </b><b> </b>y",
     "x     \x1E y"},
    {"pre_line_ends", "<pre>a\nb</pre>", "a \x1E b"},
    {"pre_crlf", "<pre>a\r\nb</pre>", "a \x1E b"},
    {"pre_tab", "<pre>a\tb</pre>", "a \x1E b"},
    {"pre_spaces", "<pre>a  b</pre>", "a b"},
    {"zero_byte_ends_input", std::string("ab\0cd", 5), "ab"},
};

class HtmlFilterCases : public ::testing::TestWithParam<HtmlCase> {};

TEST_P(HtmlFilterCases, GivesExactOutput) {
  const HtmlCase& c = GetParam();
  EXPECT_EQ(visible(run_filter(Filter::kHtml, c.input)), visible(c.expected));
}

TEST_P(HtmlFilterCases, SplitAnywhereGivesTheSameOutput) {
  EXPECT_TRUE(same_output_when_split(Filter::kHtml, GetParam().input));
}

INSTANTIATE_TEST_SUITE_P(Html, HtmlFilterCases, ::testing::ValuesIn(kHtmlCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(HtmlFilter, MultiByteTextKeepsA0) {
  FilterChain chain;
  EXPECT_EQ(chain.html_buffer("\x82\xA0 x", 3), "\x82\xA0 x");
  EXPECT_EQ(chain.html_buffer("\xA0\xA0", kSingleByteText), " ");
}

TEST(HtmlFilter, StateCarriesAcrossBuffers) {
  FilterChain chain;
  EXPECT_EQ(chain.html_buffer("x<scr"), "x");
  EXPECT_EQ(chain.html_buffer("ipt>hidden</scr"), "");
  EXPECT_EQ(chain.html_buffer("ipt>shown &eac"), "shown ");
  EXPECT_EQ(chain.html_buffer("ute; <!-- a"), "\xE9 ");
  EXPECT_EQ(chain.html_buffer(" -- b -"), "");
  EXPECT_EQ(chain.html_buffer("->end"), "end");
}

TEST(HtmlFilter, UnterminatedCommentSwallowsTheRest) {
  EXPECT_EQ(run_filter(Filter::kHtml, "a<!-- never closed <p>more</p>", {}, true), "a");
}

TEST(HtmlFilter, ClosingTextEndsAPendingEntity) {
  EXPECT_EQ(visible(run_filter(Filter::kHtml, "AT&T", {}, true)), visible("AT&T\x1E "));
}

}  // namespace
}  // namespace phx::testing
