// The printer's resident fonts that tab texts can be set in, with their bold and italic variants,
// and whether texts in them are sent as ISO 8859-1 (every font but the two Japanese ones).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace pd {

// The names are held in the rows, not pointed to: the table then needs no relocation at start-up.
struct PrinterFont {
    std::uint32_t scriptClass;  // 2 for the Japanese fonts, 0 otherwise
    std::uint32_t latin1Text;   // 1: tab texts are converted to ISO 8859-1
    char32_t displayName[26];
    char postScriptName[29];
    char boldName[29];  // empty when the font has no such variant
    char italicName[29];
    char boldItalicName[29];
};

extern const std::array<PrinterFont, 62> printerFontTable;

// The first row whose PostScript name equals name byte for byte; null for none.
const PrinterFont* findPrinterFont(std::string_view name);

// The font to set a text in for the requested styles. A style the row has no variant for is
// reported through its fallback flag (the printer then imitates it); with both styles, a font
// without a bold italic variant falls back on both. No row: null, fallbacks untouched.
const char* selectFontVariant(const PrinterFont* row, bool bold, bool italic, bool& boldFallback,
                              bool& italicFallback);

}  // namespace pd
