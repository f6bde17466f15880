#include "core/catalog/localized_text.h"

#include <cstring>

#include "core/record/multi_encoded_string.h"

namespace pd {

bool localizedTextEquals(const char* utf8, const char32_t* text) {
    if (!text || text[0] == 0) return false;
    const MultiEncodedString converted(text);
    const char* convertedUtf8 = converted.utf8 ? converted.utf8.get() : "";
    return std::strcmp(convertedUtf8, utf8 ? utf8 : "") == 0;
}

}  // namespace pd
