// The tests the plain-text filter runs on one line: table-of-contents
// leader lines, rules and columns, and contact lines (telephone, street
// address, e-mail address).
#pragma once

#include <string_view>

#include "filters/filter_states.h"

namespace phx {

// A table-of-contents entry (number, title, leader dots or colons, page) is
// rewritten as its title between two segment marks; a line of only numbers
// and leaders is emptied and true returned (the line is dropped).
bool drop_leader_line(LineBuffer& line);

// A rule of one repeated character, a blank line, or a line in columns.
bool is_column_or_rule(std::string_view line);

// A street-address, telephone or e-mail-address line.
bool is_contact_line(std::string_view line);

}  // namespace phx
