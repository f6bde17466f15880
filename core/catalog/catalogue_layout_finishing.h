// Catalogue content. Layout and finishing: imposition, duplex, copies, binding, N-up, stapling,
// punching, folding.
//
// Constant data, read by every unit while compiling; see option_descriptor.h for the meaning of
// each word. Readers include option_catalogue.h.
#pragma once

#include "core/catalog/option_descriptor.h"

namespace pd {

inline constexpr ChoiceOptionDescriptor layoutOption{
    {{.ppdName = "QZLayout", .pjlName = "LAYOUT", .pjlMode = PjlMode::allJobKinds},
     13},  // title L10N_LBL_LAYOUT
    10,    // choiceCount
    0,     // defaultIndex
    {{
        // L10N_OPT_LAYOUT_NONE
        {.titleRow = 237,
         .name = "None",
         .names = {.ppdName = "None", .pjlName = "NORMAL", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_LAYOUT_ADHBINDING
        {.titleRow = 14,
         .name = "AdhBinding",
         .names = {.ppdName = "AdhBinding",
                   .pjlName = "ADHESIVE",
                   .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_LAYOUT_BOOKLET
        {.titleRow = 15,
         .name = "Booklet",
         .names = {.ppdName = "Booklet",
                   .pjlName = "BOOKLET4IN1",
                   .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_LAYOUT_2IN1
        {.titleRow = 16,
         .name = "2in1",
         .names = {.ppdName = "2in1", .pjlName = "NORMAL2IN1", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_LAYOUT_2IN1REVERSE
        {.titleRow = 17,
         .name = "2in1Reverse",
         .names = {.ppdName = "2in1Reverse", .pjlName = "NORMAL", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_LAYOUT_2REPEAT
        {.titleRow = 18,
         .name = "2Repeat",
         .names = {.ppdName = "2Repeat", .pjlName = "RPT2IN1", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_LAYOUT_2REPEATREVERSELEFT
        {.titleRow = 1063,
         .name = "2RepeatReverseLeft",
         .names = {.ppdName = "2RepeatReverseLeft",
                   .pjlName = "RPT2IN1REV2",
                   .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_LAYOUT_2REPEATREVERSERIGHT
        {.titleRow = 1064,
         .name = "2RepeatReverseRight",
         .names = {.ppdName = "2RepeatReverseRight",
                   .pjlName = "RPT2IN1REV1",
                   .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_LAYOUT_2REPEATREVERSETOP
        {.titleRow = 1065,
         .name = "2RepeatReverseTop",
         .names = {.ppdName = "2RepeatReverseTop",
                   .pjlName = "RPT2IN1REV1",
                   .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_LAYOUT_2REPEATREVERSEBOTTOM
        {.titleRow = 1066,
         .name = "2RepeatReverseBottom",
         .names = {.ppdName = "2RepeatReverseBottom",
                   .pjlName = "RPT2IN1REV2",
                   .pjlMode = PjlMode::allJobKinds}},
    }},
};

inline constexpr ChoiceOptionDescriptor duplexOption{
    {{.ppdName = "QZDuplex", .pjlName = "DUPLEX", .pjlMode = PjlMode::jobKind2Only},
     19},  // title L10N_LBL_DUPLEX
    2,     // choiceCount
    1,     // defaultIndex
    {{
        {.titleRow = noTitleRow,
         .name = "False",
         .names = {.ppdName = "False", .pjlName = "OFF", .pjlMode = PjlMode::jobKind2Only}},
        {.titleRow = noTitleRow,
         .name = "True",
         .names = {.ppdName = "True", .pjlName = "ON", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor bookletBlankInsertionOption{
    {{}, 1256},  // title L10N_LBL_BOOKLETBLANKINSERTION
    2,           // choiceCount
    0,           // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {}},
        {.titleRow = noTitleRow, .name = "True", .names = {}},
    }},
};

inline constexpr NumericOptionDescriptor numCopiesOption{
    {{.pjlMode = PjlMode::allJobKinds}, 1299},  // title L10N_LBL_COPIES
    NumericForm::unsignedForm,                  // form
    {1, 1, 1, 1},                               // outputScale
    1,                                          // divisor
    1,                                          // minimum
    9999,                                       // maximum
    1,                                          // defaultValue
    {},                                         // ppdValues
    1,                                          // displayUnitCount
    {{
        // L10N_LBL_COPIESUNIT
        {.labelRow = 1300, .scale = 1, .decimals = {0, 0}},
    }},
};

inline constexpr ChoiceOptionDescriptor collateOption{
    {{.ppdName = "QZCollate"}, 20},  // title L10N_LBL_COLLATE
    2,                               // choiceCount
    0,                               // defaultIndex
    {{
        // L10N_OPT_COLLATE_SORT
        {.titleRow = 627, .name = "Sort", .names = {.ppdName = "Sort"}},
        // L10N_OPT_COLLATE_GROUP
        {.titleRow = 628, .name = "Group", .names = {.ppdName = "Group"}},
    }},
};

inline constexpr ChoiceOptionDescriptor offsetOption{
    {{.ppdName = "QZOffset", .pjlName = "JOBOFFSET", .pjlMode = PjlMode::jobKind2Only},
     23},  // title L10N_LBL_OFFSET
    2,     // choiceCount
    0,     // defaultIndex
    {{
        {.titleRow = noTitleRow,
         .name = "False",
         .names = {.ppdName = "False", .pjlName = "OFF", .pjlMode = PjlMode::jobKind2Only}},
        {.titleRow = noTitleRow,
         .name = "True",
         .names = {.ppdName = "True", .pjlName = "ON", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor nTo1Option{
    {{.ppdName = "QZNto1", .pjlName = "NTO1", .pjlMode = PjlMode::jobKind2Only},
     620},  // title L10N_LBL_NTO1
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

inline constexpr ChoiceOptionDescriptor faceUpOption{
    {{.ppdName = "QZOutputOrder", .pjlName = "OUTPUTMODE", .pjlMode = PjlMode::jobKind2Only},
     26},  // title L10N_LBL_FACEUP
    2,     // choiceCount
    0,     // defaultIndex
    {{
        {.titleRow = noTitleRow,
         .name = "False",
         .names = {.ppdName = "FaceDown", .pjlName = "FACEDOWN", .pjlMode = PjlMode::allJobKinds}},
        {.titleRow = noTitleRow,
         .name = "True",
         .names = {.ppdName = "FaceUp", .pjlName = "FACEUP", .pjlMode = PjlMode::allJobKinds}},
    }},
};

inline constexpr ChoiceOptionDescriptor bindingOption{
    {{.ppdName = "QZBinding", .pjlName = "BINDING", .pjlMode = PjlMode::allJobKinds},
     27},  // title L10N_LBL_BINDING
    3,     // choiceCount
    0,     // defaultIndex
    {{
        // L10N_OPT_BINDING_LEFTBINDING
        {.titleRow = 28,
         .name = "Left",
         .names = {.ppdName = "LeftBinding", .pjlName = "LEFT", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_BINDING_RIGHTBINDING
        {.titleRow = 29,
         .name = "Right",
         .names = {.ppdName = "RightBinding", .pjlName = "RIGHT", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_BINDING_TOPBINDING
        {.titleRow = 30,
         .name = "Top",
         .names = {.ppdName = "TopBinding", .pjlName = "TOP", .pjlMode = PjlMode::allJobKinds}},
    }},
};

inline constexpr ChoiceOptionDescriptor nUpCountOption{
    {{.ppdName = "QZNup", .pjlName = "INFONIN1", .pjlMode = PjlMode::jobKind1Only},
     570},  // title L10N_LBL_NUPCOUNT
    13,     // choiceCount
    0,      // defaultIndex
    {{
        // L10N_OPT_NUPCOUNT_1
        {.titleRow = 253, .name = "1", .names = {.ppdName = "None"}},
        // L10N_OPT_NUPCOUNT_2
        {.titleRow = 571,
         .name = "2",
         .names = {.ppdName = "2Forward", .pjlName = "N2", .pjlMode = PjlMode::jobKind1Only}},
        // L10N_OPT_NUPCOUNT_2REVERSE
        {.titleRow = 1057,
         .name = "2Reverse",
         .names = {.ppdName = "2Reverse", .pjlName = "N2", .pjlMode = PjlMode::jobKind1Only}},
        // L10N_OPT_NUPCOUNT_4
        {.titleRow = 572,
         .name = "4",
         .names = {.ppdName = "4Forward", .pjlName = "N4", .pjlMode = PjlMode::jobKind1Only}},
        // L10N_OPT_NUPCOUNT_4REVERSE
        {.titleRow = 1058,
         .name = "4Reverse",
         .names = {.ppdName = "4Reverse", .pjlName = "N4", .pjlMode = PjlMode::jobKind1Only}},
        // L10N_OPT_NUPCOUNT_6
        {.titleRow = 573,
         .name = "6",
         .names = {.ppdName = "6Forward", .pjlName = "N6", .pjlMode = PjlMode::jobKind1Only}},
        // L10N_OPT_NUPCOUNT_6REVERSE
        {.titleRow = 1059,
         .name = "6Reverse",
         .names = {.ppdName = "6Reverse", .pjlName = "N6", .pjlMode = PjlMode::jobKind1Only}},
        // L10N_OPT_NUPCOUNT_8
        {.titleRow = 574,
         .name = "8",
         .names = {.ppdName = "8Forward", .pjlName = "N8", .pjlMode = PjlMode::jobKind1Only}},
        // L10N_OPT_NUPCOUNT_8REVERSE
        {.titleRow = 1060,
         .name = "8Reverse",
         .names = {.ppdName = "8Reverse", .pjlName = "N8", .pjlMode = PjlMode::jobKind1Only}},
        // L10N_OPT_NUPCOUNT_9
        {.titleRow = 575,
         .name = "9",
         .names = {.ppdName = "9", .pjlName = "N9", .pjlMode = PjlMode::jobKind1Only}},
        // L10N_OPT_NUPCOUNT_9REVERSE
        {.titleRow = 1061,
         .name = "9Reverse",
         .names = {.ppdName = "9Reverse", .pjlName = "N9", .pjlMode = PjlMode::jobKind1Only}},
        // L10N_OPT_NUPCOUNT_16
        {.titleRow = 576,
         .name = "16",
         .names = {.ppdName = "16Forward", .pjlName = "N16", .pjlMode = PjlMode::jobKind1Only}},
        // L10N_OPT_NUPCOUNT_16REVERSE
        {.titleRow = 1062,
         .name = "16Reverse",
         .names = {.ppdName = "16Reverse", .pjlName = "N16", .pjlMode = PjlMode::jobKind1Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor ringBindingOption{
    {{.ppdName = "QZRingBindMode", .pjlName = "RINGBINDMODE", .pjlMode = PjlMode::jobKind2Only},
     1198},  // title L10N_LBL_RINGBINDING
    2,       // choiceCount
    0,       // defaultIndex
    {{
        {.titleRow = noTitleRow,
         .name = "False",
         .names = {.ppdName = "False", .pjlName = "OFF", .pjlMode = PjlMode::jobKind2Only}},
        {.titleRow = noTitleRow,
         .name = "True",
         .names = {.ppdName = "True", .pjlName = "ON", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor printedSideFirstOption{
    {{.ppdName = "QZRingBindFrontFace",
      .pjlName = "RINGBINDFRONTFACE",
      .pjlMode = PjlMode::jobKind2Only},
     1199},  // title L10N_LBL_PRINTEDSIDEFIRST
    2,       // choiceCount
    1,       // defaultIndex
    {{
        // L10N_OPT_PRINTEDSIDEFIRST_INSIDE
        {.titleRow = 615,
         .name = "Inside",
         .names = {.ppdName = "Inside", .pjlName = "IN", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_PRINTEDSIDEFIRST_OUTSIDE
        {.titleRow = 618,
         .name = "Outside",
         .names = {.ppdName = "Outside", .pjlName = "OUT", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor printedSideLastOption{
    {{.ppdName = "QZRingBindBackFace",
      .pjlName = "RINGBINDBACKFACE",
      .pjlMode = PjlMode::jobKind2Only},
     1200},  // title L10N_LBL_PRINTEDSIDELAST
    2,       // choiceCount
    0,       // defaultIndex
    {{
        // L10N_OPT_PRINTEDSIDELAST_INSIDE
        {.titleRow = 616,
         .name = "Inside",
         .names = {.ppdName = "Inside", .pjlName = "IN", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_PRINTEDSIDELAST_OUTSIDE
        {.titleRow = 619,
         .name = "Outside",
         .names = {.ppdName = "Outside", .pjlName = "OUT", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor stapleOption{
    {{.ppdName = "QZStaple", .pjlName = "FINISH", .pjlMode = PjlMode::jobKind2Only},
     31},  // title L10N_LBL_STAPLE
    7,     // choiceCount
    0,     // defaultIndex
    {{
        // L10N_OPT_STAPLE_NONE
        {.titleRow = 240,
         .name = "None",
         .names = {.ppdName = "None", .pjlName = "NONE", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_STAPLE_1STAPLELEFT
        {.titleRow = 33,
         .name = "1StapleLeft",
         .names = {.ppdName = "1Staple(Left)",
                   .pjlName = "LEFT1POINT",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_STAPLE_1STAPLERIGHT
        {.titleRow = 35,
         .name = "1StapleRight",
         .names = {.ppdName = "1Staple(Right)",
                   .pjlName = "RIGHT1POINT",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_STAPLE_1STAPLE
        {.titleRow = 37, .name = "1Staple", .names = {}},
        // L10N_OPT_STAPLE_2STAPLEWIDE
        {.titleRow = 39,
         .name = "2StaplesWide",
         .names = {.ppdName = "2StapleWide",
                   .pjlName = "ANY2POINT",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_STAPLE_2STAPLENORMAL
        {.titleRow = 41,
         .name = "2StaplesNormal",
         .names = {.ppdName = "2StapleNormal",
                   .pjlName = "ANY2POINT",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_STAPLE_2STAPLENARROW
        {.titleRow = 43,
         .name = "2StaplesNarrow",
         .names = {.ppdName = "2StapleNarrow",
                   .pjlName = "ANY2POINT",
                   .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor punchOption{
    {{.ppdName = "QZPunch", .pjlName = "PUNCH", .pjlMode = PjlMode::jobKind2Only},
     45},  // title L10N_LBL_PUNCH
    5,     // choiceCount
    0,     // defaultIndex
    {{
        // L10N_OPT_PUNCH_NONE
        {.titleRow = 238,
         .name = "None",
         .names = {.ppdName = "None", .pjlName = "OFF", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_PUNCH_2HOLES
        {.titleRow = 47,
         .name = "2Holes",
         .names = {.ppdName = "2holes", .pjlName = "ON", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_PUNCH_3HOLES
        {.titleRow = 49,
         .name = "3Holes",
         .names = {.ppdName = "3holes", .pjlName = "ON", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_PUNCH_4HOLES
        {.titleRow = 51,
         .name = "4Holes",
         .names = {.ppdName = "4holes", .pjlName = "ON", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_PUNCH_GBCSTREAMPUNCH
        {.titleRow = 53,
         .name = "GBCStreampunch",
         .names = {.ppdName = "GBCStreampunch", .pjlName = "ON", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor feedDirOption{
    {{.pjlName = "FEEDDIRECTION", .pjlMode = PjlMode::jobKind2Only}, noTitleRow},  // no title
    3,                                                                             // choiceCount
    0,                                                                             // defaultIndex
    {{
        {.titleRow = noTitleRow,
         .name = "Auto",
         .names = {.pjlName = "AUTO", .pjlMode = PjlMode::jobKind2Only}},
        {.titleRow = noTitleRow,
         .name = "LongEdge",
         .names = {.pjlName = "LEF", .pjlMode = PjlMode::jobKind2Only}},
        {.titleRow = noTitleRow,
         .name = "ShortEdge",
         .names = {.pjlName = "SEF", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor foldDirectionOption{
    {{.ppdName = "QZFoldDirection"}, 613},  // title L10N_LBL_FOLDDIRECTION
    2,                                      // choiceCount
    0,                                      // defaultIndex
    {{
        // L10N_OPT_FOLDDIRECTION_INSIDE
        {.titleRow = 614, .name = "Inside", .names = {.ppdName = "Inside"}},
        // L10N_OPT_FOLDDIRECTION_OUTSIDE
        {.titleRow = 617, .name = "Outside", .names = {.ppdName = "Outside"}},
    }},
};

inline constexpr ChoiceOptionDescriptor foldOption{
    {{.ppdName = "QZFoldMode", .pjlName = "FOLDING", .pjlMode = PjlMode::jobKind2Only},
     55},  // title L10N_LBL_FOLD
    5,     // choiceCount
    0,     // defaultIndex
    {{
        // L10N_OPT_FOLD_NONE
        {.titleRow = 235,
         .name = "None",
         .names = {.ppdName = "None", .pjlName = "OFF", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_FOLD_ZFOLD1
        {.titleRow = 905,
         .name = "ZFold1",
         .names = {.ppdName = "ZFold1", .pjlName = "ZFOLD", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_FOLD_ZFOLD2
        {.titleRow = 906,
         .name = "ZFold2",
         .names = {.ppdName = "ZFold2", .pjlName = "ZFOLD", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_FOLD_MULTILETTERFOLD
        {.titleRow = 63,
         .name = "MultiLetterFold",
         .names = {.ppdName = "MultiLetterFold",
                   .pjlName = "MULTILETTERFOLD",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_FOLD_MULTICENTERFOLD
        {.titleRow = 64,
         .name = "MultiCenterFold",
         .names = {.ppdName = "MultiCenterFold",
                   .pjlName = "MULTICENTERFOLD",
                   .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor stitchOption{
    {{.ppdName = "QZFoldStitch"}, 65},  // title L10N_LBL_STITCH
    2,                                  // choiceCount
    0,                                  // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {.ppdName = "False"}},
        {.titleRow = noTitleRow, .name = "True", .names = {.ppdName = "True"}},
    }},
};

inline constexpr ChoiceOptionDescriptor trimOption{
    {{.ppdName = "QZFoldTrim", .pjlName = "TRIM", .pjlMode = PjlMode::jobKind2Only},
     68},  // title L10N_LBL_TRIM
    2,     // choiceCount
    0,     // defaultIndex
    {{
        {.titleRow = noTitleRow,
         .name = "False",
         .names = {.ppdName = "False", .pjlName = "OFF", .pjlMode = PjlMode::jobKind2Only}},
        {.titleRow = noTitleRow,
         .name = "True",
         .names = {.ppdName = "True", .pjlName = "ON", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor squareFoldOption{
    {{.ppdName = "QZSquareFold", .pjlName = "SQUAREFOLD", .pjlMode = PjlMode::jobKind2Only},
     70},  // title L10N_LBL_SQUAREFOLD
    2,     // choiceCount
    0,     // defaultIndex
    {{
        {.titleRow = noTitleRow,
         .name = "False",
         .names = {.ppdName = "False", .pjlName = "OFF", .pjlMode = PjlMode::jobKind2Only}},
        {.titleRow = noTitleRow,
         .name = "True",
         .names = {.ppdName = "True", .pjlName = "ON", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor squareFoldStrengthOption{
    {{.ppdName = "QZSquareFoldStrength",
      .pjlName = "SQUAREFOLDSTRENGTH",
      .pjlMode = PjlMode::jobKind2Only},
     71},  // title L10N_LBL_SQUAREFOLDSTRENGTH
    5,     // choiceCount
    2,     // defaultIndex
    {{
        // L10N_OPT_SQUAREFOLDSTRENGTH_WEAK2
        {.titleRow = 76,
         .name = "Weak2",
         .names = {.ppdName = "Weak2", .pjlName = "WEAK2", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SQUAREFOLDSTRENGTH_WEAK
        {.titleRow = 75,
         .name = "Weak",
         .names = {.ppdName = "Weak", .pjlName = "WEAK", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SQUAREFOLDSTRENGTH_NORMAL
        {.titleRow = 74,
         .name = "Normal",
         .names = {.ppdName = "Normal", .pjlName = "NORMAL", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SQUAREFOLDSTRENGTH_STRONG
        {.titleRow = 73,
         .name = "Strong",
         .names = {.ppdName = "Strong", .pjlName = "STRONG", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SQUAREFOLDSTRENGTH_STRONG2
        {.titleRow = 72,
         .name = "Strong2",
         .names = {.ppdName = "Strong2", .pjlName = "STRONG2", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

}  // namespace pd
