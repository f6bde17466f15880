// Catalogue content. Tab image shift and the two sets of tab paper settings.
//
// Constant data, read by every unit while compiling; see option_descriptor.h for the meaning of
// each word. Readers include option_catalogue.h.
#pragma once

#include "core/catalog/option_descriptor.h"

namespace pd {

inline constexpr ChoiceOptionDescriptor tabImageShiftOption{
    {{}, 737},  // title L10N_LBL_TABIMAGESHIFT
    2,          // choiceCount
    0,          // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {}},
        {.titleRow = noTitleRow, .name = "True", .names = {}},
    }},
};

inline constexpr NumericOptionDescriptor tabImageShiftRangeOption{
    {{}, noTitleRow},           // no title
    NumericForm::unsignedForm,  // form
    {10, 10, 10, 10},           // outputScale
    10000,                      // divisor
    100000,                     // minimum
    150000,                     // maximum
    125000,                     // defaultValue
    {},                         // ppdValues
    2,                          // displayUnitCount
    {{
        // L10N_LBL_TABIMAGESHIFTRANGEUNIT
        {.labelRow = 582, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_TABIMAGESHIFTRANGEUNITINCH
        {.labelRow = 597, .scale = 10, .decimals = {2, 2}},
    }},
};

inline constexpr ChoiceOptionDescriptor tab1TrayOption{
    {{}, 733},  // title L10N_LBL_TAB1TRAY
    5,          // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_TAB1TRAY_TRAY1
        {.titleRow = 286, .name = "Tray1", .names = {}},
        // L10N_OPT_TAB1TRAY_TRAY2
        {.titleRow = 295, .name = "Tray2", .names = {}},
        // L10N_OPT_TAB1TRAY_TRAY3
        {.titleRow = 304, .name = "Tray3", .names = {}},
        // L10N_OPT_TAB1TRAY_TRAY4
        {.titleRow = 313, .name = "Tray4", .names = {}},
        // L10N_OPT_TAB1TRAY_TRAY5
        {.titleRow = 322, .name = "Tray5", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor tab2TrayOption{
    {{}, 734},  // title L10N_LBL_TAB2TRAY
    5,          // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_TAB2TRAY_TRAY1
        {.titleRow = 287, .name = "Tray1", .names = {}},
        // L10N_OPT_TAB2TRAY_TRAY2
        {.titleRow = 296, .name = "Tray2", .names = {}},
        // L10N_OPT_TAB2TRAY_TRAY3
        {.titleRow = 305, .name = "Tray3", .names = {}},
        // L10N_OPT_TAB2TRAY_TRAY4
        {.titleRow = 314, .name = "Tray4", .names = {}},
        // L10N_OPT_TAB2TRAY_TRAY5
        {.titleRow = 323, .name = "Tray5", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor tab1PageSizeOption{
    {{}, 120},  // title L10N_LBL_TAB1PAGESIZE
    3,          // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_TAB1PAGESIZE_QXA4TAB1
        {.titleRow = 187, .name = "QXA4Tab1", .names = {}},
        // L10N_OPT_TAB1PAGESIZE_QXA4TAB2
        {.titleRow = 1259, .name = "QXA4Tab2", .names = {}},
        // L10N_OPT_TAB1PAGESIZE_QXLETTERTAB
        {.titleRow = 191, .name = "QXLetterTab", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor tab2PageSizeOption{
    {{}, 121},  // title L10N_LBL_TAB2PAGESIZE
    3,          // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_TAB2PAGESIZE_QXA4TAB1
        {.titleRow = 188, .name = "QXA4Tab1", .names = {}},
        // L10N_OPT_TAB2PAGESIZE_QXA4TAB2
        {.titleRow = 1260, .name = "QXA4Tab2", .names = {}},
        // L10N_OPT_TAB2PAGESIZE_QXLETTERTAB
        {.titleRow = 192, .name = "QXLetterTab", .names = {}},
    }},
};

inline constexpr NumericOptionDescriptor tab1NumOfTabsOption{
    {{}, 735},                  // title L10N_LBL_TAB1NUMOFTABS
    NumericForm::unsignedForm,  // form
    {1, 1, 1, 1},               // outputScale
    1,                          // divisor
    1,                          // minimum
    15,                         // maximum
    5,                          // defaultValue
    {},                         // ppdValues
    1,                          // displayUnitCount
    {{
        {.labelRow = noTitleRow, .scale = 1, .decimals = {0, 0}},
    }},
};

inline constexpr NumericOptionDescriptor tab2NumOfTabsOption{
    {{}, 736},                  // title L10N_LBL_TAB2NUMOFTABS
    NumericForm::unsignedForm,  // form
    {1, 1, 1, 1},               // outputScale
    1,                          // divisor
    1,                          // minimum
    15,                         // maximum
    5,                          // defaultValue
    {},                         // ppdValues
    1,                          // displayUnitCount
    {{
        {.labelRow = noTitleRow, .scale = 1, .decimals = {0, 0}},
    }},
};

inline constexpr NumericOptionDescriptor tab1SpaceAboveOption{
    {{}, 750},                  // title L10N_LBL_TAB1SPACEABOVE
    NumericForm::unsignedForm,  // form
    {10, 10, 10, 10},           // outputScale
    10000,                      // divisor
    0,                          // minimum
    500000,                     // maximum
    340000,                     // defaultValue
    {},                         // ppdValues
    2,                          // displayUnitCount
    {{
        // L10N_LBL_TAB1SPACEABOVEUNIT
        {.labelRow = 583, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_TAB1SPACEABOVEUNITINCH
        {.labelRow = 598, .scale = 10, .decimals = {2, 2}},
    }},
};

inline constexpr NumericOptionDescriptor tab2SpaceAboveOption{
    {{}, 751},                  // title L10N_LBL_TAB2SPACEABOVE
    NumericForm::unsignedForm,  // form
    {10, 10, 10, 10},           // outputScale
    10000,                      // divisor
    0,                          // minimum
    500000,                     // maximum
    340000,                     // defaultValue
    {},                         // ppdValues
    2,                          // displayUnitCount
    {{
        // L10N_LBL_TAB2SPACEABOVEUNIT
        {.labelRow = 584, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_TAB2SPACEABOVEUNITINCH
        {.labelRow = 599, .scale = 10, .decimals = {2, 2}},
    }},
};

inline constexpr NumericOptionDescriptor tab1SpaceBelowOption{
    {{}, 754},                  // title L10N_LBL_TAB1SPACEBELOW
    NumericForm::unsignedForm,  // form
    {10, 10, 10, 10},           // outputScale
    10000,                      // divisor
    0,                          // minimum
    500000,                     // maximum
    340000,                     // defaultValue
    {},                         // ppdValues
    2,                          // displayUnitCount
    {{
        // L10N_LBL_TAB1SPACEBELOWUNIT
        {.labelRow = 587, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_TAB1SPACEBELOWUNITINCH
        {.labelRow = 602, .scale = 10, .decimals = {2, 2}},
    }},
};

inline constexpr NumericOptionDescriptor tab2SpaceBelowOption{
    {{}, 755},                  // title L10N_LBL_TAB2SPACEBELOW
    NumericForm::unsignedForm,  // form
    {10, 10, 10, 10},           // outputScale
    10000,                      // divisor
    0,                          // minimum
    500000,                     // maximum
    340000,                     // defaultValue
    {},                         // ppdValues
    2,                          // displayUnitCount
    {{
        // L10N_LBL_TAB2SPACEBELOWUNIT
        {.labelRow = 588, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_TAB2SPACEBELOWUNITINCH
        {.labelRow = 603, .scale = 10, .decimals = {2, 2}},
    }},
};

inline constexpr NumericOptionDescriptor tab1HeightOption{
    {{}, 752},                  // title L10N_LBL_TAB1HEIGHT
    NumericForm::unsignedForm,  // form
    {10, 10, 10, 10},           // outputScale
    10000,                      // divisor
    25000,                      // minimum
    2970000,                    // maximum
    403000,                     // defaultValue
    {},                         // ppdValues
    2,                          // displayUnitCount
    {{
        // L10N_LBL_TAB1HEIGHTUNIT
        {.labelRow = 585, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_TAB1HEIGHTUNITINCH
        {.labelRow = 600, .scale = 10, .decimals = {2, 2}},
    }},
};

inline constexpr NumericOptionDescriptor tab2HeightOption{
    {{}, 753},                  // title L10N_LBL_TAB2HEIGHT
    NumericForm::unsignedForm,  // form
    {10, 10, 10, 10},           // outputScale
    10000,                      // divisor
    25000,                      // minimum
    2970000,                    // maximum
    403000,                     // defaultValue
    {},                         // ppdValues
    2,                          // displayUnitCount
    {{
        // L10N_LBL_TAB2HEIGHTUNIT
        {.labelRow = 586, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_TAB2HEIGHTUNITINCH
        {.labelRow = 601, .scale = 10, .decimals = {2, 2}},
    }},
};

inline constexpr TextOptionDescriptor tab1FontNameOption{
    {{}, 738},  // title L10N_LBL_TAB1FONTNAME
    "ArialMT",  // defaultText
};

inline constexpr TextOptionDescriptor tab2FontNameOption{
    {{}, 739},  // title L10N_LBL_TAB2FONTNAME
    "ArialMT",  // defaultText
};

inline constexpr ChoiceOptionDescriptor tab1FontBoldOption{
    {{}, 744},  // title L10N_LBL_TAB1FONTBOLD
    2,          // choiceCount
    0,          // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {}},
        {.titleRow = noTitleRow, .name = "True", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor tab2FontBoldOption{
    {{}, 745},  // title L10N_LBL_TAB2FONTBOLD
    2,          // choiceCount
    0,          // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {}},
        {.titleRow = noTitleRow, .name = "True", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor tab1FontItalicOption{
    {{}, 746},  // title L10N_LBL_TAB1FONTITALIC
    2,          // choiceCount
    0,          // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {}},
        {.titleRow = noTitleRow, .name = "True", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor tab2FontItalicOption{
    {{}, 747},  // title L10N_LBL_TAB2FONTITALIC
    2,          // choiceCount
    0,          // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {}},
        {.titleRow = noTitleRow, .name = "True", .names = {}},
    }},
};

inline constexpr NumericOptionDescriptor tab1FontSizeOption{
    {{}, noTitleRow},           // no title
    NumericForm::unsignedForm,  // form
    {1, 1, 1, 1},               // outputScale
    10,                         // divisor
    40,                         // minimum
    720,                        // maximum
    120,                        // defaultValue
    {},                         // ppdValues
    1,                          // displayUnitCount
    {{
        // L10N_LBL_TAB1FONTSIZEUNIT
        {.labelRow = 740, .scale = 5, .decimals = {1, 1}},
    }},
};

inline constexpr NumericOptionDescriptor tab2FontSizeOption{
    {{}, noTitleRow},           // no title
    NumericForm::unsignedForm,  // form
    {1, 1, 1, 1},               // outputScale
    10,                         // divisor
    40,                         // minimum
    720,                        // maximum
    120,                        // defaultValue
    {},                         // ppdValues
    1,                          // displayUnitCount
    {{
        // L10N_LBL_TAB2FONTSIZEUNIT
        {.labelRow = 741, .scale = 5, .decimals = {1, 1}},
    }},
};

inline constexpr NumericOptionDescriptor tab1LineSpacingOption{
    {{}, 748},                  // title L10N_LBL_TAB1LINESPACING
    NumericForm::unsignedForm,  // form
    {10, 10, 10, 10},           // outputScale
    10,                         // divisor
    5,                          // minimum
    30,                         // maximum
    12,                         // defaultValue
    {},                         // ppdValues
    1,                          // displayUnitCount
    {{
        {.labelRow = noTitleRow, .scale = 10, .decimals = {1, 1}},
    }},
};

inline constexpr NumericOptionDescriptor tab2LineSpacingOption{
    {{}, 749},                  // title L10N_LBL_TAB2LINESPACING
    NumericForm::unsignedForm,  // form
    {10, 10, 10, 10},           // outputScale
    10,                         // divisor
    5,                          // minimum
    30,                         // maximum
    12,                         // defaultValue
    {},                         // ppdValues
    1,                          // displayUnitCount
    {{
        {.labelRow = noTitleRow, .scale = 10, .decimals = {1, 1}},
    }},
};

inline constexpr ChoiceOptionDescriptor tab1OrientationOption{
    {{}, 810},  // title L10N_LBL_TAB1ORIENTATION
    4,          // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_TAB1ORIENTATION_NORMAL
        {.titleRow = 808, .name = "Normal", .names = {}},
        // L10N_OPT_TAB1ORIENTATION_FLIPPED
        {.titleRow = 758, .name = "Flipped", .names = {}},
        // L10N_OPT_TAB1ORIENTATION_HORIZONTAL
        {.titleRow = 760, .name = "Horizontal", .names = {}},
        // L10N_OPT_TAB1ORIENTATION_VERTICAL
        {.titleRow = 762, .name = "Vertical", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor tab2OrientationOption{
    {{}, 811},  // title L10N_LBL_TAB2ORIENTATION
    4,          // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_TAB2ORIENTATION_NORMAL
        {.titleRow = 809, .name = "Normal", .names = {}},
        // L10N_OPT_TAB2ORIENTATION_FLIPPED
        {.titleRow = 759, .name = "Flipped", .names = {}},
        // L10N_OPT_TAB2ORIENTATION_HORIZONTAL
        {.titleRow = 761, .name = "Horizontal", .names = {}},
        // L10N_OPT_TAB2ORIENTATION_VERTICAL
        {.titleRow = 763, .name = "Vertical", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor tab1PositionOption{
    {{}, 725},  // title L10N_LBL_TAB1POSITION
    3,          // choiceCount
    1,          // defaultIndex
    {{
        // L10N_OPT_TAB1POSITION_TOP
        {.titleRow = 850, .name = "Top", .names = {}},
        // L10N_OPT_TAB1POSITION_CENTER
        {.titleRow = 406, .name = "Center", .names = {}},
        // L10N_OPT_TAB1POSITION_BOTTOM
        {.titleRow = 852, .name = "Bottom", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor tab2PositionOption{
    {{}, 726},  // title L10N_LBL_TAB2POSITION
    3,          // choiceCount
    1,          // defaultIndex
    {{
        // L10N_OPT_TAB2POSITION_TOP
        {.titleRow = 851, .name = "Top", .names = {}},
        // L10N_OPT_TAB2POSITION_CENTER
        {.titleRow = 407, .name = "Center", .names = {}},
        // L10N_OPT_TAB2POSITION_BOTTOM
        {.titleRow = 853, .name = "Bottom", .names = {}},
    }},
};

inline constexpr NumericOptionDescriptor tab1TextPositionOption{
    {{}, 756},                // title L10N_LBL_TAB1TEXTPOSITION
    NumericForm::signedForm,  // form
    {10, 10, 10, 10},         // outputScale
    10000,                    // divisor
    -100000,                  // minimum
    100000,                   // maximum
    0,                        // defaultValue
    {},                       // ppdValues
    2,                        // displayUnitCount
    {{
        // L10N_LBL_TAB1TEXTPOSITIONUNIT
        {.labelRow = 589, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_TAB1TEXTPOSITIONUNITINCH
        {.labelRow = 604, .scale = 100, .decimals = {2, 2}},
    }},
};

inline constexpr NumericOptionDescriptor tab2TextPositionOption{
    {{}, 757},                // title L10N_LBL_TAB2TEXTPOSITION
    NumericForm::signedForm,  // form
    {10, 10, 10, 10},         // outputScale
    10000,                    // divisor
    -100000,                  // minimum
    100000,                   // maximum
    0,                        // defaultValue
    {},                       // ppdValues
    2,                        // displayUnitCount
    {{
        // L10N_LBL_TAB2TEXTPOSITIONUNIT
        {.labelRow = 590, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_TAB2TEXTPOSITIONUNITINCH
        {.labelRow = 605, .scale = 100, .decimals = {2, 2}},
    }},
};

}  // namespace pd
