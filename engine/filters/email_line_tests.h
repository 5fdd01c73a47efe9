// The tests the e-mail filter runs on one line to decide whether it is
// message bookkeeping (headers, transport lines, MIME parts), a greeting or
// closing, a list of names or addresses, a signature, or prose. Each takes
// views of the line and of the state it needs and changes nothing.
#pragma once

#include <string_view>

#include "containers/term_table.h"
#include "filters/filter_states.h"

namespace phx {

// Content types of the parts of a message.
enum ContentType : int {
  kNoContentType = 0,
  kPlainTextPart = 1,
  kHtmlPart = 2,
  kSkippedPart = 3,
};

// The content type a lower-cased "content-type:" line announces.
int content_type_of(std::string_view lowered_line);

// Decodes quoted-printable text in place: "=XX" becomes that byte, "=" at
// the line end joins the next line. An escape for the zero byte stays as it
// was, so that no zero byte enters the text.
void decode_quoted_printable(LineBuffer& line);

// The "From " line that starts each message of a mailbox (with the date and
// time the message arrived).
bool is_mailbox_separator(std::string_view raw_line);

// A header, transport or MIME bookkeeping line.
bool is_header_line(std::string_view lowered_line, std::string_view previous_raw_line,
                    const TextTable& header_names, bool inside_html);

// "Subject: " and the subject without reply prefixes and brackets, or an empty
// text for a forwarded, empty or overloaded subject.
LineBuffer clean_subject(std::string_view line);

// A greeting or closing ("Dear Anna", "Best regards").
bool is_salutation(std::string_view lowered_line, const TextTable& salutations);

// A list of names: recipients, or the name under a message.
bool is_name_list(std::string_view line, std::string_view previous_output);

// A line of e-mail addresses.
bool is_address_line(std::string_view line, std::string_view previous_raw_line);

// A line naming the sender of the message, which opens its signature.
// `lowered_sender_text` is the sender text lower-cased.
bool is_sender_name(std::string_view line, std::string_view sender_text,
                    std::string_view lowered_sender_text);
bool is_sender_name(std::string_view line, std::string_view sender_text);

// A line laid out in columns.
bool is_column_line(std::string_view line);

// Whether a line still belongs to a signature block.
bool continues_signature(std::string_view line);

}  // namespace phx
