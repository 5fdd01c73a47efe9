#include "filters/text_line_tests.h"

#include <cstddef>

#include "filters/line_text.h"
#include "text/latin1.h"

namespace phx {
namespace {

constexpr ByteSet kNumbering(" 0123456789.");
constexpr ByteSet kSectionNumber("0123456789.ABCDEFGHIJKLMNOPQRSTUVWXYZ");
constexpr ByteSet kTrailingPage(" \r\n0123456789");

std::size_t leading_run(std::string_view text, const ByteSet& set) {
  std::size_t n = 0;
  while (n < text.size() && set.contains(text[n])) ++n;
  return n;
}

// The title alone, between two segment marks (the copy is taken before the
// line is overwritten).
void keep_title(LineBuffer& line, std::string_view title) {
  const LineBuffer copy(title);
  line.assign("\x1E ");
  line.append(copy.view());
  line.append("\x1E ");
}

}  // namespace

bool drop_leader_line(LineBuffer& line) {
  const std::string_view s = line.view();
  const std::size_t colons = count_of(s, ':');
  const std::size_t dots = count_of(s, '.');
  const std::size_t k = leading_run(s, kNumbering);
  const std::size_t first_digit = s.find_first_of("0123456789");
  // A section number, then the title's first capital.
  const bool numbered_title = k > 0 && k < s.size() && is_upper(s[k]) &&
                              first_digit != std::string_view::npos && first_digit < k;

  if (colons > 4) {
    const std::size_t colon = s.find(':');
    if (numbered_title && colon > 0) {
      keep_title(line, trim_trailing(trim_leading(s, kNumbering), ByteSet(": \r\n0123456789")));
      return false;
    }
  }
  if (dots > 4) {
    const std::size_t dot = k < s.size() ? s.find('.', k) : std::string_view::npos;
    if (numbered_title && dot != std::string_view::npos && dot > 0) {
      keep_title(line, trim_trailing(trim_leading(s, kNumbering), ByteSet(". \r\n0123456789")));
      return false;
    }

    const std::string_view d = trim_trailing(trim_leading(s, ByteSet(" ")), kTrailingPage);
    // A section number such as "IV." or "2.A", a space, then the title.
    const std::size_t run = leading_run(d, kSectionNumber);
    const std::size_t i = run + 1;
    if (i > 1 && i < d.size() && is_upper(d[i]) && d[i - 1] == ' ') {
      const std::size_t leader = d.find('.', i);
      if (leader != std::string_view::npos && leader > 0) {
        const std::string_view title =
            trim_trailing(trim_leading(d.substr(run), ByteSet(" ")), ByteSet(". "));
        if (title.size() < leader) {
          keep_title(line, title);
          return false;
        }
      }
    }

    // A title that starts the line, then the leader.
    const std::size_t first_dot = d.find('.');
    if (begins_upper(d) && first_dot != std::string_view::npos && first_dot > 0) {
      const std::string_view title = trim_trailing(d, ByteSet(". "));
      if (first_dot >= title.size()) {
        keep_title(line, title);
        return false;
      }
    }
  }
  if (colons > 4 && only_of(s, ByteSet(" :0123456789\r\n"))) {
    line.clear();
    return true;
  }
  if (dots > 4 && only_of(s, ByteSet(" .0123456789\r\n"))) {
    line.clear();
    return true;
  }
  return false;
}

bool is_column_or_rule(std::string_view line) {
  const std::string_view rest = trim_trailing(trim_leading(line, ByteSet(" \t")), kLineBlanks);
  if (line.size() - rest.size() > 30) return true;
  if (contains(rest, "        ") || contains(rest, '\t')) return true;
  for (char c : rest) {
    if (c != rest[0] && c != ' ' && c != '\t') return false;
  }
  return true;  // a rule of one repeated character, or a blank line
}

bool is_contact_line(std::string_view line) {
  const std::string_view t = trim_trailing(trim_leading(line, ByteSet(" \t")), kLineBlanks);
  const std::size_t size = t.size();

  const std::size_t digits = leading_run(t, ByteSet("0123456789"));
  if (size < 45 && digits >= 2 && digits < size && t[digits] == ' ' && count_upper(t) > 0 &&
      !contains(t, '.')) {
    return true;  // "12 High Street"
  }
  if (size < 30 && (t.starts_with("Tel") || t.starts_with("Fax")) &&
      only_of(t.substr(3), ByteSet("0123456789 +-().:"))) {
    return true;
  }
  const std::size_t at = t.find('@');
  return size < 45 && at != std::string_view::npos && at > 0 && at + 1 < size &&
         contains(t, '.') && t[at - 1] != ' ' && t[at + 1] != ' ' && count_of(t, ' ') < 3 &&
         t.back() != '.';
}

}  // namespace phx
