// Feeds arbitrary bytes to the readers of preference entries, locale names and texts from the
// system: none may read outside its input or crash, and the conversions must agree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/base/multi_encoded_string.h"
#include "core/catalog/language.h"
#include "core/catalog/localized_text.h"
#include "platform/platform_string.h"
#include "platform/preferred_languages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const char* bytes = text.c_str();

    pd::languageNumberOfEntry(text);
    pd::languageTagFromLocaleName(text);

    const pd::MultiEncodedString fromUtf8(bytes);
    const auto platform = pd::PlatformString::fromUtf8(bytes);
    if (platform.has_value() != fromUtf8.platformString.has_value()) std::abort();
    if (platform) {
        // Well-formed UTF-8 survives the round trip through UTF-32 unchanged.
        const pd::MultiEncodedString back(fromUtf8.utf32.get());
        if (std::strcmp(back.utf8.get(), bytes) != 0) std::abort();
        if (!pd::localizedTextEquals(bytes, fromUtf8.utf32.get()) && bytes[0] != 0) std::abort();
        const pd::MultiEncodedString fromPlatform(&*platform);
        if (std::strcmp(fromPlatform.utf8.get(), bytes) != 0) std::abort();
    }

    if (size >= 8) {
        std::uint32_t language;
        std::uint32_t row;
        std::memcpy(&language, data, 4);
        std::memcpy(&row, data + 4, 4);
        const char32_t* localized = pd::getLocalizedText(language, row);
        if (!localized) std::abort();
        pd::localizedTextEquals(bytes + 8, localized);
    }
    return 0;
}
