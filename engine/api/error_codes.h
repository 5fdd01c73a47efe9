// The engine's error codes and their fixed message texts.
#pragma once

namespace phx {

// DO NOT CHANGE THESE VALUES: callers test them.
enum ErrorCode : int {
  kOk = 0,
  kNoMemory = 1,
  kNullDocument = 2,
  kNullStopMemory = 3,
  kBadCharCode = 4,
  kBadLanguage = 5,
  kEnglishStopPhrase = 6,
  kEnglishStopWord = 7,
  kFrenchStopPhrase = 8,
  kFrenchStopWord = 9,
  kJapaneseStopPhrase = 10,
  kGermanStopPhrase = 11,
  kGermanStopWord = 12,
  kSpanishStopPhrase = 13,
  kSpanishStopWord = 14,
  kKoreanStopPhrase = 15,
  kKoreanStopWord = 16,
  kBadPhraseIndex = 17,
  kBadHighlightIndex = 18,
  kBadHighlightType = 19,
  kOddUcs2Length = 21,
  kBadPropId = 22,
  kBadMatchType = 23,
  kBadGoPhrase = 24,
  kDocumentEnded = 25,
  kBadDocument = 26,
  kBadStopMemory = 27,
};

// The message text of a code; the "unknown" text for a code without one.
const char* error_message(int code);

}  // namespace phx
