package com.phraxis.jni;

/**
 * Finds the bridge without the phraxis.library.path property, through
 * java.library.path, and drives one empty document through it.
 */
public final class LibraryLoadTest {
  public static void main(String[] args) {
    Check check = new Check();
    check.group("loading from java.library.path");
    check.isNull(System.getProperty(NativeLibrary.PATH_PROPERTY), "the property is not set");
    try (StopMemory stop = new StopMemory();
        DocumentMemory doc = new DocumentMemory()) {
      doc.setLanguage(Language.ENGLISH).read(stop, "");
      doc.signalEnd(stop);
      check.equal(0, doc.phraseCount(), "an empty document has no phrases");
    }
    System.exit(check.finish());
  }
}
