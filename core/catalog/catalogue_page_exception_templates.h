// Catalogue content. Templates of the page-exception and tab-insertion entries; they own no record
// field.
//
// Constant data, read by every unit while compiling; see option_descriptor.h for the meaning of
// each word. Readers include option_catalogue.h.
#pragma once

#include "core/catalog/option_descriptor.h"

namespace pd {

inline constexpr ChoiceOptionDescriptor ppsPrintTypeOption{
    {{}, noTitleRow},  // no title
    8,                 // choiceCount
    0,                 // defaultIndex
    {{
        // L10N_OPT_PPSPRINTTYPE_SAMEASBODY
        {.titleRow = 820, .name = "SameAsBody", .names = {}},
        // L10N_OPT_PPSPRINTTYPE_INSERTBLANKBEFOREFSTPAGE
        {.titleRow = 825, .name = "InsertBlankBeforeFstPage", .names = {}},
        // L10N_OPT_PPSPRINTTYPE_INSERTBLANKSHEET
        {.titleRow = 823, .name = "InsertBlankSheet", .names = {}},
        // L10N_OPT_PPSPRINTTYPE_PRINTSINGLESIDED
        {.titleRow = 826, .name = "PrintSingleSided", .names = {}},
        // L10N_OPT_PPSPRINTTYPE_PRINTDOUBLESIDED
        {.titleRow = 827, .name = "PrintDoubleSided", .names = {}},
        // L10N_OPT_PPSPRINTTYPE_TAB
        {.titleRow = 836, .name = "Tab", .names = {}},
        // L10N_OPT_PPSPRINTTYPE_INSERTTABBEFORE
        {.titleRow = 1261, .name = "InsertTabBefore", .names = {}},
        // L10N_OPT_PPSPRINTTYPE_INSERTTABAFTER
        {.titleRow = 1262, .name = "InsertTabAfter", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor ppsSourceOption{
    {{}, noTitleRow},  // no title
    8,                 // choiceCount
    0,                 // defaultIndex
    {{
        // L10N_OPT_PPSSOURCE_AUTO
        {.titleRow = 277, .name = "Auto", .names = {}},
        // L10N_OPT_PPSSOURCE_TRAY1
        {.titleRow = 288, .name = "Tray1", .names = {}},
        // L10N_OPT_PPSSOURCE_TRAY2
        {.titleRow = 297, .name = "Tray2", .names = {}},
        // L10N_OPT_PPSSOURCE_TRAY3
        {.titleRow = 306, .name = "Tray3", .names = {}},
        // L10N_OPT_PPSSOURCE_TRAY4
        {.titleRow = 315, .name = "Tray4", .names = {}},
        // L10N_OPT_PPSSOURCE_TRAY5
        {.titleRow = 324, .name = "Tray5", .names = {}},
        // L10N_OPT_PPSSOURCE_PITRAY1
        {.titleRow = 845, .name = "PITray1", .names = {}},
        // L10N_OPT_PPSSOURCE_PITRAY2
        {.titleRow = 849, .name = "PITray2", .names = {}},
    }},
};

inline constexpr NumericOptionDescriptor ppsMultipleInsertionsOption{
    {{}, noTitleRow},           // no title
    NumericForm::unsignedForm,  // form
    {1, 1, 1, 1},               // outputScale
    1,                          // divisor
    0,                          // minimum
    40,                         // maximum
    0,                          // defaultValue
    {},                         // ppdValues
    0,                          // displayUnitCount
    {},                         // displayUnits
};

inline constexpr ChoiceOptionDescriptor ppsPunchOption{
    {{}, noTitleRow},  // no title
    6,                 // choiceCount
    0,                 // defaultIndex
    {{
        // L10N_OPT_PPSPUNCH_SAMEASBODY
        {.titleRow = 821, .name = "SameAsBody", .names = {}},
        // L10N_OPT_PPSPUNCH_NONE
        {.titleRow = 257, .name = "None", .names = {}},
        // L10N_OPT_PPSPUNCH_2HOLES
        {.titleRow = 48, .name = "2Holes", .names = {}},
        // L10N_OPT_PPSPUNCH_3HOLES
        {.titleRow = 50, .name = "3Holes", .names = {}},
        // L10N_OPT_PPSPUNCH_4HOLES
        {.titleRow = 52, .name = "4Holes", .names = {}},
        // L10N_OPT_PPSPUNCH_GBCSTREAMPUNCH
        {.titleRow = 54, .name = "GBCStreampunch", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor ppsStapleOption{
    {{}, noTitleRow},  // no title
    8,                 // choiceCount
    0,                 // defaultIndex
    {{
        // L10N_OPT_PPSSTAPLE_SAMEASBODY
        {.titleRow = 822, .name = "SameAsBody", .names = {}},
        // L10N_OPT_PPSSTAPLE_NONE
        {.titleRow = 258, .name = "None", .names = {}},
        // L10N_OPT_PPSSTAPLE_1STAPLELEFT
        {.titleRow = 34, .name = "1StapleLeft", .names = {}},
        // L10N_OPT_PPSSTAPLE_1STAPLERIGHT
        {.titleRow = 36, .name = "1StapleRight", .names = {}},
        // L10N_OPT_PPSSTAPLE_1STAPLE
        {.titleRow = 38, .name = "1Staple", .names = {}},
        // L10N_OPT_PPSSTAPLE_2STAPLEWIDE
        {.titleRow = 40, .name = "2StaplesWide", .names = {}},
        // L10N_OPT_PPSSTAPLE_2STAPLENORMAL
        {.titleRow = 42, .name = "2StaplesNormal", .names = {}},
        // L10N_OPT_PPSSTAPLE_2STAPLENARROW
        {.titleRow = 44, .name = "2StaplesNarrow", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor ppsFinishStaplingOption{
    {{}, noTitleRow},  // no title
    2,                 // choiceCount
    0,                 // defaultIndex
    {{
        // L10N_OPT_PPSFINISHSTAPLING_OFF
        {.titleRow = 250, .name = "Off", .names = {}},
        // L10N_OPT_PPSFINISHSTAPLING_ON
        {.titleRow = 24, .name = "On", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor ppsPaperNameOption{
    {{}, 630},  // title L10N_LBL_INPUTSLOTPAPERNAME
    1,          // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_PPSPAPERNAME_NONE
        {.titleRow = 224, .name = "None", .names = {}},
    }},
};

inline constexpr NumericOptionDescriptor tppsCurrentPageOption{
    {{}, 835},                  // title L10N_LBL_CURRENTPAGE
    NumericForm::unsignedForm,  // form
    {1, 1, 1, 1},               // outputScale
    1,                          // divisor
    1,                          // minimum
    9999,                       // maximum
    1,                          // defaultValue
    {},                         // ppdValues
    0,                          // displayUnitCount
    {},                         // displayUnits
};

inline constexpr ChoiceOptionDescriptor tppsPageModeOption{
    {{}, 721},  // title L10N_LBL_PAGEMODE
    2,          // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_TPPSPAGEMODE_TAB
        {.titleRow = 720, .name = "Tab", .names = {}},
        // L10N_OPT_TPPSPAGEMODE_NOTAB
        {.titleRow = 833, .name = "NoTab", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor tppsInsertOption{
    {{}, 722},  // title L10N_LBL_INSERT
    3,          // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_TPPSINSERT_OFF
        {.titleRow = 246, .name = "Off", .names = {}},
        // L10N_OPT_TPPSINSERT_BEFORE
        {.titleRow = 729, .name = "Before", .names = {}},
        // L10N_OPT_TPPSINSERT_AFTER
        {.titleRow = 730, .name = "After", .names = {}},
    }},
};

inline constexpr NumericOptionDescriptor tppsInsertionsOption{
    {{}, 723},                  // title L10N_LBL_INSERTIONS
    NumericForm::unsignedForm,  // form
    {1, 1, 1, 1},               // outputScale
    1,                          // divisor
    1,                          // minimum
    100,                        // maximum
    1,                          // defaultValue
    {},                         // ppdValues
    0,                          // displayUnitCount
    {},                         // displayUnits
};

inline constexpr ChoiceOptionDescriptor tppsTabTypeOption{
    {{}, 724},  // title L10N_LBL_TABTYPE
    2,          // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_TPPSTABTYPE_TAB1
        {.titleRow = 716, .name = "Tab1", .names = {}},
        // L10N_OPT_TPPSTABTYPE_TAB2
        {.titleRow = 719, .name = "Tab2", .names = {}},
    }},
};

inline constexpr TextOptionDescriptor tppsTabTextOption{
    {{}, 727},  // title L10N_LBL_TABTEXT
    {},         // defaultText
};

inline constexpr ChoiceOptionDescriptor tppsTabPositionOption{
    {{}, 854},  // title L10N_LBL_TABPOSITION
    1,          // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_TPPSTABPOSITION_PREVIOUSPAGE
        {.titleRow = 278, .name = "PreviousPage", .names = {}},
    }},
};

inline constexpr TextOptionDescriptor tppsUntitledTextOption{
    {{}, noTitleRow},  // no title
    {},                // defaultText
};

}  // namespace pd
