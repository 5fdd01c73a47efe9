// Automatic mode: while the language is unknown, decoded text is held back in
// the document; once English, French, German or Spanish is chosen, everything
// held back is replayed, in order, to that language's reader.
#pragma once

#include <string_view>

struct DocumentMemory;
struct StopMemory;

namespace phx {

enum IdentificationState : int {
  kCollecting = 0,   // language unknown; text is held back
  kChosen = 1,       // a language was chosen; the replay is due
  kReplaying = 2,    // held-back text is being read
  kReplayDone = 3,
};

// The document frame's read of one buffer, which the replay goes through.
using ReadBuffer = int (*)(DocumentMemory& doc, StopMemory& stop, std::string_view text);

// Counts, for each of English, French, German and Spanish, the tokens of the
// text found in that language's lists, and chooses a language as soon as one
// leads each of the others by more than 15 hits. The counts carry over from
// buffer to buffer. 0.
int identify_in_buffer(DocumentMemory& doc, const StopMemory& stop, std::string_view text);

// Appends a copy of the text to the held-back text. 0, or 1.
int hold_back(DocumentMemory& doc, std::string_view text);

// Reads every held-back text through `read`, in order, then releases it.
// 0 or the first error of the reads.
int replay_held_back(DocumentMemory& doc, StopMemory& stop, ReadBuffer read);

// The decision at the end of the document, with a margin of 1 between the
// counts of the four languages; when no language leads, the document stays
// without a language and without candidates.
int identify_at_end(DocumentMemory& doc, StopMemory& stop, ReadBuffer read);

}  // namespace phx
