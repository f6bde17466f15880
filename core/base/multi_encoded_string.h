// One text held in the three encodings the system works with: UTF-8 bytes for system calls and
// byte-wise comparisons, UTF-32 units as the localisation table stores texts, and a platform
// string for the print dialog and the system preferences.
//
// A holder is made from any one of the three and makes the other two at once; its contents are
// fixed until it goes away. Each member may be absent: all three for a null input, the platform
// string also when the platform refuses the UTF-8 bytes.
#pragma once

#include <memory>
#include <optional>

#include "platform/platform_string.h"

namespace pd {

struct MultiEncodedString {
    // From zero-terminated UTF-32, or null. Units that are not Unicode scalar values become '?'
    // in the UTF-8 form; the UTF-32 form is an exact copy.
    explicit MultiEncodedString(const char32_t* text);

    // From NUL-terminated UTF-8, or null. The UTF-8 form is an exact copy, invalid bytes
    // included; broken sequences become '?' units in the UTF-32 form, and the platform string is
    // absent for bytes that are not well-formed UTF-8.
    explicit MultiEncodedString(const char* text);

    // From a platform string, or null; the caller's string is only read.
    explicit MultiEncodedString(const PlatformString* text);

    // Empties the holder: all three forms become absent.
    void clear();

    std::unique_ptr<char[]> utf8;
    std::unique_ptr<char32_t[]> utf32;
    std::optional<PlatformString> platformString;

  private:
    void fillFromUtf8(const char* text);
};

}  // namespace pd
