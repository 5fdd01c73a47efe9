#include "language_support.h"

#include <string_view>

namespace phraxis_cli {
namespace {

using phraxis::Language;

// One ordinary sentence per language, as UCS2.
std::u16string_view probe_sentence(Language language) {
  switch (language) {
    case Language::english:
      return u"The library reads the document and finds the key phrases of the text.";
    case Language::french:
      return u"La bibliothèque lit le document et trouve les expressions clés du texte.";
    case Language::german:
      return u"Die Bibliothek liest das Dokument und findet die wichtigen Begriffe des Textes.";
    case Language::spanish:
      return u"La biblioteca lee el documento y encuentra las frases clave del texto.";
    case Language::japanese:
      return u"図書館の検索システムは文書を読んで、重要なキーワードを見つけます。";
    case Language::korean:
      return u"도서관 검색 시스템은 문서를 읽고 중요한 핵심어를 찾습니다.";
    case Language::automatic:
      break;
  }
  return {};
}

}  // namespace

bool engine_reads_language(phraxis::StopMemory& stop, Language language) {
  const std::u16string_view sentence = probe_sentence(language);
  if (sentence.empty()) return false;
  try {
    phraxis::Options options;
    options.language = language;
    options.input_code = phraxis::CharCode::ucs2;
    options.output_code = phraxis::CharCode::ucs2;
    options.text_filter = false;
    const auto result = phraxis::extract(stop, phraxis::from_u16(sentence), options);
    return result.word_count > 0 || !result.phrases.empty();
  } catch (const phraxis::Error&) {
    return false;
  }
}

bool LanguageSupport::supports(Language language) {
  const auto index = static_cast<std::size_t>(language);
  if (index == 0 || index >= kLanguages) return false;
  std::call_once(probed_[index],
                 [&] { supported_[index] = engine_reads_language(*stop_, language); });
  return supported_[index];
}

}  // namespace phraxis_cli
