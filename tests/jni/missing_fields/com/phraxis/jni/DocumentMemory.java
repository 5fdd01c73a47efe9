package com.phraxis.jni;

/**
 * A stand-in for the real class that declares the native methods but none
 * of the fields the bridge looks up, to test the bridge's answer to a
 * missing field.
 */
final class DocumentMemory {
  native int CreateDocumentMemory_helper();

  native int GetPhraseListSize_helper(long doc);

  native int GetHighlightListSize_helper(long doc);

  native int GetDocumentLanguage_helper(long doc);

  native double GetScoreByIndex_helper(long doc, int index);

  native byte[] GetPhraseByIndex_helper(long doc, int index);

  native byte[] GetHighlightByIndex_helper(long doc, int index);
}
