// Catalogue content. Templates of the page-exception and tab-insertion entries; they own no record
// field.
//
// Constant data; see option_descriptor.h for the meaning of each word.
#include "core/catalog/option_catalogue.h"

namespace pd {

constinit const ChoiceOptionDescriptor ppsPrintTypeOption{
    {{}, noTitleRow},
    8,  // choiceCount
    0,  // defaultIndex
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

constinit const ChoiceOptionDescriptor ppsSourceOption{
    {{}, noTitleRow},
    8,  // choiceCount
    0,  // defaultIndex
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

constinit const NumericOptionDescriptor ppsMultipleInsertionsOption{
    {{}, noTitleRow},
    NumericForm::unsignedForm,
    {1, 1, 1, 1},  // outputScale
    1,             // divisor
    0,             // minimum
    40,            // maximum
    0,             // defaultValue
    {},            // ppdValues
    0,             // displayUnitCount
    {},            // displayUnits
};

constinit const ChoiceOptionDescriptor ppsPunchOption{
    {{}, noTitleRow},
    6,  // choiceCount
    0,  // defaultIndex
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

constinit const ChoiceOptionDescriptor ppsStapleOption{
    {{}, noTitleRow},
    8,  // choiceCount
    0,  // defaultIndex
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

constinit const ChoiceOptionDescriptor ppsFinishStaplingOption{
    {{}, noTitleRow},
    2,  // choiceCount
    0,  // defaultIndex
    {{
        // L10N_OPT_PPSFINISHSTAPLING_OFF
        {.titleRow = 250, .name = "Off", .names = {}},
        // L10N_OPT_PPSFINISHSTAPLING_ON
        {.titleRow = 24, .name = "On", .names = {}},
    }},
};

constinit const ChoiceOptionDescriptor ppsPaperNameOption{
    // title: L10N_LBL_INPUTSLOTPAPERNAME
    {{}, 630},
    1,  // choiceCount
    0,  // defaultIndex
    {{
        // L10N_OPT_PPSPAPERNAME_NONE
        {.titleRow = 224, .name = "None", .names = {}},
    }},
};

constinit const NumericOptionDescriptor tppsCurrentPageOption{
    // title: L10N_LBL_CURRENTPAGE
    {{}, 835}, NumericForm::unsignedForm, {1, 1, 1, 1},  // outputScale
    1,                                                   // divisor
    1,                                                   // minimum
    9999,                                                // maximum
    1,                                                   // defaultValue
    {},                                                  // ppdValues
    0,                                                   // displayUnitCount
    {},                                                  // displayUnits
};

constinit const ChoiceOptionDescriptor tppsPageModeOption{
    // title: L10N_LBL_PAGEMODE
    {{}, 721},
    2,  // choiceCount
    0,  // defaultIndex
    {{
        // L10N_OPT_TPPSPAGEMODE_TAB
        {.titleRow = 720, .name = "Tab", .names = {}},
        // L10N_OPT_TPPSPAGEMODE_NOTAB
        {.titleRow = 833, .name = "NoTab", .names = {}},
    }},
};

constinit const ChoiceOptionDescriptor tppsInsertOption{
    // title: L10N_LBL_INSERT
    {{}, 722},
    3,  // choiceCount
    0,  // defaultIndex
    {{
        // L10N_OPT_TPPSINSERT_OFF
        {.titleRow = 246, .name = "Off", .names = {}},
        // L10N_OPT_TPPSINSERT_BEFORE
        {.titleRow = 729, .name = "Before", .names = {}},
        // L10N_OPT_TPPSINSERT_AFTER
        {.titleRow = 730, .name = "After", .names = {}},
    }},
};

constinit const NumericOptionDescriptor tppsInsertionsOption{
    // title: L10N_LBL_INSERTIONS
    {{}, 723}, NumericForm::unsignedForm, {1, 1, 1, 1},  // outputScale
    1,                                                   // divisor
    1,                                                   // minimum
    100,                                                 // maximum
    1,                                                   // defaultValue
    {},                                                  // ppdValues
    0,                                                   // displayUnitCount
    {},                                                  // displayUnits
};

constinit const ChoiceOptionDescriptor tppsTabTypeOption{
    // title: L10N_LBL_TABTYPE
    {{}, 724},
    2,  // choiceCount
    0,  // defaultIndex
    {{
        // L10N_OPT_TPPSTABTYPE_TAB1
        {.titleRow = 716, .name = "Tab1", .names = {}},
        // L10N_OPT_TPPSTABTYPE_TAB2
        {.titleRow = 719, .name = "Tab2", .names = {}},
    }},
};

constinit const TextOptionDescriptor tppsTabTextOption{
    // title: L10N_LBL_TABTEXT
    {{}, 727},
    nullptr,  // defaultText
};

constinit const ChoiceOptionDescriptor tppsTabPositionOption{
    // title: L10N_LBL_TABPOSITION
    {{}, 854},
    1,  // choiceCount
    0,  // defaultIndex
    {{
        // L10N_OPT_TPPSTABPOSITION_PREVIOUSPAGE
        {.titleRow = 278, .name = "PreviousPage", .names = {}},
    }},
};

constinit const TextOptionDescriptor tppsUntitledTextOption{
    {{}, noTitleRow},
    nullptr,  // defaultText
};

}  // namespace pd
