// Catalogue content. Print mode, pile, banner page and the perfect-binding cover.
//
// Constant data, read by every unit while compiling; see option_descriptor.h for the meaning of
// each word. Readers include option_catalogue.h.
#pragma once

#include "core/catalog/option_descriptor.h"

namespace pd {

inline constexpr ChoiceOptionDescriptor waitModeOption{
    {{.ppdName = "QZWaitMode"}, 1136},  // title L10N_LBL_WAITMODE
    6,                                  // choiceCount
    0,                                  // defaultIndex
    {{
        // L10N_OPT_WAITMODE_NONE
        {.titleRow = 767, .name = "None", .names = {.ppdName = "None"}},
        // L10N_OPT_WAITMODE_PROOFMODE
        {.titleRow = 1137, .name = "ProofMode", .names = {.ppdName = "ProofMode"}},
        // L10N_OPT_WAITMODE_PROOF1STSHEET
        {.titleRow = 1138, .name = "ProofMode1st", .names = {.ppdName = "Proof1stSheet"}},
        // L10N_OPT_WAITMODE_WAIT
        {.titleRow = 1139, .name = "Wait", .names = {.ppdName = "Wait"}},
        // L10N_OPT_WAITMODE_HOLDPRINT
        {.titleRow = 1140, .name = "HoldPrint", .names = {.ppdName = "HoldPrint"}},
        // L10N_OPT_WAITMODE_SECUREPRINT
        {.titleRow = 676, .name = "SecurePrint", .names = {.ppdName = "None"}},
    }},
};

inline constexpr ChoiceOptionDescriptor pileOption{
    {{.ppdName = "QZPile", .pjlName = "PILEMODE", .pjlMode = PjlMode::jobKind2Only},
     413},  // title L10N_LBL_PILE
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

inline constexpr ChoiceOptionDescriptor headerPageOption{
    {{.pjlName = "HEADERPAGE", .pjlMode = PjlMode::allJobKinds}, 646},  // title L10N_LBL_HEADERPAGE
    7,                                                                  // choiceCount
    0,                                                                  // defaultIndex
    {{
        // L10N_OPT_HEADERPAGE_OFF
        {.titleRow = 241, .name = "Off", .names = {}},
        // L10N_OPT_HEADERPAGE_AUTO
        {.titleRow = 275,
         .name = "Auto",
         .names = {.pjlName = "AUTO", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_HEADERPAGE_TRAY1
        {.titleRow = 283,
         .name = "Tray1",
         .names = {.pjlName = "TRAY1", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_HEADERPAGE_TRAY2
        {.titleRow = 292,
         .name = "Tray2",
         .names = {.pjlName = "TRAY2", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_HEADERPAGE_TRAY3
        {.titleRow = 301,
         .name = "Tray3",
         .names = {.pjlName = "TRAY3", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_HEADERPAGE_TRAY4
        {.titleRow = 310,
         .name = "Tray4",
         .names = {.pjlName = "TRAY4", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_HEADERPAGE_TRAY5
        {.titleRow = 319,
         .name = "Tray5",
         .names = {.pjlName = "TRAY5", .pjlMode = PjlMode::allJobKinds}},
    }},
};

inline constexpr ChoiceOptionDescriptor perfectBindModeOption{
    {{.ppdName = "QZPerfectBindMode",
      .pjlName = "PERFECTBINDMODE",
      .pjlMode = PjlMode::allJobKinds},
     649},  // title L10N_LBL_PERFECTBINDMODE
    6,      // choiceCount
    0,      // defaultIndex
    {{
        // L10N_OPT_PERFECTBINDMODE_NONE
        {.titleRow = 242,
         .name = "None",
         .names = {.ppdName = "None", .pjlName = "OFF", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_PERFECTBINDMODE_BLANK
        {.titleRow = 650,
         .name = "Blank",
         .names = {.ppdName = "Blank", .pjlName = "BLANK", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_PERFECTBINDMODE_1IN1PORTRAIT
        {.titleRow = 651,
         .name = "1In1Portrait",
         .names = {.ppdName = "1in1P", .pjlName = "1IN1", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_PERFECTBINDMODE_1IN1LANDSCAPE
        {.titleRow = 652,
         .name = "1In1Landscape",
         .names = {.ppdName = "1in1L", .pjlName = "1IN1", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_PERFECTBINDMODE_2IN1
        {.titleRow = 653,
         .name = "2In1",
         .names = {.ppdName = "2in1", .pjlName = "2IN1", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_PERFECTBINDMODE_3IN1
        {.titleRow = 654,
         .name = "3In1",
         .names = {.ppdName = "3in1", .pjlName = "3IN1", .pjlMode = PjlMode::allJobKinds}},
    }},
};

inline constexpr ChoiceOptionDescriptor perfectBindTrimOption{
    {{.ppdName = "QZPerfectBindTrim",
      .pjlName = "PERFECTBINDTRIM",
      .pjlMode = PjlMode::allJobKinds},
     655},  // title L10N_LBL_PERFECTBINDTRIM
    2,      // choiceCount
    0,      // defaultIndex
    {{
        {.titleRow = noTitleRow,
         .name = "False",
         .names = {.ppdName = "False", .pjlName = "OFF", .pjlMode = PjlMode::allJobKinds}},
        {.titleRow = noTitleRow,
         .name = "True",
         .names = {.ppdName = "True", .pjlName = "ON", .pjlMode = PjlMode::allJobKinds}},
    }},
};

inline constexpr NumericOptionDescriptor perfectBindTrimSpineOption{
    {{.pjlName = "PERFECTBINDSPINE", .pjlMode = PjlMode::allJobKinds},
     656},                      // title L10N_LBL_PERFECTBINDTRIMSPINE
    NumericForm::unsignedForm,  // form
    {10, 10, 10, 10},           // outputScale
    10000,                      // divisor
    10000,                      // minimum
    300000,                     // maximum
    100000,                     // defaultValue
    {},                         // ppdValues
    2,                          // displayUnitCount
    {{
        // L10N_LBL_PERFECTBINDTRIMSPINEUNIT
        {.labelRow = 581, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_PERFECTBINDTRIMSPINEUNITINCH
        {.labelRow = 596, .scale = 100, .decimals = {2, 2}},
    }},
};

inline constexpr ChoiceOptionDescriptor perfectBindDuplexOption{
    {{.ppdName = "QZPerfectBindDuplex",
      .pjlName = "PERFECTBINDDUPLEX",
      .pjlMode = PjlMode::allJobKinds},
     657},  // title L10N_LBL_PERFECTBINDDUPLEX
    2,      // choiceCount
    0,      // defaultIndex
    {{
        {.titleRow = noTitleRow,
         .name = "False",
         .names = {.ppdName = "False", .pjlName = "OFF", .pjlMode = PjlMode::allJobKinds}},
        {.titleRow = noTitleRow,
         .name = "True",
         .names = {.ppdName = "True", .pjlName = "ON", .pjlMode = PjlMode::allJobKinds}},
    }},
};

inline constexpr ChoiceOptionDescriptor perfectBindTrayOption{
    {{.ppdName = "QZPerfectBindTray"}, 837},  // title L10N_LBL_PERFECTBINDTRAY
    17,                                       // choiceCount
    0,                                        // defaultIndex
    {{
        // L10N_OPT_PERFECTBINDTRAY_TRAY1
        {.titleRow = 284, .name = "Tray1", .names = {.ppdName = "Tray1"}},
        // L10N_OPT_PERFECTBINDTRAY_TRAY2
        {.titleRow = 293, .name = "Tray2", .names = {.ppdName = "Tray2"}},
        // L10N_OPT_PERFECTBINDTRAY_TRAY3
        {.titleRow = 302, .name = "Tray3", .names = {.ppdName = "Tray3"}},
        // L10N_OPT_PERFECTBINDTRAY_TRAY4
        {.titleRow = 311, .name = "Tray4", .names = {.ppdName = "Tray4"}},
        // L10N_OPT_PERFECTBINDTRAY_TRAY5
        {.titleRow = 320, .name = "Tray5", .names = {.ppdName = "Tray5"}},
        // L10N_OPT_PERFECTBINDTRAY_TRAY6
        {.titleRow = 329, .name = "Tray6", .names = {.ppdName = "Tray6"}},
        // L10N_OPT_PERFECTBINDTRAY_TRAY7
        {.titleRow = 338, .name = "Tray7", .names = {.ppdName = "Tray7"}},
        // L10N_OPT_PERFECTBINDTRAY_TRAY8
        {.titleRow = 347, .name = "Tray8", .names = {.ppdName = "Tray8"}},
        // L10N_OPT_PERFECTBINDTRAY_TRAY9
        {.titleRow = 356, .name = "Tray9", .names = {.ppdName = "Tray9"}},
        // L10N_OPT_PERFECTBINDTRAY_TRAY10
        {.titleRow = 365, .name = "Tray10", .names = {.ppdName = "Tray10"}},
        // L10N_OPT_PERFECTBINDTRAY_TRAY11
        {.titleRow = 374, .name = "Tray11", .names = {.ppdName = "Tray11"}},
        // L10N_OPT_PERFECTBINDTRAY_PITRAY1
        {.titleRow = 842, .name = "PITray1", .names = {.ppdName = "PITray1"}},
        // L10N_OPT_PERFECTBINDTRAY_PITRAY2
        {.titleRow = 846, .name = "PITray2", .names = {.ppdName = "PITray2"}},
        // L10N_OPT_PERFECTBINDTRAY_PFUTRAY1
        {.titleRow = 1083, .name = "PFUTray1", .names = {.ppdName = "PFUTray1"}},
        // L10N_OPT_PERFECTBINDTRAY_PFUTRAY2
        {.titleRow = 1087, .name = "PFUTray2", .names = {.ppdName = "PFUTray2"}},
        // L10N_OPT_PERFECTBINDTRAY_PFUTRAY3
        {.titleRow = 1091, .name = "PFUTray3", .names = {.ppdName = "PFUTray3"}},
        // L10N_OPT_PERFECTBINDTRAY_PBTRAY
        {.titleRow = 658, .name = "PBTray", .names = {.ppdName = "PBTray"}},
    }},
};

inline constexpr ChoiceOptionDescriptor perfectBindPaperNameOption{
    {{}, 633},  // title L10N_LBL_PERFECTBINDPAPERNAME
    1,          // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_PERFECTBINDPAPERNAME_NONE
        {.titleRow = 223, .name = "None", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor perfectBindSlitOption{
    {{}, 660},  // title L10N_LBL_PERFECTBINDSLIT
    2,          // choiceCount
    0,          // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {}},
        {.titleRow = noTitleRow, .name = "True", .names = {}},
    }},
};

inline constexpr NumericOptionDescriptor perfectBindSlitPositionTopOption{
    {{}, 79},                   // title L10N_LBL_PERFECTBINDSLITPOSITIONTOP
    NumericForm::unsignedForm,  // form
    {10, 10, 10, 10},           // outputScale
    10000,                      // divisor
    80000,                      // minimum
    260000,                     // maximum
    80000,                      // defaultValue
    {},                         // ppdValues
    2,                          // displayUnitCount
    {{
        // L10N_LBL_PERFECTBINDSLITPOSITIONTOPUNITMM
        {.labelRow = 82, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_PERFECTBINDSLITPOSITIONTOPUNITINCH
        {.labelRow = 86, .scale = 100, .decimals = {2, 2}},
    }},
};

inline constexpr NumericOptionDescriptor perfectBindSlitPositionBottomOption{
    {{}, 89},                   // title L10N_LBL_PERFECTBINDSLITPOSITIONBOTTOM
    NumericForm::unsignedForm,  // form
    {10, 10, 10, 10},           // outputScale
    10000,                      // divisor
    80000,                      // minimum
    260000,                     // maximum
    80000,                      // defaultValue
    {},                         // ppdValues
    2,                          // displayUnitCount
    {{
        // L10N_LBL_PERFECTBINDSLITPOSITIONBOTTOMUNITMM
        {.labelRow = 83, .scale = 10, .decimals = {1, 1}},
        // L10N_LBL_PERFECTBINDSLITPOSITIONBOTTOMUNITINCH
        {.labelRow = 87, .scale = 100, .decimals = {2, 2}},
    }},
};

inline constexpr ChoiceOptionDescriptor perfectBindCreaseOption{
    {{.ppdName = "QZPerfectBindCrease",
      .pjlName = "PERFECTBINDCREASE",
      .pjlMode = PjlMode::allJobKinds},
     661},  // title L10N_LBL_PERFECTBINDCREASE
    4,      // choiceCount
    0,      // defaultIndex
    {{
        // L10N_OPT_PERFECTBINDCREASE_NONE
        {.titleRow = 265,
         .name = "None",
         .names = {.ppdName = "None", .pjlName = "OFF", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_PERFECTBINDCREASE_SPINE
        {.titleRow = 662,
         .name = "Spine",
         .names = {.ppdName = "Spine", .pjlName = "SPINE", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_PERFECTBINDCREASE_GUTTER
        {.titleRow = 663,
         .name = "Gutter",
         .names = {.ppdName = "Gutter", .pjlName = "GUTTER", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_PERFECTBINDCREASE_BOTH
        {.titleRow = 664,
         .name = "Both",
         .names = {.ppdName = "Both",
                   .pjlName = "SPINEANDGUTTER",
                   .pjlMode = PjlMode::allJobKinds}},
    }},
};

}  // namespace pd
