#include "api/error_codes.h"

#include <array>
#include <cstddef>

namespace phx {
namespace {

constexpr const char* kStopPhraseText = "ERROR: The stop phrase is not entirely lower case. \nIt might contain a capital letter or a non-alphabetic character. \n";
constexpr const char* kStopWordText = "ERROR: The stop word is not entirely lower case. \nIt might contain a capital, a space, or a non-alphabetic character. \n";
constexpr const char* kEmptyPhraseText = "ERROR: The stop phrase is empty. \n";
constexpr const char* kUnknownText = "ERROR: Error Code is UNKNOWN. \n";

// Indexed by code; code 20 has no message.
constexpr std::array<const char*, 28> kMessages = {
    /* 0 */ "ERROR: All is OK. No errors were detected. \n",
    /* 1 */ "ERROR: Memory allocation error. Out of RAM. \n",
    /* 2 */ "ERROR: DocumentMemory pointer is NULL. \n",
    /* 3 */ "ERROR: StopMemory pointer is NULL. \n",
    /* 4 */ "ERROR: CharCodeID is out of range. \n",
    /* 5 */ "ERROR: LanguageID is out of range. \n",
    /* 6 */ kStopPhraseText,
    /* 7 */ kStopWordText,
    /* 8 */ "ERROR: The stop phrase is not entirely lower case. \nIt might contain a capital letter or a non-alphabetic character. \nWords in two- and three-word phrases should be separated by a single space. \nNote that (for example) \"j'ai\" is considered to be a two-word phrase, \nso it would be entered as \"j ai\". \n",
    /* 9 */ "ERROR: The stop word is not entirely lower case. \nIt might contain a capital, a space, or a non-alphabetic character. \nNote that (for example) \"j'ai\" is considered to be a two-word phrase. \n",
    /* 10 */ kEmptyPhraseText,
    /* 11 */ kStopPhraseText,
    /* 12 */ kStopWordText,
    /* 13 */ kStopPhraseText,
    /* 14 */ kStopWordText,
    /* 15 */ kEmptyPhraseText,
    /* 16 */ "ERROR: The stop word is not entirely hangul. \n",
    /* 17 */ "ERROR: PhraseIndex is out of range. \n",
    /* 18 */ "ERROR: HighlightIndex is out of range. \n",
    /* 19 */ "ERROR: HighlightType is out of range. \n",
    nullptr,  // 20
    /* 21 */ "ERROR: When the input character code is Unicode UCS2, the buffer length, \nmeasured in bytes, must be a multiple of two.\n",
    /* 22 */ "ERROR: PropID is out of range.\n",
    /* 23 */ "ERROR: MatchType is out of range.\n",
    /* 24 */ "ERROR: Phrase is not acceptable.\n",
    /* 25 */ "ERROR: PhxReadDocumentBuffer must not be called after PhxSignalDocumentEnd \nhas been called. The current DocumentMemory should be cleared and a new one \nshould be created. \n",
    /* 26 */ "ERROR: PhxCreateDocumentMemory has not been called to create the current \nDocumentMemory or the memory has been corrupted. \n",
    /* 27 */ "ERROR: PhxCreateStopMemory has not been called to create the current \nStopMemory or the memory has been corrupted. \n",
};
static_assert(kMessages.size() == kBadStopMemory + 1, "one entry per code up to the last");

}  // namespace

const char* error_message(int code) {
  if (code < 0 || static_cast<std::size_t>(code) >= kMessages.size() || kMessages[code] == nullptr) {
    return kUnknownText;
  }
  return kMessages[code];
}

}  // namespace phx
