// The token reader on tables of buffers: words split between buffers, words
// broken at line ends, long runs, and the layout notes it keeps.
#include "latin/token_reader.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "latin/english.h"

namespace phx {
namespace {

// Reads every token of the buffers in turn; a final " " buffer completes the
// last token. Lone tokens are returned as read.
std::vector<std::string> tokens_of(const std::vector<std::string>& buffers) {
  auto doc = std::make_unique<DocumentMemory>();
  std::vector<std::string> tokens;
  std::vector<std::string> all = buffers;
  all.push_back(" ");
  for (const std::string& buffer : all) {
    std::size_t position = 0;
    TokenBuffer token;
    for (;;) {
      TokenRead read = read_token(token, kMaxTokenBytes, buffer, position, *doc,
                                  english_language().token_characters);
      if (read == kTokenBufferEnded) break;
      tokens.emplace_back(token.view());
    }
  }
  return tokens;
}

struct TokenCase {
  const char* name;
  std::vector<std::string> buffers;
  std::vector<std::string> tokens;
};

class TokenReaderCases : public ::testing::TestWithParam<TokenCase> {};

TEST_P(TokenReaderCases, GivesTheTokens) {
  EXPECT_EQ(tokens_of(GetParam().buffers), GetParam().tokens);
}

const TokenCase kTokenCases[] = {
    {"Plain", {"solar  energy\tgrid"}, {"solar", "energy", "grid"}},
    {"WordSplitBetweenBuffers", {"a key", "board here"}, {"a", "keyboard", "here"}},
    {"SplitAfterWord", {"key", " board"}, {"key", "board"}},
    {"SplitInsideWhiteSpace", {"key ", " board"}, {"key", "board"}},
    {"PunctuationStays", {"(model), e.g."}, {"(model),", "e.g."}},
    {"NoBreakSpaceSeparates", {"a\xA0" "b"}, {"a", "b"}},
    {"GroupAndRecordSeparatorsStick", {"end\x1E next \x1D"}, {"end\x1E", "next", "\x1D"}},
    {"HyphenAtLineEnd", {"exam-\nple next"}, {"example", "next"}},
    {"HyphenAtLineEndWithSpaces", {"exam-  \n   ple"}, {"example"}},
    {"HyphenThenBufferEnd", {"exam-", "\nple"}, {"example"}},
    {"LineEndInNextBuffer", {"exam- ", " \nple"}, {"example"}},
    {"ContinuationInNextBuffer", {"exam-\n", "ple"}, {"example"}},
    {"ContinuationSplit", {"exam-\npl", "e next"}, {"example", "next"}},
    {"ContinuationEndsAtBufferEnd", {"exam-\npl", " next"}, {"exampl", "next"}},
    {"HyphenInsideLine", {"well- known"}, {"well-", "known"}},
    {"HyphenInsideLineAcrossBuffers", {"well- ", " known"}, {"well-", "known"}},
    {"NameKeepsItsHyphen", {"Jean-\nPaul"}, {"Jean-Paul"}},
    {"CompoundKeepsItsHyphens", {"well-to-\ndo"}, {"well-to-do"}},
    {"RecordSeparatorEndsContinuation", {"exam-\nple\x1E"}, {"example", "\x1E"}},
    {"LoneHyphenWord", {"a - b"}, {"a", "-", "b"}},
};

INSTANTIATE_TEST_SUITE_P(Table, TokenReaderCases, ::testing::ValuesIn(kTokenCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(TokenReader, LongRunIsCutAt254BytesAndKeepsTheRest) {
  const std::string run(300, 'x');
  std::vector<std::string> tokens = tokens_of({run + " end"});
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[0].size(), 254u);
  EXPECT_EQ(tokens[1].size(), 46u);
  EXPECT_EQ(tokens[2], "end");
}

TEST(TokenReader, LongRunSplitBetweenBuffersIsCutTheSameWay) {
  const std::string run(300, 'x');
  std::vector<std::string> tokens = tokens_of({run.substr(0, 200), run.substr(200) + " end"});
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[0].size(), 254u);
  EXPECT_EQ(tokens[1].size(), 46u);
}

// The phrase-break flag as it stands after each token of one buffer.
std::vector<int> breaks_of(const std::string& text) {
  auto doc = std::make_unique<DocumentMemory>();
  std::vector<int> breaks;
  std::size_t position = 0;
  TokenBuffer token;
  const std::string buffer = text + " ";
  while (read_token(token, kMaxTokenBytes, buffer, position, *doc,
                    english_language().token_characters) != kTokenBufferEnded) {
    breaks.push_back(doc->phrase_break);
    doc->phrase_break = 0;  // the buffer reader consumes it
  }
  return breaks;
}

TEST(TokenReader, BlankLineAndWideGapsBreakPhrases) {
  EXPECT_EQ(breaks_of("a\nb"), (std::vector<int>{0, 0}));
  EXPECT_EQ(breaks_of("a\n\nb"), (std::vector<int>{0, 1}));
  EXPECT_EQ(breaks_of("a \n \nb"), (std::vector<int>{0, 1}));
  EXPECT_EQ(breaks_of("a" + std::string(12, ' ') + "b"), (std::vector<int>{0, 0}));
  EXPECT_EQ(breaks_of("a" + std::string(13, ' ') + "b"), (std::vector<int>{0, 1}));
  EXPECT_EQ(breaks_of("a\t\tb"), (std::vector<int>{0, 1}));
  EXPECT_EQ(breaks_of("a\tb"), (std::vector<int>{0, 0}));
}

TEST(TokenReader, CountsTokensWithinTheLine) {
  auto doc = std::make_unique<DocumentMemory>();
  std::size_t position = 0;
  TokenBuffer token;
  const std::string buffer = "one two\nthree ";
  std::vector<int> positions;
  while (read_token(token, kMaxTokenBytes, buffer, position, *doc,
                    english_language().token_characters) != kTokenBufferEnded) {
    positions.push_back(doc->line_word_position);
  }
  EXPECT_EQ(positions, (std::vector<int>{1, 2, 1}));
}

}  // namespace
}  // namespace phx
