package com.phraxis.jni;

import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

/**
 * Drives the engine through the Java bridge: the native methods one by one
 * (results, int_last_return_code, the null and -1 paths), the Java face over
 * them, and real documents read through Java and through the C interface
 * (the phrase_dump program), which must give the same phrases, scores and
 * highlights byte for byte.
 *
 * <p>Usage: BridgeTest DATA_DIR PHRASE_DUMP WORK_DIR
 */
public final class BridgeTest {
  private static final String MESSAGE_OK = "ERROR: All is OK. No errors were detected. \n";
  private static final String MESSAGE_DOC_NULL = "ERROR: DocumentMemory pointer is NULL. \n";
  private static final String MESSAGE_STOP_NULL = "ERROR: StopMemory pointer is NULL. \n";
  private static final String MESSAGE_STOP_WORD =
      "ERROR: The stop word is not entirely lower case. \n"
          + "It might contain a capital, a space, or a non-alphabetic character. \n";
  private static final String MESSAGE_PHRASE_INDEX = "ERROR: PhraseIndex is out of range. \n";
  private static final String MESSAGE_PROP_ID = "ERROR: PropID is out of range.\n";
  private static final String MESSAGE_AFTER_END =
      "ERROR: PhxReadDocumentBuffer must not be called after PhxSignalDocumentEnd \n"
          + "has been called. The current DocumentMemory should be cleared and a new one \n"
          + "should be created. \n";
  private static final String MESSAGE_UNKNOWN = "ERROR: Error Code is UNKNOWN. \n";

  private final Check check = new Check();
  private final Path dataDir;
  private final Path phraseDump;
  private final Path workDir;

  private BridgeTest(Path dataDir, Path phraseDump, Path workDir) {
    this.dataDir = dataDir;
    this.phraseDump = phraseDump;
    this.workDir = workDir;
  }

  public static void main(String[] args) throws Exception {
    if (args.length != 3) {
      System.err.println("usage: BridgeTest DATA_DIR PHRASE_DUMP WORK_DIR");
      System.exit(2);
    }
    BridgeTest test = new BridgeTest(Path.of(args[0]), Path.of(args[1]), Path.of(args[2]));
    Files.createDirectories(test.workDir);
    System.exit(test.run());
  }

  private interface Group {
    void run() throws Exception;
  }

  private int run() {
    runGroup("error messages", this::errorMessages);
    runGroup("create and clear", this::createAndClear);
    runGroup("getters on a document without results", this::gettersWithoutResults);
    runGroup("getters and setters given a null handle", this::nullHandles);
    runGroup("buffers are measured by their arrays", this::bufferLengths);
    runGroup("stop words and stop phrases", this::stopWords);
    runGroup("the Java face", this::javaFace);
    runGroup("documents through Java and through C", this::roundTrips);
    runGroup("an ended document", this::endedDocument);
    return check.finish();
  }

  private void runGroup(String name, Group group) {
    check.group(name);
    try {
      group.run();
    } catch (Exception | Error e) {
      check.unexpected(e);
    }
  }

  // ---- The native methods ----

  private void errorMessages() {
    Object[][] cases = {
      {0, MESSAGE_OK},
      {2, MESSAGE_DOC_NULL},
      {3, MESSAGE_STOP_NULL},
      {7, MESSAGE_STOP_WORD},
      {17, MESSAGE_PHRASE_INDEX},
      {22, MESSAGE_PROP_ID},
      {25, MESSAGE_AFTER_END},
      {20, MESSAGE_UNKNOWN},
      {28, MESSAGE_UNKNOWN},
      {-1, MESSAGE_UNKNOWN},
    };
    for (Object[] c : cases) {
      int code = (Integer) c[0];
      check.equal(c[1], DocumentMemory.GetErrorMessage_helper(code), "DocumentMemory message " + code);
      check.equal(c[1], StopMemory.GetErrorMessage_helper(code), "StopMemory message " + code);
    }
    PhraxisException error = new PhraxisException(25);
    check.equal(25, error.code(), "exception code");
    check.equal(MESSAGE_AFTER_END, error.engineMessage(), "exception engine message");
    check.equal(MESSAGE_AFTER_END.strip(), error.getMessage(), "exception message");
  }

  private void createAndClear() {
    DocumentMemory doc = new DocumentMemory();
    check.isTrue(doc.lng_document_mem_ptr != 0, "the document handle is stored");
    check.equal(0, doc.ClearDocumentMemory_helper(doc.lng_document_mem_ptr), "clear document");
    doc.lng_document_mem_ptr = 0;
    check.equal(2, doc.ClearDocumentMemory_helper(0), "clear a null document");

    StopMemory stop = new StopMemory();
    check.isTrue(stop.lng_stop_mem_ptr != 0, "the stop handle is stored");
    check.equal(0, stop.ClearStopMemory_helper(stop.lng_stop_mem_ptr), "clear stop memory");
    stop.lng_stop_mem_ptr = 0;
    check.equal(3, stop.ClearStopMemory_helper(0), "clear a null stop memory");
  }

  private void gettersWithoutResults() {
    try (DocumentMemory doc = new DocumentMemory()) {
      long handle = doc.lng_document_mem_ptr;
      doc.int_last_return_code = 99;
      check.equal(0, doc.GetPhraseListSize_helper(handle), "phrase count");
      check.equal(0, doc.int_last_return_code, "phrase count code");
      check.equal(0, doc.GetHighlightListSize_helper(handle), "highlight count");

      // An index equal to the count is out of range.
      doc.int_last_return_code = 99;
      check.isNull(doc.GetPhraseByIndex_helper(handle, 0), "phrase at the count");
      check.equal(17, doc.int_last_return_code, "phrase at the count code");
      doc.int_last_return_code = 99;
      check.isNull(doc.GetPhraseByIndex_helper(handle, -1), "phrase -1");
      check.equal(17, doc.int_last_return_code, "phrase -1 code");
      doc.int_last_return_code = 99;
      check.equal(-1.0, doc.GetScoreByIndex_helper(handle, 0), "score at the count");
      check.equal(17, doc.int_last_return_code, "score at the count code");
      doc.int_last_return_code = 99;
      check.isNull(doc.GetHighlightByIndex_helper(handle, 0), "highlight at the count");
      check.equal(18, doc.int_last_return_code, "highlight at the count code");

      check.equal(0, doc.SetDocumentLanguage_helper(handle, 4), "set German");
      doc.int_last_return_code = 99;
      check.equal(4, doc.GetDocumentLanguage_helper(handle), "language");
      check.equal(0, doc.int_last_return_code, "language code");
    }
  }

  private interface Call {
    Object run(DocumentMemory doc, long docHandle, long stopHandle);
  }

  private void nullHandles() {
    try (StopMemory stop = new StopMemory();
        DocumentMemory doc = new DocumentMemory()) {
      long d = doc.lng_document_mem_ptr;
      long s = stop.lng_stop_mem_ptr;
      // name, call, expected result, expected int_last_return_code (null: untouched)
      Object[][] cases = {
        {"phrase count", (Call) (m, dd, ss) -> m.GetPhraseListSize_helper(0), -1, 2},
        {"highlight count", (Call) (m, dd, ss) -> m.GetHighlightListSize_helper(0), -1, 2},
        {"language", (Call) (m, dd, ss) -> m.GetDocumentLanguage_helper(0), -1, 2},
        {"score", (Call) (m, dd, ss) -> m.GetScoreByIndex_helper(0, 0), -1.0, 2},
        {"phrase", (Call) (m, dd, ss) -> m.GetPhraseByIndex_helper(0, 0), null, 2},
        {"highlight", (Call) (m, dd, ss) -> m.GetHighlightByIndex_helper(0, 0), null, 2},
        {"set language", (Call) (m, dd, ss) -> m.SetDocumentLanguage_helper(0, 1), 2, null},
        {"language 7", (Call) (m, dd, ss) -> m.SetDocumentLanguage_helper(dd, 7), 5, null},
        {"input code 8", (Call) (m, dd, ss) -> m.SetInputCode_helper(dd, 8), 4, null},
        {"output code -1", (Call) (m, dd, ss) -> m.SetOutputCode_helper(dd, -1), 4, null},
        {"highlight type 32", (Call) (m, dd, ss) -> m.SetHighlightType_helper(dd, 32), 19, null},
        {"highlight type 16", (Call) (m, dd, ss) -> m.SetHighlightType_helper(dd, 16), 0, null},
        {"phrases 2.2", (Call) (m, dd, ss) -> m.SetNumberPhrases_helper(dd, 2.2), 0, null},
        {"phrases null doc", (Call) (m, dd, ss) -> m.SetNumberPhrases_helper(0, 7), 2, null},
        {"highlights", (Call) (m, dd, ss) -> m.ActivateHighlights_helper(0), 2, null},
        {"HTML filter", (Call) (m, dd, ss) -> m.ActivateHTMLFilter_helper(dd, 0), 3, null},
        {"HTML filter doc", (Call) (m, dd, ss) -> m.ActivateHTMLFilter_helper(0, ss), 2, null},
        {"e-mail filter", (Call) (m, dd, ss) -> m.ActivateEmailFilter_helper(dd, 0), 3, null},
        {"e-mail filter doc", (Call) (m, dd, ss) -> m.ActivateEmailFilter_helper(0, 0), 2, null},
        {"read", (Call) (m, dd, ss) -> m.ReadDocumentBuffer_helper(dd, 0, new byte[] {'a'}), 3, null},
        {"read doc", (Call) (m, dd, ss) -> m.ReadDocumentBuffer_helper(0, ss, new byte[1]), 2, null},
        {"end", (Call) (m, dd, ss) -> m.SignalDocumentEnd_helper(dd, 0), 3, null},
        {"end doc", (Call) (m, dd, ss) -> m.SignalDocumentEnd_helper(0, ss), 2, null},
      };
      for (Object[] c : cases) {
        doc.int_last_return_code = 99;
        Object result = ((Call) c[1]).run(doc, d, s);
        check.equal(c[2], result, c[0] + " result");
        check.equal(c[3] == null ? 99 : c[3], doc.int_last_return_code, c[0] + " code field");
      }
    }
  }

  private void bufferLengths() {
    try (StopMemory stop = new StopMemory();
        DocumentMemory doc = new DocumentMemory()) {
      long d = doc.lng_document_mem_ptr;
      long s = stop.lng_stop_mem_ptr;
      check.equal(0, doc.SetDocumentLanguage_helper(d, 1), "English");
      check.equal(0, doc.SetInputCode_helper(d, 2), "UCS2 input");
      // UCS2 of odd length is refused: the length given is the array's.
      check.equal(21, doc.ReadDocumentBuffer_helper(d, s, new byte[1]), "1 byte");
      check.equal(21, doc.ReadDocumentBuffer_helper(d, s, new byte[] {'a', 0, 'b'}), "3 bytes");
      check.equal(0, doc.ReadDocumentBuffer_helper(d, s, new byte[0]), "empty array");
      check.equal(0, doc.ReadDocumentBuffer_helper(d, s, null), "null array");
      byte[] tide = "tide ".getBytes(StandardCharsets.UTF_16LE);
      byte[] copy = tide.clone();
      check.equal(0, doc.ReadDocumentBuffer_helper(d, s, tide), "a word");
      check.equal(copy, tide, "the array is left as it was");
    }
  }

  private void stopWords() {
    try (StopMemory stop = new StopMemory()) {
      long s = stop.lng_stop_mem_ptr;
      byte[] widget = "widget".getBytes(StandardCharsets.ISO_8859_1);
      Object[][] cases = {
        {"no terminator", 1, 0, widget, 0},
        {"with terminator", 1, 0, terminated("gadget"), 0},
        {"capital", 1, 0, terminated("Widget"), 7},
        {"French capital", 2, 0, terminated("Chose"), 9},
        {"UCS2", 1, 2, "sprocket".getBytes(StandardCharsets.UTF_16LE), 0},
        {"UCS2 capital", 1, 2, "Sprocket".getBytes(StandardCharsets.UTF_16LE), 7},
        {"language 9", 9, 0, widget, 5},
        {"Japanese", 3, 2, widget, 5},
        {"code for Japanese", 1, 3, widget, 4},
        {"null word", 1, 0, null, 7},
        {"Korean latin letters", 6, 2, "abc".getBytes(StandardCharsets.UTF_16LE), 16},
      };
      for (Object[] c : cases) {
        check.equal(c[4], stop.AddStopWord_helper(s, (Integer) c[1], (Integer) c[2], (byte[]) c[3]),
            "stop word, " + c[0]);
      }
      check.equal(0, stop.AddStopWord_helper(s, 1, 0, new byte[0]), "empty stop word");
      check.equal(3, stop.AddStopWord_helper(0, 1, 0, widget), "stop word, null stop memory");
      check.equal(widget, "widget".getBytes(StandardCharsets.ISO_8859_1), "the word is left as it was");
      // An odd UCS2 array is terminated by the bridge, never read past.
      int odd = stop.AddStopWord_helper(s, 1, 2, new byte[] {'a', 0, 'b'});
      check.isTrue(odd >= 0 && odd <= 27, "odd UCS2 stop word gives an engine code, " + odd);

      check.equal(0, stop.AddStopPhrase_helper(s, 1, 0, terminated("tidal basin")), "stop phrase");
      check.equal(0, stop.AddStopPhrase_helper(s, 1, 0, "sea wall".getBytes(StandardCharsets.ISO_8859_1)),
          "stop phrase without terminator");
      check.equal(6, stop.AddStopPhrase_helper(s, 1, 0, new byte[0]), "empty stop phrase");
      check.equal(6, stop.AddStopPhrase_helper(s, 1, 0, null), "null stop phrase");
      check.equal(10, stop.AddStopPhrase_helper(s, 3, 3, new byte[0]), "empty Japanese stop phrase");
      check.equal(5, stop.AddStopPhrase_helper(s, 7, 0, terminated("x")), "stop phrase language 7");
      check.equal(3, stop.AddStopPhrase_helper(0, 1, 0, terminated("x")), "stop phrase, null stop");
    }
  }

  // ---- The Java face ----

  private void javaFace() {
    StopMemory outerStop;
    DocumentMemory outerDoc;
    try (StopMemory stop = new StopMemory();
        DocumentMemory doc = new DocumentMemory()) {
      outerStop = stop;
      outerDoc = doc;
      check.equal(Language.AUTOMATIC, doc.language(), "language at creation");
      check.equal(CharCode.LATIN_1, doc.outputCode(), "output code at creation");
      doc.setLanguage(Language.SPANISH).setNumberPhrases(2.2).setHighlightType(16);
      check.equal(Language.SPANISH, doc.language(), "language set");
      doc.setOutputCode(CharCode.UCS2);
      check.equal(2, doc.int_output_code, "int_output_code follows the output code");
      check.throwsEngineError(17, () -> doc.phrase(0), "phrase before the end");
      check.throwsEngineError(17, () -> doc.score(3), "score before the end");
      check.throwsEngineError(18, () -> doc.highlight(0), "highlight before the end");
      check.throwsEngineError(19, () -> doc.setHighlightType(32), "highlight type 32");
      check.throwsEngineError(4, () -> doc.setInputCode(CharCode.KSC).read(stop, "palabra"),
          "Korean code for Spanish");
      check.equal(List.of(), doc.phrases(), "no phrases");
      check.equal(List.of(), doc.highlights(), "no highlights");

      stop.addStopWord(Language.ENGLISH, "widget");
      stop.addStopPhrase(Language.ENGLISH, "tidal basin");
      stop.addStopWord(Language.ENGLISH, CharCode.LATIN_1, "gadget".getBytes(StandardCharsets.ISO_8859_1));
      PhraxisException error =
          check.throwsEngineError(7, () -> stop.addStopWord(Language.ENGLISH, "Widget"), "capital");
      if (error != null) {
        check.equal(MESSAGE_STOP_WORD.strip(), error.getMessage(), "exception message");
      }
      check.throwsEngineError(6, () -> stop.addStopPhrase(Language.ENGLISH, ""), "empty stop phrase");
    }
    check.isTrue(outerDoc.isClosed(), "the document is closed by try-with-resources");
    check.isTrue(outerStop.isClosed(), "the stop memory is closed by try-with-resources");
    outerDoc.close();
    outerStop.close();
    check.throwsEngineError(2, outerDoc::phraseCount, "a closed document");
    check.throwsEngineError(3, () -> outerStop.addStopWord(Language.ENGLISH, "x"), "a closed stop memory");

    check.equal(Language.KOREAN, Language.fromId(6), "language 6");
    check.equal(CharCode.JOHAP, CharCode.fromId(7), "code 7");
    for (CharCode code : CharCode.values()) {
      check.isTrue(code.charset() != null, "charset of " + code);
    }
  }

  // ---- Real documents ----

  /** One way of reading a document. */
  private static final class Reading {
    final String file;
    final Language language;
    final CharCode input;
    final CharCode output;
    final boolean highlights;
    final boolean html;
    final int chunk;
    final String stopPhrase;

    Reading(String file, Language language, CharCode input, CharCode output, boolean highlights,
        boolean html, int chunk, String stopPhrase) {
      this.file = file;
      this.language = language;
      this.input = input;
      this.output = output;
      this.highlights = highlights;
      this.html = html;
      this.chunk = chunk;
      this.stopPhrase = stopPhrase;
    }

    @Override
    public String toString() {
      return file + " " + language + " " + input + "->" + output + (html ? " html" : "")
          + (stopPhrase != null ? " stop '" + stopPhrase + "'" : "") + " chunk " + chunk;
    }
  }

  /** The results of one reading, as the Java side saw them. */
  private static final class Results {
    String dump;
    final List<byte[]> phrases = new ArrayList<>();
    final List<Double> scores = new ArrayList<>();
    final List<String> phraseStrings = new ArrayList<>();
  }

  private void roundTrips() throws Exception {
    String tidal = "tidal_power.txt";
    Reading latin1 = new Reading(tidal, Language.ENGLISH, CharCode.LATIN_1, CharCode.LATIN_1, true,
        false, 4096, null);
    Reading ucs2Out = new Reading(tidal, Language.ENGLISH, CharCode.LATIN_1, CharCode.UCS2, true,
        false, 100, null);
    Reading ucs2InOut = new Reading(tidal, Language.ENGLISH, CharCode.UCS2, CharCode.UCS2, true,
        false, 64, null);
    Reading cp437 = new Reading(tidal, Language.ENGLISH, CharCode.LATIN_1, CharCode.CP437, false,
        false, 1000, null);
    Reading automatic = new Reading(tidal, Language.AUTOMATIC, CharCode.LATIN_1, CharCode.LATIN_1,
        true, false, 333, null);
    Reading html = new Reading("honey_bees.html", Language.ENGLISH, CharCode.LATIN_1,
        CharCode.LATIN_1, true, true, 512, null);
    Results latin1Results = roundTrip(latin1);
    Results ucs2Results = roundTrip(ucs2Out);
    Results ucs2InResults = roundTrip(ucs2InOut);
    Results cp437Results = roundTrip(cp437);
    roundTrip(automatic);
    Results htmlResults = roundTrip(html);

    // What the documents are about.
    int count = latin1Results.phrases.size();
    check.isTrue(count >= 3, "an English document gives key phrases, " + count);
    for (String phrase : List.of("tidal power", "turbines", "barrage", "Rance")) {
      check.isTrue(latin1Results.phraseStrings.contains(phrase),
          "'" + phrase + "' among " + latin1Results.phraseStrings);
    }
    for (String phrase : List.of("honey", "worker bees")) {
      check.isTrue(htmlResults.phraseStrings.contains(phrase),
          "'" + phrase + "' among " + htmlResults.phraseStrings);
    }
    check.equal(latin1Results.phraseStrings, cp437Results.phraseStrings, "code page 437 output");
    check.equal(count, ucs2Results.phrases.size(), "UCS2 output: same number of phrases");
    for (int i = 0; i < Math.min(count, ucs2Results.phrases.size()); i++) {
      byte[] narrow = latin1Results.phrases.get(i);
      byte[] wide = ucs2Results.phrases.get(i);
      check.equal(2 * narrow.length, wide.length, "UCS2 phrase " + i + " has twice the bytes");
      check.equal(new String(narrow, StandardCharsets.ISO_8859_1),
          new String(wide, StandardCharsets.UTF_16LE), "UCS2 phrase " + i + " text");
      check.equal(latin1Results.scores.get(i), ucs2Results.scores.get(i), "UCS2 score " + i);
    }
    int rance = ucs2Results.phraseStrings.indexOf("Rance");
    check.isTrue(rance >= 0, "'Rance' among the UCS2 phrases");
    if (rance >= 0) {
      check.equal(10, ucs2Results.phrases.get(rance).length, "5 characters in UCS2 are 10 bytes");
    }
    check.equal(ucs2Results.dump, ucs2InResults.dump, "UCS2 input reads like Latin-1 input");
    check.equal(latin1Results.phraseStrings, ucs2Results.phraseStrings, "phrases() in both codes");

    // A stop phrase added through Java (as UCS2) and through C (as Latin-1)
    // removes the same phrase.
    String stopPhrase = "tidal power";
    Results stopped = roundTrip(new Reading(tidal, Language.ENGLISH, CharCode.LATIN_1,
        CharCode.LATIN_1, true, false, 4096, stopPhrase));
    check.isTrue(!stopped.phraseStrings.contains(stopPhrase),
        "stop phrase '" + stopPhrase + "' left out of " + stopped.phraseStrings);
  }

  /** Reads a document through Java and through C; checks that both agree. */
  private Results roundTrip(Reading reading) throws Exception {
    byte[] latin1 = Files.readAllBytes(dataDir.resolve(reading.file));
    Path file = dataDir.resolve(reading.file);
    byte[] document = latin1;
    if (reading.input == CharCode.UCS2) {
      String text = new String(latin1, StandardCharsets.ISO_8859_1);
      document = text.getBytes(StandardCharsets.UTF_16LE);
      file = workDir.resolve(reading.file + ".ucs2");
      Files.write(file, document);
    }
    Results java = readThroughJava(reading, document);
    String c = readThroughC(reading, file);
    check.equal(c, java.dump, "Java and C agree: " + reading);
    return java;
  }

  private Results readThroughJava(Reading reading, byte[] document) {
    try (StopMemory stop = new StopMemory();
        DocumentMemory doc = new DocumentMemory()) {
      if (reading.stopPhrase != null) {
        stop.addStopPhrase(reading.language, reading.stopPhrase);
      }
      doc.setLanguage(reading.language).setInputCode(reading.input).setOutputCode(reading.output);
      if (reading.html) {
        doc.activateHtmlFilter(stop);
      }
      if (reading.highlights) {
        doc.activateHighlights();
      }
      for (int start = 0; start < document.length; start += reading.chunk) {
        doc.read(stop, document, start, Math.min(reading.chunk, document.length - start));
      }
      doc.signalEnd(stop);

      StringBuilder dump = new StringBuilder();
      dump.append("language ").append(doc.language().id()).append('\n');
      int count = doc.phraseCount();
      dump.append("phrases ").append(count).append('\n');
      Results results = new Results();
      for (int i = 0; i < count; i++) {
        byte[] phrase = doc.phraseBytes(i);
        double score = doc.score(i);
        check.equal(0, doc.lastReturnCode(), "score " + i + " code");
        results.phrases.add(phrase);
        results.scores.add(score);
        results.phraseStrings.add(doc.phrase(i));
        dump.append("phrase ").append(hex(phrase)).append(' ')
            .append(String.format("%016x", Double.doubleToRawLongBits(score))).append('\n');
      }
      check.equal(results.phraseStrings, doc.phrases(), "phrases() " + reading);
      // Past the last phrase: null and 17.
      check.isNull(doc.GetPhraseByIndex_helper(doc.lng_document_mem_ptr, count),
          "phrase at the count " + reading);
      check.equal(17, doc.int_last_return_code, "phrase at the count code " + reading);

      int highlights = doc.highlightCount();
      dump.append("highlights ").append(highlights).append('\n');
      for (int i = 0; i < highlights; i++) {
        byte[] highlight = doc.highlightBytes(i);
        dump.append("highlight ").append(highlight == null ? "null" : hex(highlight)).append('\n');
      }
      results.dump = dump.toString();
      return results;
    }
  }

  private String readThroughC(Reading reading, Path file) throws IOException, InterruptedException {
    List<String> command = new ArrayList<>(Arrays.asList(phraseDump.toString(), file.toString(),
        Integer.toString(reading.language.id()), Integer.toString(reading.input.id()),
        Integer.toString(reading.output.id()), reading.highlights ? "1" : "0",
        reading.html ? "1" : "0", Integer.toString(reading.chunk)));
    if (reading.stopPhrase != null) {
      command.add(reading.stopPhrase);
    }
    Process process = new ProcessBuilder(command).redirectError(ProcessBuilder.Redirect.INHERIT).start();
    String output;
    try (InputStream out = process.getInputStream()) {
      output = new String(readAll(out), StandardCharsets.US_ASCII);
    }
    check.equal(0, process.waitFor(), "phrase_dump exit status: " + reading);
    return output;
  }

  private void endedDocument() throws IOException {
    byte[] document = Files.readAllBytes(dataDir.resolve("tidal_power.txt"));
    try (StopMemory stop = new StopMemory();
        DocumentMemory doc = new DocumentMemory()) {
      doc.setLanguage(Language.ENGLISH);
      doc.read(stop, document);
      doc.signalEnd(stop);
      check.isTrue(doc.phraseCount() > 0, "the document has key phrases");
      long d = doc.lng_document_mem_ptr;
      long s = stop.lng_stop_mem_ptr;
      check.equal(25, doc.ReadDocumentBuffer_helper(d, s, new byte[] {'a'}), "read after the end");
      check.equal(25, doc.SignalDocumentEnd_helper(d, s), "second end");
      check.throwsEngineError(25, () -> doc.read(stop, "more"), "read after the end");
    }
  }

  // ---- Helpers ----

  private static byte[] terminated(String text) {
    byte[] bytes = text.getBytes(StandardCharsets.ISO_8859_1);
    return Arrays.copyOf(bytes, bytes.length + 1);
  }

  private static String hex(byte[] bytes) {
    StringBuilder out = new StringBuilder(bytes.length * 2);
    for (byte b : bytes) {
      out.append(String.format("%02x", b & 0xff));
    }
    return out.toString();
  }

  private static byte[] readAll(InputStream in) throws IOException {
    ByteArrayOutputStream out = new ByteArrayOutputStream();
    in.transferTo(out);
    return out.toByteArray();
  }
}
