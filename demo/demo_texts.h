// Every fixed text the console program prints, in the order of the dialogue.
#pragma once

namespace phx_demo::text {

inline constexpr char kTitle[] = "                               PHRAXIS 7.2\n\n";
inline constexpr char kAbout[] =
    "PHRAXIS is software that takes a text file and produces a list of key words\n"
    "and key phrases that sum the document up, and a list of key sentences in which\n"
    "they are marked. It reads English, French, Japanese, German, Spanish and\n"
    "Korean text.\n\n";
inline constexpr char kFileIntro[] =
    "Please enter the name of the text file. A blank entry will cause the program to\nexit. "
    "The file may contain plain ASCII text, HTML, or e-mail. If the file is\nnot in the "
    "current working directory, you can enter the full path name.\n\n";
inline constexpr char kFilePrompt[] = "File Name > ";
inline constexpr char kExiting[] = "\n\nExiting, as requested. \n\n";
inline constexpr char kCannotOpen[] = "\n\nERROR: cannot open file \"%s\". \n\n";
inline constexpr char kEmptyFile[] = "\n\nERROR: empty file \"%s\". \n\n";
inline constexpr char kEngineFailure[] = "\n\n%s\n\n";

inline constexpr char kLanguageMenu[] =
    "\nSelect a language for the document or let PHRAXIS guess. Enter a\nblank line for the "
    "default value (0 = Automatic) or enter a number.\n\n   0 = Automatic    Automatically "
    "detect English, French, German, or Spanish.\n   1 = English      Force PHRAXIS to "
    "interpret the document as English.\n   2 = French       Force PHRAXIS to interpret the "
    "document as French.\n   3 = Japanese     Force PHRAXIS to interpret the document as "
    "Japanese.\n   4 = German       Force PHRAXIS to interpret the document as German.\n   5 = "
    "Spanish      Force PHRAXIS to interpret the document as Spanish.\n   6 = Korean       "
    "Force PHRAXIS to interpret the document as Korean.\n\nNote that automatic detection is "
    "not currently available for Japanese and\nKorean.\n\n";
inline constexpr char kLanguagePrompt[] = "Language > ";
inline constexpr char kLanguageAutomatic[] = "\nPHRAXIS will automatically detect the language.\n";
inline constexpr char kNotANumber[] = "\n\nERROR: your input is not a valid number.\n\n";
inline constexpr char kOutOfRange[] = "\n\nERROR: your input is out of range.\n\n";
inline constexpr char kLanguageSet[] = "\nLanguage is set to %d. \n";

inline constexpr char kHtmlQuestion[] =
    "\nIf the input file contains HTML (HyperText Markup Language), then the markup\ncommands "
    "should be removed. Would you like to run an HTML filter on the input\ntext file? Enter a "
    "blank line for the default value (no HTML filter) or enter\n\"f\" to filter.\n\n";
inline constexpr char kHtmlPrompt[] = "HTML Filter > ";
inline constexpr char kHtmlOn[] = "\nHTML filter activated. \n";
inline constexpr char kHtmlOff[] = "\nNo HTML filtering. \n";

inline constexpr char kMailNotAvailable[] =
    "\nNote: The e-mail filtering option is not currently available for Japanese and\n"
    "Korean.\n\n";
inline constexpr char kMailQuestion[] =
    "\nIf the input file contains e-mail, then the mail headers (\"From:\", \"To:\",\netc.) "
    "should be removed. Would you like to run a mail filter on the input\ntext file? Enter a "
    "blank line for the default value (no mail filter) or enter\n\"f\" to filter.\n\n";
inline constexpr char kMailPrompt[] = "Mail Filter > ";
inline constexpr char kMailOn[] = "\nMail filter activated. \n";
inline constexpr char kMailOff[] = "\nNo mail filtering. \n";

inline constexpr char kCodeIntro[] = "\nEnter the character coding that is used in the file.\n\n";
inline constexpr char kCodeLatin1[] = " 0 = ISO Latin-1    The default encoding, also known as ISO-8859-1.\n";
inline constexpr char kCodeDos[] = " 1 = MS-DOS         Also known as MS-DOS Code Page 437.\n";
inline constexpr char kCodeUcs2[] =
    " 2 = Unicode UCS2   Unicode double-byte encoding, in native byte order.\n";
inline constexpr char kCodeSjis[] = " 3 = Shift-JIS      SJIS, MS-Kanji, Code Page 932.\n";
inline constexpr char kCodeJis[] = " 4 = JIS            New, Old, NEC, ISO-2022-jp.\n";
inline constexpr char kCodeEuc[] = " 5 = EUC-JP         Packed format, 1 and 2 bytes.\n";
inline constexpr char kCodeKsc[] =
    " 6 = KSC            KS X 1001, EUC-KR, Code Page 949 (for Windows)\n";
inline constexpr char kCodeJohap[] = " 7 = Johap          Old KS C 5601:1992 and KSSM\n";
inline constexpr char kJapaneseCodeNote[] =
    "\nNote: Japanese supports JIS X 0208-1990 + ASCII + halfwidth katakana.\n\n";
inline constexpr char kKoreanCodeNote[] =
    "\nNote: KSC represents Precomposed Syllable Encoding Method,\n      including KS X 1001 (KS "
    "C 5657:1987), EUC_KR and Code Page 949.\n      JOHAP represents Syllable Composition "
    "Encoding Method,\n      including KSSM and KS C 5601:1992.\n\n";
inline constexpr char kEncodingPrompt[] = "Encoding > ";
inline constexpr char kUseSjis[] = "\nPHRAXIS will use Shift-JIS.\n";
inline constexpr char kUseKsc[] = "\nPHRAXIS will use KSC.\n";
inline constexpr char kUseLatin1[] = "\nPHRAXIS will use ISO Latin-1.\n";
inline constexpr char kCodeNotJapanese[] =
    "\n\nERROR: the input character code is not suitable for Japanese.\n\n";
inline constexpr char kCodeNotKorean[] =
    "\n\nERROR: the input character code is not suitable for Korean.\n\n";
inline constexpr char kCodeNotSuitable[] =
    "\n\nERROR: the input character code is not suitable.\n\n";
inline constexpr char kEncodingSet[] = "\nEncoding is set to %d. \n";

inline constexpr char kPhrasesQuestion[] =
    "\nHow many keyphrases would you like PHRAXIS to generate? Enter a blank line\nfor the "
    "default value (7) or enter a number from 3 to 30. On average, PHRAXIS\nwill generate the "
    "requested number of phrases, but the actual number for any\ngiven document may be "
    "slightly below or above the requested number, depending\nmainly on the length of the "
    "input document.\n\n";
inline constexpr char kPhrasesPrompt[] = "Desired Number of Phrases > ";
inline constexpr char kPhrasesDefault[] = "\nThe desired number of phrases is set to seven (7). \n";
inline constexpr char kPhrasesSet[] = "\nThe desired number of phrases is set to %.1f. \n";

inline constexpr char kReportFile[] = "test_api.html";
inline constexpr char kOutputQuestion[] =
    "\nWould you like the keyphrases and highlights to be sent to the standard output\nor "
    "would you like to generate an HTML file, \"%s\"? Enter a blank\nline for the default "
    "value (standard output) or enter \"f\" for an HTML file.\nIf the language is Japanese or "
    "Korean and your operating system does not\nsupport the display of Japanese or Korean "
    "characters, then you should enter\n\"f\" for an HTML file.\n\n";
inline constexpr char kOutputPrompt[] = "Standard Output or HTML > ";
inline constexpr char kToHtmlFile[] = "\nKeyphrases and highlights will be sent to \"%s\".\n";
inline constexpr char kHtmlCodeJapanese[] =
    "\nSince the language is Japanese, the output character code has been set\nto SJIS "
    "(MS-Kanji, Code Page 932). You will not be able to view the HTML\nfile properly unless "
    "your web browser has Japanese fonts installed.\n\n";
inline constexpr char kHtmlCodeKorean[] =
    "\nSince the language is Korean, the output character code has been set\nto KSC (EUC-KR, "
    "Code Page 949).You will not be able to view the HTML\nfile properly unless your web "
    "browser has Korean fonts installed.\n\n";
inline constexpr char kHtmlCodeLatin[] =
    "\nSince the language is English, French, German, or Spanish, the output\ncharacter code "
    "has been set to ISO Latin-1 (ISO-8859-1).\n\n";
inline constexpr char kToConsole[] =
    "\nKeyphrases and highlights will be sent to the standard output.\n";
inline constexpr char kConsoleCodeJapanese[] =
    "\nSince the operating system is Windows and the language is Japanese, the\noutput "
    "character code has been set to SJIS (MS-Kanji, Code Page 932).\nYou will not be able to "
    "view the following keyphrases unless your system\ncan handle SJIS output.\n\n";
inline constexpr char kConsoleCodeKorean[] =
    "\nSince the operating system is Windows and the language is Korean, the\noutput "
    "character code has been set KSC (KS X 1001, Code Page 949).\nYou will not be able to "
    "view the following keyphrases unless your system\ncan handle KSC output.\n\n";
inline constexpr char kConsoleCodeLatin[] =
    "\nSince the operating system is Windows and the language is English, French,\nGerman, or "
    "Spanish, the output character code has been set to MS-DOS Code\nPage 437.\n\n";

inline constexpr char kSpecialQuestion[] =
    "\nIf there is a particular word or phrase that interests you, PHRAXIS can look\nfor that "
    "word or phrase in the input document. If it is found, it will be\ntreated as a key word "
    "or key phrase. Enter a word or phrase, or enter a blank\nline if there is no special "
    "word or phrase.\n\n";
inline constexpr char kSpecialPrompt[] = "Special word or phrase > ";
inline constexpr char kNoSpecial[] = "\nNo special word or phrase was entered.\n";
inline constexpr char kLookFor[] = "\nPHRAXIS will look for \"%s\".\n";
inline constexpr char kSpecialEncoding[] =
    "\nTo interpret this phrase correctly, PHRAXIS needs to know the encoding of the\nphrase. "
    "Enter a blank line to use the same encoding as the input document (%d).\n\n";
inline constexpr char kSpecialUse[] = "\nPHRAXIS will use %d.\n";

inline constexpr char kLanguageUnknown[] = "\nThe language is unknown.\n";
inline constexpr const char* kSelectedLanguage[] = {
    nullptr,
    "\nThe selected language was English.\n",
    "\nThe selected language was French.\n",
    "\nThe selected language was Japanese.\n",
    "\nThe selected language was German.\n",
    "\nThe selected language was Spanish.\n",
    "\nThe selected language was Korean.\n",
};
inline constexpr char kNoPhrases[] = "\nNo keyphrases were extracted! \n\n";
inline constexpr char kPhrasesHeading[] = "\nKeyphrases: \n\n";
inline constexpr char kPhraseLine[] = "     %-40s     (%10.2f) \n";
inline constexpr char kNoHighlights[] = "\nNo highlights were generated! \n\n";
inline constexpr char kHighlightsHeading[] = "\nHighlights: \n\n";
inline constexpr char kHighlightLine[] = "   - %s \n";
inline constexpr char kHighlightCut[] = "   - %-.70s ...\n";

inline constexpr char kTookSeconds[] = "\nPHRAXIS took %d seconds. \n";
inline constexpr char kTookOneSecond[] = "\nPHRAXIS took 1 second. \n";
inline constexpr char kTookLessThanOne[] = "\nPHRAXIS took less than 1 second. \n";
inline constexpr char kWordsRead[] = "PHRAXIS read %d words. \n\n";

inline constexpr char kCannotWriteReport[] = "\n\nERROR: cannot open file \"%s\" for output. \n\n";
inline constexpr char kReportWrittenLatin1[] =
    "\nThe keyphrases and highlights have been written to the file \"%s\",\nusing ISO Latin-1 "
    "(ISO-8859-1) character coding. This file can be viewed with\nmost Web browsers.\n\n";
inline constexpr char kReportWrittenSjis[] =
    "\nThe keyphrases and highlights have been written to the file \"%s\",\nusing SJIS "
    "(MS-Kanji, Code Page 932) character coding. This file can be viewed\nwith most Web "
    "browsers, if Japanese fonts are installed for the browser.\n\n";
inline constexpr char kReportWrittenKsc[] =
    "\nThe keyphrases and highlights have been written to the file \"%s\",\nusing KSC (KS X "
    "1001, EUC-KR, Code Page 949) character coding. This file can be\nviewed with most Web "
    "browsers, if Korean fonts are installed for the browser.\n\n";

}  // namespace phx_demo::text
