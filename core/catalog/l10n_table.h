// The localisation table: every localised text of the driver in its nine languages.
#pragma once

#include <array>
#include <cstdint>

namespace pd {

// The number of languages, and so of columns, of the table.
inline constexpr std::uint32_t l10nColumnCount = 9;

// One row: nine zero-terminated UTF-32 texts in the column order US English, Japanese, French,
// Italian, German, Spanish, Traditional Chinese, Simplified Chinese, Korean, and the row's key
// ("L10N_", an optional screen area, a kind and a name: "L10N_LBL_INPUTSLOT").
struct LocalizedTextRow {
    std::array<const char32_t*, l10nColumnCount> text;
    const char32_t* key;
};

inline constexpr std::uint32_t l10nRowCount = 1309;

// Constant data; rows are numbered by position and the option catalogue names texts by number.
extern const std::array<LocalizedTextRow, l10nRowCount> l10nTable;

}  // namespace pd
