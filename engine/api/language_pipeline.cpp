#include "api/language_pipeline.h"

#include "text/char_codes.h"

namespace phx {

const LanguagePipeline* pipeline_for(int language) {
  switch (language) {
    default:
      return nullptr;
  }
}

}  // namespace phx
