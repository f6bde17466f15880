// Well-formed UTF-8 in the strict sense of the Unicode standard: no stray or missing continuation
// bytes, overlong forms, surrogates or code points above U+10FFFF. The platform's strings accept
// nothing else, and the core's bounded text copies keep to it.
#pragma once

#include <cstddef>

namespace pd {

// The length (1 to 4) of the well-formed sequence that begins the size bytes at text; 0 when they
// begin with none or size is 0. Reads no byte at or beyond size.
std::size_t wellFormedUtf8SequenceLength(const char* text, std::size_t size);

// Whether the size bytes at text are well-formed UTF-8 throughout (a NUL counts as a character).
bool isWellFormedUtf8(const char* text, std::size_t size);

}  // namespace pd
