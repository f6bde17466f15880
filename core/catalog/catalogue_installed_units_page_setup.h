// Catalogue content. Installed units and the page setup: paper size, custom size, orientation and
// tray.
//
// Constant data, read by every unit while compiling; see option_descriptor.h for the meaning of
// each word. Readers include option_catalogue.h.
#pragma once

#include "core/catalog/option_descriptor.h"

namespace pd {

inline constexpr ChoiceOptionDescriptor opPaperSourcesOption{
    {{.ppdName = "QZOpPaperSources"}, 414},  // title L10N_LBL_PAPERSOURCES
    4,                                       // choiceCount
    0,                                       // defaultIndex
    {{
        // L10N_OPT_PAPERSOURCES_NONE
        {.titleRow = 430, .name = "None", .names = {.ppdName = "None"}},
        // L10N_OPT_PAPERSOURCES_QJ_225
        {.titleRow = 1166, .name = "QJ_225", .names = {.ppdName = "QJ-225"}},
        // L10N_OPT_PAPERSOURCES_QG_221
        {.titleRow = 1171, .name = "QG_221", .names = {.ppdName = "QG-221"}},
        // L10N_OPT_PAPERSOURCES_QG_222
        {.titleRow = 1172, .name = "QG_222", .names = {.ppdName = "QG-222"}},
    }},
};

inline constexpr ChoiceOptionDescriptor opZFoldUnitOption{
    {{.ppdName = "QZOpZFoldUnit"}, 1161},  // title L10N_LBL_ZFOLDUNIT
    5,                                     // choiceCount
    0,                                     // defaultIndex
    {{
        // L10N_OPT_ZFOLDUNIT_NONE
        {.titleRow = 435, .name = "None", .names = {.ppdName = "None"}},
        // L10N_OPT_ZFOLDUNIT_QP_232_2
        {.titleRow = 1162, .name = "QP_232_2", .names = {.ppdName = "QP-232-2"}},
        // L10N_OPT_ZFOLDUNIT_QP_232_23
        {.titleRow = 1163, .name = "QP_232_23", .names = {.ppdName = "QP-232-23"}},
        // L10N_OPT_ZFOLDUNIT_QP_232_24
        {.titleRow = 1164, .name = "QP_232_24", .names = {.ppdName = "QP-232-24"}},
        // L10N_OPT_ZFOLDUNIT_QP_232_4
        {.titleRow = 1165, .name = "QP_232_4", .names = {.ppdName = "QP-232-4"}},
    }},
};

inline constexpr ChoiceOptionDescriptor opStaplerOption{
    {{.ppdName = "QZOpStapler"}, 439},  // title L10N_LBL_STAPLER
    2,                                  // choiceCount
    0,                                  // defaultIndex
    {{
        // L10N_OPT_STAPLER_NONE
        {.titleRow = 433, .name = "None", .names = {.ppdName = "None"}},
        // L10N_OPT_STAPLER_QD_215
        {.titleRow = 440, .name = "QD_215", .names = {.ppdName = "QD-215"}},
    }},
};

inline constexpr ChoiceOptionDescriptor opPunchUnitOption{
    {{.ppdName = "QZOpPunchUnit"}, 444},  // title L10N_LBL_PUNCHUNIT
    5,                                    // choiceCount
    0,                                    // defaultIndex
    {{
        // L10N_OPT_PUNCHUNIT_NONE
        {.titleRow = 436, .name = "None", .names = {.ppdName = "None"}},
        // L10N_OPT_PUNCHUNIT_QL_227_2
        {.titleRow = 1173, .name = "QL_227_2", .names = {.ppdName = "QL-227-2"}},
        // L10N_OPT_PUNCHUNIT_QL_227_23
        {.titleRow = 1174, .name = "QL_227_23", .names = {.ppdName = "QL-227-23"}},
        // L10N_OPT_PUNCHUNIT_QL_227_24
        {.titleRow = 1175, .name = "QL_227_24", .names = {.ppdName = "QL-227-24"}},
        // L10N_OPT_PUNCHUNIT_QL_227_4
        {.titleRow = 1176, .name = "QL_227_4", .names = {.ppdName = "QL-227-4"}},
    }},
};

inline constexpr ChoiceOptionDescriptor opPostInserterOption{
    {{.ppdName = "QZOpPostInserter"}, 443},  // title L10N_LBL_POSTINSERTER
    2,                                       // choiceCount
    0,                                       // defaultIndex
    {{
        // L10N_OPT_POSTINSERTER_NONE
        {.titleRow = 434, .name = "None", .names = {.ppdName = "None"}},
        // L10N_OPT_POSTINSERTER_QK_226
        {.titleRow = 904, .name = "QK_226", .names = {.ppdName = "QK-226"}},
    }},
};

inline constexpr ChoiceOptionDescriptor opSaddleUnitOption{
    {{.ppdName = "QZOpSaddleUnit"}, 1155},  // title L10N_LBL_SADDLEUNIT
    2,                                      // choiceCount
    0,                                      // defaultIndex
    {{
        // L10N_OPT_SADDLEUNIT_NONE
        {.titleRow = 259, .name = "None", .names = {.ppdName = "None"}},
        // L10N_OPT_SADDLEUNIT_QM_229
        {.titleRow = 1218, .name = "QM_229", .names = {.ppdName = "QM-229"}},
    }},
};

inline constexpr ChoiceOptionDescriptor opMultiHolePunchOption{
    {{.ppdName = "QZOpMultiHolePunch"}, 441},  // title L10N_LBL_MULTIHOLEPUNCH
    2,                                         // choiceCount
    0,                                         // defaultIndex
    {{
        // L10N_OPT_MULTIHOLEPUNCH_NONE
        {.titleRow = 429, .name = "None", .names = {.ppdName = "None"}},
        // L10N_OPT_MULTIHOLEPUNCH_QE_216
        {.titleRow = 442, .name = "QE_216", .names = {.ppdName = "QE-216"}},
    }},
};

inline constexpr ChoiceOptionDescriptor opRingBinderOption{
    {{.ppdName = "QZOpRingBinder"}, 1159},  // title L10N_LBL_RINGBINDER
    2,                                      // choiceCount
    0,                                      // defaultIndex
    {{
        // L10N_OPT_RINGBINDER_NONE
        {.titleRow = 260, .name = "None", .names = {.ppdName = "None"}},
        // L10N_OPT_RINGBINDER_QE_217
        {.titleRow = 1219, .name = "QE_217", .names = {.ppdName = "QE-217"}},
    }},
};

inline constexpr ChoiceOptionDescriptor falseTrueOption{
    {{}, noTitleRow},  // no title
    2,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {}},
        {.titleRow = noTitleRow, .name = "True", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor pageSizeOption{
    {{.ppdName = "PageSize"}, 118},  // title L10N_LBL_PAGESIZE
    36,                              // choiceCount
    1,                               // defaultIndex
    {{
        // L10N_OPT_PAGESIZE_A3
        {.titleRow = 124, .name = "A3", .names = {.ppdName = "A3"}},
        // L10N_OPT_PAGESIZE_A4
        {.titleRow = 126, .name = "A4", .names = {.ppdName = "A4"}},
        // L10N_OPT_PAGESIZE_A5
        {.titleRow = 128, .name = "A5", .names = {.ppdName = "A5"}},
        // L10N_OPT_PAGESIZE_B4
        {.titleRow = 130, .name = "B4", .names = {.ppdName = "QXB4"}},
        // L10N_OPT_PAGESIZE_B5
        {.titleRow = 132, .name = "B5", .names = {.ppdName = "QXB5"}},
        // L10N_OPT_PAGESIZE_ISOB4
        {.titleRow = 134, .name = "ISOB4", .names = {.ppdName = "QXISOB4"}},
        // L10N_OPT_PAGESIZE_ISOB5
        {.titleRow = 136, .name = "ISOB5", .names = {.ppdName = "QXISOB5"}},
        // L10N_OPT_PAGESIZE_SRA3
        {.titleRow = 138, .name = "SRA3", .names = {.ppdName = "SRA3"}},
        // L10N_OPT_PAGESIZE_SRA4
        {.titleRow = 140, .name = "SRA4", .names = {.ppdName = "SRA4"}},
        // L10N_OPT_PAGESIZE_TABLOIDEXTRA
        {.titleRow = 142, .name = "TabloidExtra", .names = {.ppdName = "QXTabloidExtra"}},
        // L10N_OPT_PAGESIZE_TABLOID
        {.titleRow = 144, .name = "Tabloid", .names = {.ppdName = "QXTabloid"}},
        // L10N_OPT_PAGESIZE_9X11
        {.titleRow = 146, .name = "9x11", .names = {.ppdName = "9x11"}},
        // L10N_OPT_PAGESIZE_LEGAL
        {.titleRow = 148, .name = "Legal", .names = {.ppdName = "Legal"}},
        // L10N_OPT_PAGESIZE_8X13
        {.titleRow = 150, .name = "8x13", .names = {.ppdName = "8x13"}},
        // L10N_OPT_PAGESIZE_FANFOLDGERMANLEGAL
        {.titleRow = 152,
         .name = "FanFoldGermanLegal",
         .names = {.ppdName = "QXFanFoldGermanLegal"}},
        // L10N_OPT_PAGESIZE_825X13
        {.titleRow = 154, .name = "825x13", .names = {.ppdName = "8.25x13"}},
        // L10N_OPT_PAGESIZE_8125X1325
        {.titleRow = 156, .name = "8125x1325", .names = {.ppdName = "8.125x13.25"}},
        // L10N_OPT_PAGESIZE_LETTER
        {.titleRow = 158, .name = "Letter", .names = {.ppdName = "Letter"}},
        // L10N_OPT_PAGESIZE_STATEMENT
        {.titleRow = 160, .name = "Statement", .names = {.ppdName = "QXStatement"}},
        // L10N_OPT_PAGESIZE_POSTCARD
        {.titleRow = 162, .name = "Postcard", .names = {.ppdName = "QXPostcard"}},
        // L10N_OPT_PAGESIZE_QXA3W
        {.titleRow = 164, .name = "QXA3W", .names = {.ppdName = "QXA3W"}},
        // L10N_OPT_PAGESIZE_QXA4W
        {.titleRow = 166, .name = "QXA4W", .names = {.ppdName = "QXA4W"}},
        // L10N_OPT_PAGESIZE_QXA5W
        {.titleRow = 168, .name = "QXA5W", .names = {.ppdName = "QXA5W"}},
        // L10N_OPT_PAGESIZE_QXB4W
        {.titleRow = 170, .name = "QXB4W", .names = {.ppdName = "QXB4W"}},
        // L10N_OPT_PAGESIZE_QXB5W
        {.titleRow = 172, .name = "QXB5W", .names = {.ppdName = "QXB5W"}},
        // L10N_OPT_PAGESIZE_QXISOB4W
        {.titleRow = 174, .name = "QXISOB4W", .names = {.ppdName = "QXISOB4W"}},
        // L10N_OPT_PAGESIZE_QXISOB5W
        {.titleRow = 176, .name = "QXISOB5W", .names = {.ppdName = "QXISOB5W"}},
        // L10N_OPT_PAGESIZE_QXTABLOIDEXTRAW
        {.titleRow = 178, .name = "QXTabloidExtraW", .names = {.ppdName = "QXTabloidExtraW"}},
        // L10N_OPT_PAGESIZE_QXTABLOIDW
        {.titleRow = 180, .name = "QXTabloidW", .names = {.ppdName = "QXTabloidW"}},
        // L10N_OPT_PAGESIZE_QXLETTERW
        {.titleRow = 182, .name = "QXLetterW", .names = {.ppdName = "QXLetterW"}},
        // L10N_OPT_PAGESIZE_QXSTATEMENTW
        {.titleRow = 184, .name = "QXStatementW", .names = {.ppdName = "QXStatementW"}},
        // L10N_OPT_PAGESIZE_QXA4TAB1
        {.titleRow = 186, .name = "QXA4Tab1", .names = {.ppdName = "QXA4Tab1"}},
        // L10N_OPT_PAGESIZE_QXA4TAB2
        {.titleRow = 1258, .name = "QXA4Tab2", .names = {.ppdName = "QXA4Tab2"}},
        // L10N_OPT_PAGESIZE_QXLETTERTAB
        {.titleRow = 190, .name = "QXLetterTab", .names = {.ppdName = "QXLetterTab"}},
        // L10N_OPT_PAGESIZE_8K
        {.titleRow = 194, .name = "8K", .names = {.ppdName = "8K"}},
        // L10N_OPT_PAGESIZE_16K
        {.titleRow = 196, .name = "16K", .names = {.ppdName = "16K"}},
    }},
};

inline constexpr NumericOptionDescriptor customPageSizeWidthOption{
    {{}, noTitleRow},           // no title
    NumericForm::unsignedForm,  // form
    {1000, 1000, 1000, 1000},   // outputScale
    10000,                      // divisor
    0,                          // minimum
    600000000,                  // maximum
    0,                          // defaultValue
    {},                         // ppdValues
    0,                          // displayUnitCount
    {},                         // displayUnits
};

inline constexpr NumericOptionDescriptor customPageSizeHeightOption{
    {{}, noTitleRow},           // no title
    NumericForm::unsignedForm,  // form
    {1000, 1000, 1000, 1000},   // outputScale
    10000,                      // divisor
    0,                          // minimum
    600000000,                  // maximum
    0,                          // defaultValue
    {},                         // ppdValues
    0,                          // displayUnitCount
    {},                         // displayUnits
};

inline constexpr ChoiceOptionDescriptor pageSizeTypeOption{
    {{}, noTitleRow},  // no title
    3,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "NotFromEngine", .names = {}},
        {.titleRow = noTitleRow, .name = "FromEngine", .names = {}},
        {.titleRow = noTitleRow, .name = "BuiltInCustomSize", .names = {}},
    }},
};

inline constexpr TextOptionDescriptor pageSizeNameOption{
    {{}, noTitleRow},  // no title
    {},                // defaultText
};

inline constexpr ChoiceOptionDescriptor orientationOption{
    {{}, 537},  // title L10N_LBL_ORIENTATION
    2,          // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_ORIENTATION_PORT
        {.titleRow = 538, .name = "Port", .names = {}},
        // L10N_OPT_ORIENTATION_LAND
        {.titleRow = 539, .name = "Land", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor inputSlotOption{
    {{.ppdName = "InputSlot", .pjlName = "MEDIASOURCE", .pjlMode = PjlMode::jobKind2Only},
     12},  // title L10N_LBL_INPUTSLOT
    6,     // choiceCount
    0,     // defaultIndex
    {{
        // L10N_OPT_INPUTSLOT_AUTO
        {.titleRow = 274,
         .name = "Auto",
         .names = {.pjlName = "DEFAULT", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_INPUTSLOT_TRAY1
        {.titleRow = 282,
         .name = "Tray1",
         .names = {.ppdName = "Tray1", .pjlName = "TRAY1", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_INPUTSLOT_TRAY2
        {.titleRow = 291,
         .name = "Tray2",
         .names = {.ppdName = "Tray2", .pjlName = "TRAY2", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_INPUTSLOT_TRAY3
        {.titleRow = 300,
         .name = "Tray3",
         .names = {.ppdName = "Tray3", .pjlName = "TRAY3", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_INPUTSLOT_TRAY4
        {.titleRow = 309,
         .name = "Tray4",
         .names = {.ppdName = "Tray4", .pjlName = "TRAY4", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_INPUTSLOT_TRAY5
        {.titleRow = 318,
         .name = "Tray5",
         .names = {.ppdName = "Tray5", .pjlName = "TRAY5", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor inputSlotPaperNameOption{
    {{}, 630},  // title L10N_LBL_INPUTSLOTPAPERNAME
    1,          // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_INPUTSLOTPAPERNAME_NONE
        {.titleRow = 220, .name = "None", .names = {}},
    }},
};

}  // namespace pd
