#include "filters/paragraph_breaks.h"

#include <cstddef>

#include "filters/line_text.h"
#include "text/latin1.h"

namespace phx {
namespace {

constexpr ByteSet kSpace(" ");
constexpr ByteSet kHeadingTrailing(" \r\n\t\x1E");
constexpr ByteSet kHeadingLeading(" \x1E\t");
constexpr ByteSet kNumbering("0123456789().");

std::size_t leading_run(std::string_view text, const ByteSet& set) {
  std::size_t n = 0;
  while (n < text.size() && set.contains(text[n])) ++n;
  return n;
}

// The rejections both heading tests share; `text` is stripped and non-empty.
bool heading_shape_fails(std::string_view text) {
  if (!is_upper(text[0]) && !is_digit(text[0])) return true;
  if (text.back() == ',' || count_of(text, ',') > 1) return true;
  if (!is_digit(text[0]) && count_of(text, '(') != count_of(text, ')')) return true;
  if (count_of(text, '[') != count_of(text, ']')) return true;
  if (count_of(text, '{') != count_of(text, '}')) return true;
  return count_of(text, '"') % 2 == 1;
}

// Capitalised and lower-case words; a long lower-case word means prose.
struct HeadingWords {
  int words = 0;
  int capitals = 0;
  bool long_lower_word = false;
  std::string_view last;
};
HeadingWords count_heading_words(std::string_view text) {
  HeadingWords counts;
  for_each_word(text, kSpace, [&](std::string_view word) {
    if (is_upper(word[0])) {
      ++counts.words;
      ++counts.capitals;
    } else if (is_lower(word[0])) {
      ++counts.words;
      if (word.size() > 7) counts.long_lower_word = true;
    }
    counts.last = word;
    return true;
  });
  return counts;
}

// What the break decisions know about a line and the one before it.
struct LinePair {
  std::string_view t;  // the line, trimmed
  std::string_view p;  // the previous line, trimmed
  std::string_view raw;  // the line as read
  bool heading_t = false;
  bool heading_p = false;
};

// "o ", "- ", "* " or "+ " opening a line that follows a short line, a
// heading or a line ending in ":", or that looks like its neighbours.
bool is_bullet_item(std::string_view line_start, const LinePair& pair) {
  if (line_start.size() < 2 || line_start[1] != ' ') return false;
  if (std::string_view("o-*+").find(line_start[0]) == std::string_view::npos) return false;
  const std::string_view t = pair.t;
  const std::string_view p = pair.p;
  return p.size() < 50 || ends_with_any(p, ":") || pair.heading_p || ends_with_any(t, ";,") ||
         contains(t, ':') || (!t.empty() && !p.empty() && t[0] == p[0]) ||
         starts_with_lowered(pair.raw, "<p>");
}

// Replaces the bullet by a space and removes the line's leading blanks.
void remove_bullet(LineBuffer& line) {
  const std::string_view view = line.view();
  const std::size_t bullet = view.size() - trim_leading(view, ByteSet(" \t")).size();
  line.data()[bullet] = ' ';
  const std::string_view rest = trim_leading(line.view(), ByteSet(" \t"));
  line.assign(rest);
}

bool is_numbered_item(const LinePair& pair) {
  const std::string_view t = pair.t;
  const std::string_view p = pair.p;
  const std::size_t run = leading_run(t, kNumbering);
  if (run == 0 || run >= t.size() || t[run] != ' ') return false;
  if (!is_digit(t[0]) && !(t[0] == '(' && t.size() > 1 && is_digit(t[1]))) return false;
  const std::size_t previous_run = leading_run(p, kNumbering);
  if (previous_run == run && run < p.size() && p[run] == ' ') return true;
  return p.size() < 40 || ends_with_any(t, ";,") || contains(t, ':');
}

// The line begins with the same word as the previous one.
bool has_same_start(const LinePair& pair, bool compare_next_character) {
  const std::string_view t = pair.t;
  const std::string_view p = pair.p;
  const std::string_view word = first_word(t);
  if (word.empty() || word != first_word(p)) return false;
  if (p.size() < 40) return true;
  if (contains(p, '.')) return false;
  if (!t.empty() && !p.empty() && t.back() == p.back()) return true;
  if (compare_next_character) {
    const std::size_t next = word.size() + 1;
    if (next < t.size() && next < p.size() && t[next] == p[next]) return true;
  }
  return begins_upper(t) && begins_upper(p);
}

}  // namespace

bool is_heading_line(std::string_view text) {
  text = trim_leading(trim_trailing(text, kHeadingTrailing), kHeadingLeading);
  if (text.empty() || text.size() > 65) return false;
  if (contains(text, '.')) return false;
  if (heading_shape_fails(text)) return false;
  const HeadingWords counts = count_heading_words(text);
  if (counts.long_lower_word || begins_lower(counts.last)) return false;
  if (counts.words < 3) return !has_lower(text);
  return 2 * counts.capitals > counts.words;
}

bool is_text_heading(std::string_view text) {
  text = trim_leading(trim_trailing(text, kHeadingTrailing), kHeadingLeading);
  if (text.empty()) return false;
  if (!has_lower(text)) return true;
  if (text.size() > 65 && !contains(text, ':')) return false;
  if (contains(text, '.') && !is_digit(text[0])) return false;
  if (heading_shape_fails(text)) return false;
  const HeadingWords counts = count_heading_words(text);
  if (counts.long_lower_word || begins_lower(counts.last)) return false;
  return counts.words >= 1 && 2 * counts.capitals > counts.words;
}

std::string_view skip_html_prefixes(std::string_view line) {
  static constexpr std::string_view kPrefixes[] = {"<br>", "<p>", "&gt;", "&nbsp;"};
  for (;;) {
    if (!line.empty() && (line[0] == ' ' || line[0] == '\t')) {
      line.remove_prefix(1);
      continue;
    }
    bool skipped = false;
    for (std::string_view prefix : kPrefixes) {
      if (line.size() < prefix.size()) continue;
      if (starts_with_lowered(line, prefix)) {
        line.remove_prefix(prefix.size());
        skipped = true;
        break;
      }
    }
    if (!skipped) return line;
  }
}

bool starts_new_segment(std::string_view raw_line, LineBuffer& line,
                        std::string_view previous_raw_line, bool inside_html) {
  LinePair pair;
  pair.t = trim_trailing(line.view(), kLineBlanks);
  if (pair.t.empty()) return false;
  const std::string_view previous =
      inside_html ? skip_html_prefixes(previous_raw_line) : previous_raw_line;
  pair.p = trim_leading(trim_trailing(previous, kLineBlanks), ByteSet(" \r\n\t>"));
  pair.raw = raw_line;
  pair.heading_t = is_heading_line(pair.t);
  pair.heading_p = is_heading_line(pair.p);
  const std::size_t p = pair.p.size();

  const bool bullet = is_bullet_item(line.view(), pair);
  const bool listed = bullet || has_same_start(pair, true) || is_numbered_item(pair);
  const bool after_sentence_end = p > 0 && ends_with_any(pair.p, "\x1E.!?");
  const bool heading_t = pair.heading_t;
  const bool heading_p = pair.heading_p;
  const bool html_paragraph = starts_with_lowered(raw_line, "<p>");
  const std::string_view last_word_p = pair.p.substr(pair.p.rfind(' ') + 1);
  const bool upper_t = begins_upper(pair.t);
  if (bullet) remove_bullet(line);  // the views above are not used past here

  if (after_sentence_end) return false;
  if (listed || html_paragraph) return true;
  if (heading_t) {
    if (!heading_p && p < 50) return true;
    if (heading_p && p < 55 && begins_upper(last_word_p)) return true;
  } else if (heading_p) {
    return true;
  }
  if (inside_html) return false;
  const std::size_t r = previous_raw_line.size();
  const bool previous_flush =
      previous_raw_line.empty() || std::string_view(" >\t").find(previous_raw_line[0]) ==
                                       std::string_view::npos;
  if (r < 40) return previous_flush && upper_t;
  if (r < 60) return previous_flush && upper_t && p > 0 && ends_with_any(pair.p, ")]>");
  return false;
}

int paragraph_break(std::string_view raw_line, LineBuffer& line,
                    std::string_view previous_raw_line) {
  LinePair pair;
  pair.t = trim(line.view(), kLineBlanks);
  pair.p = trim(previous_raw_line, kLineBlanks);
  pair.raw = raw_line;
  pair.heading_t = is_text_heading(pair.t);
  pair.heading_p = is_text_heading(pair.p);
  const std::string_view t = pair.t;
  const std::string_view p = pair.p;

  // Two short lines that together make one title.
  bool joint_title = false;
  if (p.size() + t.size() + 1 < kLineBufferBytes) {
    if (!has_lower(p) && !has_lower(t)) {
      joint_title = true;
    } else if ((t.size() > p.size() ? t.size() - p.size() : p.size() - t.size()) < 20) {
      char joined[kLineBufferBytes];  // fits: checked above
      p.copy(joined, p.size());
      joined[p.size()] = ' ';
      t.copy(joined + p.size() + 1, t.size());
      joint_title = is_text_heading(std::string_view(joined, p.size() + 1 + t.size()));
    }
  }

  const bool bullet = is_bullet_item(trim_leading(line.view(), ByteSet(" \t")), pair);
  const bool listed = bullet || has_same_start(pair, false) || is_numbered_item(pair);
  const bool after_sentence_end = !p.empty() && ends_with_any(p, "\x1E.!?");
  const bool lower_t = has_lower(t);
  const bool lower_p = has_lower(p);
  const bool t_begins_lower = begins_lower(t);
  const bool heading_t = pair.heading_t;
  const bool heading_p = pair.heading_p;
  const std::size_t p_size = p.size();
  if (bullet) remove_bullet(line);  // the views above are not used past here

  if (after_sentence_end) return kNoBreak;
  if (listed) return kSegmentBreak;
  if (heading_t && !heading_p) {
    if (p_size < 50 && !joint_title) return kSegmentBreak;
    return !lower_t && lower_p ? kSegmentBreak : kHeadingBreak;
  }
  if (heading_t && heading_p) {
    if (p_size < 55 && !joint_title) return kSegmentBreak;
    return lower_t == lower_p ? kHeadingBreak : kSegmentBreak;
  }
  if (!heading_t && heading_p) {
    if (!t_begins_lower && !joint_title) return kSegmentBreak;
    return lower_t && !lower_p ? kSegmentBreak : kHeadingBreak;
  }
  return kNoBreak;
}

}  // namespace phx
