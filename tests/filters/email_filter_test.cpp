// The e-mail filter at its own interface: messages in, exact output out.
#include <gtest/gtest.h>

#include <string>

#include "filter_runner.h"

namespace phx::testing {
namespace {

struct EmailCase {
  const char* name;
  std::string input;
  std::string expected;
};

const EmailCase kEmailCases[] = {
    {"headers_become_marks",
     "To: anna@example.com\nDate: Mon, 1 Jan 2024\nX-Mailer: mutt\n",
     "\x1E \x1E \x1E "},
    {"subject_prefixes_removed",
     "Subject: Re: [2] Budget review\nThe budget is attached.\n",
     "\x1E Subject: Budget review\x1E \x1E The budget is attached.\n"},
    {"folded_subject",
     "Subject: Budget review for\n  the second quarter\nTo: a@b.c\n",
     "\x1E Subject: Budget review for the second quarter\n\x1E \x1E "},
    {"forwarded_subject_dropped", "Subject: Fw: Budget review\nTo: a@b.c\n", "\x1E "},
    {"short_subject_dropped", "Subject: ab\nTo: a@b.c\n", "\x1E "},
    {"quoted_thanks_dropped", "> > Thanks for the report\n", "\x1E "},
    {"quoting_removed", "> The launch moves to May.\n",
     "\x1E The launch moves to May.\n"},
    {"greeting_and_closing",
     "Dear Anna,\nThe launch moves to May.\nBest regards,\n",
     "\x1E \x1E The launch moves to May.\n\x1E "},
    {"image_part_skipped",
     "Content-Type: image/png\niVBORw0KGgo\nAAAANSUhEUg\nContent-Type: text/plain\n"
     "Budget numbers follow\n",
     "\x1E \x1E Budget numbers follow\n"},
    {"quoted_printable",
     "Content-Transfer-Encoding: quoted-printable\n=E9t=E9 and ab=E\n",
     "\x1E \xE9t\xE9 and ab=E\n"},
    {"quoted_printable_soft_break",
     "Content-Transfer-Encoding: quoted-printable\nthe plan is to=\n move fast\n",
     "\x1E the plan is to move fast\n"},
    {"mailbox_separator", "From john@example.com Sat Jan  1 10:00:00 2000\n", "\x1E "},
    {"mailbox_separator_ends_skipped_part",
     "Content-Type: image/png\nAAAA\nFrom bob@example.com Tue Mar  5 10:00:00 2024\n"
     "The venue is booked.\n",
     "\x1E The venue is booked.\n"},
    {"mailbox_separator_without_address", "From alice Mon Jan 1 10:00:00 2024\n", "\x1E "},
    {"transport_continuation",
     "Received: from x.example.com\n"
     "\tby mail.example.com (8.9.3/8.9.3) with ESMTP id AAA12345\n",
     "\x1E \x1E "},
    {"name_list_dropped", "Anna Berg, Carl Dahl, Eva Frisk\n", "\x1E "},
    {"address_line_dropped", "jane@example.com, bob@example.org\n", "\x1E "},
    {"column_line_dropped", "Name        Value\n", "\x1E "},
    {"bullet_items",
     "We have two topics for the meeting:\n- budget for the year\n- hiring plans\n",
     "\x1E We have two topics for the meeting:\n\x1E budget for the year\n\x1E hiring plans\n"},
    {"short_line_taken_for_a_name", "Topics:\n", "\x1E "},
    {"numbered_items",
     "Here are the steps to follow\n1. collect the numbers\n2. check the totals\n",
     "\x1E Here are the steps to follow\n\x1E 1. collect the numbers\n"
     "\x1E 2. check the totals\n"},
    {"indented_line_keeps_one_space",
     "We will meet on the second floor of the building and\n   then go to lunch\n",
     "\x1E We will meet on the second floor of the building and\n then go to lunch\n"},
    {"sentence_end_blocks_a_break",
     "The budget was approved by the board last week.\nThe plan is next.\n",
     "\x1E The budget was approved by the board last week.\nThe plan is next.\n"},
    {"html_part",
     "Content-Type: text/html\n<html><body>\n<p>The launch is <b>on</b> &amp; ready.</p>\n"
     "</body></html>\n",
     // The opening tags leave a blank; "<p>" starts a segment; the closing
     // tags become block breaks.
     "\x1E  \x1E The launch is on & ready.\x1E  \x1E \x1E  "},
    {"zero_byte_ends_buffer", std::string("Plans go on.\n\0hidden\n", 21),
     "\x1E Plans go on.\n"},
};

class EmailFilterCases : public ::testing::TestWithParam<EmailCase> {};

TEST_P(EmailFilterCases, GivesExactOutput) {
  const EmailCase& c = GetParam();
  EXPECT_EQ(visible(run_filter(Filter::kEmail, c.input)), visible(c.expected));
}

TEST_P(EmailFilterCases, SplitAnywhereGivesTheSameOutput) {
  EXPECT_TRUE(same_output_when_split(Filter::kEmail, GetParam().input));
}

INSTANTIATE_TEST_SUITE_P(Email, EmailFilterCases, ::testing::ValuesIn(kEmailCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(EmailFilter, UnfinishedLineWaitsForTheNextBuffer) {
  FilterChain chain;
  EXPECT_EQ(chain.email_buffer("Plans for the laun"), "");
  EXPECT_EQ(visible(chain.email_buffer("ch are ready.\nNext we")),
            visible("\x1E Plans for the launch are ready.\n"));
  EXPECT_EQ(visible(chain.email_buffer(kClosingText)), visible("Next we\x1E\n"));
}

TEST(EmailFilter, SenderNameOpensSignatureZone) {
  const std::string message =
      "From: John Smith <jsmith@example.com>\n"
      "\n"
      "The plan for the launch event is attached to this message.\n"
      "John Smith, project manager\n"
      "Acme Widgets Incorporated\n"
      "Phone 555 0100 extension 12\n"
      "\n"
      "The venue is booked for the whole day.\n";
  EXPECT_EQ(visible(run_filter(Filter::kEmail, message)),
            visible("\x1E \n\x1E The plan for the launch event is attached to this message.\n"
                    "\x1E \x1E \x1E \n"
                    "\x1E The venue is booked for the whole day.\n"));
}

TEST(EmailFilter, NameAloneIsANameListAndOpensNoZone) {
  const std::string message =
      "From: John Smith <jsmith@example.com>\n"
      "The plan for the launch event is attached to this message.\n"
      "John Smith\n"
      "Acme Widgets Incorporated\n";
  EXPECT_EQ(visible(run_filter(Filter::kEmail, message)),
            visible("\x1E \x1E The plan for the launch event is attached to this message.\n"
                    "\x1E \x1E Acme Widgets Incorporated\n"));
}

TEST(EmailFilter, OverLongLineIsCutIntoPieces) {
  const std::string words = "budget ";
  std::string line;
  while (line.size() < 12000) line += words;
  bool cut = false;
  const std::string out = run_filter(Filter::kEmail, line + "\n", {}, false, &cut);
  EXPECT_FALSE(cut);
  // Every byte of the line comes through, in pieces of at most 4999 bytes.
  std::string text;
  for (char c : out) {
    if (c != '\x1E') text += c;
  }
  EXPECT_NE(text.find(line.substr(0, 4000)), std::string::npos);
  EXPECT_GE(out.size(), line.size());
}

TEST(EmailFilter, SenderTextKeepsTheMostRecentSenders) {
  FilterChain chain;
  std::string mailbox;
  for (int i = 0; i < 200; ++i) {
    mailbox += "From: Person Number" + std::to_string(i) + " <p" + std::to_string(i) +
               "@example.com>\n";
  }
  chain.email_buffer(mailbox);
  const std::string_view sender = chain.email->sender_text.view();
  EXPECT_LE(sender.size(), LineBuffer::kCapacity);
  EXPECT_NE(sender.find("Number199 <p199@"), std::string_view::npos);
  EXPECT_TRUE(sender.starts_with("From: "));
}

}  // namespace
}  // namespace phx::testing
