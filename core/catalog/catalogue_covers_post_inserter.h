// Catalogue content. Front and back covers and the post inserter.
//
// Constant data, read by every unit while compiling; see option_descriptor.h for the meaning of
// each word. Readers include option_catalogue.h.
#pragma once

#include "core/catalog/option_descriptor.h"

namespace pd {

inline constexpr ChoiceOptionDescriptor frontCoverTrayOption{
    {{.ppdName = "QZFrontCoverTray"}, 272},  // title L10N_LBL_FRONTCOVERTRAY
    6,                                       // choiceCount
    0,                                       // defaultIndex
    {{
        // L10N_OPT_FRONTCOVERTRAY_NONE
        {.titleRow = 236, .name = "None", .names = {.ppdName = "None"}},
        // L10N_OPT_FRONTCOVERTRAY_TRAY1
        {.titleRow = 281, .name = "Tray1", .names = {.ppdName = "Tray1"}},
        // L10N_OPT_FRONTCOVERTRAY_TRAY2
        {.titleRow = 290, .name = "Tray2", .names = {.ppdName = "Tray2"}},
        // L10N_OPT_FRONTCOVERTRAY_TRAY3
        {.titleRow = 299, .name = "Tray3", .names = {.ppdName = "Tray3"}},
        // L10N_OPT_FRONTCOVERTRAY_TRAY4
        {.titleRow = 308, .name = "Tray4", .names = {.ppdName = "Tray4"}},
        // L10N_OPT_FRONTCOVERTRAY_TRAY5
        {.titleRow = 317, .name = "Tray5", .names = {.ppdName = "Tray5"}},
    }},
};

inline constexpr ChoiceOptionDescriptor frontCoverPaperNameOption{
    {{}, 631},  // title L10N_LBL_FRONTCOVERPAPERNAME
    1,          // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_FRONTCOVERPAPERNAME_NONE
        {.titleRow = 221, .name = "None", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor frontCoverMediaTypeOption{
    {{}, noTitleRow},  // no title
    0,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = {}, .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor frontCoverMediaWeightOption{
    {{}, noTitleRow},  // no title
    0,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = {}, .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor frontCoverMediaColorOption{
    {{}, noTitleRow},  // no title
    0,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = {}, .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor frontCoverMediaPrepunchedOption{
    {{}, noTitleRow},  // no title
    0,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = {}, .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor piFrontCoverTrayOption{
    {{.ppdName = "QZPIFrontCoverTray", .pjlName = "PIFRONT", .pjlMode = PjlMode::jobKind2Only},
     1303},  // title L10N_LBL_PIFRONTCOVERTRAY
    3,       // choiceCount
    0,       // defaultIndex
    {{
        // L10N_OPT_PIFRONTCOVERTRAY_NONE
        {.titleRow = 243,
         .name = "None",
         .names = {.ppdName = "None", .pjlName = "OFF", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_PIFRONTCOVERTRAY_PITRAY1
        {.titleRow = 843,
         .name = "PITray1",
         .names = {.ppdName = "PITray1", .pjlName = "PITRAY1", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_PIFRONTCOVERTRAY_PITRAY2
        {.titleRow = 847,
         .name = "PITray2",
         .names = {.ppdName = "PITray2", .pjlName = "PITRAY2", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr NumericOptionDescriptor piFrontSheetsOption{
    {{.pjlName = "PIFRONTPAGES", .pjlMode = PjlMode::allJobKinds}, noTitleRow},  // no title
    NumericForm::unsignedForm,                                                   // form
    {1, 1, 1, 1},                                                                // outputScale
    1,                                                                           // divisor
    1,                                                                           // minimum
    40,                                                                          // maximum
    1,                                                                           // defaultValue
    {},                                                                          // ppdValues
    1,                                                                           // displayUnitCount
    {{
        // L10N_LBL_PIFRONTSHEETSUNIT
        {.labelRow = 647, .scale = 1, .decimals = {0, 0}},
    }},
};

inline constexpr ChoiceOptionDescriptor frontCoverPrintedOption{
    {{.ppdName = "QZFrontCoverPrinted"}, 270},  // title L10N_LBL_FRONTCOVERPRINTED
    2,                                          // choiceCount
    0,                                          // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {.ppdName = "False"}},
        {.titleRow = noTitleRow, .name = "True", .names = {.ppdName = "True"}},
    }},
};

inline constexpr ChoiceOptionDescriptor backCoverTrayOption{
    {{.ppdName = "QZBackCoverTray"}, 273},  // title L10N_LBL_BACKCOVERTRAY
    6,                                      // choiceCount
    0,                                      // defaultIndex
    {{
        // L10N_OPT_BACKCOVERTRAY_NONE
        {.titleRow = 233, .name = "None", .names = {.ppdName = "None"}},
        // L10N_OPT_BACKCOVERTRAY_TRAY1
        {.titleRow = 280, .name = "Tray1", .names = {.ppdName = "Tray1"}},
        // L10N_OPT_BACKCOVERTRAY_TRAY2
        {.titleRow = 289, .name = "Tray2", .names = {.ppdName = "Tray2"}},
        // L10N_OPT_BACKCOVERTRAY_TRAY3
        {.titleRow = 298, .name = "Tray3", .names = {.ppdName = "Tray3"}},
        // L10N_OPT_BACKCOVERTRAY_TRAY4
        {.titleRow = 307, .name = "Tray4", .names = {.ppdName = "Tray4"}},
        // L10N_OPT_BACKCOVERTRAY_TRAY5
        {.titleRow = 316, .name = "Tray5", .names = {.ppdName = "Tray5"}},
    }},
};

inline constexpr ChoiceOptionDescriptor backCoverPaperNameOption{
    {{}, 632},  // title L10N_LBL_BACKCOVERPAPERNAME
    1,          // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_BACKCOVERPAPERNAME_NONE
        {.titleRow = 222, .name = "None", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor backCoverMediaTypeOption{
    {{}, noTitleRow},  // no title
    0,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = {}, .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor backCoverMediaWeightOption{
    {{}, noTitleRow},  // no title
    0,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = {}, .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor backCoverMediaColorOption{
    {{}, noTitleRow},  // no title
    0,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = {}, .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor backCoverMediaPrepunchedOption{
    {{}, noTitleRow},  // no title
    0,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = {}, .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor piBackCoverTrayOption{
    {{.ppdName = "QZPIBackCoverTray", .pjlName = "PIBACK", .pjlMode = PjlMode::jobKind2Only},
     1304},  // title L10N_LBL_PIBACKCOVERTRAY
    3,       // choiceCount
    0,       // defaultIndex
    {{
        // L10N_OPT_PIBACKCOVERTRAY_NONE
        {.titleRow = 244,
         .name = "None",
         .names = {.ppdName = "None", .pjlName = "OFF", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_PIBACKCOVERTRAY_PITRAY1
        {.titleRow = 844,
         .name = "PITray1",
         .names = {.ppdName = "PITray1", .pjlName = "PITRAY1", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_PIBACKCOVERTRAY_PITRAY2
        {.titleRow = 848,
         .name = "PITray2",
         .names = {.ppdName = "PITray2", .pjlName = "PITRAY2", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr NumericOptionDescriptor piBackSheetsOption{
    {{.pjlName = "PIBACKPAGES", .pjlMode = PjlMode::allJobKinds}, noTitleRow},  // no title
    NumericForm::unsignedForm,                                                  // form
    {1, 1, 1, 1},                                                               // outputScale
    1,                                                                          // divisor
    1,                                                                          // minimum
    40,                                                                         // maximum
    1,                                                                          // defaultValue
    {},                                                                         // ppdValues
    1,                                                                          // displayUnitCount
    {{
        // L10N_LBL_PIBACKSHEETSUNIT
        {.labelRow = 648, .scale = 1, .decimals = {0, 0}},
    }},
};

inline constexpr ChoiceOptionDescriptor backCoverPrintedOption{
    {{.ppdName = "QZBackCoverPrinted"}, 271},  // title L10N_LBL_BACKCOVERPRINTED
    2,                                         // choiceCount
    0,                                         // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {.ppdName = "False"}},
        {.titleRow = noTitleRow, .name = "True", .names = {.ppdName = "True"}},
    }},
};

}  // namespace pd
