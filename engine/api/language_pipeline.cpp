#include "api/language_pipeline.h"

#include "latin/english.h"
#include "text/char_codes.h"

namespace phx {
namespace {

constexpr LanguagePipeline kEnglishPipeline{read_english_buffer, select_english_keyphrases};

}  // namespace

const LanguagePipeline* pipeline_for(int language) {
  switch (language) {
    case kEnglish:
      return &kEnglishPipeline;
    default:
      return nullptr;
  }
}

}  // namespace phx
