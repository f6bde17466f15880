// Base64 (RFC 4648 standard alphabet, '=' padding, no line breaks), in which the settings record
// travels through print settings and job options.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pd {

// Encodes length bytes at data; data may be null only when length is 0.
std::string base64Encode(const void* data, std::uint32_t length);

// Decodes text leniently: characters outside the alphabet are skipped, and bytes beyond
// outputLimit are dropped without being counted. With output null it only counts (no limit).
// decodedLength, when given, receives the bytes written (or counted). Returns false for a text of
// one to three characters or one that ends inside a group; the complete groups before that are
// written and counted all the same, so callers that need an exact size check the count too.
bool base64Decode(std::string_view text, unsigned char* output, std::uint32_t outputLimit,
                  std::uint32_t* decodedLength = nullptr);

}  // namespace pd
