// The user-interface language: which of the nine languages of the localisation table to show.
//
// The system's preferred languages are read once per process and turned into language numbers
// (rows of languageCodeTable); systemLanguageIndex picks the first one the driver has a column for.
// A PPD may instead name its own language through its "LanguageVersion" entry.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalog/catalogue_text.h"

namespace pd {

// The number of a user-interface language; the choices of languageVersionOption stand in this
// order. Any value above 8 reads as US English wherever a text is looked up.
using LanguageIndex = std::uint32_t;

inline constexpr LanguageIndex languageUsEnglish = 0;
inline constexpr LanguageIndex languageJapanese = 1;
inline constexpr LanguageIndex languageGerman = 2;
inline constexpr LanguageIndex languageFrench = 3;
inline constexpr LanguageIndex languageItalian = 4;
inline constexpr LanguageIndex languageSpanish = 5;
inline constexpr LanguageIndex languageTraditionalChinese = 6;
inline constexpr LanguageIndex languageSimplifiedChinese = 7;
inline constexpr LanguageIndex languageKorean = 8;
// Accepted by some callers to mean "the system language", which they resolve themselves.
inline constexpr LanguageIndex languageFollowSystem = 9;

// The number of a language the system may prefer, 0 to 48; several numbers may share a language
// code and differ by region or script.
using LanguageNumber = std::uint32_t;

// One row of languageCodeTable: the rows with the code of a preference entry are tried in table
// order, and the first that lists no sub-code or lists the entry's sub-code gives the number.
struct LanguageCodeRow {
    LanguageNumber number;
    CatalogueText<2> code;
    std::array<CatalogueText<4>, 6> subCodes;  // used ones first, then empty
};

inline constexpr std::size_t languageCodeRowCount = 49;
extern const std::array<LanguageCodeRow, languageCodeRowCount> languageCodeTable;

// One row of languageIndexTable: the language numbers that select a LanguageIndex.
struct LanguageIndexRow {
    LanguageIndex index;
    LanguageNumber number;
    std::array<LanguageNumber, 2> alternatives;  // languageNumberEnd ends them
};

inline constexpr LanguageNumber languageNumberEnd = 49;
extern const std::array<LanguageIndexRow, 9> languageIndexTable;

// The language number of one preference entry such as "fr-FR", "zh_Hans" or "sr-Latn-RS", or
// nullopt when its language code (exact, case counts) is not in languageCodeTable. Only the text
// between the first and the second separator ("-", "_" or ":") is the sub-code.
std::optional<LanguageNumber> languageNumberOfEntry(std::string_view entry);

// The language numbers of a preference list, in its order; unknown entries add nothing.
std::vector<LanguageNumber> languageNumbersOfEntries(std::span<const std::string> entries);

// The LanguageIndex of the first number that selects one, else US English.
LanguageIndex languageIndexOfNumbers(std::span<const LanguageNumber> numbers);

// The language numbers of the system's preferred languages, read on the first call and kept
// unchanged for the life of the process. Safe to call from any thread.
const std::vector<LanguageNumber>& preferredLanguageNumbers();

// Fixes the preferred language list of this process at US English alone without reading any
// preference, as the filter needs; the filter calls it first thing. Returns whether the list is
// US English alone afterwards: a list read from the system before the call stays as it is.
bool usePreferredLanguagesOfFilter();

// The language of the user's first preferred language that the driver has, else US English.
LanguageIndex systemLanguageIndex();

// The language that a PPD's "LanguageVersion" value names among the choices of
// languageVersionOption; the system language when it names English or no known language or is
// missing (null).
LanguageIndex languageVersionIndex(const char* languageVersion);

}  // namespace pd
