// What a Japanese buffer ends in the middle of, kept for the next buffer of
// the same document: a Shift-JIS lead byte, part of a JIS escape sequence or
// of a JIS or EUC-JP pair, the JIS shift modes, the byte order of UCS2 (and
// an odd UCS2 byte). All zero is the reset state.
#pragma once

namespace phx {

struct JapaneseCodecState {
  int lead_pending = 0;            // 1 when a Shift-JIS buffer ended with a lead byte
  unsigned char pending_lead = 0;  // that lead byte
  int carry_count = 0;             // bytes held over (JIS, EUC-JP, an odd UCS2 byte)
  unsigned char carry_bytes[2] = {0, 0};
  int jis_kanji_mode = 0;   // 1 while JIS text is in two-byte mode
  int jis_kana_mode = 0;    // 1 while JIS text is in halfwidth-katakana mode
  int wide_big_endian = 0;  // byte order of UCS2 input: 0 little-, 1 big-endian
};

inline void reset_japanese_codec(JapaneseCodecState& state) { state = JapaneseCodecState(); }

}  // namespace phx
