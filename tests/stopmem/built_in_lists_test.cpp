// The built-in lists: each has its size, its distinct count where entries
// repeat, every entry named for it, and the values its readers look at.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/word_lists.h"
#include "phx_api.h"
#include "stopmem/stop_memory.h"

namespace {

class BuiltInLists : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(PhxCreateStopMemory(&stop), 0); }
  static void TearDownTestSuite() { PhxClearStopMemory(stop); }
  static StopMemory* stop;
};
StopMemory* BuiltInLists::stop = nullptr;

struct ListSize {
  const char* name;
  const phx::data::ByteList* list;
  phx::TextTable StopMemory::*table;
  std::uint32_t entries;
  std::int32_t distinct;  // -1 where repeats are expected but not counted
};

TEST_F(BuiltInLists, EveryListHasItsSizeAndDistinctCount) {
  using S = StopMemory;
  namespace d = phx::data;
  const ListSize sizes[] = {
      {"HtmlEntityTable", &d::kHtmlEntities, &S::HtmlEntityTable, 224 + 68 + 100, 392},
      {"HtmlTagTable", &d::kHtmlTags, &S::HtmlTagTable, 38, 38},
      {"HeaderNameTable", &d::kHeaderNames, &S::HeaderNameTable, 43, 43},
      {"SalutationTable", &d::kSalutations, &S::SalutationTable, 67, 67},
      {"EnglishStopPhrases", &d::kEnglishStopPhrases, &S::EnglishStopPhrases, 840, 829},
      {"EnglishStopWords", &d::kEnglishStopWords, &S::EnglishStopWords, 1037, 1037},
      {"EnglishStopVerbs", &d::kEnglishStopVerbs, &S::EnglishStopVerbs, 720, 695},
      {"EnglishAbbreviations", &d::kEnglishAbbreviations, &S::EnglishAbbreviations, 183, 183},
      {"FrenchStopPhrases", &d::kFrenchStopPhrases, &S::FrenchStopPhrases, 912, 896},
      {"FrenchStopWords", &d::kFrenchStopWords, &S::FrenchStopWords, 850, 850},
      {"FrenchLinkWords", &d::kFrenchLinkWords, &S::FrenchLinkWords, 10, 10},
      {"FrenchPronouns", &d::kFrenchPronouns, &S::FrenchPronouns, 34, 34},
      {"FrenchVerbs", &d::kFrenchVerbs, &S::FrenchVerbs, 8368, 8333},
      {"FrenchAbbreviations", &d::kFrenchAbbreviations, &S::FrenchAbbreviations, 192, 192},
      {"GermanStopWords", &d::kGermanStopWords, &S::GermanStopWords, 1432, -1},
      {"GermanStopPhrases", &d::kGermanStopPhrases, &S::GermanStopPhrases, 1652, -1},
      {"GermanVerbs", &d::kGermanVerbs, &S::GermanVerbs, 2920, -1},
      {"GermanAdjectiveEndings", &d::kGermanAdjectiveEndings, &S::GermanAdjectiveEndings, 101, 101},
      {"GermanAbbreviations", &d::kGermanAbbreviations, &S::GermanAbbreviations, 229, 229},
      {"SpanishStopPhrases", &d::kSpanishStopPhrases, &S::SpanishStopPhrases, 949, -1},
      {"SpanishStopWords", &d::kSpanishStopWords, &S::SpanishStopWords, 840, -1},
      {"SpanishLinkWords", &d::kSpanishLinkWords, &S::SpanishLinkWords, 14, 14},
      {"SpanishAbbreviations", &d::kSpanishAbbreviations, &S::SpanishAbbreviations, 195, 195},
  };
  for (const ListSize& size : sizes) {
    SCOPED_TRACE(size.name);
    EXPECT_EQ(size.list->entries, size.entries);
    const phx::TextTable& table = stop->*size.table;
    if (size.distinct >= 0) {
      EXPECT_EQ(table.entry_count, size.distinct);
    } else {
      EXPECT_LE(table.entry_count, static_cast<std::int32_t>(size.entries));
      EXPECT_GT(table.entry_count, 0);
    }
  }
  // Spanish verbs and adjectives: the value-1 forms, then the exceptions.
  EXPECT_EQ(d::kSpanishVerbs.entries, 3266u);
  EXPECT_EQ(d::kSpanishVerbExceptions.entries, 83u);
  EXPECT_EQ(d::kSpanishAdjectives.entries, 412u);
  EXPECT_EQ(d::kSpanishAdjectiveExceptions.entries, 44u);
}

struct Named {
  phx::TextTable StopMemory::*table;
  const char* name;
  std::vector<std::string> entries;
};

TEST_F(BuiltInLists, EveryNamedEntryIsThere) {
  using S = StopMemory;
  const Named named[] = {
      {&S::EnglishStopPhrases, "EnglishStopPhrases",
       {"abstract", "access", "accuracy", "document", "domain", "dollars"}},
      {&S::EnglishStopWords, "EnglishStopWords",
       {"a", "about", "above", "according", "few", "fewer", "february"}},
      {&S::EnglishStopVerbs, "EnglishStopVerbs",
       {"accept", "accepts", "achieve", "carry", "caught", "causes"}},
      {&S::EnglishAbbreviations, "EnglishAbbreviations",
       {"acad", "ad", "adm", "aka", "apr", "aug", "blvd"}},
      {&S::FrenchStopPhrases, "FrenchStopPhrases",
       {"absolu", "acc\xE8s", "\xE9tude", "\xE9v\xE9nement", "aujourd hui", "date de diffusion",
        "encoded file", "file attachment", "menu principal", "monde entier", "page d accueil"}},
      {&S::FrenchStopWords, "FrenchStopWords",
       {"abord", "accord", "gauche", "g\xE9n\xE9ralement", "gr\xE2" "ce"}},
      {&S::FrenchLinkWords, "FrenchLinkWords",
       {"\xE0", "a", "au", "aux", "d", "de", "des", "du", "non", "par"}},
      {&S::FrenchPronouns, "FrenchPronouns",
       {"avec", "ce", "ci", "d", "dedans", "dessous", "dessus", "dire", "elle", "elles", "en",
        "\xEAtre", "etre", "il", "ils", "j", "je", "l", "la", "l\xE0", "le", "les", "leur", "leurs",
        "lui", "m\xEAme", "meme", "moi", "nous", "on", "t", "toi", "tu", "vous"}},
      {&S::FrenchVerbs, "FrenchVerbs",
       {"a", "abaisse", "abaiss\xE9", "\xE9lire", "\xE9lit", "\xE9loign\xE9"}},
      {&S::FrenchAbbreviations, "FrenchAbbreviations",
       {"acad", "ad", "adm", "appt", "ardt", "av", "avr"}},
      {&S::GermanStopWords, "GermanStopWords",
       {"ab", "abb", "abend", "aber", "ein", "eine", "eigentlich"}},
      {&S::GermanStopPhrases, "GermanStopPhrases",
       {"abbildung", "abh\xE4ngig", "abhangig", "entwicklung", "ergebnis"}},
      {&S::GermanVerbs, "GermanVerbs",
       {"abbiegen", "abgedeckt", "ber\xFChren", "beruhren"}},
      {&S::GermanAbbreviations, "GermanAbbreviations",
       {"abb", "abbn", "acad", "aeg", "ag", "akw", "aok"}},
      {&S::GermanAdjectiveEndings, "GermanAdjectiveEndings",
       {"al", "ig", "iv", "\xF6s", "lich", "isch", "m\xE4\xDFig", "m\xE4\xDFiges", "liches"}},
      {&S::SpanishStopPhrases, "SpanishStopPhrases",
       {"abandono", "acceso", "acci\xF3n", "entre", "equipo", "especial inter\xE9s"}},
      {&S::SpanishStopWords, "SpanishStopWords",
       {"abr", "abril", "adem\xE1s", "haber", "hab\xED" "a"}},
      {&S::SpanishLinkWords, "SpanishLinkWords",
       {"a", "al", "con", "de", "del", "en", "no", "o", "para", "por", "sobre", "versus", "vs",
        "y"}},
      {&S::SpanishVerbs, "SpanishVerbs", {"abandona", "abandon\xE1" "bamos", "ajust\xE9"}},
      {&S::SpanishAdjectives, "SpanishAdjectives",
       {"adecuada", "afectivos", "ambientales", "biom\xE9" "dica"}},
      {&S::SpanishAbbreviations, "SpanishAbbreviations",
       {"a", "ab", "abr", "ac", "acad", "apt", "av"}},
      {&S::HeaderNameTable, "HeaderNameTable",
       {"(smi-", "from:", "reply ", "subject:", "x-", "x400-", "mail*"}},
  };
  for (const Named& list : named) {
    for (const std::string& entry : list.entries) {
      EXPECT_TRUE((stop->*list.table).has(entry)) << list.name << ": " << entry;
    }
  }
}

TEST_F(BuiltInLists, SpanishExceptionsHoldValueZero) {
  for (const char* word : {"abdomen", "alem\xE1n", "volumen", "tambien", "qu\xE9"}) {
    std::int32_t value = -1;
    ASSERT_EQ(stop->SpanishVerbs.get_int(word, &value), 0) << word;
    EXPECT_EQ(value, 0) << word;
  }
  for (const char* word : {"animal", "vegetales", "se\xF1" "al", "l\xED" "quidos"}) {
    std::int32_t value = -1;
    ASSERT_EQ(stop->SpanishAdjectives.get_int(word, &value), 0) << word;
    EXPECT_EQ(value, 0) << word;
  }
  std::int32_t value = -1;
  ASSERT_EQ(stop->SpanishVerbs.get_int("abandona", &value), 0);
  EXPECT_EQ(value, 1);
}

TEST_F(BuiltInLists, FilterTablesGiveTheirReplacementTexts) {
  struct Replacement {
    const phx::TextTable StopMemory::*table;
    const char* key;
    std::string text;
  };
  const Replacement replacements[] = {
      {&StopMemory::HtmlEntityTable, "#233", "\xE9"},
      {&StopMemory::HtmlEntityTable, "#65", "A"},
      {&StopMemory::HtmlEntityTable, "#065", "A"},
      {&StopMemory::HtmlEntityTable, "#032", " "},
      {&StopMemory::HtmlEntityTable, "nbsp", " "},
      {&StopMemory::HtmlEntityTable, "shy", "-"},
      {&StopMemory::HtmlEntityTable, "amp", "&"},
      {&StopMemory::HtmlEntityTable, "Auml", "\xC4"},
      {&StopMemory::HtmlEntityTable, "auml", "\xE4"},
      {&StopMemory::HtmlEntityTable, "yuml", "\xFF"},
      {&StopMemory::HtmlTagTable, "p", "\x1E "},
      {&StopMemory::HtmlTagTable, "/a", "\x1D "},
      {&StopMemory::HtmlTagTable, "/b", ""},
  };
  for (const Replacement& r : replacements) {
    const phx::TermValue* value = (stop->*r.table).find(r.key);
    ASSERT_NE(value, nullptr) << r.key;
    EXPECT_EQ(value->text_view(), r.text) << r.key;
  }
  EXPECT_FALSE(stop->HtmlEntityTable.has("#031"));
  EXPECT_FALSE(stop->HtmlEntityTable.has("#256"));
  EXPECT_TRUE(stop->HtmlEntityTable.has("#100"));
  EXPECT_FALSE(stop->HtmlEntityTable.has("#0100"));
  EXPECT_FALSE(stop->HtmlEntityTable.has("#5"));
}

TEST_F(BuiltInLists, ListsAreLatinOneLowerCaseWithoutStrayCharacters) {
  namespace d = phx::data;
  const d::ByteList* lists[] = {&d::kEnglishStopPhrases, &d::kEnglishStopWords,
                                &d::kEnglishStopVerbs,   &d::kFrenchStopPhrases,
                                &d::kFrenchStopWords,    &d::kFrenchVerbs,
                                &d::kGermanStopWords,    &d::kGermanStopPhrases,
                                &d::kGermanVerbs,        &d::kSpanishStopPhrases,
                                &d::kSpanishStopWords,   &d::kSpanishVerbs,
                                &d::kSpanishAdjectives};
  for (const d::ByteList* list : lists) {
    d::for_each_entry(*list, [](std::string_view entry, std::string_view) {
      for (char c : entry) {
        auto byte = static_cast<unsigned char>(c);
        bool upper = (byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7);
        EXPECT_FALSE(upper) << entry;
        EXPECT_NE(c, '\'') << entry;
      }
      EXPECT_EQ(entry.find("  "), std::string_view::npos) << entry;
    });
  }
}

}  // namespace
