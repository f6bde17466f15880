// Tab texts for fonts that the printer sets in ISO 8859-1.
#pragma once

#include <string>
#include <string_view>

namespace pd {

// The text in ISO 8859-1 when it is valid UTF-8 and every character lies within U+0000 to U+00FF;
// otherwise the text unchanged. Independent of the process's locale, which it does not touch.
std::string utf8ToLatin1(std::string_view text);

}  // namespace pd
