/*
 * phx_api.h - the PHRAXIS keyphrase engine.
 *
 * PHRAXIS reads one document and returns a short ranked list of key phrases
 * (words and two- and three-word phrases, each with a score) and, on request,
 * highlights: key sentences with the key phrases marked up. It serves English,
 * French, German, Spanish, Japanese and Korean in eight character codes.
 *
 * Conventions
 * -----------
 * - Two opaque handles. A StopMemory holds the built-in word lists of every
 *   language and the stop words, stop phrases and go phrases the caller adds;
 *   one may serve any number of documents. A DocumentMemory holds one document
 *   from its settings to its results and serves exactly one document.
 * - Every function but PhxGetErrorMessage returns an int error code, 0 for
 *   success; PhxGetErrorMessage gives its fixed message text. Checks run in a
 *   fixed order and the first failure decides the result: a null
 *   DocumentMemory (2), a null StopMemory (3), a DocumentMemory not made by
 *   PhxCreateDocumentMemory or already cleared (26), likewise a StopMemory
 *   (27), as far as the function takes these handles; then the arguments.
 *   A failing call changes nothing.
 * - Results travel through out-parameters. A null out-parameter is never
 *   written to; the call still runs its checks and returns their result.
 * - Texts handed out (phrases, highlights, messages) belong to the engine.
 *   Phrase and highlight texts stay valid until PhxClearDocumentMemory; they
 *   are in the document's output code: zero-terminated bytes, or for code 2
 *   (UCS2) zero-terminated 16-bit units in little-endian order. Texts taken
 *   in are copied.
 * - Calls on one DocumentMemory must not overlap. A StopMemory may be shared
 *   by documents read at the same time as long as no word is added to it
 *   meanwhile. The StopMemory given to a document must outlive its reading.
 *
 * Identifiers (DO NOT CHANGE THESE VALUES)
 * -----------
 * LanguageID: 0 automatic (English, French, German or Spanish, identified by
 *   the engine), 1 English, 2 French, 3 Japanese, 4 German, 5 Spanish,
 *   6 Korean.
 * CharCodeID: 0 ISO Latin-1, 1 code page 437, 2 UCS2 (little-endian),
 *   3 Shift-JIS, 4 JIS, 5 EUC-JP, 6 KSC (code page 949), 7 Johap.
 *   Languages 0, 1, 2, 4, 5 accept codes 0 to 2; Japanese 2 to 5; Korean 2,
 *   6 and 7.
 * HighlightType bits: 1 one highlight per sentence, 2 document order, 4 keep
 *   elided text, 8 bold key phrases, 16 grey elided text (implies 4).
 * MatchType bits (go phrases): 1 case-sensitive, 2 whole words, 4 width-
 *   sensitive, 8 accents significant, 16 word by word, 32 ignoring blanks,
 *   64 kana-normalising.
 *
 * Error codes
 * -----------
 *  0 success             1 out of memory         2 DocumentMemory null
 *  3 StopMemory null     4 CharCodeID            5 LanguageID
 *  6-15 stop word or phrase not acceptable (per language)
 * 16 Korean stop word not hangul                17 PhraseIndex
 * 18 HighlightIndex      19 HighlightType        21 odd UCS2 length
 * 22 PropID              23 MatchType            24 go phrase
 * 25 read after the end of the document
 * 26 DocumentMemory not valid                    27 StopMemory not valid
 *
 * Typical use
 * -----------
 *   StopMemory* stop; DocumentMemory* doc;
 *   PhxCreateStopMemory(&stop);
 *   PhxCreateDocumentMemory(&doc);
 *   PhxSetDocumentLanguage(doc, 1);
 *   PhxReadDocumentBuffer(doc, stop, text, length);   (any number of times)
 *   PhxSignalDocumentEnd(doc, stop);
 *   PhxGetPhraseListSize(doc, &n);  PhxGetPhraseByIndex(doc, i, &phrase); ...
 *   PhxClearDocumentMemory(doc);
 *   PhxClearStopMemory(stop);
 */
#ifndef PHX_API_H
#define PHX_API_H

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32) && defined(PHX_BUILDING_LIBRARY)
#define PHX_API __declspec(dllexport)
#elif defined(_WIN32)
#define PHX_API __declspec(dllimport)
#elif defined(__GNUC__)
#define PHX_API __attribute__((visibility("default")))
#else
#define PHX_API
#endif

typedef struct StopMemory StopMemory;
typedef struct DocumentMemory DocumentMemory;

/* ---- Stop memory ---------------------------------------------------------- */

/* Makes a StopMemory holding every language's built-in lists and stores it in
 * *stop. 1 when memory runs out (*stop is then null). */
PHX_API int PhxCreateStopMemory(StopMemory** stop);

/* Adds a stop word: a word that never starts, ends or forms a key phrase.
 * Checks: 3, 27; LanguageID not 1, 2, 4, 5 or 6 gives 5 (Japanese has no stop
 * words); a CharCodeID the language does not accept gives 4. A Latin-script
 * word may hold only lower-case letters, digits, "-" and "/" (else 7 English,
 * 9 French, 12 German, 14 Spanish; a null word too); a Korean word only
 * hangul (else 16). German words are also stored with umlauts folded, Spanish
 * ones with accents folded. An empty word adds nothing and gives 0. */
PHX_API int PhxAddStopWord(StopMemory* stop, int language, int char_code, const char* word);

/* Adds a stop phrase: a word or phrase (words separated by single spaces)
 * that is never output as a key phrase. Checks: 3, 27, 5, 4; a null or empty
 * phrase, or one with a character outside the language's set, gives 6
 * English, 8 French, 10 Japanese, 11 German, 13 Spanish, 15 Korean. */
PHX_API int PhxAddStopPhrase(StopMemory* stop, int language, int char_code, const char* phrase);

/* Adds a go phrase: a phrase to be output as a key phrase wherever it occurs,
 * matched as match_type (0 to 127) says. Checks: 3, 27, 5, 4; match_type out
 * of range 23; a null or empty phrase, or one of 255 bytes (UCS2: units) or
 * more, 24. */
PHX_API int PhxAddGoPhrase(StopMemory* stop, int language, int char_code, const char* phrase,
                           int match_type);

/* Releases a StopMemory and everything in it. Checks: 3, 27. */
PHX_API int PhxClearStopMemory(StopMemory* stop);

/* ---- Document memory: settings --------------------------------------------- */

/* Makes a DocumentMemory for one document and stores it in *doc: language 0
 * (automatic), codes 0, 7 phrases, no filter but the plain-text filter, no
 * highlights. 1 when memory runs out (*doc is then null). */
PHX_API int PhxCreateDocumentMemory(DocumentMemory** doc);

/* Switches on the HTML filter, which uses tables of `stop`. Checks: 2, 3,
 * 26, 27. */
PHX_API int PhxActivateHTMLFilter(DocumentMemory* doc, StopMemory* stop);

/* Switches on the e-mail filter (which passes HTML parts through the HTML
 * filter). Checks: 2, 3, 26, 27. */
PHX_API int PhxActivateEmailFilter(DocumentMemory* doc, StopMemory* stop);

/* Switches off the plain-text filter, which otherwise tidies line layout of
 * Latin-script text when neither other filter is on. Checks: 2, 26. */
PHX_API int PhxDeactivateTextFilter(DocumentMemory* doc);

/* Sets the LanguageID (0 to 6, else 5). Checks: 2, 26. */
PHX_API int PhxSetDocumentLanguage(DocumentMemory* doc, int language);

/* Writes the language: the one set, or once identified the one the engine
 * chose (0 while still unknown). Checks: 2, 26. */
PHX_API int PhxGetDocumentLanguage(DocumentMemory* doc, int* language);

/* Sets the desired number of key phrases: below 3 (or not a number) gives 3,
 * above 30 gives 30, fractions are kept. Checks: 2, 26. */
PHX_API int PhxSetNumberPhrases(DocumentMemory* doc, double number);

/* Set the CharCodeID (0 to 7, else 4) of the buffers passed in, and of the
 * phrases and highlights handed out. Whether the code suits the language is
 * checked when text is read. Checks: 2, 26. */
PHX_API int PhxSetInputCode(DocumentMemory* doc, int char_code);
PHX_API int PhxSetOutputCode(DocumentMemory* doc, int char_code);

/* Asks for highlights: key sentences with the key phrases marked up. Call at
 * most once per document, before the first buffer. Checks: 2, 26. */
PHX_API int PhxActivateHighlights(DocumentMemory* doc);

/* Sets the HighlightType bits (0 to 31, else 19); 16 implies 4. Checks: 2,
 * 26. */
PHX_API int PhxSetHighlightType(DocumentMemory* doc, int highlight_type);

/* ---- Document memory: reading ---------------------------------------------- */

/* Reads the next `length` bytes of the document, in buffers of any size split
 * anywhere (UCS2 text at even byte counts). Checks: 2, 3, 26; 25 once the end
 * of the document has been signalled; 27. Then 4 when the input code does not
 * suit the language, 21 for UCS2 with an odd length, 1 when memory runs out.
 * A null buffer or a length of 0 or less reads nothing and gives 0. */
PHX_API int PhxReadDocumentBuffer(DocumentMemory* doc, StopMemory* stop, const char* buffer,
                                  int length);

/* Ends the document: completes what is pending, identifies the language if
 * it is automatic, and ranks the key phrases (and highlights). Checks: 2, 3,
 * 26, 27; a second call gives 25. A document without candidates yields no
 * phrases and gives 0. */
PHX_API int PhxSignalDocumentEnd(DocumentMemory* doc, StopMemory* stop);

/* ---- Document memory: results ---------------------------------------------- */

/* Writes the number of key phrases (0 before the end). Checks: 2, 26. */
PHX_API int PhxGetPhraseListSize(DocumentMemory* doc, int* count);

/* Writes a reference to key phrase `index` (from 0, best first). Checks: 2,
 * 26; an index outside 0..count-1 gives 17. */
PHX_API int PhxGetPhraseByIndex(DocumentMemory* doc, int index, const char** phrase);

/* Writes the score of key phrase `index`. Checks: 2, 26, 17. */
PHX_API int PhxGetScoreByIndex(DocumentMemory* doc, int index, double* score);

/* Writes the number of highlights. Checks: 2, 26. */
PHX_API int PhxGetHighlightListSize(DocumentMemory* doc, int* count);

/* Writes a reference to highlight `index`. Checks: 2, 26; then *highlight is
 * set to null; an index outside 0..count-1 gives 18. */
PHX_API int PhxGetHighlightByIndex(DocumentMemory* doc, int index, const char** highlight);

/* Writes a document property: 1 words read, 2 content words taken (at most
 * 30001), 3 whether the whole document was taken into account (1) or not (0).
 * Checks: 2, 26; another PropID gives 22. */
PHX_API int PhxGetDocumentProperties(DocumentMemory* doc, int prop_id, int* value);

/* Writes a reference to the fixed message text of an error code; any code
 * without a message gives "ERROR: Error Code is UNKNOWN. \n". */
PHX_API void PhxGetErrorMessage(int code, const char** message);

/* Releases a DocumentMemory; its handle and every text obtained from it are
 * invalid afterwards. Checks: 2, 26. */
PHX_API int PhxClearDocumentMemory(DocumentMemory* doc);

#ifdef __cplusplus
}
#endif

#endif /* PHX_API_H */
