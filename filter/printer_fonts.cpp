#include "filter/printer_fonts.h"

namespace pd {

constinit const std::array<PrinterFont, 62> printerFontTable{{
    {2, 0, U"Ryumin Light", "Ryumin-Light", "", "", ""},
    {2, 0, U"GothicBBB Medium", "GothicBBB-Medium", "", "", ""},
    {0, 1, U"AlbertusMT", "AlbertusMT", "", "AlbertusMT-Italic", ""},
    {0, 1, U"AlbertusMT Light", "AlbertusMT-Light", "", "", ""},
    {0, 1, U"AntiqueOlive Compact", "AntiqueOlive-Compact", "", "", ""},
    {0, 1, U"AntiqueOlive Roman", "AntiqueOlive-Roman", "AntiqueOlive-Bold", "AntiqueOlive-Italic",
     ""},
    {0, 1, U"Apple Chancery", "Apple-Chancery", "", "", ""},
    {0, 1, U"ArialMT", "ArialMT", "Arial-BoldMT", "Arial-ItalicMT", "Arial-BoldItalicMT"},
    {0, 1, U"AvantGarde Book", "AvantGarde-Book", "AvantGarde-Demi", "AvantGarde-BookOblique",
     "AvantGarde-DemiOblique"},
    {0, 1, U"Bodoni", "Bodoni", "Bodoni-Bold", "Bodoni-Italic", "Bodoni-BoldItalic"},
    {0, 1, U"Bodoni Poster", "Bodoni-Poster", "", "", ""},
    {0, 1, U"Bodoni PosterCompressed", "Bodoni-PosterCompressed", "", "", ""},
    {0, 1, U"Bookman Light", "Bookman-Light", "Bookman-Demi", "Bookman-LightItalic",
     "Bookman-DemiItalic"},
    {0, 1, U"Carta", "Carta", "", "", ""},
    {0, 1, U"Chicago", "Chicago", "", "", ""},
    {0, 1, U"Clarendon", "Clarendon", "Clarendon-Bold", "", ""},
    {0, 1, U"Clarendon Light", "Clarendon-Light", "", "", ""},
    {0, 1, U"CooperBlack", "CooperBlack", "", "CooperBlack-Italic", ""},
    {0, 1, U"Copperplate ThirtyTwoBC", "Copperplate-ThirtyTwoBC", "", "", ""},
    {0, 1, U"Copperplate ThirtyThreeBC", "Copperplate-ThirtyThreeBC", "", "", ""},
    {0, 1, U"Coronet Regular", "Coronet-Regular", "", "", ""},
    {0, 1, U"Courier", "Courier", "Courier-Bold", "Courier-Oblique", "Courier-BoldOblique"},
    {0, 1, U"Eurostile", "Eurostile", "Eurostile-Bold", "", ""},
    {0, 1, U"Eurostile ExtendedTwo", "Eurostile-ExtendedTwo", "Eurostile-BoldExtendedTwo", "", ""},
    {0, 1, U"Geneva", "Geneva", "", "", ""},
    {0, 1, U"GillSans", "GillSans", "GillSans-Bold", "GillSans-Italic", "GillSans-BoldItalic"},
    {0, 1, U"GillSans Condensed", "GillSans-Condensed", "GillSans-BoldCondensed", "", ""},
    {0, 1, U"GillSans ExtraBold", "GillSans-ExtraBold", "", "", ""},
    {0, 1, U"GillSans Light", "GillSans-Light", "", "GillSans-LightItalic", ""},
    {0, 1, U"Goudy", "Goudy", "Goudy-Bold", "Goudy-Italic", "Goudy-BoldItalic"},
    {0, 1, U"Goudy ExtraBold", "Goudy-ExtraBold", "", "", ""},
    {0, 1, U"Helvetica", "Helvetica", "Helvetica-Bold", "Helvetica-Oblique",
     "Helvetica-BoldOblique"},
    {0, 1, U"Helvetica Condensed", "Helvetica-Condensed", "Helvetica-Condensed-Bold",
     "Helvetica-Condensed-Oblique", "Helvetica-Condensed-BoldObl"},
    {0, 1, U"Helvetica Narrow", "Helvetica-Narrow", "Helvetica-Narrow-Bold",
     "Helvetica-Narrow-Oblique", "Helvetica-Narrow-BoldOblique"},
    {0, 1, U"HoeflerText Black", "HoeflerText-Black", "", "HoeflerText-BlackItalic", ""},
    {0, 1, U"HoeflerText Ornaments", "HoeflerText-Ornaments", "", "", ""},
    {0, 1, U"HoeflerText Regular", "HoeflerText-Regular", "", "HoeflerText-Italic", ""},
    {0, 1, U"JoannaMT", "JoannaMT", "JoannaMT-Bold", "JoannaMT-Italic", "JoannaMT-BoldItalic"},
    {0, 1, U"LetterGothic", "LetterGothic", "LetterGothic-Bold", "LetterGothic-Slanted",
     "LetterGothic-BoldSlanted"},
    {0, 1, U"LubalinGraph Book", "LubalinGraph-Book", "LubalinGraph-Demi",
     "LubalinGraph-BookOblique", "LubalinGraph-DemiOblique"},
    {0, 1, U"Marigold", "Marigold", "", "", ""},
    {0, 1, U"MonaLisa Recut", "MonaLisa-Recut", "", "", ""},
    {0, 1, U"Monaco", "Monaco", "", "", ""},
    {0, 1, U"NewCenturySchlbk Roman", "NewCenturySchlbk-Roman", "NewCenturySchlbk-Bold",
     "NewCenturySchlbk-Italic", "NewCenturySchlbk-BoldItalic"},
    {0, 1, U"NewYork", "NewYork", "", "", ""},
    {0, 1, U"Optima", "Optima", "Optima-Bold", "Optima-Italic", "Optima-BoldItalic"},
    {0, 1, U"Oxford", "Oxford", "", "", ""},
    {0, 1, U"Palatino Roman", "Palatino-Roman", "Palatino-Bold", "Palatino-Italic",
     "Palatino-BoldItalic"},
    {0, 1, U"StempelGaramond Roman", "StempelGaramond-Roman", "StempelGaramond-Bold",
     "StempelGaramond-Italic", "StempelGaramond-BoldItalic"},
    {0, 1, U"Symbol", "Symbol", "", "", ""},
    {0, 1, U"Tekton", "Tekton", "", "", ""},
    {0, 1, U"Times Roman", "Times-Roman", "Times-Bold", "Times-Italic", "Times-BoldItalic"},
    {0, 1, U"TimesNewRomanPSMT", "TimesNewRomanPSMT", "TimesNewRomanPS-BoldMT",
     "TimesNewRomanPS-ItalicMT", "TimesNewRomanPS-BoldItalicMT"},
    {0, 1, U"Univers Light", "Univers-Light", "Univers-Bold", "Univers-LightOblique",
     "Univers-BoldOblique"},
    {0, 1, U"Univers CondensedBold", "Univers-CondensedBold", "", "Univers-CondensedBoldOblique",
     ""},
    {0, 1, U"Univers", "Univers", "", "Univers-Oblique", ""},
    {0, 1, U"Univers Condensed", "Univers-Condensed", "", "Univers-CondensedOblique", ""},
    {0, 1, U"Univers Extended", "Univers-Extended", "Univers-BoldExt", "Univers-ExtendedObl",
     "Univers-BoldExtObl"},
    {0, 1, U"Wingdings", "Wingdings", "", "", ""},
    {0, 1, U"Wingdings Regular", "Wingdings-Regular", "", "", ""},
    {0, 1, U"ZapfChancery MediumItalic", "ZapfChancery-MediumItalic", "", "", ""},
    {0, 1, U"ZapfDingbats", "ZapfDingbats", "", "", ""},
}};

const PrinterFont* findPrinterFont(std::string_view name) {
    for (const PrinterFont& row : printerFontTable) {
        if (name == row.postScriptName) return &row;
    }
    return nullptr;
}

const char* selectFontVariant(const PrinterFont* row, bool bold, bool italic, bool& boldFallback,
                              bool& italicFallback) {
    if (row == nullptr) return nullptr;
    boldFallback = false;
    italicFallback = false;
    if (bold && italic) {
        if (row->boldItalicName[0] != '\0') return row->boldItalicName;
        boldFallback = true;
        italicFallback = true;
        return row->postScriptName;
    }
    if (bold) {
        if (row->boldName[0] != '\0') return row->boldName;
        boldFallback = true;
        return row->postScriptName;
    }
    if (italic) {
        if (row->italicName[0] != '\0') return row->italicName;
        italicFallback = true;
        return row->postScriptName;
    }
    return row->postScriptName;
}

}  // namespace pd
