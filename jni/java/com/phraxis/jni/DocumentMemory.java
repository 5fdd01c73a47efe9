package com.phraxis.jni;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.Collections;
import java.util.List;

/**
 * One document on its way through the engine: its settings, the text read so
 * far and, once the end has been signalled, its key phrases, their scores and
 * the highlights. A document memory serves exactly one document; close it
 * (try-with-resources) to release the engine's memory.
 *
 * <pre>{@code
 * try (StopMemory stop = new StopMemory();
 *      DocumentMemory doc = new DocumentMemory()) {
 *   doc.setLanguage(Language.ENGLISH).setInputCode(CharCode.LATIN_1);
 *   doc.read(stop, bytes);            // as many buffers as you like
 *   doc.signalEnd(stop);
 *   for (int i = 0; i < doc.phraseCount(); i++) {
 *     System.out.println(doc.phrase(i) + " " + doc.score(i));
 *   }
 * }
 * }</pre>
 *
 * <p>Every failure of the engine is thrown as a {@link PhraxisException}
 * carrying the engine's code and message. Not thread-safe: calls on one
 * document must not overlap. The stop memory given to a filter or a read must
 * stay open until the document has been read.
 */
public final class DocumentMemory implements AutoCloseable {
  static {
    NativeLibrary.load();
  }

  /** Highlight type bit: one highlight per sentence. */
  public static final int HIGHLIGHT_ONE_PER_SENTENCE = 1;
  /** Highlight type bit: highlights in document order. */
  public static final int HIGHLIGHT_DOCUMENT_ORDER = 2;
  /** Highlight type bit: keep elided text. */
  public static final int HIGHLIGHT_KEEP_ELIDED = 4;
  /** Highlight type bit: key phrases in bold. */
  public static final int HIGHLIGHT_BOLD_PHRASES = 8;
  /** Highlight type bit: elided text in grey (implies keeping it). */
  public static final int HIGHLIGHT_GREY_ELIDED = 16;

  // Read and written by the native bridge; the names and types are fixed.
  long lng_document_mem_ptr;
  int int_last_return_code;
  // The output code last accepted by the engine: decides how long a text is.
  int int_output_code;

  private CharCode inputCode = CharCode.LATIN_1;

  /**
   * Creates a document memory: automatic language, Latin-1 in and out, seven
   * key phrases, the plain-text filter only, no highlights.
   *
   * @throws PhraxisException if the engine cannot create it
   */
  public DocumentMemory() {
    PhraxisException.check(CreateDocumentMemory_helper());
  }

  /** The engine's message text for an error code, exactly as stored. */
  public static String errorMessage(int code) {
    return GetErrorMessage_helper(code);
  }

  // ---- Settings ----

  /** Sets the document's language ({@link Language#AUTOMATIC} to identify it). */
  public DocumentMemory setLanguage(Language language) {
    PhraxisException.check(SetDocumentLanguage_helper(lng_document_mem_ptr, language.id()));
    return this;
  }

  /** Sets the code of the buffers read; it must suit the language (checked on reading). */
  public DocumentMemory setInputCode(CharCode code) {
    PhraxisException.check(SetInputCode_helper(lng_document_mem_ptr, code.id()));
    inputCode = code;
    return this;
  }

  /** Sets the code of the key phrases and highlights handed out. */
  public DocumentMemory setOutputCode(CharCode code) {
    PhraxisException.check(SetOutputCode_helper(lng_document_mem_ptr, code.id()));
    int_output_code = code.id();
    return this;
  }

  /** The code of the buffers read. */
  public CharCode inputCode() {
    return inputCode;
  }

  /** The code of the key phrases and highlights handed out. */
  public CharCode outputCode() {
    return CharCode.fromId(int_output_code);
  }

  /** Sets the desired number of key phrases; the engine holds it within 3 to 30. */
  public DocumentMemory setNumberPhrases(double number) {
    PhraxisException.check(SetNumberPhrases_helper(lng_document_mem_ptr, number));
    return this;
  }

  /** Switches on the HTML filter, which uses tables of {@code stop}. */
  public DocumentMemory activateHtmlFilter(StopMemory stop) {
    PhraxisException.check(ActivateHTMLFilter_helper(lng_document_mem_ptr, stop.lng_stop_mem_ptr));
    return this;
  }

  /** Switches on the e-mail filter, which uses tables of {@code stop}. */
  public DocumentMemory activateEmailFilter(StopMemory stop) {
    PhraxisException.check(
        ActivateEmailFilter_helper(lng_document_mem_ptr, stop.lng_stop_mem_ptr));
    return this;
  }

  /** Asks for highlights; call at most once, before the first buffer. */
  public DocumentMemory activateHighlights() {
    PhraxisException.check(ActivateHighlights_helper(lng_document_mem_ptr));
    return this;
  }

  /** Sets the highlight type: a sum of the {@code HIGHLIGHT_} bits, 0 to 31. */
  public DocumentMemory setHighlightType(int type) {
    PhraxisException.check(SetHighlightType_helper(lng_document_mem_ptr, type));
    return this;
  }

  // ---- Reading ----

  /** Reads the next buffer of the document, in the input code. */
  public void read(StopMemory stop, byte[] buffer) {
    PhraxisException.check(
        ReadDocumentBuffer_helper(lng_document_mem_ptr, stop.lng_stop_mem_ptr, buffer));
  }

  /** Reads {@code length} bytes of {@code buffer} from {@code offset} on. */
  public void read(StopMemory stop, byte[] buffer, int offset, int length) {
    read(stop, Arrays.copyOfRange(buffer, offset, offset + length));
  }

  /** Reads the next piece of the document, encoded in the input code. */
  public void read(StopMemory stop, String text) {
    read(stop, text.getBytes(inputCode.charset()));
  }

  /** Ends the document: the key phrases and highlights are chosen. */
  public void signalEnd(StopMemory stop) {
    PhraxisException.check(SignalDocumentEnd_helper(lng_document_mem_ptr, stop.lng_stop_mem_ptr));
  }

  // ---- Results ----

  /** The language: the one set, or the one identified (automatic while unknown). */
  public Language language() {
    return Language.fromId(checked(GetDocumentLanguage_helper(lng_document_mem_ptr)));
  }

  /** Number of key phrases (0 before the end of the document). */
  public int phraseCount() {
    return checked(GetPhraseListSize_helper(lng_document_mem_ptr));
  }

  /** Key phrase {@code index} (from 0, best first) as bytes in the output code. */
  public byte[] phraseBytes(int index) {
    byte[] phrase = GetPhraseByIndex_helper(lng_document_mem_ptr, index);
    PhraxisException.check(int_last_return_code);
    return phrase;
  }

  /** Key phrase {@code index} (from 0, best first). */
  public String phrase(int index) {
    return decode(phraseBytes(index));
  }

  /** Score of key phrase {@code index}. */
  public double score(int index) {
    double score = GetScoreByIndex_helper(lng_document_mem_ptr, index);
    PhraxisException.check(int_last_return_code);
    return score;
  }

  /** All key phrases, best first. */
  public List<String> phrases() {
    int count = phraseCount();
    List<String> phrases = new ArrayList<>(count);
    for (int i = 0; i < count; i++) {
      phrases.add(phrase(i));
    }
    return Collections.unmodifiableList(phrases);
  }

  /** Number of highlights. */
  public int highlightCount() {
    return checked(GetHighlightListSize_helper(lng_document_mem_ptr));
  }

  /**
   * Highlight {@code index} as bytes in the output code, or null when the
   * engine holds no text at that index.
   */
  public byte[] highlightBytes(int index) {
    byte[] highlight = GetHighlightByIndex_helper(lng_document_mem_ptr, index);
    PhraxisException.check(int_last_return_code);
    return highlight;
  }

  /** Highlight {@code index}, or null when the engine holds no text at that index. */
  public String highlight(int index) {
    byte[] highlight = highlightBytes(index);
    return highlight == null ? null : decode(highlight);
  }

  /** All highlights, in the engine's order. */
  public List<String> highlights() {
    int count = highlightCount();
    List<String> highlights = new ArrayList<>(count);
    for (int i = 0; i < count; i++) {
      String highlight = highlight(i);
      if (highlight != null) {
        highlights.add(highlight);
      }
    }
    return Collections.unmodifiableList(highlights);
  }

  /** The engine's code from the last getter. */
  public int lastReturnCode() {
    return int_last_return_code;
  }

  /** Whether {@link #close()} has released this document memory. */
  public boolean isClosed() {
    return lng_document_mem_ptr == 0;
  }

  /**
   * Releases the engine's document memory and every text in it. Closing
   * twice does nothing.
   *
   * @throws PhraxisException if the engine refuses the handle
   */
  @Override
  public void close() {
    if (lng_document_mem_ptr == 0) {
      return;
    }
    int code = ClearDocumentMemory_helper(lng_document_mem_ptr);
    lng_document_mem_ptr = 0;
    PhraxisException.check(code);
  }

  private int checked(int value) {
    PhraxisException.check(int_last_return_code);
    return value;
  }

  private String decode(byte[] text) {
    return new String(text, outputCode().charset());
  }

  // ---- Native methods of the bridge (names and signatures are fixed). ----

  native int CreateDocumentMemory_helper();

  native int ClearDocumentMemory_helper(long doc);

  native int ActivateHighlights_helper(long doc);

  native int ActivateHTMLFilter_helper(long doc, long stop);

  native int ActivateEmailFilter_helper(long doc, long stop);

  native int SetInputCode_helper(long doc, int code);

  native int SetOutputCode_helper(long doc, int code);

  native int SetDocumentLanguage_helper(long doc, int language);

  native int SetNumberPhrases_helper(long doc, double number);

  native int SetHighlightType_helper(long doc, int type);

  native int ReadDocumentBuffer_helper(long doc, long stop, byte[] buffer);

  native int SignalDocumentEnd_helper(long doc, long stop);

  native int GetPhraseListSize_helper(long doc);

  native int GetHighlightListSize_helper(long doc);

  native int GetDocumentLanguage_helper(long doc);

  native double GetScoreByIndex_helper(long doc, int index);

  native byte[] GetPhraseByIndex_helper(long doc, int index);

  native byte[] GetHighlightByIndex_helper(long doc, int index);

  static native String GetErrorMessage_helper(int code);
}
