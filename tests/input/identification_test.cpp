// Automatic mode: the language is identified from the hits of each
// language's lists, the text read meanwhile is held back, and once the
// language is chosen everything is read as if the language had been set.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "api/document_memory.h"
#include "phx_api.h"
#include "stopmem/stop_memory.h"

namespace {

const std::string kEnglish =
    "Tidal power converts the energy of the tides into electricity. A tidal barrage is a dam "
    "built across the mouth of an estuary, and the water that flows in and out of the basin "
    "turns turbines in the barrage. The first large tidal power station was built on the "
    "Rance estuary in France, and it has been producing electricity since 1966. Tidal power "
    "is predictable, which is an advantage over wind and solar power, but the barrages are "
    "expensive to build and they change the ecology of the estuary.\n";

struct Result {
  int language = -1;
  std::vector<std::pair<std::string, double>> phrases;
};

class Identification : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(PhxCreateStopMemory(&stop), 0); }
  static void TearDownTestSuite() { PhxClearStopMemory(stop); }

  // Reads `text` in buffers of `step` bytes with the given language.
  static Result read(const std::string& text, int language, std::size_t step,
                     DocumentMemory** keep = nullptr) {
    DocumentMemory* doc = nullptr;
    EXPECT_EQ(PhxCreateDocumentMemory(&doc), 0);
    EXPECT_EQ(PhxSetDocumentLanguage(doc, language), 0);
    for (std::size_t at = 0; at < text.size(); at += step) {
      std::string part = text.substr(at, step);
      EXPECT_EQ(PhxReadDocumentBuffer(doc, stop, part.data(), static_cast<int>(part.size())), 0);
    }
    EXPECT_EQ(PhxSignalDocumentEnd(doc, stop), 0);
    Result result;
    PhxGetDocumentLanguage(doc, &result.language);
    int count = 0;
    PhxGetPhraseListSize(doc, &count);
    for (int i = 0; i < count; ++i) {
      const char* phrase = nullptr;
      double score = 0;
      PhxGetPhraseByIndex(doc, i, &phrase);
      PhxGetScoreByIndex(doc, i, &score);
      result.phrases.emplace_back(phrase, score);
    }
    if (keep != nullptr) {
      *keep = doc;
    } else {
      PhxClearDocumentMemory(doc);
    }
    return result;
  }

  static StopMemory* stop;
};
StopMemory* Identification::stop = nullptr;

TEST_F(Identification, EnglishIsChosenWhileReadingAndTheTextIsReadInFull) {
  DocumentMemory* doc = nullptr;
  const Result automatic = read(kEnglish, 0, kEnglish.size(), &doc);
  EXPECT_EQ(automatic.language, 1);
  EXPECT_GT(doc->english_hits, doc->french_hits + 15);
  EXPECT_TRUE(doc->held_back_text.empty());
  PhxClearDocumentMemory(doc);

  const Result set = read(kEnglish, 1, kEnglish.size());
  ASSERT_FALSE(set.phrases.empty());
  EXPECT_EQ(automatic.phrases, set.phrases);
}

TEST_F(Identification, TheSameWhateverTheBuffers) {
  const Result set = read(kEnglish, 1, kEnglish.size());
  for (std::size_t step : {1u, 7u, 64u, 200u}) {
    EXPECT_EQ(read(kEnglish, 0, step).phrases, set.phrases) << "buffers of " << step;
  }
}

TEST_F(Identification, AShortDocumentIsDecidedAtItsEnd) {
  // Too few hits for a lead of 16 while reading, enough for a lead of 2.
  const Result english = read("The results of the study are shown in the table.\n", 0, 100);
  EXPECT_EQ(english.language, 1);
  const Result spanish = read("Los resultados del estudio se muestran en la tabla y en el anexo.\n", 0, 100);
  EXPECT_EQ(spanish.language, 5);
  const Result german = read("Die Ergebnisse der Studie sind in der Tabelle und im Anhang.\n", 0, 100);
  EXPECT_EQ(german.language, 4);
}

TEST_F(Identification, ATieLeavesTheDocumentWithoutLanguageOrPhrases) {
  DocumentMemory* doc = nullptr;
  const Result result = read("Zebra quagga okapi.\n", 0, 100, &doc);
  EXPECT_EQ(result.language, 0);
  EXPECT_TRUE(result.phrases.empty());
  EXPECT_EQ(doc->candidate_total, 0);
  PhxClearDocumentMemory(doc);
}

TEST_F(Identification, ATokenCountsForEveryLanguageThatListsIt) {
  DocumentMemory* doc = nullptr;
  ASSERT_EQ(PhxCreateDocumentMemory(&doc), 0);
  ASSERT_EQ(PhxDeactivateTextFilter(doc), 0);
  ASSERT_EQ(PhxReadDocumentBuffer(doc, stop, "de ", 3), 0);
  EXPECT_EQ(doc->french_hits, 1);
  EXPECT_EQ(doc->spanish_hits, 1);
  EXPECT_EQ(doc->english_hits, 0);
  // Elided French words are split at the apostrophe; punctuation is ignored.
  ASSERT_EQ(PhxReadDocumentBuffer(doc, stop, "l'homme (avec) ", 15), 0);
  EXPECT_GE(doc->french_hits, 2);
  PhxClearDocumentMemory(doc);
}

}  // namespace
