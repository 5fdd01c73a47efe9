#include "filters/email_line_tests.h"

#include <cstddef>

#include "filters/line_text.h"
#include "text/latin1.h"

namespace phx {
namespace {

constexpr ByteSet kSpace(" ");
constexpr ByteSet kHexDigits("0123456789ABCDEFabcdef");

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return c - 'A' + 10;
}

bool has_digit(std::string_view text) {
  for (char c : text) {
    if (is_digit(c)) return true;
  }
  return false;
}

// "ut", "gmt", or three letters like "est", "cdt", "mst", "pdt".
bool is_time_zone_word(std::string_view word) {
  if (word == "ut" || word == "gmt") return true;
  return word.size() == 3 && std::string_view("ecmp").find(word[0]) != std::string_view::npos &&
         (word[1] == 's' || word[1] == 'd') && word[2] == 't';
}

// Mail-transport lines ("by mail.example.com with ESMTP id ...") are made
// mostly of host names, numbers and protocol words.
bool scores_as_transport_line(std::string_view line) {
  int score = 0;
  int plain_words = 0;
  std::string_view previous;
  for_each_word(line, kSpace, [&](std::string_view word) {
    if (!is_letter(word[0])) {
      score += 1;
    } else if (has_digit(word)) {
      score += 1;
    } else if (word == "esmtp" || word == "smtp") {
      score += previous == "with" ? 2 : 1;
    } else if (word == "sendmail") {
      score += previous == "via" ? 2 : 1;
    } else if (word == "id") {
      score += 1;
    } else if (count_of(word, '.') >= 2) {
      score += (previous == "by" || previous == "for") ? 2 : 1;
    } else if (is_time_zone_word(word)) {
      score += 1;
    } else {
      plain_words += 1;
    }
    previous = word;
    return true;
  });
  return score + plain_words > 1 && (score > 3 || plain_words == 0);
}

// Walks back from just before `position`: true when a space comes before
// any "@" (the text is a name, not part of an address).
bool space_before_at(std::string_view text, std::size_t position) {
  while (position > 0) {
    --position;
    if (text[position] == '@') return false;
    if (text[position] == ' ') return true;
  }
  return false;
}

}  // namespace

int content_type_of(std::string_view line) {
  if (contains(line, "text/plain") || contains(line, "message/rfc822") ||
      contains(line, "message/news")) {
    return kPlainTextPart;
  }
  if (contains(line, "text/html") || contains(line, "message/http")) return kHtmlPart;
  if (contains(line, "text")) {
    return contains(line, "text/") || contains(line, "/text") ? kSkippedPart : kPlainTextPart;
  }
  return contains(line, "x-sun-attachment") ? kNoContentType : kSkippedPart;
}

void decode_quoted_printable(LineBuffer& line) {
  char* text = line.data();
  const std::size_t n = line.size();
  std::size_t out = 0;
  std::size_t i = 0;
  while (i < n) {
    if (text[i] == '=') {
      if (i + 1 < n && text[i + 1] == '\n') {
        i += 2;
        continue;
      }
      if (i + 2 < n && text[i + 1] == '\r' && text[i + 2] == '\n') {
        i += 3;
        continue;
      }
      if (i + 2 < n && kHexDigits.contains(text[i + 1]) && kHexDigits.contains(text[i + 2])) {
        const int value = hex_value(text[i + 1]) * 16 + hex_value(text[i + 2]);
        if (value != 0) {
          text[out++] = static_cast<char>(value);
          i += 3;
          continue;
        }
      }
    }
    text[out++] = text[i++];
  }
  line.truncate(out);
}

bool is_mailbox_separator(std::string_view raw_line) {
  return raw_line.starts_with("From ") && contains(raw_line, ':') && has_digit(raw_line);
}

bool is_header_line(std::string_view lowered_line, std::string_view previous_raw_line,
                    const TextTable& header_names, bool inside_html) {
  const std::string_view b = trim_trailing(lowered_line, kLineBlanks);
  const std::string_view p = trim(previous_raw_line, kLineBlanks);

  const std::size_t key_end = b.find_first_of(":- *");
  const std::string_view key = key_end == std::string_view::npos ? b : b.substr(0, key_end + 1);
  if (!key.empty() && header_names.has(key)) return true;

  if (contains(b, "multi-part message in mime")) return true;
  if (contains(b, "office memo") && contains(b, "date:")) return true;
  if (b.starts_with("from ") && (contains(b, '@') || (contains(b, ':') && has_digit(b)))) {
    return true;
  }

  if (!inside_html && !contains(b, "http://") && !contains(b, "p.s.:")) {
    if (count_in_set(b, ByteSet(";=:/+*<>[]-_")) >= 6) return true;
    if (count_in_set(b, ByteSet(",.")) >= 9) return true;
  }

  if (starts_with_lowered(p, "content-")) {
    if (contains(b, "charset=") || contains(b, "name=") || contains(b, "filename=")) return true;
    if (count_of(p, '"') % 2 == 1 && count_of(b, '"') % 2 == 1) return true;
  }

  if (contains(b, "-- end included") || contains(b, "-- begin included") ||
      contains(b, "-- original message")) {
    return true;
  }
  if (inside_html) return false;
  return scores_as_transport_line(b);
}

LineBuffer clean_subject(std::string_view line) {
  LineBuffer result;
  const LineBuffer lowered_copy = lower_copy(line);
  const std::string_view lowered = lowered_copy.view();
  if (contains(lowered, "fw")) return result;

  const ByteSet skipped(" \t:>");
  const ByteSet trailing_blanks(" \n\t\v\f\r\b");
  std::ptrdiff_t start = 0;
  std::ptrdiff_t end = static_cast<std::ptrdiff_t>(lowered.size()) - 1;
  while (start <= end) {
    const std::string_view rest = lowered.substr(static_cast<std::size_t>(start));
    if (skipped.contains(rest[0])) {
      start += 1;
    } else if (rest.starts_with("subject:")) {
      start += 8;
    } else if (rest.starts_with("reply to:")) {
      start += 9;
    } else if (rest.starts_with("re:") || rest.starts_with("re>")) {
      start += 3;
    } else if (rest.size() >= 3 && rest[0] == '[' && is_digit(rest[1]) && rest[2] == ']') {
      start += 3;
    } else if (rest.starts_with("re[")) {
      start += 2;
    } else if (trailing_blanks.contains(lowered[static_cast<std::size_t>(end)])) {
      end -= 1;
    } else if ((rest[0] == '[' && lowered[static_cast<std::size_t>(end)] == ']') ||
               (rest[0] == '(' && lowered[static_cast<std::size_t>(end)] == ')')) {
      start += 1;
      end -= 1;
    } else {
      break;
    }
  }
  if (end >= 0) {
    const char last = lowered[static_cast<std::size_t>(end)];
    if (last == '_' || last == '*') return result;
  }
  if (end - start + 1 < 3) return result;

  result.assign("Subject: ");
  result.append(line.substr(static_cast<std::size_t>(start),
                            static_cast<std::size_t>(end - start + 1)));
  // A subject loaded with reply prefixes says little.
  if (line.size() > result.size() + 10) result.clear();
  return result;
}

bool is_salutation(std::string_view lowered_line, const TextTable& salutations) {
  if (lowered_line.size() > 55) return false;
  char copy[64];
  std::size_t length = 0;
  for (char c : lowered_line) {
    if (!kPunctuation.contains(c)) copy[length++] = c;
  }
  std::string_view text = trim_trailing(std::string_view(copy, length), ByteSet(" .!?\t\r\n"));
  text = trim_leading(text, ByteSet(" -.\t"));
  if (text.empty()) return false;

  const std::size_t spaces = count_of(text, ' ');
  std::size_t space = std::string_view::npos;
  for (std::size_t words = 1; words <= 3; ++words) {
    if (spaces < words) return salutations.has(text);
    space = text.find(' ', space == std::string_view::npos ? 0 : space + 1);
    if (salutations.has(text.substr(0, space))) return true;
  }
  return false;
}

bool is_name_list(std::string_view line, std::string_view previous_output) {
  const ByteSet trailing(" -\r\n\t");
  const ByteSet leading(" -._\t");
  const std::string_view l = trim_leading(trim_trailing(line, trailing), leading);
  const std::string_view q = trim_leading(trim_trailing(previous_output, trailing), leading);
  const std::size_t n = l.size();
  if (n == 0 || !is_upper(l[0])) return false;

  // Short previous lines, sentence ends and open lists let a list go on.
  const bool context_fits = q.size() < 50 || ends_with_any(q, ".?!\x1E") ||
                            is_lower(l.back()) || l.back() == ',';
  const std::size_t spaces = count_of(l, ' ');
  if (n < 20 && spaces == 0 && context_fits) return true;
  if (n < 35 && spaces == 1 && is_upper(l[l.find(' ') + 1]) && q.size() > 5 && context_fits) {
    return true;
  }

  const bool has_semicolon = contains(l, ';');
  if (contains(l, ',') && !has_semicolon) {
    bool capitalised = true;
    int run = 0;
    std::size_t words = 0;
    for_each_word(l, kSpace, [&](std::string_view word) {
      if (!is_upper(word[0])) {
        capitalised = false;
        return false;
      }
      ++words;
      run = word.back() == ',' ? 0 : run + 1;
      return run <= 2;
    });
    if (!capitalised || run > 2) return false;
    if (count_of(l, ',') > 1 || words < 3) return true;
    if (q.size() > 5 && context_fits) return true;
  }
  if (!has_semicolon) return false;

  bool listed = true;
  int run = 0;
  std::size_t words = 0;
  for_each_word(l, kSpace, [&](std::string_view word) {
    if (!is_upper(word[0]) && word[0] != '(') listed = false;
    if (word[0] == '(' && word.size() > 1 && is_lower(word[1])) listed = false;
    run = (word.back() == ',' || word.back() == ';') ? 0 : run + 1;
    if (run > 2) listed = false;
    ++words;
    return listed;
  });
  if (!listed) return false;
  if (count_of(l, ',') >= 2 || count_of(l, ';') >= 2 || words < 3) return true;
  if (q.size() < 6) return false;
  return context_fits;
}

bool is_address_line(std::string_view line, std::string_view previous_raw_line) {
  const std::size_t ats = count_of(line, '@');
  const std::size_t dots = count_of(line, '.');
  if (ats == 0 || dots == 0) return false;
  if (ats >= 2 && dots >= 2) return true;
  if (contains(previous_raw_line, '@') && contains(previous_raw_line, '.')) return true;
  bool addresses = true;
  for_each_word(line, kSpace, [&](std::string_view word) {
    word = trim_leading(word, kPunctuation);
    if (begins_lower(word) && !contains(word, '@')) addresses = false;
    return addresses;
  });
  return addresses;
}

bool is_sender_name(std::string_view line, std::string_view sender_text) {
  return is_sender_name(line, sender_text, lower_copy(sender_text).view());
}

bool is_sender_name(std::string_view line, std::string_view sender_text,
                    std::string_view lowered_sender_text) {
  std::string_view l = trim_leading(line, ByteSet("-.\t "));
  l = trim_trailing(l, kLineBlanks);

  bool named = false;
  int hits = 0;
  int counted = 0;
  for_each_word(l, ByteSet(" \t"), [&](std::string_view word) {
    word = trim(word, kPunctuation);
    const std::size_t k = word.size();
    if (k == 0) return true;
    if (k >= 6 && is_upper(word[0])) {
      // A long capitalised word, found as a whole word outside an address.
      for (std::size_t at = sender_text.find(word, 1); at != std::string_view::npos;
           at = sender_text.find(word, at + 1)) {
        if (is_lower(sender_text[at - 1])) continue;
        if (at + k < sender_text.size() && is_lower(sender_text[at + k])) continue;
        if (space_before_at(sender_text, at)) named = true;
        break;
      }
      if (named) return false;
    }
    if (k >= 3) {
      ++counted;
      char lowered_word[kLineBufferBytes];  // words come from a line
      for (std::size_t i = 0; i < k; ++i) lowered_word[i] = to_lower(word[i]);
      const std::string_view f = lowered_sender_text;
      const std::size_t at = f.find(std::string_view(lowered_word, k));
      if (at != std::string_view::npos && at > 0 && space_before_at(f, at)) ++hits;
      if (counted == 3) return false;
    }
    return true;
  });
  if (named) return true;
  return hits >= 2 || (hits == 1 && counted <= 2);
}

bool is_column_line(std::string_view line) {
  const std::string_view rest = trim_trailing(trim_leading(line, ByteSet(" \t")), kLineBlanks);
  return contains(rest, "        ") || contains(rest, '\t');
}

bool continues_signature(std::string_view line) {
  if (line.size() < 5) return false;
  if (line.size() > 60 && !is_column_line(line)) return false;
  if (line[0] == line[1] && (line[0] == '-' || line[0] == '_' || line[0] == '=')) return false;
  return true;
}

}  // namespace phx
