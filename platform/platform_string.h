// The platform's own string object, as the print dialog and the system preferences hand texts
// over: an immutable Unicode text that can only be made from well-formed UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace pd {

class PlatformString {
  public:
    // The string of a NUL-terminated UTF-8 text; nullopt for a null text or bytes that are not
    // well-formed UTF-8 (stray or missing continuation bytes, overlong forms, surrogates, code
    // points above U+10FFFF), which the platform refuses.
    static std::optional<PlatformString> fromUtf8(const char* text);

    // The text as UTF-8, without a NUL inside.
    const std::string& utf8() const { return utf8_; }

    // The number of characters (Unicode scalar values).
    std::size_t length() const;

    friend bool operator==(const PlatformString&, const PlatformString&) = default;

  private:
    explicit PlatformString(std::string utf8) : utf8_(std::move(utf8)) {}

    std::string utf8_;
};

}  // namespace pd
