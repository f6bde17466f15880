// Catalogue content. Output tray, resolution, both screening sets, tone curves and image quality.
//
// Constant data, read by every unit while compiling; see option_descriptor.h for the meaning of
// each word. Readers include option_catalogue.h.
#pragma once

#include "core/catalog/option_descriptor.h"

namespace pd {

inline constexpr ChoiceOptionDescriptor outputBinOption{
    {{.ppdName = "OutputBin", .pjlName = "OUTBIN", .pjlMode = PjlMode::jobKind2Only},
     379},  // title L10N_LBL_OUTPUTBIN
    3,      // choiceCount
    0,      // defaultIndex
    {{
        // L10N_OPT_OUTPUTBIN_AUTO
        {.titleRow = 279,
         .name = "Auto",
         .names = {.ppdName = "Auto", .pjlName = "DEFAULT", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_OUTPUTBIN_STAPLERMAIN
        {.titleRow = 391,
         .name = "StaplerMain",
         .names = {.ppdName = "StaplerMain", .pjlName = "BIN1", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_OUTPUTBIN_STAPLERSUB
        {.titleRow = 392,
         .name = "StaplerSub",
         .names = {.ppdName = "StaplerSub", .pjlName = "BIN2", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor resolutionOption{
    {{.ppdName = "Resolution", .pjlName = "RESOLUTION", .pjlMode = PjlMode::jobKind2Only},
     395},  // title L10N_LBL_RESOLUTION
    2,      // choiceCount
    1,      // defaultIndex
    {{
        // L10N_OPT_RESOLUTION_600DPI
        {.titleRow = 397,
         .name = "600dpi",
         .names = {.ppdName = "600dpi", .pjlName = "600", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_RESOLUTION_1200DPI
        {.titleRow = 399,
         .name = "1200dpi",
         .names = {.ppdName = "1200dpi", .pjlName = "1200", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor screeningOption{
    {{.pjlName = "SCREENTYPE", .pjlMode = PjlMode::allJobKinds}, 1096},  // title L10N_LBL_SCREENING
    4,                                                                   // choiceCount
    0,                                                                   // defaultIndex
    {{
        // L10N_OPT_SCREENING_PHOTO
        {.titleRow = 1097,
         .name = "Photo",
         .names = {.pjlName = "AMPHOTO", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_SCREENING_TEXT
        {.titleRow = 1098,
         .name = "Text",
         .names = {.pjlName = "AMTEXT", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_SCREENING_TEXTPHOTO
        {.titleRow = 1100,
         .name = "TextPhoto",
         .names = {.pjlName = "AMPHOTOTEXT", .pjlMode = PjlMode::allJobKinds}},
        // L10N_OPT_SCREENING_DOT
        {.titleRow = 1101,
         .name = "Dot",
         .names = {.pjlName = "DOTSCREEN", .pjlMode = PjlMode::allJobKinds}},
    }},
};

inline constexpr ChoiceOptionDescriptor otherScreeningOption{
    {{}, noTitleRow},  // no title
    4,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "Photo", .names = {}},
        {.titleRow = noTitleRow, .name = "Text", .names = {}},
        {.titleRow = noTitleRow, .name = "TextPhoto", .names = {}},
        {.titleRow = noTitleRow, .name = "Dot", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor screenFreqOption{
    {{.ppdName = "QZScreenFreq", .pjlName = "QXCUSTOMSCREENLPIK", .pjlMode = PjlMode::jobKind2Only},
     1049},  // title L10N_LBL_SCREENFREQ
    27,      // choiceCount
    20,      // defaultIndex
    {{
        // L10N_OPT_SCREENFREQ_40
        {.titleRow = 445,
         .name = "40",
         .names = {.ppdName = "40", .pjlName = "400", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_41
        {.titleRow = 446,
         .name = "41",
         .names = {.ppdName = "41", .pjlName = "410", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_43
        {.titleRow = 447,
         .name = "43",
         .names = {.ppdName = "43", .pjlName = "430", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_44
        {.titleRow = 448,
         .name = "44",
         .names = {.ppdName = "44", .pjlName = "440", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_46
        {.titleRow = 449,
         .name = "46",
         .names = {.ppdName = "46", .pjlName = "460", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_48
        {.titleRow = 450,
         .name = "48",
         .names = {.ppdName = "48", .pjlName = "480", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_50
        {.titleRow = 451,
         .name = "50",
         .names = {.ppdName = "50", .pjlName = "500", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_52
        {.titleRow = 452,
         .name = "52",
         .names = {.ppdName = "52", .pjlName = "520", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_55
        {.titleRow = 453,
         .name = "55",
         .names = {.ppdName = "55", .pjlName = "550", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_57
        {.titleRow = 454,
         .name = "57",
         .names = {.ppdName = "57", .pjlName = "570", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_60
        {.titleRow = 455,
         .name = "60",
         .names = {.ppdName = "60", .pjlName = "600", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_63
        {.titleRow = 456,
         .name = "63",
         .names = {.ppdName = "63", .pjlName = "630", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_67
        {.titleRow = 457,
         .name = "67",
         .names = {.ppdName = "67", .pjlName = "670", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_71
        {.titleRow = 458,
         .name = "71",
         .names = {.ppdName = "71", .pjlName = "710", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_75
        {.titleRow = 459,
         .name = "75",
         .names = {.ppdName = "75", .pjlName = "750", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_80
        {.titleRow = 460,
         .name = "80",
         .names = {.ppdName = "80", .pjlName = "800", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_86
        {.titleRow = 461,
         .name = "86",
         .names = {.ppdName = "86", .pjlName = "860", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_92
        {.titleRow = 462,
         .name = "92",
         .names = {.ppdName = "92", .pjlName = "920", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_100
        {.titleRow = 463,
         .name = "100",
         .names = {.ppdName = "100", .pjlName = "1000", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_109
        {.titleRow = 464,
         .name = "109",
         .names = {.ppdName = "109", .pjlName = "1090", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_120
        {.titleRow = 465,
         .name = "120",
         .names = {.ppdName = "120", .pjlName = "1200", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_133
        {.titleRow = 466,
         .name = "133",
         .names = {.ppdName = "133", .pjlName = "1330", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_150
        {.titleRow = 467,
         .name = "150",
         .names = {.ppdName = "150", .pjlName = "1500", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_171
        {.titleRow = 468,
         .name = "171",
         .names = {.ppdName = "171", .pjlName = "1710", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_200
        {.titleRow = 469,
         .name = "200",
         .names = {.ppdName = "200", .pjlName = "2000", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_240
        {.titleRow = 470,
         .name = "240",
         .names = {.ppdName = "240", .pjlName = "2400", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENFREQ_300
        {.titleRow = 471,
         .name = "300",
         .names = {.ppdName = "300", .pjlName = "3000", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor otherScreenFreqOption{
    {{}, noTitleRow},  // no title
    27,                // choiceCount
    18,                // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "40", .names = {}},
        {.titleRow = noTitleRow, .name = "41", .names = {}},
        {.titleRow = noTitleRow, .name = "43", .names = {}},
        {.titleRow = noTitleRow, .name = "44", .names = {}},
        {.titleRow = noTitleRow, .name = "46", .names = {}},
        {.titleRow = noTitleRow, .name = "48", .names = {}},
        {.titleRow = noTitleRow, .name = "50", .names = {}},
        {.titleRow = noTitleRow, .name = "52", .names = {}},
        {.titleRow = noTitleRow, .name = "55", .names = {}},
        {.titleRow = noTitleRow, .name = "57", .names = {}},
        {.titleRow = noTitleRow, .name = "60", .names = {}},
        {.titleRow = noTitleRow, .name = "63", .names = {}},
        {.titleRow = noTitleRow, .name = "67", .names = {}},
        {.titleRow = noTitleRow, .name = "71", .names = {}},
        {.titleRow = noTitleRow, .name = "75", .names = {}},
        {.titleRow = noTitleRow, .name = "80", .names = {}},
        {.titleRow = noTitleRow, .name = "86", .names = {}},
        {.titleRow = noTitleRow, .name = "92", .names = {}},
        {.titleRow = noTitleRow, .name = "100", .names = {}},
        {.titleRow = noTitleRow, .name = "109", .names = {}},
        {.titleRow = noTitleRow, .name = "120", .names = {}},
        {.titleRow = noTitleRow, .name = "133", .names = {}},
        {.titleRow = noTitleRow, .name = "150", .names = {}},
        {.titleRow = noTitleRow, .name = "171", .names = {}},
        {.titleRow = noTitleRow, .name = "200", .names = {}},
        {.titleRow = noTitleRow, .name = "240", .names = {}},
        {.titleRow = noTitleRow, .name = "300", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor screenAngleOption{
    {{.ppdName = "QZScreenAngle",
      .pjlName = "QXCUSTOMSCREENDEGREEK",
      .pjlMode = PjlMode::jobKind2Only},
     1050},  // title L10N_LBL_SCREENANGLE
    24,      // choiceCount
    6,       // defaultIndex
    {{
        // L10N_OPT_SCREENANGLE_0
        {.titleRow = 472,
         .name = "0",
         .names = {.ppdName = "0.0", .pjlName = "0", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_7
        {.titleRow = 1022,
         .name = "7",
         .names = {.ppdName = "7.5", .pjlName = "75", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_15
        {.titleRow = 473,
         .name = "15",
         .names = {.ppdName = "15.0", .pjlName = "150", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_22
        {.titleRow = 1023,
         .name = "22",
         .names = {.ppdName = "22.5", .pjlName = "225", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_30
        {.titleRow = 474,
         .name = "30",
         .names = {.ppdName = "30.0", .pjlName = "300", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_37
        {.titleRow = 1024,
         .name = "37",
         .names = {.ppdName = "37.5", .pjlName = "375", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_45
        {.titleRow = 475,
         .name = "45",
         .names = {.ppdName = "45.0", .pjlName = "450", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_52
        {.titleRow = 1025,
         .name = "52",
         .names = {.ppdName = "52.5", .pjlName = "525", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_60
        {.titleRow = 476,
         .name = "60",
         .names = {.ppdName = "60.0", .pjlName = "600", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_67
        {.titleRow = 1026,
         .name = "67",
         .names = {.ppdName = "67.5", .pjlName = "675", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_75
        {.titleRow = 477,
         .name = "75",
         .names = {.ppdName = "75.0", .pjlName = "750", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_82
        {.titleRow = 1027,
         .name = "82",
         .names = {.ppdName = "82.5", .pjlName = "825", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_90
        {.titleRow = 478,
         .name = "90",
         .names = {.ppdName = "90.0", .pjlName = "900", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_97
        {.titleRow = 1028,
         .name = "97",
         .names = {.ppdName = "97.5", .pjlName = "975", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_105
        {.titleRow = 479,
         .name = "105",
         .names = {.ppdName = "105.0", .pjlName = "1050", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_112
        {.titleRow = 1029,
         .name = "112",
         .names = {.ppdName = "112.5", .pjlName = "1125", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_120
        {.titleRow = 480,
         .name = "120",
         .names = {.ppdName = "120.0", .pjlName = "1200", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_127
        {.titleRow = 1030,
         .name = "127",
         .names = {.ppdName = "127.5", .pjlName = "1275", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_135
        {.titleRow = 481,
         .name = "135",
         .names = {.ppdName = "135.0", .pjlName = "1350", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_142
        {.titleRow = 1031,
         .name = "142",
         .names = {.ppdName = "142.5", .pjlName = "1425", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_150
        {.titleRow = 482,
         .name = "150",
         .names = {.ppdName = "150.0", .pjlName = "1500", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_157
        {.titleRow = 1032,
         .name = "157",
         .names = {.ppdName = "157.5", .pjlName = "1575", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_165
        {.titleRow = 483,
         .name = "165",
         .names = {.ppdName = "165.0", .pjlName = "1650", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENANGLE_172
        {.titleRow = 1033,
         .name = "172",
         .names = {.ppdName = "172.5", .pjlName = "1725", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor otherScreenAngleOption{
    {{}, noTitleRow},  // no title
    24,                // choiceCount
    6,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "0", .names = {}},
        {.titleRow = noTitleRow, .name = "7", .names = {}},
        {.titleRow = noTitleRow, .name = "15", .names = {}},
        {.titleRow = noTitleRow, .name = "22", .names = {}},
        {.titleRow = noTitleRow, .name = "30", .names = {}},
        {.titleRow = noTitleRow, .name = "37", .names = {}},
        {.titleRow = noTitleRow, .name = "45", .names = {}},
        {.titleRow = noTitleRow, .name = "52", .names = {}},
        {.titleRow = noTitleRow, .name = "60", .names = {}},
        {.titleRow = noTitleRow, .name = "67", .names = {}},
        {.titleRow = noTitleRow, .name = "75", .names = {}},
        {.titleRow = noTitleRow, .name = "82", .names = {}},
        {.titleRow = noTitleRow, .name = "90", .names = {}},
        {.titleRow = noTitleRow, .name = "97", .names = {}},
        {.titleRow = noTitleRow, .name = "105", .names = {}},
        {.titleRow = noTitleRow, .name = "112", .names = {}},
        {.titleRow = noTitleRow, .name = "120", .names = {}},
        {.titleRow = noTitleRow, .name = "127", .names = {}},
        {.titleRow = noTitleRow, .name = "135", .names = {}},
        {.titleRow = noTitleRow, .name = "142", .names = {}},
        {.titleRow = noTitleRow, .name = "150", .names = {}},
        {.titleRow = noTitleRow, .name = "157", .names = {}},
        {.titleRow = noTitleRow, .name = "165", .names = {}},
        {.titleRow = noTitleRow, .name = "172", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor screenDotOption{
    {{.ppdName = "QZScreenDot",
      .pjlName = "QXCUSTOMSCREENSHAPEK",
      .pjlMode = PjlMode::jobKind2Only},
     1051},  // title L10N_LBL_SCREENDOT
    21,      // choiceCount
    10,      // defaultIndex
    {{
        // L10N_OPT_SCREENDOT_SIMPLEDOT
        {.titleRow = 484,
         .name = "SimpleDot",
         .names = {.ppdName = "SimpleDot",
                   .pjlName = "SIMPLEDOT",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENDOT_INVERTEDSIMPLEDOT
        {.titleRow = 485,
         .name = "InvertedSimpleDot",
         .names = {.ppdName = "InvertedSimpleDot",
                   .pjlName = "INVERTEDSIMPLEDOT",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENDOT_DOUBLEDOT
        {.titleRow = 486,
         .name = "DoubleDot",
         .names = {.ppdName = "DoubleDot",
                   .pjlName = "DOUBLEDOT",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENDOT_INVERTEDDOUBLEDOT
        {.titleRow = 487,
         .name = "InvertedDoubleDot",
         .names = {.ppdName = "InvertedDoubleDot",
                   .pjlName = "INVERTEDDOUBLEDOT",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENDOT_COSINEDOT
        {.titleRow = 488,
         .name = "CosineDot",
         .names = {.ppdName = "CosineDot",
                   .pjlName = "COSINEDOT",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENDOT_DOUBLE
        {.titleRow = 489,
         .name = "Double",
         .names = {.ppdName = "Double", .pjlName = "DOUBLE", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENDOT_INVERTEDDOUBLE
        {.titleRow = 490,
         .name = "InvertedDouble",
         .names = {.ppdName = "InvertedDouble",
                   .pjlName = "INVERTEDDOUBLE",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENDOT_LINE
        {.titleRow = 491,
         .name = "Line",
         .names = {.ppdName = "Line", .pjlName = "LINE", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENDOT_LINEX
        {.titleRow = 492,
         .name = "LineX",
         .names = {.ppdName = "LineX", .pjlName = "LINEX", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENDOT_LINEY
        {.titleRow = 493,
         .name = "LineY",
         .names = {.ppdName = "LineY", .pjlName = "LINEY", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENDOT_ROUND
        {.titleRow = 494,
         .name = "Round",
         .names = {.ppdName = "Round", .pjlName = "ROUND", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENDOT_ELLIPSE
        {.titleRow = 495,
         .name = "Ellipse",
         .names = {.ppdName = "Ellipse", .pjlName = "ELLIPSE", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENDOT_ELLIPSEA
        {.titleRow = 496,
         .name = "EllipseA",
         .names = {.ppdName = "EllipseA", .pjlName = "ELLIPSEA", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENDOT_INVERTEDELLIPSEA
        {.titleRow = 497,
         .name = "InvertedEllipseA",
         .names = {.ppdName = "InvertedEllipseA",
                   .pjlName = "INVERTEDELLIPSEA",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENDOT_ELLIPSEB
        {.titleRow = 498,
         .name = "EllipseB",
         .names = {.ppdName = "EllipseB", .pjlName = "ELLIPSEB", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENDOT_ELLIPSEC
        {.titleRow = 499,
         .name = "EllipseC",
         .names = {.ppdName = "EllipseC", .pjlName = "ELLIPSEC", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENDOT_INVERTEDELLIPSEC
        {.titleRow = 500,
         .name = "InvertedEllipseC",
         .names = {.ppdName = "InvertedEllipseC",
                   .pjlName = "INVERTEDELLIPSEC",
                   .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENDOT_SQUARE
        {.titleRow = 501,
         .name = "Square",
         .names = {.ppdName = "Square", .pjlName = "SQUARE", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENDOT_CROSS
        {.titleRow = 502,
         .name = "Cross",
         .names = {.ppdName = "Cross", .pjlName = "CROSS", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENDOT_RHOMBOID
        {.titleRow = 503,
         .name = "Rhomboid",
         .names = {.ppdName = "Rhomboid", .pjlName = "RHOMBOID", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SCREENDOT_DIAMOND
        {.titleRow = 504,
         .name = "Diamond",
         .names = {.ppdName = "Diamond", .pjlName = "DIAMOND", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor otherScreenDotOption{
    {{}, noTitleRow},  // no title
    21,                // choiceCount
    10,                // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "SimpleDot", .names = {}},
        {.titleRow = noTitleRow, .name = "InvertedSimpleDot", .names = {}},
        {.titleRow = noTitleRow, .name = "DoubleDot", .names = {}},
        {.titleRow = noTitleRow, .name = "InvertedDoubleDot", .names = {}},
        {.titleRow = noTitleRow, .name = "CosineDot", .names = {}},
        {.titleRow = noTitleRow, .name = "Double", .names = {}},
        {.titleRow = noTitleRow, .name = "InvertedDouble", .names = {}},
        {.titleRow = noTitleRow, .name = "Line", .names = {}},
        {.titleRow = noTitleRow, .name = "LineX", .names = {}},
        {.titleRow = noTitleRow, .name = "LineY", .names = {}},
        {.titleRow = noTitleRow, .name = "Round", .names = {}},
        {.titleRow = noTitleRow, .name = "Ellipse", .names = {}},
        {.titleRow = noTitleRow, .name = "EllipseA", .names = {}},
        {.titleRow = noTitleRow, .name = "InvertedEllipseA", .names = {}},
        {.titleRow = noTitleRow, .name = "EllipseB", .names = {}},
        {.titleRow = noTitleRow, .name = "EllipseC", .names = {}},
        {.titleRow = noTitleRow, .name = "InvertedEllipseC", .names = {}},
        {.titleRow = noTitleRow, .name = "Square", .names = {}},
        {.titleRow = noTitleRow, .name = "Cross", .names = {}},
        {.titleRow = noTitleRow, .name = "Rhomboid", .names = {}},
        {.titleRow = noTitleRow, .name = "Diamond", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor toneCurveOption{
    {{.pjlName = "TONECURVE", .pjlMode = PjlMode::allJobKinds}, 629},  // title L10N_LBL_TONECURVE
    1,                                                                 // choiceCount
    0,                                                                 // defaultIndex
    {{
        // L10N_OPT_TONECURVE_OFF
        {.titleRow = 252,
         .name = "Off",
         .names = {.pjlName = "OFF", .pjlMode = PjlMode::allJobKinds}},
    }},
};

inline constexpr ChoiceOptionDescriptor otherToneCurveOption{
    {{}, noTitleRow},  // no title
    1,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "Off", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor printQualityOption{
    {{.ppdName = "QZPrintQuality", .pjlName = "TONERSAVE", .pjlMode = PjlMode::jobKind2Only},
     1102},  // title L10N_LBL_PRINTQUALITY
    3,       // choiceCount
    0,       // defaultIndex
    {{
        // L10N_OPT_PRINTQUALITY_NORMAL
        {.titleRow = 401,
         .name = "Normal",
         .names = {.ppdName = "Normal", .pjlName = "OFF", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_PRINTQUALITY_DRAFT
        {.titleRow = 1103,
         .name = "Draft",
         .names = {.ppdName = "Draft", .pjlName = "TYPE2", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_PRINTQUALITY_TONERSAVE
        {.titleRow = 1104,
         .name = "TonerSave",
         .names = {.ppdName = "TonerSave", .pjlName = "TYPE1", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor imageDensityOption{
    {{.ppdName = "QZImageDensity", .pjlName = "LOWDENSITY", .pjlMode = PjlMode::jobKind2Only},
     1105},  // title L10N_LBL_IMAGEDENSITY
    7,       // choiceCount
    5,       // defaultIndex
    {{
        // L10N_OPT_IMAGEDENSITY_LEVEL1
        {.titleRow = 1106,
         .name = "Level1",
         .names = {.ppdName = "Level1", .pjlName = "LEVEL1", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_IMAGEDENSITY_LEVEL2
        {.titleRow = 1107,
         .name = "Level2",
         .names = {.ppdName = "Level2", .pjlName = "LEVEL2", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_IMAGEDENSITY_LEVEL3
        {.titleRow = 1108,
         .name = "Level3",
         .names = {.ppdName = "Level3", .pjlName = "LEVEL3", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_IMAGEDENSITY_LEVEL4
        {.titleRow = 1109,
         .name = "Level4",
         .names = {.ppdName = "Level4", .pjlName = "LEVEL4", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_IMAGEDENSITY_LEVEL5
        {.titleRow = 1110,
         .name = "Level5",
         .names = {.ppdName = "Level5", .pjlName = "LEVEL5", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_IMAGEDENSITY_NORMAL
        {.titleRow = 402,
         .name = "Normal",
         .names = {.ppdName = "Normal", .pjlName = "LEVEL6", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_IMAGEDENSITY_HEAVY
        {.titleRow = 1111,
         .name = "Heavy",
         .names = {.ppdName = "Heavy", .pjlName = "LEVEL7", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor smoothingOption{
    {{.ppdName = "QZSmoothing", .pjlName = "SMOOTHING", .pjlMode = PjlMode::jobKind2Only},
     403},  // title L10N_LBL_SMOOTHING
    4,      // choiceCount
    0,      // defaultIndex
    {{
        // L10N_OPT_SMOOTHING_NONE
        {.titleRow = 239,
         .name = "None",
         .names = {.ppdName = "None", .pjlName = "OFF", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SMOOTHING_DARK
        {.titleRow = 1018,
         .name = "Dark",
         .names = {.ppdName = "Dark", .pjlName = "TYPE1", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SMOOTHING_MEDIUM
        {.titleRow = 1019,
         .name = "Medium",
         .names = {.ppdName = "Medium", .pjlName = "TYPE2", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_SMOOTHING_LIGHT
        {.titleRow = 1020,
         .name = "Light",
         .names = {.ppdName = "Light", .pjlName = "TYPE3", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor thinningOption{
    {{.ppdName = "QZThinning", .pjlName = "THINNING", .pjlMode = PjlMode::jobKind2Only},
     1112},  // title L10N_LBL_THINNING
    5,       // choiceCount
    0,       // defaultIndex
    {{
        // L10N_OPT_THINNING_NONE
        {.titleRow = 262,
         .name = "None",
         .names = {.ppdName = "None", .pjlName = "OFF", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_THINNING_LEVEL1
        {.titleRow = 1113,
         .name = "Level1",
         .names = {.ppdName = "Level1", .pjlName = "LEVEL1", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_THINNING_LEVEL2
        {.titleRow = 1114,
         .name = "Level2",
         .names = {.ppdName = "Level2", .pjlName = "LEVEL2", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_THINNING_LEVEL3
        {.titleRow = 1115,
         .name = "Level3",
         .names = {.ppdName = "Level3", .pjlName = "LEVEL3", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_THINNING_LEVEL4
        {.titleRow = 1116,
         .name = "Level4",
         .names = {.ppdName = "Level4", .pjlName = "LEVEL4", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor thinObjectOption{
    {{.ppdName = "QZThinObject", .pjlName = "THINNINGAREA", .pjlMode = PjlMode::jobKind2Only},
     1117},  // title L10N_LBL_THINOBJECT
    2,       // choiceCount
    0,       // defaultIndex
    {{
        // L10N_OPT_THINOBJECT_TEXT
        {.titleRow = 1099,
         .name = "Text",
         .names = {.ppdName = "Text", .pjlName = "TEXT", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_THINOBJECT_ALL
        {.titleRow = 1118,
         .name = "All",
         .names = {.ppdName = "All", .pjlName = "FULL", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor useCieColorOption{
    {{.ppdName = "QZUseCIEColor", .pjlName = "USECIECOLOR", .pjlMode = PjlMode::jobKind2Only},
     867},  // title L10N_LBL_USECIECOLOR
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

}  // namespace pd
