// Catalogue content. Slitting, creasing, output division, gutter and creep, zoom, full bleed and
// the target paper.
//
// Constant data, read by every unit while compiling; see option_descriptor.h for the meaning of
// each word. Readers include option_catalogue.h.
#pragma once

#include "core/catalog/option_descriptor.h"

namespace pd {

inline constexpr ChoiceOptionDescriptor slitOption{
    {{}, 77},  // title L10N_LBL_SLIT
    3,         // choiceCount
    0,         // defaultIndex
    {{
        // L10N_OPT_SLIT_OFF
        {.titleRow = 264, .name = "Off", .names = {}},
        // L10N_OPT_SLIT_ALL
        {.titleRow = 1268, .name = "All", .names = {}},
        // L10N_OPT_SLIT_FIRSTONLY
        {.titleRow = 1267, .name = "FirstOnly", .names = {}},
    }},
};

inline constexpr NumericOptionDescriptor slitPositionTopOption{
    {{}, 78},                   // title L10N_LBL_SLITPOSITIONTOP
    NumericForm::unsignedForm,  // form
    {10, 10, 10, 10},           // outputScale
    10000,                      // divisor
    80000,                      // minimum
    260000,                     // maximum
    80000,                      // defaultValue
    {},                         // ppdValues
    2,                          // displayUnitCount
    {{
        // L10N_LBL_SLITPOSITIONTOPUNITMM
        {.labelRow = 80, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_SLITPOSITIONTOPUNITINCH
        {.labelRow = 84, .scale = 100, .decimals = {2, 2}},
    }},
};

inline constexpr NumericOptionDescriptor slitPositionBottomOption{
    {{}, 88},                   // title L10N_LBL_SLITPOSITIONBOTTOM
    NumericForm::unsignedForm,  // form
    {10, 10, 10, 10},           // outputScale
    10000,                      // divisor
    80000,                      // minimum
    260000,                     // maximum
    80000,                      // defaultValue
    {},                         // ppdValues
    2,                          // displayUnitCount
    {{
        // L10N_LBL_SLITPOSITIONBOTTOMUNITMM
        {.labelRow = 81, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_SLITPOSITIONBOTTOMUNITINCH
        {.labelRow = 85, .scale = 100, .decimals = {2, 2}},
    }},
};

inline constexpr NumericOptionDescriptor slitMarginOption{
    {{}, 90},                 // title L10N_LBL_SLITMARGIN
    NumericForm::signedForm,  // form
    {10, 10, 10, 10},         // outputScale
    10000,                    // divisor
    -10000,                   // minimum
    10000,                    // maximum
    0,                        // defaultValue
    {},                       // ppdValues
    2,                        // displayUnitCount
    {{
        // L10N_LBL_SLITMARGINUNITMM
        {.labelRow = 91, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_SLITMARGINUNITINCH
        {.labelRow = 92, .scale = 100, .decimals = {2, 2}},
    }},
};

inline constexpr ChoiceOptionDescriptor creaseOption{
    {{}, 1269},  // title L10N_LBL_CREASE
    5,           // choiceCount
    0,           // defaultIndex
    {{
        // L10N_OPT_CREASE_OFF
        {.titleRow = 269, .name = "Off", .names = {}},
        // L10N_OPT_CREASE_1PIECE
        {.titleRow = 1270, .name = "1Piece", .names = {}},
        // L10N_OPT_CREASE_2PIECES
        {.titleRow = 1271, .name = "2Pieces", .names = {}},
        // L10N_OPT_CREASE_3PIECES
        {.titleRow = 1272, .name = "3Pieces", .names = {}},
        // L10N_OPT_CREASE_4PIECES
        {.titleRow = 1273, .name = "4Pieces", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor creaseSideOption{
    {{}, 93},  // title L10N_LBL_CREASESIDE
    2,         // choiceCount
    1,         // defaultIndex
    {{
        // L10N_OPT_CREASESIDE_FRONT
        {.titleRow = 94, .name = "Front", .names = {}},
        // L10N_OPT_CREASESIDE_BACK
        {.titleRow = 97, .name = "Back", .names = {}},
    }},
};

inline constexpr NumericOptionDescriptor creasePosition1ValueOption{
    {{}, 101},                  // title L10N_LBL_CREASEPOSITION1VALUE
    NumericForm::unsignedForm,  // form
    {10, 10, 10, 10},           // outputScale
    10000,                      // divisor
    70000,                      // minimum
    2900000,                    // maximum
    70000,                      // defaultValue
    {},                         // ppdValues
    2,                          // displayUnitCount
    {{
        // L10N_LBL_CREASEPOSITION1UNITMM
        {.labelRow = 109, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_CREASEPOSITION1UNITINCH
        {.labelRow = 113, .scale = 100, .decimals = {2, 2}},
    }},
};

inline constexpr NumericOptionDescriptor creasePosition2ValueOption{
    {{}, 102},                  // title L10N_LBL_CREASEPOSITION2VALUE
    NumericForm::unsignedForm,  // form
    {10, 10, 10, 10},           // outputScale
    10000,                      // divisor
    80000,                      // minimum
    2900000,                    // maximum
    80000,                      // defaultValue
    {},                         // ppdValues
    2,                          // displayUnitCount
    {{
        // L10N_LBL_CREASEPOSITION2UNITMM
        {.labelRow = 110, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_CREASEPOSITION2UNITINCH
        {.labelRow = 114, .scale = 100, .decimals = {2, 2}},
    }},
};

inline constexpr NumericOptionDescriptor creasePosition3ValueOption{
    {{}, 103},                  // title L10N_LBL_CREASEPOSITION3VALUE
    NumericForm::unsignedForm,  // form
    {10, 10, 10, 10},           // outputScale
    10000,                      // divisor
    90000,                      // minimum
    2900000,                    // maximum
    90000,                      // defaultValue
    {},                         // ppdValues
    2,                          // displayUnitCount
    {{
        // L10N_LBL_CREASEPOSITION3UNITMM
        {.labelRow = 111, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_CREASEPOSITION3UNITINCH
        {.labelRow = 115, .scale = 100, .decimals = {2, 2}},
    }},
};

inline constexpr NumericOptionDescriptor creasePosition4ValueOption{
    {{}, 104},                  // title L10N_LBL_CREASEPOSITION4VALUE
    NumericForm::unsignedForm,  // form
    {10, 10, 10, 10},           // outputScale
    10000,                      // divisor
    100000,                     // minimum
    2900000,                    // maximum
    100000,                     // defaultValue
    {},                         // ppdValues
    2,                          // displayUnitCount
    {{
        // L10N_LBL_CREASEPOSITION4UNITMM
        {.labelRow = 112, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_CREASEPOSITION4UNITINCH
        {.labelRow = 116, .scale = 100, .decimals = {2, 2}},
    }},
};

inline constexpr ChoiceOptionDescriptor divideOutputOption{
    {{}, 621},  // title L10N_LBL_DIVIDEOUTPUT
    2,          // choiceCount
    0,          // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {}},
        {.titleRow = noTitleRow, .name = "True", .names = {}},
    }},
};

inline constexpr NumericOptionDescriptor divideOutputPagesOption{
    {{.pjlName = "PAGELOOP", .pjlMode = PjlMode::allJobKinds},
     789},                      // title L10N_LBL_DIVIDEOUTPUTPAGES
    NumericForm::unsignedForm,  // form
    {1, 1, 1, 1},               // outputScale
    1,                          // divisor
    1,                          // minimum
    9999,                       // maximum
    1,                          // defaultValue
    {},                         // ppdValues
    1,                          // displayUnitCount
    {{
        // L10N_LBL_DIVIDEOUTPUTPAGESUNIT
        {.labelRow = 622, .scale = 1, .decimals = {0, 0}},
    }},
};

inline constexpr ChoiceOptionDescriptor offsetCopiesOption{
    {{}, 623},  // title L10N_LBL_OFFSETCOPIES
    2,          // choiceCount
    0,          // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {}},
        {.titleRow = noTitleRow, .name = "True", .names = {}},
    }},
};

inline constexpr NumericOptionDescriptor offsetCopiesCountOption{
    {{}, 791},                  // title L10N_LBL_OFFSETCOPIESCOUNT
    NumericForm::unsignedForm,  // form
    {1, 1, 1, 1},               // outputScale
    1,                          // divisor
    1,                          // minimum
    9999,                       // maximum
    1,                          // defaultValue
    {},                         // ppdValues
    1,                          // displayUnitCount
    {{
        // L10N_LBL_OFFSETCOPIESCOUNTUNIT
        {.labelRow = 624, .scale = 1, .decimals = {0, 0}},
    }},
};

inline constexpr ChoiceOptionDescriptor offsetPagesOption{
    {{}, 625},  // title L10N_LBL_OFFSETPAGES
    2,          // choiceCount
    0,          // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {}},
        {.titleRow = noTitleRow, .name = "True", .names = {}},
    }},
};

inline constexpr NumericOptionDescriptor offsetPagesCountOption{
    {{}, 790},                  // title L10N_LBL_OFFSETPAGESCOUNT
    NumericForm::unsignedForm,  // form
    {1, 1, 1, 1},               // outputScale
    1,                          // divisor
    1,                          // minimum
    65535,                      // maximum
    1,                          // defaultValue
    {},                         // ppdValues
    1,                          // displayUnitCount
    {{
        // L10N_LBL_OFFSETPAGESCOUNTUNIT
        {.labelRow = 626, .scale = 1, .decimals = {0, 0}},
    }},
};

inline constexpr NumericOptionDescriptor gutterOption{
    {{}, 579},                 // title L10N_LBL_GUTTER
    NumericForm::signedForm,   // form
    {1000, 1000, 1000, 1000},  // outputScale
    10000,                     // divisor
    -2500000,                  // minimum
    2500000,                   // maximum
    0,                         // defaultValue
    {},                        // ppdValues
    2,                         // displayUnitCount
    {{
        // L10N_LBL_GUTTERUNIT
        {.labelRow = 896, .scale = 100, .decimals = {2, 2}},
        // L10N_LBL_GUTTERUNITINCH
        {.labelRow = 897, .scale = 100, .decimals = {2, 2}},
    }},
};

inline constexpr NumericOptionDescriptor gutterFrontOption{
    {{}, 95},                 // title L10N_LBL_GUTTERFRONT
    NumericForm::signedForm,  // form
    {10, 10, 10, 10},         // outputScale
    10000,                    // divisor
    -2500000,                 // minimum
    2500000,                  // maximum
    0,                        // defaultValue
    {},                       // ppdValues
    2,                        // displayUnitCount
    {{
        // L10N_LBL_GUTTERFRONTUNIT
        {.labelRow = 898, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_GUTTERFRONTUNITINCH
        {.labelRow = 900, .scale = 1000, .decimals = {3, 3}},
    }},
};

inline constexpr NumericOptionDescriptor gutterBackOption{
    {{}, 98},                 // title L10N_LBL_GUTTERBACK
    NumericForm::signedForm,  // form
    {10, 10, 10, 10},         // outputScale
    10000,                    // divisor
    -2500000,                 // minimum
    2500000,                  // maximum
    0,                        // defaultValue
    {},                       // ppdValues
    2,                        // displayUnitCount
    {{
        // L10N_LBL_GUTTERBACKUNIT
        {.labelRow = 899, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_GUTTERBACKUNITINCH
        {.labelRow = 901, .scale = 1000, .decimals = {3, 3}},
    }},
};

inline constexpr NumericOptionDescriptor creepOption{
    {{}, 577},                 // title L10N_LBL_CREEP
    NumericForm::signedForm,   // form
    {1000, 1000, 1000, 1000},  // outputScale
    10000,                     // divisor
    0,                         // minimum
    50000,                     // maximum
    0,                         // defaultValue
    {},                        // ppdValues
    2,                         // displayUnitCount
    {{
        // L10N_LBL_CREEPUNIT
        {.labelRow = 875, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_CREEPUNITINCH
        {.labelRow = 882, .scale = 100, .decimals = {2, 2}},
    }},
};

inline constexpr NumericOptionDescriptor creepFrontOption{
    {{}, 96},                 // title L10N_LBL_CREEPFRONT
    NumericForm::signedForm,  // form
    {10, 10, 10, 10},         // outputScale
    10000,                    // divisor
    0,                        // minimum
    500000,                   // maximum
    0,                        // defaultValue
    {},                       // ppdValues
    2,                        // displayUnitCount
    {{
        // L10N_LBL_CREEPFRONTUNIT
        {.labelRow = 876, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_CREEPFRONTUNITINCH
        {.labelRow = 883, .scale = 1000, .decimals = {3, 3}},
    }},
};

inline constexpr NumericOptionDescriptor creepBackOption{
    {{}, 99},                 // title L10N_LBL_CREEPBACK
    NumericForm::signedForm,  // form
    {10, 10, 10, 10},         // outputScale
    10000,                    // divisor
    0,                        // minimum
    500000,                   // maximum
    0,                        // defaultValue
    {},                       // ppdValues
    2,                        // displayUnitCount
    {{
        // L10N_LBL_CREEPBACKUNIT
        {.labelRow = 877, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_CREEPBACKUNITINCH
        {.labelRow = 884, .scale = 1000, .decimals = {3, 3}},
    }},
};

inline constexpr ChoiceOptionDescriptor frontBackEqualOption{
    {{}, 1294},  // title L10N_LBL_FRONTBACKEQUAL
    2,           // choiceCount
    0,           // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {}},
        {.titleRow = noTitleRow, .name = "True", .names = {}},
    }},
};

inline constexpr NumericOptionDescriptor zoomOption{
    {{}, 612},                  // title L10N_LBL_ZOOM
    NumericForm::unsignedForm,  // form
    {1, 1, 1, 1},               // outputScale
    1,                          // divisor
    1,                          // minimum
    1000,                       // maximum
    100,                        // defaultValue
    {},                         // ppdValues
    1,                          // displayUnitCount
    {{
        // L10N_LBL_ZOOMUNIT
        {.labelRow = 611, .scale = 1, .decimals = {0, 0}},
    }},
};

inline constexpr ChoiceOptionDescriptor fullBleedOption{
    {{.ppdName = "QZFullBleed", .pjlName = "FULLBLEED", .pjlMode = PjlMode::jobKind2Only},
     117},  // title L10N_LBL_FULLBLEED
    2,      // choiceCount
    0,      // defaultIndex
    {{
        {.titleRow = noTitleRow,
         .name = "False",
         .names = {.ppdName = "False", .pjlName = "OFF", .pjlMode = PjlMode::jobKind2Only}},
        {.titleRow = noTitleRow,
         .name = "True",
         .names = {.ppdName = "True", .pjlName = "ON", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor rotate180Option{
    {{.ppdName = "QZRotate180", .pjlName = "ROTATE180", .pjlMode = PjlMode::jobKind2Only},
     907},  // title L10N_LBL_ROTATE180
    2,      // choiceCount
    0,      // defaultIndex
    {{
        {.titleRow = noTitleRow,
         .name = "False",
         .names = {.ppdName = "False", .pjlName = "OFF", .pjlMode = PjlMode::jobKind2Only}},
        {.titleRow = noTitleRow,
         .name = "True",
         .names = {.ppdName = "True", .pjlName = "ON", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor targetPaperSizeOption{
    {{.ppdName = "QZTargetPaperSize", .pjlName = "PAPER", .pjlMode = PjlMode::jobKind2Only},
     119},  // title L10N_LBL_TARGETPAPERSIZE
    37,     // choiceCount
    0,      // defaultIndex
    {{
        // L10N_OPT_TARGETPAPERSIZE_NONE
        {.titleRow = 380,
         .name = "Auto",
         .names = {.ppdName = "None", .pjlName = "AUTO", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_A3
        {.titleRow = 123,
         .name = "A3",
         .names = {.ppdName = "A3", .pjlName = "A3", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_A4
        {.titleRow = 125,
         .name = "A4",
         .names = {.ppdName = "A4", .pjlName = "A4", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_A5
        {.titleRow = 127,
         .name = "A5",
         .names = {.ppdName = "A5", .pjlName = "A5", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_B4
        {.titleRow = 129,
         .name = "B4",
         .names = {.ppdName = "QXB4", .pjlName = "JISB4", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_B5
        {.titleRow = 131,
         .name = "B5",
         .names = {.ppdName = "QXB5", .pjlName = "JISB5", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_ISOB4
        {.titleRow = 133,
         .name = "ISOB4",
         .names = {.ppdName = "QXISOB4", .pjlName = "ISOB4", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_ISOB5
        {.titleRow = 135,
         .name = "ISOB5",
         .names = {.ppdName = "QXISOB5", .pjlName = "ISOB5", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_SRA3
        {.titleRow = 137,
         .name = "SRA3",
         .names = {.ppdName = "SRA3", .pjlName = "SRA3", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_SRA4
        {.titleRow = 139,
         .name = "SRA4",
         .names = {.ppdName = "SRA4", .pjlName = "SRA4", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_TABLOIDEXTRA
        {.titleRow = 141,
         .name = "TabloidExtra",
         .names = {.ppdName = "QXTabloidExtra",
                   .pjlName = "P12X18",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_TABLOID
        {.titleRow = 143,
         .name = "Tabloid",
         .names = {.ppdName = "QXTabloid", .pjlName = "LEDGER", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_9X11
        {.titleRow = 145,
         .name = "9x11",
         .names = {.ppdName = "9x11", .pjlName = "P9X11", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_LEGAL
        {.titleRow = 147,
         .name = "Legal",
         .names = {.ppdName = "Legal", .pjlName = "LEGAL", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_8X13
        {.titleRow = 149,
         .name = "8x13",
         .names = {.ppdName = "8x13", .pjlName = "P8X13", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_FANFOLDGERMANLEGAL
        {.titleRow = 151,
         .name = "FanFoldGermanLegal",
         .names = {.ppdName = "QXFanFoldGermanLegal",
                   .pjlName = "P8HALFX13",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_825X13
        {.titleRow = 153,
         .name = "825x13",
         .names = {.ppdName = "8.25x13", .pjlName = "P8QUATX13", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_8125X1325
        {.titleRow = 155,
         .name = "8125x1325",
         .names = {.ppdName = "8.125x13.25",
                   .pjlName = "P8EIGHTHX13QUAT",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_LETTER
        {.titleRow = 157,
         .name = "Letter",
         .names = {.ppdName = "Letter", .pjlName = "LETTER", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_STATEMENT
        {.titleRow = 159,
         .name = "Statement",
         .names = {.ppdName = "QXStatement",
                   .pjlName = "INVOICE",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_POSTCARD
        {.titleRow = 161,
         .name = "Postcard",
         .names = {.ppdName = "QXPostcard", .pjlName = "JPOST", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_QXA3W
        {.titleRow = 163,
         .name = "QXA3W",
         .names = {.ppdName = "QXA3W", .pjlName = "WIDEA3", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_QXA4W
        {.titleRow = 165,
         .name = "QXA4W",
         .names = {.ppdName = "QXA4W", .pjlName = "WIDEA4", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_QXA5W
        {.titleRow = 167,
         .name = "QXA5W",
         .names = {.ppdName = "QXA5W", .pjlName = "WIDEA5", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_QXB4W
        {.titleRow = 169,
         .name = "QXB4W",
         .names = {.ppdName = "QXB4W", .pjlName = "WIDEJISB4", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_QXB5W
        {.titleRow = 171,
         .name = "QXB5W",
         .names = {.ppdName = "QXB5W", .pjlName = "WIDEJISB5", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_QXISOB4W
        {.titleRow = 173,
         .name = "QXISOB4W",
         .names = {.ppdName = "QXISOB4W",
                   .pjlName = "WIDEISOB4",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_QXISOB5W
        {.titleRow = 175,
         .name = "QXISOB5W",
         .names = {.ppdName = "QXISOB5W",
                   .pjlName = "WIDEISOB5",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_QXTABLOIDEXTRAW
        {.titleRow = 177,
         .name = "QXTabloidExtraW",
         .names = {.ppdName = "QXTabloidExtraW",
                   .pjlName = "WIDEP12X18",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_QXTABLOIDW
        {.titleRow = 179,
         .name = "QXTabloidW",
         .names = {.ppdName = "QXTabloidW",
                   .pjlName = "WIDEP11X17",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_QXLETTERW
        {.titleRow = 181,
         .name = "QXLetterW",
         .names = {.ppdName = "QXLetterW",
                   .pjlName = "WIDEP8HALFX11",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_QXSTATEMENTW
        {.titleRow = 183,
         .name = "QXStatementW",
         .names = {.ppdName = "QXStatementW",
                   .pjlName = "WIDEP5HALFX8HALF",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_QXA4TAB1
        {.titleRow = 185,
         .name = "QXA4Tab1",
         .names = {.ppdName = "QXA4Tab1", .pjlName = "A4TAB", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_QXA4TAB2
        {.titleRow = 1257,
         .name = "QXA4Tab2",
         .names = {.ppdName = "QXA4Tab2",
                   .pjlName = "A4TAB15MM",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_QXLETTERTAB
        {.titleRow = 189,
         .name = "QXLetterTab",
         .names = {.ppdName = "QXLetterTab",
                   .pjlName = "LETTERTAB",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_8K
        {.titleRow = 193,
         .name = "8K",
         .names = {.ppdName = "8K", .pjlName = "ROC8K", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_TARGETPAPERSIZE_16K
        {.titleRow = 195,
         .name = "16K",
         .names = {.ppdName = "16K", .pjlName = "ROC16K", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr NumericOptionDescriptor customTargetPaperSizeWidthOption{
    {{}, noTitleRow},           // no title
    NumericForm::unsignedForm,  // form
    {10, 10, 10, 10},           // outputScale
    10000,                      // divisor
    0,                          // minimum
    600000000,                  // maximum
    0,                          // defaultValue
    {},                         // ppdValues
    0,                          // displayUnitCount
    {},                         // displayUnits
};

inline constexpr NumericOptionDescriptor customTargetPaperSizeHeightOption{
    {{}, noTitleRow},           // no title
    NumericForm::unsignedForm,  // form
    {10, 10, 10, 10},           // outputScale
    10000,                      // divisor
    0,                          // minimum
    600000000,                  // maximum
    0,                          // defaultValue
    {},                         // ppdValues
    0,                          // displayUnitCount
    {},                         // displayUnits
};

inline constexpr ChoiceOptionDescriptor targetPaperSizeTypeOption{
    {{}, noTitleRow},  // no title
    2,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "NotFromEngine", .names = {}},
        {.titleRow = noTitleRow, .name = "FromEngine", .names = {}},
    }},
};

inline constexpr TextOptionDescriptor targetPaperSizeNameOption{
    {{}, noTitleRow},  // no title
    {},                // defaultText
};

inline constexpr ChoiceOptionDescriptor scaleToFitOption{
    {{.ppdName = "QZScaleToFit"}, 197},  // title L10N_LBL_SCALETOFIT
    2,                                   // choiceCount
    0,                                   // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {.ppdName = "False"}},
        {.titleRow = noTitleRow, .name = "True", .names = {.ppdName = "True"}},
    }},
};

}  // namespace pd
