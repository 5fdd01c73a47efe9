package com.phraxis.jni;

import java.util.Arrays;

/**
 * The engine's stop memory: the built-in word lists of every language and
 * the stop words and stop phrases the caller adds. One stop memory may serve
 * any number of documents; it must stay open while a document that uses it is
 * read. Close it (try-with-resources) to release the engine's memory.
 *
 * <pre>{@code
 * try (StopMemory stop = new StopMemory()) {
 *   stop.addStopWord(Language.ENGLISH, "widget");
 *   ...
 * }
 * }</pre>
 *
 * <p>Not thread-safe: words must not be added while documents are read.
 */
public final class StopMemory implements AutoCloseable {
  static {
    NativeLibrary.load();
  }

  // Read and written by the native bridge; the names and types are fixed.
  long lng_stop_mem_ptr;

  /**
   * Creates a stop memory holding every language's built-in lists.
   *
   * @throws PhraxisException if the engine cannot create it
   */
  public StopMemory() {
    PhraxisException.check(CreateStopMemory_helper());
  }

  /**
   * Adds a stop word, given as bytes in {@code code} (a terminator is not
   * needed). A word never starts, ends or forms a key phrase.
   *
   * @throws PhraxisException with the engine's code if the word is refused
   */
  public void addStopWord(Language language, CharCode code, byte[] word) {
    PhraxisException.check(
        AddStopWord_helper(lng_stop_mem_ptr, language.id(), code.id(), terminated(word, code)));
  }

  /** Adds a stop word given as a string; it is passed to the engine as UCS2. */
  public void addStopWord(Language language, String word) {
    addStopWord(language, CharCode.UCS2, word.getBytes(CharCode.UCS2.charset()));
  }

  /**
   * Adds a stop phrase (words separated by single spaces), given as bytes in
   * {@code code}. A stop phrase is never output as a key phrase.
   *
   * @throws PhraxisException with the engine's code if the phrase is refused
   */
  public void addStopPhrase(Language language, CharCode code, byte[] phrase) {
    PhraxisException.check(
        AddStopPhrase_helper(lng_stop_mem_ptr, language.id(), code.id(), terminated(phrase, code)));
  }

  /** Adds a stop phrase given as a string; it is passed to the engine as UCS2. */
  public void addStopPhrase(Language language, String phrase) {
    addStopPhrase(language, CharCode.UCS2, phrase.getBytes(CharCode.UCS2.charset()));
  }

  /** Whether {@link #close()} has released this stop memory. */
  public boolean isClosed() {
    return lng_stop_mem_ptr == 0;
  }

  /**
   * Releases the engine's stop memory. Closing twice does nothing.
   *
   * @throws PhraxisException if the engine refuses the handle
   */
  @Override
  public void close() {
    if (lng_stop_mem_ptr == 0) {
      return;
    }
    int code = ClearStopMemory_helper(lng_stop_mem_ptr);
    lng_stop_mem_ptr = 0;
    PhraxisException.check(code);
  }

  // The engine reads a word up to its terminator, so the array carries one.
  private static byte[] terminated(byte[] text, CharCode code) {
    return text == null ? null : Arrays.copyOf(text, text.length + code.terminatorLength());
  }

  // ---- Native methods of the bridge (names and signatures are fixed). ----

  native int CreateStopMemory_helper();

  native int ClearStopMemory_helper(long stop);

  native int AddStopWord_helper(long stop, int language, int code, byte[] word);

  native int AddStopPhrase_helper(long stop, int language, int code, byte[] phrase);

  static native String GetErrorMessage_helper(int code);
}
