// The e-mail filter's line tests, each on its own.
#include <gtest/gtest.h>

#include <string>

#include "filter_runner.h"
#include "filters/email_line_tests.h"
#include "filters/paragraph_breaks.h"

namespace phx::testing {
namespace {

TEST(ContentType, ChoosesPartKind) {
  const struct {
    const char* line;
    int type;
  } cases[] = {
      {"content-type: text/plain; charset=us-ascii", kPlainTextPart},
      {"content-type: message/rfc822", kPlainTextPart},
      {"content-type: message/news", kPlainTextPart},
      {"content-type: text/html", kHtmlPart},
      {"content-type: message/http", kHtmlPart},
      {"content-type: text/enriched", kSkippedPart},
      {"content-type: application/text", kSkippedPart},
      {"content-type: application/x-text", kPlainTextPart},
      {"content-type: context", kPlainTextPart},
      {"content-type: image/png", kSkippedPart},
      {"content-type: multipart/mixed; boundary=x", kSkippedPart},
      {"content-type: x-sun-attachment", kNoContentType},
  };
  for (const auto& c : cases) EXPECT_EQ(content_type_of(c.line), c.type) << c.line;
}

TEST(QuotedPrintable, DecodesEscapesAndSoftBreaks) {
  const struct {
    const char* input;
    const char* expected;
  } cases[] = {
      {"=E9t=E9\n", "\xE9t\xE9\n"},
      {"caf=c3=a9\n", "caf\xC3\xA9\n"},
      {"soft=\n", "soft"},
      {"soft=\r\n", "soft"},
      {"ab=E\n", "ab=E\n"},
      {"ab=\n=", "ab="},
      {"a=ZZb\n", "a=ZZb\n"},
      {"x=3D1\n", "x=1\n"},
      {"zero=00byte\n", "zero=00byte\n"},  // no zero byte enters the text
      {"end=", "end="},
  };
  for (const auto& c : cases) {
    LineBuffer line(c.input);
    decode_quoted_printable(line);
    EXPECT_EQ(visible(line.view()), visible(c.expected)) << c.input;
  }
}

TEST(HeaderLine, RecognisesBookkeeping) {
  const TextTable& names = filter_tables().HeaderNameTable;
  const struct {
    const char* lowered;
    const char* previous;
    bool inside_html;
    bool header;
  } cases[] = {
      {"to: anna@example.com\n", "", false, true},
      {"x-mailer: mutt\n", "", false, true},
      {"mime-version: 1.0\n", "", false, true},
      {"reply to someone\n", "", false, true},
      {"mail*from\n", "", false, true},
      {"in-reply-to: <1@x>\n", "", false, true},
      {"subject: hello\n", "", false, true},
      {"this is a multi-part message in mime format.\n", "", false, true},
      {"office memo  date: monday\n", "", false, true},
      {"from john@example.com sat jan  1 10:00:00 2000\n", "", false, true},
      {"from alice mon jan 1 10:00:00 2024\n", "", false, true},
      {"from the start we knew\n", "", false, false},
      {"<<<>>> ===\n", "", false, true},
      {"<<<>>> ===\n", "", true, false},
      {"see http://a/b/c/d/e/f/g\n", "", false, false},
      {"a, b, c, d, e. f. g. h. i.\n", "", false, true},
      {"\tboundary=\"abc\"\n", "Content-Type: multipart/mixed;", false, false},
      {"\tname=\"a.pdf\"\n", "Content-Type: application/pdf;", false, true},
      {"x\"y\n", "content-type: a; b=\"c", false, true},
      {"----- original message -----\n", "", false, true},
      {"by mail.example.com (8.9.3/8.9.3) with esmtp id aaa12345\n", "", false, true},
      {"by mail.example.com (8.9.3/8.9.3) with esmtp id aaa12345\n", "", true, false},
      {"(version=tlsv1/sslv3 cipher=rc4-sha bits=128)\n", "", false, true},
      {"mon, 1 jan 2024 10:00:00 est\n", "", false, true},
      {"we met on monday at the office\n", "", false, false},
      {"the report is attached to this message\n", "", false, false},
      {"\n", "", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(is_header_line(c.lowered, c.previous, names, c.inside_html), c.header)
        << visible(c.lowered);
  }
}

TEST(Subject, IsCleanedOrDropped) {
  const struct {
    const char* line;
    const char* expected;
  } cases[] = {
      {"Subject: Budget review\n", "Subject: Budget review"},
      {"Subject: Re: [2] Budget review\n", "Subject: Budget review"},
      {"Subject: RE: re: Budget\n", "Subject: Budget"},
      {"Subject: Re[3]: Budget\n", "Subject: Budget"},
      {"Subject: [Budget review]\n", "Subject: Budget review"},
      {"Subject: (no subject)\n", "Subject: no subject"},
      {"Reply to: Plans for May\n", "Subject: Plans for May"},
      {"Subject: Fw: Budget\n", ""},
      {"Subject: Halfway there\n", ""},
      {"Subject: ab\n", ""},
      {"Subject: Budget__\n", ""},
      {"Subject: Important *\n", ""},
      {"Subject: Re: Re: Re: Re: Re: Budget\n", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(clean_subject(c.line).view(), std::string_view(c.expected)) << c.line;
  }
}

TEST(Salutation, MatchesGreetingsAndClosings) {
  const TextTable& salutations = filter_tables().SalutationTable;
  const struct {
    const char* lowered;
    bool salutation;
  } cases[] = {
      {"dear anna,\n", true},
      {"hi!\n", true},
      {"best regards\n", true},
      {"best regards,\n", true},
      {"thanks for the report\n", true},
      {"-- cheers --\n", true},
      {"bien \xE0 vous\n", true},
      {"sehr geehrter herr m\xFCller,\n", true},
      {"reciba un cordial saludo\n", true},
      {"hello\n", true},
      {"hellos all round\n", false},
      {"best of luck with the launch\n", false},
      {"the plan is ready\n", false},
      {"...\n", false},
      {"thanks to everyone who came to the meeting on monday and tuesday\n", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(is_salutation(c.lowered, salutations), c.salutation) << c.lowered;
  }
}

TEST(NameList, RecognisesNames) {
  const std::string long_previous =
      "We will meet again next week to decide on the plan and the budget\n";
  const struct {
    const char* line;
    std::string previous_output;
    bool names;
  } cases[] = {
      {"Anna Berg, Carl Dahl, Eva Frisk\n", long_previous, true},
      {"Anna\n", "", true},
      {"ANNA\n", long_previous, false},
      {"Anna\n", long_previous, true},  // a lower-case end lets a list go on
      {"Anna Berg\n", "Thank you for all the work you did.\n", true},
      {"Anna Berg\n", "ok\n", false},
      {"Anna, Carl\n", "", true},
      {"Anna Berg, Carl\n", "", false},
      {"Anna Berg, Carl Dahl\n", "We met.\n", true},
      {"Anna Berg, Carl Dahl\n", "ok\n", false},
      {"Anna Berg, the manager\n", long_previous, false},
      {"Anna Berg Carl Dahl, Eva\n", long_previous, false},
      {"Anna Berg; Carl Dahl; Eva Frisk\n", long_previous, true},
      {"Anna Berg; (cc) Carl\n", long_previous, false},
      {"Anna Berg; Carl Dahl Eva\n", long_previous, false},
      {"the team\n", "", false},
      {"\n", "", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(is_name_list(c.line, c.previous_output), c.names) << c.line;
  }
}

TEST(AddressLine, RecognisesAddresses) {
  const struct {
    const char* line;
    const char* previous_raw;
    bool address;
  } cases[] = {
      {"jane@example.com, bob@example.org\n", "", true},
      {"John Smith <jsmith@example.com>\n", "", true},
      {"Write to jsmith@example.com for details\n", "", false},
      {"support@example.com\n", "", true},
      {"or mail me\n", "", false},
      {"Also mail.example.com or x@y\n", "", false},
      {"please write to x@y.z\n", "Anna <anna@example.com>\n", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(is_address_line(c.line, c.previous_raw), c.address) << c.line;
  }
}

TEST(SenderName, FindsTheSenderOutsideAddresses) {
  const std::string sender = "From: John Smith <jsmith@example.com>\n";
  const std::string long_name = "From: Bartholomew Quist <bq@example.com>\n";
  const struct {
    const char* line;
    const std::string& sender_text;
    bool sender_named;
  } cases[] = {
      {"John Smith, project manager\n", sender, true},
      {"-- John\n", sender, true},
      {"John went home early today\n", sender, false},
      {"Example Corporation\n", sender, false},
      {"Bartholomew\n", long_name, true},
      {"Regards, Quist\n", long_name, true},
      {"Quist and partners\n", long_name, false},
      {"Anything at all\n", std::string(), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(is_sender_name(c.line, c.sender_text), c.sender_named) << c.line;
  }
}

TEST(ColumnAndSignature, Layout) {
  EXPECT_TRUE(is_column_line("Name        Value\n"));
  EXPECT_TRUE(is_column_line("a\tb\n"));
  EXPECT_FALSE(is_column_line("        indented text\t\n"));
  EXPECT_FALSE(is_column_line("plain text\n"));

  EXPECT_FALSE(continues_signature("\n"));
  EXPECT_FALSE(continues_signature("abc\n"));
  EXPECT_TRUE(continues_signature("Acme Widgets Inc\n"));
  EXPECT_FALSE(continues_signature("--\n"));
  EXPECT_FALSE(continues_signature("== end ==\n"));
  EXPECT_FALSE(continues_signature(std::string(70, 'x') + "\n"));
  EXPECT_TRUE(continues_signature(std::string(30, 'x') + "         " + std::string(30, 'y')));
}

TEST(HeadingLine, LooksLikeATitle) {
  const struct {
    const char* text;
    bool heading;
    bool text_heading;
  } cases[] = {
      {"Project Status Report\n", true, true},
      {"INTRODUCTION\n", true, true},
      {"Results\n", false, true},
      {"Results and next steps\n", false, false},
      {"2 Results (final)\n", false, true},
      {"2 RESULTS (FINAL)\n", true, true},
      {"1.2 Results\n", false, true},
      {"Mr. Smith Arrives\n", false, false},
      {"The Budget, the Plan\n", true, true},
      {"The Budget, the Plan, the Team\n", false, false},
      {"Budget \"draft\n", false, false},
      {"Budget (draft\n", false, false},
      {"A Very Long Title That Goes On And On And On And On And On And On And On\n", false, false},
      {"Agenda: A Very Long Title That Goes On And On And On And On And On And On\n", false, true},
      {"\x1E Results\x1E \n", false, true},
      {"Discussion of organisational matters\n", false, false},
      {"\n", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(is_heading_line(c.text), c.heading) << c.text;
    EXPECT_EQ(is_text_heading(c.text), c.text_heading) << c.text;
  }
}

TEST(HtmlPrefixes, AreSkippedWithoutRegardToCase) {
  EXPECT_EQ(skip_html_prefixes("  <BR><p>&GT;&nbsp; text"), "text");
  EXPECT_EQ(skip_html_prefixes("<b>x"), "<b>x");
}

}  // namespace
}  // namespace phx::testing
