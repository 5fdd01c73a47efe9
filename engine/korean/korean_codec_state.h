// What a Korean buffer ends in the middle of, kept for the next buffer of the
// same document: a KSC or Johap lead byte (one for decoding to wide text, one
// for the Johap-to-KSC rewriting before the HTML filter), the byte order of
// UCS2 and an odd UCS2 byte. All zero is the reset state.
#pragma once

namespace phx {

struct KoreanCodecState {
  int lead_pending = 0;            // 1 when a KSC or Johap buffer ended with a lead byte
  unsigned char pending_lead = 0;  // that lead byte
  int johab_lead_pending = 0;      // the same for johab_to_ksc
  unsigned char johab_pending_lead = 0;
  int carry_count = 0;  // 1 when a UCS2 buffer ended with an odd byte
  unsigned char carry_bytes[2] = {0, 0};
  int wide_big_endian = 0;  // byte order of UCS2 input: 0 little-, 1 big-endian
};

inline void reset_korean_codec(KoreanCodecState& state) { state = KoreanCodecState(); }

}  // namespace phx
