package com.phraxis.jni;

import java.nio.charset.Charset;

/**
 * The character codes of the engine, with their fixed CharCodeIDs and the
 * Java charsets that encode and decode the same bytes.
 *
 * <p>English, French, German and Spanish (and automatic identification)
 * accept {@link #LATIN_1}, {@link #CP437} and {@link #UCS2}; Japanese accepts
 * {@link #UCS2}, {@link #SHIFT_JIS}, {@link #JIS} and {@link #EUC_JP}; Korean
 * accepts {@link #UCS2}, {@link #KSC} and {@link #JOHAP}.
 */
public enum CharCode {
  /** ISO Latin-1 (ISO-8859-1). */
  LATIN_1(0, "ISO-8859-1"),
  /** MS-DOS code page 437. */
  CP437(1, "IBM437"),
  /** UCS2, 16-bit units in little-endian order, without byte-order mark. */
  UCS2(2, "UTF-16LE"),
  /** Shift-JIS (code page 932). */
  SHIFT_JIS(3, "windows-31j"),
  /** JIS (ISO-2022-JP). */
  JIS(4, "ISO-2022-JP"),
  /** EUC-JP. */
  EUC_JP(5, "EUC-JP"),
  /** KSC: KS X 1001, EUC-KR, code page 949. */
  KSC(6, "x-windows-949"),
  /** Johap. */
  JOHAP(7, "x-Johab");

  private final int id;
  private final String charsetName;

  CharCode(int id, String charsetName) {
    this.id = id;
    this.charsetName = charsetName;
  }

  /** The engine's CharCodeID. */
  public int id() {
    return id;
  }

  /**
   * The Java charset for texts in this code.
   *
   * @throws java.nio.charset.UnsupportedCharsetException if this Java runtime
   *     lacks it
   */
  public Charset charset() {
    return Charset.forName(charsetName);
  }

  /** Number of zero bytes that terminate a text in this code. */
  int terminatorLength() {
    return this == UCS2 ? 2 : 1;
  }

  /**
   * The code with the given CharCodeID.
   *
   * @throws IllegalArgumentException if no code has that id
   */
  public static CharCode fromId(int id) {
    for (CharCode code : values()) {
      if (code.id == id) {
        return code;
      }
    }
    throw new IllegalArgumentException("no character code has the id " + id);
  }
}
