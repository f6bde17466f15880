#include "core/catalog/localized_text.h"

#include <cstring>

#include "core/base/multi_encoded_string.h"
#include "core/catalog/l10n_table.h"

namespace pd {

namespace {

constexpr char32_t emptyText[] = U"";

// The table's column of each LanguageIndex: the columns follow another order than the languages.
constexpr std::array<std::uint32_t, l10nColumnCount> columnOfLanguage = {0, 1, 4, 2, 3, 5, 6, 7, 8};

}  // namespace

const char32_t* getLocalizedText(LanguageIndex language, std::uint32_t row) {
    if (row >= l10nRowCount) return emptyText;
    const std::uint32_t column =
        language < columnOfLanguage.size() ? columnOfLanguage[language] : 0;
    const char32_t* text = l10nTable[row].text[column];
    return text ? text : emptyText;
}

bool localizedTextEquals(const char* utf8, const char32_t* text) {
    if (!text || text[0] == 0) return false;
    const MultiEncodedString converted(text);
    const char* convertedUtf8 = converted.utf8 ? converted.utf8.get() : "";
    return std::strcmp(convertedUtf8, utf8 ? utf8 : "") == 0;
}

}  // namespace pd
