// The localised texts of the driver and their comparison with UTF-8 texts.
//
// Texts are UTF-32, zero-terminated, and live as long as the process.
#pragma once

#include "core/catalog/language.h"

namespace pd {

// True when text, converted to UTF-8, equals utf8 byte for byte (case, accents and Unicode
// normalisation count). An empty or null text never equals anything, not even an empty utf8.
bool localizedTextEquals(const char* utf8, const char32_t* text);

}  // namespace pd
