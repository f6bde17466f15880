// The localised texts of the driver and their comparison with UTF-8 texts.
//
// Texts are UTF-32, zero-terminated, and live as long as the process.
#pragma once

#include <cstdint>

#include "core/catalog/language.h"

namespace pd {

// The text of a row of l10nTable in a language: any language above 8 reads as US English, and a
// row number past the table gives the empty text. Never null; valid for the life of the process.
const char32_t* getLocalizedText(LanguageIndex language, std::uint32_t row);

// True when text, converted to UTF-8, equals utf8 byte for byte (case, accents and Unicode
// normalisation count). An empty or null text never equals anything, not even an empty utf8.
bool localizedTextEquals(const char* utf8, const char32_t* text);

}  // namespace pd
