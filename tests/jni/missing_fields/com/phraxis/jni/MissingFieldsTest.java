package com.phraxis.jni;

/**
 * The native methods called on objects that lack the fields they use: the
 * create methods give -1 and create nothing, the value getters -1 or -1.0,
 * the text getters null, and no exception reaches Java.
 *
 * <p>Usage: java -Dphraxis.library.path=LIBRARY com.phraxis.jni.MissingFieldsTest
 */
public final class MissingFieldsTest {
  private static int passed;
  private static int failed;

  public static void main(String[] args) {
    System.load(System.getProperty("phraxis.library.path"));
    DocumentMemory doc = new DocumentMemory();
    StopMemory stop = new StopMemory();
    // With a valid-looking handle of 0 the engine would answer 2; the missing
    // field must stop the getters before the engine is called.
    expect(-1, doc.CreateDocumentMemory_helper(), "create document");
    expect(-1, stop.CreateStopMemory_helper(), "create stop memory");
    expect(-1, doc.GetPhraseListSize_helper(0), "phrase count");
    expect(-1, doc.GetHighlightListSize_helper(0), "highlight count");
    expect(-1, doc.GetDocumentLanguage_helper(0), "language");
    expect(-1.0, doc.GetScoreByIndex_helper(0, 0), "score");
    expect(null, doc.GetPhraseByIndex_helper(0, 0), "phrase");
    expect(null, doc.GetHighlightByIndex_helper(0, 0), "highlight");
    System.out.println(passed + " passed, " + failed + " failed");
    System.exit(failed == 0 ? 0 : 1);
  }

  private static void expect(Object expected, Object actual, String what) {
    if (expected == null ? actual == null : expected.equals(actual)) {
      passed++;
    } else {
      failed++;
      System.out.println("FAILED " + what + ": expected " + expected + " but was " + actual);
    }
  }
}
