// Catalogue content. Image shift, image position, copy protection, forms, stamping and tandem.
//
// Constant data, read by every unit while compiling; see option_descriptor.h for the meaning of
// each word. Readers include option_catalogue.h.
#pragma once

#include "core/catalog/option_descriptor.h"

namespace pd {

inline constexpr ChoiceOptionDescriptor imageShiftTypeOption{
    {{.ppdName = "QZImageShift", .pjlName = "IMAGESHIFT", .pjlMode = PjlMode::allJobKinds},
     1119},  // title L10N_LBL_IMAGESHIFTTYPE
    3,       // choiceCount
    0,       // defaultIndex
    {{
        // L10N_OPT_IMAGESHIFTTYPE_OFF
        {.titleRow = 245,
         .name = "Off",
         .names = {.ppdName = "False", .pjlName = "OFF", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_IMAGESHIFTTYPE_PRINTERSETTINGS
        {.titleRow = 1120,
         .name = "PrinterSettings",
         .names = {.ppdName = "True", .pjlName = "ENGINE", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_IMAGESHIFTTYPE_DRIVERSETTINGS
        {.titleRow = 1121,
         .name = "DriverSettings",
         .names = {.ppdName = "False", .pjlName = "CONTROLLER", .pjlMode = PjlMode::allJobKinds}},
    }},
};

inline constexpr ChoiceOptionDescriptor shiftFrontBackOption{
    {{}, 1034},  // title L10N_LBL_SHIFTFRONTBACK
    2,           // choiceCount
    0,           // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {}},
        {.titleRow = noTitleRow, .name = "True", .names = {}},
    }},
};

inline constexpr NumericOptionDescriptor horizontalShiftOption{
    {{}, 665},                // title L10N_LBL_HORIZONTALSHIFT
    NumericForm::signedForm,  // form
    {10, 10, 10, 10},         // outputScale
    10000,                    // divisor
    -2500000,                 // minimum
    2500000,                  // maximum
    0,                        // defaultValue
    {},                       // ppdValues
    2,                        // displayUnitCount
    {{
        // L10N_LBL_HORIZONTALSHIFTUNIT
        {.labelRow = 872, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_HORIZONTALSHIFTUNITINCH
        {.labelRow = 879, .scale = 100, .decimals = {2, 2}},
    }},
};

inline constexpr NumericOptionDescriptor verticalShiftOption{
    {{}, 666},                // title L10N_LBL_VERTICALSHIFT
    NumericForm::signedForm,  // form
    {10, 10, 10, 10},         // outputScale
    10000,                    // divisor
    -2500000,                 // minimum
    2500000,                  // maximum
    0,                        // defaultValue
    {},                       // ppdValues
    2,                        // displayUnitCount
    {{
        // L10N_LBL_VERTICALSHIFTUNIT
        {.labelRow = 873, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_VERTICALSHIFTUNITINCH
        {.labelRow = 880, .scale = 100, .decimals = {2, 2}},
    }},
};

inline constexpr NumericOptionDescriptor horizontalShiftBackOption{
    {{}, 667},                // title L10N_LBL_HORIZONTALSHIFTBACK
    NumericForm::signedForm,  // form
    {10, 10, 10, 10},         // outputScale
    10000,                    // divisor
    -2500000,                 // minimum
    2500000,                  // maximum
    0,                        // defaultValue
    {},                       // ppdValues
    2,                        // displayUnitCount
    {{
        // L10N_LBL_HORIZONTALSHIFTBACKUNIT
        {.labelRow = 871, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_HORIZONTALSHIFTBACKUNITINCH
        {.labelRow = 878, .scale = 100, .decimals = {2, 2}},
    }},
};

inline constexpr NumericOptionDescriptor verticalShiftBackOption{
    {{}, 668},                // title L10N_LBL_VERTICALSHIFTBACK
    NumericForm::signedForm,  // form
    {10, 10, 10, 10},         // outputScale
    10000,                    // divisor
    -2500000,                 // minimum
    2500000,                  // maximum
    0,                        // defaultValue
    {},                       // ppdValues
    2,                        // displayUnitCount
    {{
        // L10N_LBL_VERTICALSHIFTBACKUNIT
        {.labelRow = 874, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_VERTICALSHIFTBACKUNITINCH
        {.labelRow = 881, .scale = 100, .decimals = {2, 2}},
    }},
};

inline constexpr ChoiceOptionDescriptor printPositionOption{
    {{.ppdName = "QZPrintPosition", .pjlName = "PRINTPOSITION", .pjlMode = PjlMode::jobKind2Only},
     404},  // title L10N_LBL_PRINTPOSITION
    3,      // choiceCount
    1,      // defaultIndex
    {{
        // L10N_OPT_PRINTPOSITION_LEFT
        {.titleRow = 405,
         .name = "Left",
         .names = {.ppdName = "Left", .pjlName = "LEFT", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_PRINTPOSITION_MIDDLE
        {.titleRow = 1205,
         .name = "Middle",
         .names = {.ppdName = "Middle", .pjlName = "MIDDLE", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_PRINTPOSITION_RIGHT
        {.titleRow = 408,
         .name = "Right",
         .names = {.ppdName = "Right", .pjlName = "RIGHT", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor copyProtectionOption{
    {{.ppdName = "QZJimonMode", .pjlName = "JIMONMODE", .pjlMode = PjlMode::jobKind2Only},
     1125},  // title L10N_LBL_JIMONMODE
    2,       // choiceCount
    0,       // defaultIndex
    {{
        {.titleRow = noTitleRow,
         .name = "False",
         .names = {.ppdName = "Off", .pjlName = "OFF", .pjlMode = PjlMode::jobKind2Only}},
        {.titleRow = noTitleRow,
         .name = "True",
         .names = {.ppdName = "On", .pjlName = "ON", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor backPatternOption{
    {{.ppdName = "QZJimonBackPattern",
      .pjlName = "JIMONBACKPATTERN",
      .pjlMode = PjlMode::jobKind2Only},
     1126},  // title L10N_LBL_BACKPATTERN
    3,       // choiceCount
    0,       // defaultIndex
    {{
        // L10N_OPT_BACKPATTERN_PATTERN1
        {.titleRow = 1128,
         .name = "Pattern1",
         .names = {.ppdName = "Pattern1", .pjlName = "TYPE1", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_BACKPATTERN_PATTERN2
        {.titleRow = 1129,
         .name = "Pattern2",
         .names = {.ppdName = "Pattern2", .pjlName = "TYPE2", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_BACKPATTERN_PATTERN3
        {.titleRow = 1130,
         .name = "Pattern3",
         .names = {.ppdName = "Pattern3", .pjlName = "TYPE3", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor patternIndexOption{
    {{.ppdName = "QZJimonPatternIndex",
      .pjlName = "JIMONPATTERNINDEX",
      .pjlMode = PjlMode::jobKind2Only},
     1127},  // title L10N_LBL_PATTERNINDEX
    4,       // choiceCount
    0,       // defaultIndex
    {{
        // L10N_OPT_PATTERNINDEX_PATTERN1
        {.titleRow = 1131,
         .name = "Pattern1",
         .names = {.ppdName = "Pattern1", .pjlName = "1", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_PATTERNINDEX_PATTERN2
        {.titleRow = 1132,
         .name = "Pattern2",
         .names = {.ppdName = "Pattern2", .pjlName = "2", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_PATTERNINDEX_PATTERN3
        {.titleRow = 1133,
         .name = "Pattern3",
         .names = {.ppdName = "Pattern3", .pjlName = "3", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_PATTERNINDEX_PATTERN4
        {.titleRow = 1134,
         .name = "Pattern4",
         .names = {.ppdName = "Pattern4", .pjlName = "4", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor formPrintPatternOption{
    {{}, 669},  // title L10N_LBL_FORMPRINTPATTERN
    2,          // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_FORMPRINTPATTERN_REPEATED
        {.titleRow = 670, .name = "Repeated", .names = {}},
        // L10N_OPT_FORMPRINTPATTERN_ONCE
        {.titleRow = 671, .name = "Once", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor jobFormOption{
    {{}, 672},  // title L10N_LBL_JOBFORM
    0,          // choiceCount
    0,          // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = {}, .names = {}},
    }},
};

inline constexpr NumericOptionDescriptor jobFormPageCountOption{
    {{}, noTitleRow},           // no title
    NumericForm::unsignedForm,  // form
    {1, 1, 1, 1},               // outputScale
    1,                          // divisor
    0,                          // minimum
    0xFFFFFFFF,                 // maximum
    0,                          // defaultValue
    {},                         // ppdValues
    0,                          // displayUnitCount
    {},                         // displayUnits
};

inline constexpr ChoiceOptionDescriptor jobFormResolutionOption{
    {{}, noTitleRow},  // no title
    0,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = {}, .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor prependOption{
    {{}, 673},  // title L10N_LBL_PREPEND
    0,          // choiceCount
    0,          // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = {}, .names = {}},
    }},
};

inline constexpr NumericOptionDescriptor prependPageCountOption{
    {{}, noTitleRow},           // no title
    NumericForm::unsignedForm,  // form
    {1, 1, 1, 1},               // outputScale
    1,                          // divisor
    0,                          // minimum
    0xFFFFFFFF,                 // maximum
    0,                          // defaultValue
    {},                         // ppdValues
    0,                          // displayUnitCount
    {},                         // displayUnits
};

inline constexpr ChoiceOptionDescriptor prependResolutionOption{
    {{}, noTitleRow},  // no title
    0,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = {}, .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor appendOption{
    {{}, 674},  // title L10N_LBL_APPEND
    0,          // choiceCount
    0,          // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = {}, .names = {}},
    }},
};

inline constexpr NumericOptionDescriptor appendPageCountOption{
    {{}, noTitleRow},           // no title
    NumericForm::unsignedForm,  // form
    {1, 1, 1, 1},               // outputScale
    1,                          // divisor
    0,                          // minimum
    0xFFFFFFFF,                 // maximum
    0,                          // defaultValue
    {},                         // ppdValues
    0,                          // displayUnitCount
    {},                         // displayUnits
};

inline constexpr ChoiceOptionDescriptor appendResolutionOption{
    {{}, noTitleRow},  // no title
    0,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = {}, .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor dateStampOption{
    {{.ppdName = "QZDateStamp", .pjlName = "DATESTAMP", .pjlMode = PjlMode::jobKind2Only},
     409},  // title L10N_LBL_DATESTAMP
    3,      // choiceCount
    0,      // defaultIndex
    {{
        // L10N_OPT_DATESTAMP_OFF
        {.titleRow = 234,
         .name = "Off",
         .names = {.ppdName = "None", .pjlName = "NONE", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_DATESTAMP_ALL
        {.titleRow = 411,
         .name = "All",
         .names = {.ppdName = "All", .pjlName = "ALLPAGES", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_DATESTAMP_FRONTONLY
        {.titleRow = 410,
         .name = "FrontOnly",
         .names = {.ppdName = "FrontOnly",
                   .pjlName = "FRONTCOVER",
                   .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor pageNumberingModeOption{
    {{.pjlName = "PAGESTAMP", .pjlMode = PjlMode::allJobKinds},
     687},  // title L10N_LBL_PAGENUMBERINGMODE
    4,      // choiceCount
    0,      // defaultIndex
    {{
        // L10N_OPT_PAGENUMBERINGMODE_OFF
        {.titleRow = 247,
         .name = "Off",
         .names = {.pjlName = "NONE", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_PAGENUMBERINGMODE_ALLPAGES
        {.titleRow = 412,
         .name = "AllPages",
         .names = {.pjlName = "ALLPAGES", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_PAGENUMBERINGMODE_NOTFRONTCOVER
        {.titleRow = 731,
         .name = "NotFrontCover",
         .names = {.pjlName = "NOTFRONTCOVER", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_PAGENUMBERINGMODE_NOTFRONTBACKCOVER
        {.titleRow = 732,
         .name = "NotFrontBackCover",
         .names = {.pjlName = "NOTCOVER", .pjlMode = PjlMode::allJobKinds}},
    }},
};

inline constexpr NumericOptionDescriptor pageNumberingStartPageOption{
    {{}, 688},                  // title L10N_LBL_PAGENUMBERINGSTARTPAGE
    NumericForm::unsignedForm,  // form
    {1, 1, 1, 1},               // outputScale
    1,                          // divisor
    1,                          // minimum
    9999,                       // maximum
    1,                          // defaultValue
    {},                         // ppdValues
    1,                          // displayUnitCount
    {},                         // displayUnits
};

inline constexpr NumericOptionDescriptor pageNumberingStartingNumberOption{
    {{}, 689},                  // title L10N_LBL_PAGENUMBERINGSTARTINGNUMBER
    NumericForm::unsignedForm,  // form
    {1, 1, 1, 1},               // outputScale
    1,                          // divisor
    1,                          // minimum
    9999,                       // maximum
    1,                          // defaultValue
    {},                         // ppdValues
    1,                          // displayUnitCount
    {},                         // displayUnits
};

inline constexpr ChoiceOptionDescriptor setNumberingModeOption{
    {{.pjlName = "NUMBERING", .pjlMode = PjlMode::allJobKinds},
     691},  // title L10N_LBL_SETNUMBERINGMODE
    4,      // choiceCount
    0,      // defaultIndex
    {{
        // L10N_OPT_SETNUMBERINGMODE_OFF
        {.titleRow = 248,
         .name = "Off",
         .names = {.pjlName = "NONE", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_SETNUMBERINGMODE_STAMPFORALLPAGES
        {.titleRow = 1122,
         .name = "StampForAllPages",
         .names = {.pjlName = "ALLPAGES", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_SETNUMBERINGMODE_STAMPFOR1STPAGE
        {.titleRow = 1123,
         .name = "StampFor1stPage",
         .names = {.pjlName = "FRONTCOVER", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_SETNUMBERINGMODE_WATERMARKFORALLPAGES
        {.titleRow = 1124,
         .name = "WatermarkForAllPages",
         .names = {.pjlName = "WATERMARKNUMBER", .pjlMode = PjlMode::allJobKinds}},
    }},
};

inline constexpr NumericOptionDescriptor setNumberingStartingNumberOption{
    {{}, 690},                  // title L10N_LBL_SETNUMBERINGSTARTINGNUMBER
    NumericForm::unsignedForm,  // form
    {1, 1, 1, 1},               // outputScale
    1,                          // divisor
    1,                          // minimum
    9999,                       // maximum
    1,                          // defaultValue
    {},                         // ppdValues
    1,                          // displayUnitCount
    {},                         // displayUnits
};

inline constexpr ChoiceOptionDescriptor tandemOption{
    {{.ppdName = "QZTandem", .pjlName = "TANDEM", .pjlMode = PjlMode::jobKind2Only},
     1135},  // title L10N_LBL_TANDEM
    2,       // choiceCount
    0,       // defaultIndex
    {{
        {.titleRow = noTitleRow,
         .name = "False",
         .names = {.ppdName = "None", .pjlName = "OFF", .pjlMode = PjlMode::jobKind2Only}},
        {.titleRow = noTitleRow,
         .name = "True",
         .names = {.ppdName = "On", .pjlName = "ON", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

}  // namespace pd
