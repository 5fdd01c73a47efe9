// The e-mail filter: turns messages and mailboxes into the running prose the
// readers should see. It works a line at a time; for each line it writes the
// line (perhaps cleaned), a cleaned subject, or a segment mark (RS and a
// space) in place of a dropped line. Headers, transport lines, MIME
// bookkeeping, non-text parts, quoting, greetings and closings, name and
// address lists, signatures and columns are dropped; quoted-printable text is
// decoded and HTML parts go through the HTML filter.
#pragma once

#include <string_view>

#include "filters/filter_output.h"
#include "filters/filter_states.h"

namespace phx {

// Filters `input` (up to its first zero byte) into `output`. A line not
// finished at the end of the input is held in the state and completed by the
// next call.
// REQUIRES: both states were reset with their table references set.
void filter_email(std::string_view input, EmailFilterState& state, HtmlFilterState& html,
                  FilterOutput& output);

}  // namespace phx
