#include "core/base/multi_encoded_string.h"

#include <algorithm>
#include <cstring>

#include "core/base/text_conversion.h"

namespace pd {

namespace {

// Texts whose converted size would not fit the converters' 32-bit counts; no real text comes near.
constexpr std::size_t longestUtf32Text = untilNul / 4 - 1;
constexpr std::size_t longestUtf8Text = untilNul - 1;

}  // namespace

MultiEncodedString::MultiEncodedString(const char32_t* text) {
    if (!text) return;
    std::size_t length = 0;
    while (text[length] != 0) ++length;
    if (length > longestUtf32Text) return;

    const std::uint32_t utf8Size = utf32ToUtf8(nullptr, text, 0);
    utf8 = std::make_unique<char[]>(utf8Size);
    utf32ToUtf8(utf8.get(), text, utf8Size);

    utf32 = std::make_unique<char32_t[]>(length + 1);
    std::copy(text, text + length + 1, utf32.get());

    platformString = PlatformString::fromUtf8(utf8.get());
}

MultiEncodedString::MultiEncodedString(const char* text) {
    fillFromUtf8(text);
}

MultiEncodedString::MultiEncodedString(const PlatformString* text) {
    if (text) fillFromUtf8(text->utf8().c_str());
}

void MultiEncodedString::fillFromUtf8(const char* text) {
    if (!text) return;
    const std::size_t size = std::strlen(text);
    if (size > longestUtf8Text) return;

    const std::uint32_t utf32Size = utf8ToUtf32(nullptr, text, 0);
    utf32 = std::make_unique<char32_t[]>(utf32Size);
    utf8ToUtf32(utf32.get(), text, utf32Size);

    utf8 = std::make_unique<char[]>(size + 1);
    std::memcpy(utf8.get(), text, size + 1);

    platformString = PlatformString::fromUtf8(utf8.get());
}

void MultiEncodedString::clear() {
    utf8.reset();
    utf32.reset();
    platformString.reset();
}

}  // namespace pd
