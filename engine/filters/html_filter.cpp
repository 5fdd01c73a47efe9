// How the HTML filter reads a byte.
//
// The filter is a small state machine over single bytes. "<" opens a tag and
// "&" an entity; the name that follows is collected into the state. A "<" not
// followed by "!", "/" or a letter, and an "&" not followed by a name byte,
// were text after all and are written. At ">" the tag name decides: script,
// style, select, noframes and pre open their element (whose text, except
// pre's, is dropped), their closing tags close it, "!--" opens a comment that
// only a "->" ends, and every other tag is replaced from the tag table (or by
// RS when it is a closing tag). An entity ends at the first byte that cannot
// be part of its name; a known name is replaced from the entity table, an
// unknown one is written as it was, and its terminating byte is read again.
//
// White space collapses to one space. The state counts the blanks written
// since the last visible byte (`blank_weight`); five blank runs separated only
// by markup, five no-break spaces, or a line end inside pre make a block
// boundary.
#include "filters/html_filter.h"

#include "text/byte_set.h"
#include "text/latin1.h"

namespace phx {
namespace {

constexpr ByteSet kWhiteSpace(" \n\t\v\f\r\b");
constexpr ByteSet kEntityNameBytes(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789#");
constexpr std::string_view kBlockBreak = "\x1E ";
// Markup names are collected up to this many bytes, then taken as complete.
constexpr std::size_t kMaxNameBytes = kMarkupNameBytes - 1;
constexpr int kBlockWeight = 5;

constexpr bool is_ascii_letter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

class HtmlReader {
 public:
  HtmlReader(HtmlFilterState& state, FilterOutput& output, int text_form)
      : s_(state), out_(output), single_byte_(text_form == kSingleByteText) {}

  void read(char c) {
    // A byte that ends an unknown entity (or a known one without ";") is
    // read again as ordinary input.
    while (step(c)) {
    }
    s_.previous = c;
  }

 private:
  bool is_white(char c) const {
    return kWhiteSpace.contains(c) || (single_byte_ && static_cast<unsigned char>(c) == 0xA0);
  }
  // Inside an element whose content is dropped.
  bool in_dropped_element() const {
    return s_.in_script != 0 || s_.in_noframes != 0 || s_.in_style != 0 || s_.in_select != 0 ||
           s_.in_comment != 0;
  }
  bool in_text() const { return s_.in_tag == 0 && s_.in_entity == 0 && !in_dropped_element(); }

  void clear_name() {
    s_.name.clear();
    s_.name_full = 0;
  }
  void collect(char c) {
    s_.name.push_back(c);
    if (s_.name.size() >= kMaxNameBytes) s_.name_full = 1;
  }

  void add_blank_weight(int weight) {
    const int before = s_.blank_weight;
    s_.blank_weight += weight;
    if (before < kBlockWeight && s_.blank_weight >= kBlockWeight) out_.append(kBlockBreak);
  }
  // A visible byte of text (or markup that turned out to be text).
  void print(char c) {
    out_.put(c);
    s_.blank_weight = 0;
  }
  void write_text(char c) {
    if (!is_white(c)) {
      print(c);
      return;
    }
    const bool first_blank = !is_white(s_.previous);
    if (first_blank) out_.put(' ');
    if (s_.in_pre == 0) {
      if (first_blank) add_blank_weight(1);
    } else if (c == '\r' || c == '\t' || (c == '\n' && s_.previous != '\r')) {
      add_blank_weight(8);
    } else {
      add_blank_weight(1);
    }
  }

  // Returns true when c is to be read again.
  bool step(char c) {
    // A "<" not followed by "!", "/" or a letter was text.
    if (s_.in_tag != 0 && s_.previous == '<' && s_.name.empty() && s_.in_quote == 0 &&
        s_.in_script == 0 && s_.in_comment == 0 && c != '!' && c != '/' && !is_ascii_letter(c)) {
      s_.in_tag = 0;
      if (in_text()) print('<');
    }
    // An "&" not followed by a name byte was text.
    if (s_.in_entity != 0 && s_.previous == '&' && s_.name.empty() && !kEntityNameBytes.contains(c)) {
      s_.in_entity = 0;
      if (in_text()) print('&');
    }

    if (c == '<' && s_.in_entity == 0 && s_.in_comment == 0 && s_.in_quote == 0) {
      s_.in_tag = 1;
      clear_name();
      return false;
    }
    if (c == '&' && s_.in_tag == 0 && s_.in_script == 0 && s_.in_entity == 0) {
      s_.in_entity = 1;
      clear_name();
      return false;
    }
    if (s_.in_tag != 0) {
      tag_byte(c);
      return false;
    }
    if (s_.in_entity != 0) return entity_byte(c);
    if (in_text()) write_text(c);
    return false;
  }

  void tag_byte(char c) {
    if (s_.in_script == 0 && s_.in_comment == 0 && c == '"') {
      if (s_.in_quote != 0) {
        s_.in_quote = 0;
      } else if (s_.previous == '=') {
        s_.in_quote = 1;
      }
    }
    if (c == '>' && s_.in_quote == 0) {
      end_tag();
      return;
    }
    if (s_.name_full != 0) return;
    if (is_white(c)) {
      s_.name_full = 1;
      return;
    }
    collect(c);
    // A comment is open from its "<!--" on, so that markup inside it is not
    // taken for tags. Inside a script it opens only at its first ">", so
    // that an unclosed "<!--" there cannot hide the closing script tag.
    if (s_.in_script == 0 && s_.in_comment == 0 && s_.name.view() == "!--") s_.in_comment = 1;
  }

  void end_tag() {
    if (s_.in_comment != 0) {
      // Only "->" ends a comment; its markup writes nothing.
      if (s_.previous == '-') s_.in_comment = 0;
    } else {
      end_tag_named(lower_name());
    }
    s_.in_tag = s_.in_comment != 0 ? 1 : 0;
    clear_name();
  }

  BoundedText<kMarkupNameBytes> lower_name() const {
    BoundedText<kMarkupNameBytes> name = s_.name;
    char* data = name.data();
    for (std::size_t i = 0; i < name.size(); ++i) {
      if (data[i] >= 'A' && data[i] <= 'Z') data[i] = static_cast<char>(data[i] + 32);
    }
    return name;
  }

  void end_tag_named(const BoundedText<kMarkupNameBytes>& lowered) {
    const std::string_view name = lowered.view();
    if (name.starts_with("script")) {
      s_.in_script = 1;
    } else if (name.starts_with("noframes")) {
      if (s_.in_script == 0) s_.in_noframes = 1;
    } else if (name.starts_with("style")) {
      if (s_.in_script == 0) s_.in_style = 1;
    } else if (name.starts_with("select")) {
      if (s_.in_script == 0) s_.in_select = 1;
    } else if (name.starts_with("pre")) {
      if (s_.in_script == 0) s_.in_pre = 1;
    } else if (name.starts_with("!--") && s_.previous != '-') {
      s_.in_comment = 1;
    } else if (name.starts_with("/script")) {
      s_.in_script = 0;
    } else if (name.starts_with("/noframes")) {
      s_.in_noframes = 0;
    } else if (name.starts_with("/style")) {
      s_.in_style = 0;
    } else if (name.starts_with("/select")) {
      s_.in_select = 0;
    } else if (name.starts_with("/pre")) {
      s_.in_pre = 0;
    } else if (const TermValue* found = s_.tags != nullptr && !name.empty() ? s_.tags->find(name)
                                                                               : nullptr) {
      out_.append(found->text_view());
    } else if (name.starts_with('/')) {
      out_.append(kBlockBreak);
    }
  }

  // Returns true when c is to be read again.
  bool entity_byte(char c) {
    if (s_.name_full == 0 && kEntityNameBytes.contains(c)) {
      collect(c);
      return false;
    }
    s_.in_entity = 0;
    const std::string_view name = s_.name.view();
    const TermValue* found =
        s_.entities != nullptr && !name.empty() ? s_.entities->find(name) : nullptr;
    const bool write = in_text();
    bool read_again = true;
    if (found != nullptr) {
      if (write) out_.append(found->text_view());
      read_again = c != ';';
    } else if (write) {
      out_.put('&');
      out_.append(name);
    }
    if (name.starts_with("nbsp")) {
      if (write) {
        add_blank_weight(1);
      } else {
        s_.blank_weight += 1;
      }
    } else {
      s_.blank_weight = 0;
    }
    clear_name();
    return read_again;
  }

  HtmlFilterState& s_;
  FilterOutput& out_;
  bool single_byte_;
};

}  // namespace

void filter_html(std::string_view input, HtmlFilterState& state, FilterOutput& output,
                 int text_form) {
  HtmlReader reader(state, output, text_form);
  for (char c : input) {
    if (c == '\0') break;
    reader.read(c);
  }
}

}  // namespace phx
