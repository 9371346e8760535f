// The locale's language, by the precedence the C library gives its variables.
#include <cstdlib>

#include "user_language.h"

namespace kx {

Language UserLanguage() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return LanguageOfLocale(value);
  }
  return Language::kEnglish;
}

}  // namespace kx
