#include "filters/email_filter.h"

#include <memory>

#include "filters/email_line_tests.h"
#include "filters/html_filter.h"
#include "filters/line_reader.h"
#include "filters/line_text.h"
#include "filters/paragraph_breaks.h"

namespace phx {
namespace {

constexpr std::string_view kSegmentMark = "\x1E ";
// One line's output: the line and the marks around it.
using LineOutput = BoundedText<kLineBufferBytes + 8>;

bool begins_with_blank(std::string_view text) {
  return !text.empty() && (text[0] == ' ' || text[0] == '\t');
}

// Keeps the most recent "From:" lines when they no longer all fit: the
// sender of the current message matters most.
void remember_sender(LineBuffer& sender_text, std::string_view line) {
  if (line.size() > LineBuffer::kCapacity) line = line.substr(0, LineBuffer::kCapacity);
  while (sender_text.size() + line.size() > LineBuffer::kCapacity) {
    const std::string_view held = sender_text.view();
    const std::size_t end = held.find('\n');
    if (end == std::string_view::npos) {
      sender_text.clear();
    } else {
      LineBuffer rest(held.substr(end + 1));
      sender_text = rest;
    }
  }
  sender_text.append(line);
}

// A state made without tables finds nothing in them.
const TextTable& table_or_empty(const TextTable* table) {
  static const TextTable kEmpty;
  return table != nullptr ? *table : kEmpty;
}

bool is_subject(std::string_view line) {
  return starts_with_lowered(line, "subject:") || starts_with_lowered(line, "reply to:");
}

// HTML mail: the line goes through the HTML filter, cut to a line.
void filter_html_line(LineBuffer& line, HtmlFilterState& html) {
  char area[kLineBufferBytes];
  FilterOutput work{std::span<char>(area)};
  filter_html(skip_html_prefixes(line.view()), html, work, kSingleByteText);
  line.assign(work.view());
}

class EmailLine {
 public:
  EmailLine(EmailFilterState& state, HtmlFilterState& html, FilterOutput& out)
      : s_(state), html_(html), out_(out) {}

  void process(const LineBuffer& raw) {
    if (raw.view().starts_with("From:")) {
      remember_sender(s_.sender_text, raw.view());
      sender_lowered_ = false;
    }
    line_.assign(trim_leading(raw.view(), ByteSet("> \t")));  // quoting prefixes
    lower_line();

    // A new message of a mailbox is read afresh: a part skipped at the end of
    // one message must not hide the messages after it.
    if (is_mailbox_separator(raw.view())) {
      s_.content_type = kNoContentType;
      s_.inside_html = 0;
    }
    if (lowered_.view().starts_with("content-type:")) {
      s_.content_type = content_type_of(lowered_.view());
    }
    // Non-text parts vanish without a trace.
    if (s_.content_type == kSkippedPart) return;
    if (s_.quoted_printable == 0 && contains(lowered_.view(), "encoding: quoted-printable")) {
      s_.quoted_printable = 1;
    }
    if (s_.quoted_printable != 0) {
      decode_quoted_printable(line_);
      lower_line();
    }

    bool header = is_header_line(lowered_.view(), s_.previous_raw_line.view(), table_or_empty(s_.header_names),
                                 s_.inside_html != 0);
    bool dropped = false;
    LineOutput& output = output_;
    output.clear();
    const bool subject = is_subject(lowered_.view());
    if (subject) {
      const LineBuffer cleaned = clean_subject(line_.view());
      if (!cleaned.empty()) {
        output.assign(kSegmentMark);
        output.append(cleaned.view());
      }
      header = true;
    } else if (header) {
      dropped = true;
    }

    // The line after a subject: a folded subject goes on it, anything else
    // is kept apart from it.
    if (!subject && is_subject(s_.previous_raw_line.view()) && !s_.previous_output.empty()) {
      if (begins_with_blank(raw.view())) {
        output.assign(" ");
        output.append(line_.view());
        output.append(kSegmentMark);
        header = true;
        dropped = false;
      } else {
        out_.append(kSegmentMark);
      }
    }

    if (s_.content_type == kHtmlPart) {
      const std::string_view lowered = lowered_.view();
      if (s_.inside_html == 0 && (contains(lowered, "<html>") || contains(lowered, "<body"))) {
        s_.inside_html = 1;
      } else if (s_.inside_html != 0 &&
                 (contains(lowered, "</html>") || contains(lowered, "</body>"))) {
        s_.inside_html = 0;
      }
    }

    if (header) {
      s_.signature_zone = 0;
      if (dropped) output.assign(kSegmentMark);
    } else {
      body_line(raw.view(), output);
    }

    out_.append(output.view());
    s_.previous_output.assign(output.view());
    s_.previous_raw_line.assign(raw.view());
  }

 private:
  void body_line(std::string_view raw, LineOutput& output) {
    if (s_.content_type == kHtmlPart) {
      filter_html_line(line_, html_);
      lower_line();
    }
    if (s_.signature_zone != 0) {
      if (continues_signature(line_.view())) {
        output.assign(kSegmentMark);
        return;
      }
      s_.signature_zone = 0;
    }
    if (is_dropped_body_line()) {
      output.assign(kSegmentMark);
      return;
    }
    const bool segment =
        starts_new_segment(raw, line_, s_.previous_raw_line.view(), s_.inside_html != 0);
    if (begins_with_blank(raw) && !(line_.size() > 0 && line_[0] == ' ')) {
      lowered_.assign(" ");  // the lower-cased copy is not needed any more
      lowered_.append(line_.view());
      line_.assign(lowered_.view());
    }
    output.assign(segment ? kSegmentMark : "");
    output.append(line_.view());
  }

  bool is_dropped_body_line() {
    if (is_salutation(lowered_.view(), table_or_empty(s_.salutations))) return true;
    if (is_name_list(line_.view(), s_.previous_output.view())) return true;
    if (is_address_line(line_.view(), s_.previous_raw_line.view())) return true;
    if (!sender_lowered_) {
      lowered_sender_.assign(s_.sender_text.view());
      lower_in_place(lowered_sender_);
      sender_lowered_ = true;
    }
    if (is_sender_name(line_.view(), s_.sender_text.view(), lowered_sender_.view())) {
      s_.signature_zone = 1;
      return true;
    }
    return is_column_line(line_.view());
  }

  void lower_line() {
    lowered_.assign(line_.view());
    lower_in_place(lowered_);
  }

  EmailFilterState& s_;
  HtmlFilterState& html_;
  FilterOutput& out_;
  // Working copies of the current line, made once per buffer.
  LineBuffer line_;
  LineBuffer lowered_;
  LineOutput output_;
  LineBuffer lowered_sender_;
  bool sender_lowered_ = false;
};

}  // namespace

void filter_email(std::string_view input, EmailFilterState& state, HtmlFilterState& html,
                  FilterOutput& output) {
  std::size_t position = 0;
  LineRead result = read_line(state.current_line, input, position);
  if (result == LineRead::kUnfinished) return;  // held for the next buffer
  // The working copies are made only when a line is complete.
  const auto line = std::make_unique<EmailLine>(state, html, output);
  for (;;) {
    if (result == LineRead::kUnfinished) return;
    line->process(state.current_line);
    state.current_line.clear();
    if (result == LineRead::kLastLine) return;
    result = read_line(state.current_line, input, position);
  }
}

}  // namespace phx
