// Catalogue content. The media of the automatic tray and of trays 1 to 5.
//
// Constant data, read by every unit while compiling; see option_descriptor.h for the meaning of
// each word. Readers include option_catalogue.h.
#pragma once

#include "core/catalog/option_descriptor.h"

namespace pd {

inline constexpr ChoiceOptionDescriptor mediaTypeAutoOption{
    {{.ppdName = "QZMediaType", .pjlName = "MEDIATYPE", .pjlMode = PjlMode::jobKind2Only},
     198},  // title L10N_LBL_MEDIATYPE
    6,      // choiceCount
    0,      // defaultIndex
    {{
        // L10N_OPT_MEDIATYPE_NOSET
        {.titleRow = 208,
         .name = "NoSet",
         .names = {.ppdName = "NoSet", .pjlName = "NOSET", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_PLAIN
        {.titleRow = 201,
         .name = "Plain",
         .names = {.ppdName = "Plain", .pjlName = "PAPER", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_BOND
        {.titleRow = 202,
         .name = "Bond",
         .names = {.ppdName = "Bond", .pjlName = "BOND", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_BOOK
        {.titleRow = 1070,
         .name = "Book",
         .names = {.ppdName = "Book", .pjlName = "BOOK", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_ROUGH
        {.titleRow = 1071,
         .name = "Rough",
         .names = {.ppdName = "Rough", .pjlName = "ROUGH", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_INTERLEAVED
        {.titleRow = 1201,
         .name = "Interleaved",
         .names = {.ppdName = "Interleaved",
                   .pjlName = "INTERLEAVED",
                   .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaTypeTray1Option{
    {{}, noTitleRow},  // no title
    6,                 // choiceCount
    0,                 // defaultIndex
    {{
        // L10N_OPT_MEDIATYPE_NOSET
        {.titleRow = 208,
         .name = "NoSet",
         .names = {.altName = "NoSet", .pjlName = "NOSET", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_PLAIN
        {.titleRow = 201,
         .name = "Plain",
         .names = {.altName = "Plain", .pjlName = "PAPER", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_BOND
        {.titleRow = 202,
         .name = "Bond",
         .names = {.altName = "Bond", .pjlName = "BOND", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_BOOK
        {.titleRow = 1070,
         .name = "Book",
         .names = {.altName = "Book", .pjlName = "BOOK", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_ROUGH
        {.titleRow = 1071,
         .name = "Rough",
         .names = {.altName = "Rough", .pjlName = "ROUGH", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_INTERLEAVED
        {.titleRow = 1201,
         .name = "Interleaved",
         .names = {.altName = "Interleaved",
                   .pjlName = "INTERLEAVED",
                   .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaTypeTray2Option{
    {{}, noTitleRow},  // no title
    6,                 // choiceCount
    0,                 // defaultIndex
    {{
        // L10N_OPT_MEDIATYPE_NOSET
        {.titleRow = 208,
         .name = "NoSet",
         .names = {.altName = "NoSet", .pjlName = "NOSET", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_PLAIN
        {.titleRow = 201,
         .name = "Plain",
         .names = {.altName = "Plain", .pjlName = "PAPER", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_BOND
        {.titleRow = 202,
         .name = "Bond",
         .names = {.altName = "Bond", .pjlName = "BOND", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_BOOK
        {.titleRow = 1070,
         .name = "Book",
         .names = {.altName = "Book", .pjlName = "BOOK", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_ROUGH
        {.titleRow = 1071,
         .name = "Rough",
         .names = {.altName = "Rough", .pjlName = "ROUGH", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_INTERLEAVED
        {.titleRow = 1201,
         .name = "Interleaved",
         .names = {.altName = "Interleaved",
                   .pjlName = "INTERLEAVED",
                   .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaTypeTray3Option{
    {{}, noTitleRow},  // no title
    6,                 // choiceCount
    0,                 // defaultIndex
    {{
        // L10N_OPT_MEDIATYPE_NOSET
        {.titleRow = 208,
         .name = "NoSet",
         .names = {.altName = "NoSet", .pjlName = "NOSET", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_PLAIN
        {.titleRow = 201,
         .name = "Plain",
         .names = {.altName = "Plain", .pjlName = "PAPER", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_BOND
        {.titleRow = 202,
         .name = "Bond",
         .names = {.altName = "Bond", .pjlName = "BOND", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_BOOK
        {.titleRow = 1070,
         .name = "Book",
         .names = {.altName = "Book", .pjlName = "BOOK", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_ROUGH
        {.titleRow = 1071,
         .name = "Rough",
         .names = {.altName = "Rough", .pjlName = "ROUGH", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_INTERLEAVED
        {.titleRow = 1201,
         .name = "Interleaved",
         .names = {.altName = "Interleaved",
                   .pjlName = "INTERLEAVED",
                   .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaTypeTray4Option{
    {{}, noTitleRow},  // no title
    6,                 // choiceCount
    0,                 // defaultIndex
    {{
        // L10N_OPT_MEDIATYPE_NOSET
        {.titleRow = 208,
         .name = "NoSet",
         .names = {.altName = "NoSet", .pjlName = "NOSET", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_PLAIN
        {.titleRow = 201,
         .name = "Plain",
         .names = {.altName = "Plain", .pjlName = "PAPER", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_BOND
        {.titleRow = 202,
         .name = "Bond",
         .names = {.altName = "Bond", .pjlName = "BOND", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_BOOK
        {.titleRow = 1070,
         .name = "Book",
         .names = {.altName = "Book", .pjlName = "BOOK", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_ROUGH
        {.titleRow = 1071,
         .name = "Rough",
         .names = {.altName = "Rough", .pjlName = "ROUGH", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_INTERLEAVED
        {.titleRow = 1201,
         .name = "Interleaved",
         .names = {.altName = "Interleaved",
                   .pjlName = "INTERLEAVED",
                   .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaTypeTray5Option{
    {{}, noTitleRow},  // no title
    6,                 // choiceCount
    0,                 // defaultIndex
    {{
        // L10N_OPT_MEDIATYPE_NOSET
        {.titleRow = 208,
         .name = "NoSet",
         .names = {.altName = "NoSet", .pjlName = "NOSET", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_PLAIN
        {.titleRow = 201,
         .name = "Plain",
         .names = {.altName = "Plain", .pjlName = "PAPER", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_BOND
        {.titleRow = 202,
         .name = "Bond",
         .names = {.altName = "Bond", .pjlName = "BOND", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_BOOK
        {.titleRow = 1070,
         .name = "Book",
         .names = {.altName = "Book", .pjlName = "BOOK", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_ROUGH
        {.titleRow = 1071,
         .name = "Rough",
         .names = {.altName = "Rough", .pjlName = "ROUGH", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIATYPE_INTERLEAVED
        {.titleRow = 1201,
         .name = "Interleaved",
         .names = {.altName = "Interleaved",
                   .pjlName = "INTERLEAVED",
                   .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaWeightAutoOption{
    {{.ppdName = "QZMediaWeight", .pjlName = "MEDIAWEIGHT", .pjlMode = PjlMode::jobKind2Only},
     203},  // title L10N_LBL_MEDIAWEIGHT
    11,     // choiceCount
    0,      // defaultIndex
    {{
        // L10N_OPT_MEDIAWEIGHT_NOSET_GM2
        {.titleRow = 209,
         .name = "NoSet",
         .names = {.ppdName = "NoSet", .pjlName = "NOSET", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIAWEIGHT_THIN2_GM2
        {.titleRow = 908,
         .name = "Thin2",
         .names = {.ppdName = "Thin2", .pjlName = "THIN2", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIAWEIGHT_THIN_GM2
        {.titleRow = 909,
         .name = "Thin",
         .names = {.ppdName = "Thin", .pjlName = "THIN", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIAWEIGHT_NORMAL_GM2
        {.titleRow = 910,
         .name = "Normal",
         .names = {.ppdName = "Normal", .pjlName = "NORMAL", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIAWEIGHT_THICK_GM2
        {.titleRow = 911,
         .name = "Thick",
         .names = {.ppdName = "Thick", .pjlName = "THICK", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIAWEIGHT_THICK2_GM2
        {.titleRow = 912,
         .name = "Thick2",
         .names = {.ppdName = "Thick2", .pjlName = "THICK2", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIAWEIGHT_THICK3_GM2
        {.titleRow = 913,
         .name = "Thick3",
         .names = {.ppdName = "Thick3", .pjlName = "THICK3", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIAWEIGHT_THICK4_GM2
        {.titleRow = 914,
         .name = "Thick4",
         .names = {.ppdName = "Thick4", .pjlName = "THICK4", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIAWEIGHT_THICK5_GM2
        {.titleRow = 915,
         .name = "Thick5",
         .names = {.ppdName = "Thick5", .pjlName = "THICK5", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIAWEIGHT_THICK6_GM2
        {.titleRow = 916,
         .name = "Thick6",
         .names = {.ppdName = "Thick6", .pjlName = "THICK6", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIAWEIGHT_THICK7_GM2
        {.titleRow = 917,
         .name = "Thick7",
         .names = {.ppdName = "Thick7", .pjlName = "THICK7", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaWeightTray1Option{
    {{}, noTitleRow},  // no title
    11,                // choiceCount
    0,                 // defaultIndex
    {{
        // L10N_OPT_MEDIAWEIGHT_NOSET_GM2
        {.titleRow = 209, .name = "NoSet", .names = {.altName = "NoSet"}},
        // L10N_OPT_MEDIAWEIGHT_THIN2_GM2
        {.titleRow = 908, .name = "Thin2", .names = {.altName = "Thin2"}},
        // L10N_OPT_MEDIAWEIGHT_THIN_GM2
        {.titleRow = 909, .name = "Thin", .names = {.altName = "Thin"}},
        // L10N_OPT_MEDIAWEIGHT_NORMAL_GM2
        {.titleRow = 910, .name = "Normal", .names = {.altName = "Normal"}},
        // L10N_OPT_MEDIAWEIGHT_THICK_GM2
        {.titleRow = 911, .name = "Thick", .names = {.altName = "Thick"}},
        // L10N_OPT_MEDIAWEIGHT_THICK2_GM2
        {.titleRow = 912, .name = "Thick2", .names = {.altName = "Thick2"}},
        // L10N_OPT_MEDIAWEIGHT_THICK3_GM2
        {.titleRow = 913, .name = "Thick3", .names = {.altName = "Thick3"}},
        // L10N_OPT_MEDIAWEIGHT_THICK4_GM2
        {.titleRow = 914, .name = "Thick4", .names = {.altName = "Thick4"}},
        // L10N_OPT_MEDIAWEIGHT_THICK5_GM2
        {.titleRow = 915, .name = "Thick5", .names = {.altName = "Thick5"}},
        // L10N_OPT_MEDIAWEIGHT_THICK6_GM2
        {.titleRow = 916, .name = "Thick6", .names = {.altName = "Thick6"}},
        // L10N_OPT_MEDIAWEIGHT_THICK7_GM2
        {.titleRow = 917, .name = "Thick7", .names = {.altName = "Thick7"}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaWeightTray2Option{
    {{}, noTitleRow},  // no title
    11,                // choiceCount
    0,                 // defaultIndex
    {{
        // L10N_OPT_MEDIAWEIGHT_NOSET_GM2
        {.titleRow = 209, .name = "NoSet", .names = {.altName = "NoSet"}},
        // L10N_OPT_MEDIAWEIGHT_THIN2_GM2
        {.titleRow = 908, .name = "Thin2", .names = {.altName = "Thin2"}},
        // L10N_OPT_MEDIAWEIGHT_THIN_GM2
        {.titleRow = 909, .name = "Thin", .names = {.altName = "Thin"}},
        // L10N_OPT_MEDIAWEIGHT_NORMAL_GM2
        {.titleRow = 910, .name = "Normal", .names = {.altName = "Normal"}},
        // L10N_OPT_MEDIAWEIGHT_THICK_GM2
        {.titleRow = 911, .name = "Thick", .names = {.altName = "Thick"}},
        // L10N_OPT_MEDIAWEIGHT_THICK2_GM2
        {.titleRow = 912, .name = "Thick2", .names = {.altName = "Thick2"}},
        // L10N_OPT_MEDIAWEIGHT_THICK3_GM2
        {.titleRow = 913, .name = "Thick3", .names = {.altName = "Thick3"}},
        // L10N_OPT_MEDIAWEIGHT_THICK4_GM2
        {.titleRow = 914, .name = "Thick4", .names = {.altName = "Thick4"}},
        // L10N_OPT_MEDIAWEIGHT_THICK5_GM2
        {.titleRow = 915, .name = "Thick5", .names = {.altName = "Thick5"}},
        // L10N_OPT_MEDIAWEIGHT_THICK6_GM2
        {.titleRow = 916, .name = "Thick6", .names = {.altName = "Thick6"}},
        // L10N_OPT_MEDIAWEIGHT_THICK7_GM2
        {.titleRow = 917, .name = "Thick7", .names = {.altName = "Thick7"}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaWeightTray3Option{
    {{}, noTitleRow},  // no title
    11,                // choiceCount
    0,                 // defaultIndex
    {{
        // L10N_OPT_MEDIAWEIGHT_NOSET_GM2
        {.titleRow = 209, .name = "NoSet", .names = {.altName = "NoSet"}},
        // L10N_OPT_MEDIAWEIGHT_THIN2_GM2
        {.titleRow = 908, .name = "Thin2", .names = {.altName = "Thin2"}},
        // L10N_OPT_MEDIAWEIGHT_THIN_GM2
        {.titleRow = 909, .name = "Thin", .names = {.altName = "Thin"}},
        // L10N_OPT_MEDIAWEIGHT_NORMAL_GM2
        {.titleRow = 910, .name = "Normal", .names = {.altName = "Normal"}},
        // L10N_OPT_MEDIAWEIGHT_THICK_GM2
        {.titleRow = 911, .name = "Thick", .names = {.altName = "Thick"}},
        // L10N_OPT_MEDIAWEIGHT_THICK2_GM2
        {.titleRow = 912, .name = "Thick2", .names = {.altName = "Thick2"}},
        // L10N_OPT_MEDIAWEIGHT_THICK3_GM2
        {.titleRow = 913, .name = "Thick3", .names = {.altName = "Thick3"}},
        // L10N_OPT_MEDIAWEIGHT_THICK4_GM2
        {.titleRow = 914, .name = "Thick4", .names = {.altName = "Thick4"}},
        // L10N_OPT_MEDIAWEIGHT_THICK5_GM2
        {.titleRow = 915, .name = "Thick5", .names = {.altName = "Thick5"}},
        // L10N_OPT_MEDIAWEIGHT_THICK6_GM2
        {.titleRow = 916, .name = "Thick6", .names = {.altName = "Thick6"}},
        // L10N_OPT_MEDIAWEIGHT_THICK7_GM2
        {.titleRow = 917, .name = "Thick7", .names = {.altName = "Thick7"}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaWeightTray4Option{
    {{}, noTitleRow},  // no title
    11,                // choiceCount
    0,                 // defaultIndex
    {{
        // L10N_OPT_MEDIAWEIGHT_NOSET_GM2
        {.titleRow = 209, .name = "NoSet", .names = {.altName = "NoSet"}},
        // L10N_OPT_MEDIAWEIGHT_THIN2_GM2
        {.titleRow = 908, .name = "Thin2", .names = {.altName = "Thin2"}},
        // L10N_OPT_MEDIAWEIGHT_THIN_GM2
        {.titleRow = 909, .name = "Thin", .names = {.altName = "Thin"}},
        // L10N_OPT_MEDIAWEIGHT_NORMAL_GM2
        {.titleRow = 910, .name = "Normal", .names = {.altName = "Normal"}},
        // L10N_OPT_MEDIAWEIGHT_THICK_GM2
        {.titleRow = 911, .name = "Thick", .names = {.altName = "Thick"}},
        // L10N_OPT_MEDIAWEIGHT_THICK2_GM2
        {.titleRow = 912, .name = "Thick2", .names = {.altName = "Thick2"}},
        // L10N_OPT_MEDIAWEIGHT_THICK3_GM2
        {.titleRow = 913, .name = "Thick3", .names = {.altName = "Thick3"}},
        // L10N_OPT_MEDIAWEIGHT_THICK4_GM2
        {.titleRow = 914, .name = "Thick4", .names = {.altName = "Thick4"}},
        // L10N_OPT_MEDIAWEIGHT_THICK5_GM2
        {.titleRow = 915, .name = "Thick5", .names = {.altName = "Thick5"}},
        // L10N_OPT_MEDIAWEIGHT_THICK6_GM2
        {.titleRow = 916, .name = "Thick6", .names = {.altName = "Thick6"}},
        // L10N_OPT_MEDIAWEIGHT_THICK7_GM2
        {.titleRow = 917, .name = "Thick7", .names = {.altName = "Thick7"}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaWeightTray5Option{
    {{}, noTitleRow},  // no title
    11,                // choiceCount
    0,                 // defaultIndex
    {{
        // L10N_OPT_MEDIAWEIGHT_NOSET_GM2
        {.titleRow = 209, .name = "NoSet", .names = {.altName = "NoSet"}},
        // L10N_OPT_MEDIAWEIGHT_THIN2_GM2
        {.titleRow = 908, .name = "Thin2", .names = {.altName = "Thin2"}},
        // L10N_OPT_MEDIAWEIGHT_THIN_GM2
        {.titleRow = 909, .name = "Thin", .names = {.altName = "Thin"}},
        // L10N_OPT_MEDIAWEIGHT_NORMAL_GM2
        {.titleRow = 910, .name = "Normal", .names = {.altName = "Normal"}},
        // L10N_OPT_MEDIAWEIGHT_THICK_GM2
        {.titleRow = 911, .name = "Thick", .names = {.altName = "Thick"}},
        // L10N_OPT_MEDIAWEIGHT_THICK2_GM2
        {.titleRow = 912, .name = "Thick2", .names = {.altName = "Thick2"}},
        // L10N_OPT_MEDIAWEIGHT_THICK3_GM2
        {.titleRow = 913, .name = "Thick3", .names = {.altName = "Thick3"}},
        // L10N_OPT_MEDIAWEIGHT_THICK4_GM2
        {.titleRow = 914, .name = "Thick4", .names = {.altName = "Thick4"}},
        // L10N_OPT_MEDIAWEIGHT_THICK5_GM2
        {.titleRow = 915, .name = "Thick5", .names = {.altName = "Thick5"}},
        // L10N_OPT_MEDIAWEIGHT_THICK6_GM2
        {.titleRow = 916, .name = "Thick6", .names = {.altName = "Thick6"}},
        // L10N_OPT_MEDIAWEIGHT_THICK7_GM2
        {.titleRow = 917, .name = "Thick7", .names = {.altName = "Thick7"}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaColorAutoOption{
    {{.ppdName = "QZMediaColor", .pjlName = "MEDIACOLOR", .pjlMode = PjlMode::jobKind2Only},
     205},  // title L10N_LBL_MEDIACOLOR
    7,      // choiceCount
    0,      // defaultIndex
    {{
        // L10N_OPT_MEDIACOLOR_NOSET
        {.titleRow = 207,
         .name = "NoSet",
         .names = {.ppdName = "NoSet", .pjlName = "NOSET", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIACOLOR_WHITE
        {.titleRow = 225,
         .name = "White",
         .names = {.ppdName = "White", .pjlName = "WHITE", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIACOLOR_CLEAR
        {.titleRow = 226,
         .name = "Clear",
         .names = {.ppdName = "Clear", .pjlName = "CLEAR", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIACOLOR_YELLOW
        {.titleRow = 227,
         .name = "Yellow",
         .names = {.ppdName = "Yellow", .pjlName = "YELLOW", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIACOLOR_PINK
        {.titleRow = 228,
         .name = "Pink",
         .names = {.ppdName = "Pink", .pjlName = "PINK", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIACOLOR_BLUE
        {.titleRow = 229,
         .name = "Blue",
         .names = {.ppdName = "Blue", .pjlName = "BLUE", .pjlMode = PjlMode::jobKind2Only}},
        // L10N_OPT_MEDIACOLOR_GREEN
        {.titleRow = 230,
         .name = "Green",
         .names = {.ppdName = "Green", .pjlName = "GREEN", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaColorTray1Option{
    {{}, noTitleRow},  // no title
    7,                 // choiceCount
    0,                 // defaultIndex
    {{
        // L10N_OPT_MEDIACOLOR_NOSET
        {.titleRow = 207, .name = "NoSet", .names = {.altName = "NoSet"}},
        // L10N_OPT_MEDIACOLOR_WHITE
        {.titleRow = 225, .name = "White", .names = {.altName = "White"}},
        // L10N_OPT_MEDIACOLOR_CLEAR
        {.titleRow = 226, .name = "Clear", .names = {.altName = "Clear"}},
        // L10N_OPT_MEDIACOLOR_YELLOW
        {.titleRow = 227, .name = "Yellow", .names = {.altName = "Yellow"}},
        // L10N_OPT_MEDIACOLOR_PINK
        {.titleRow = 228, .name = "Pink", .names = {.altName = "Pink"}},
        // L10N_OPT_MEDIACOLOR_BLUE
        {.titleRow = 229, .name = "Blue", .names = {.altName = "Blue"}},
        // L10N_OPT_MEDIACOLOR_GREEN
        {.titleRow = 230, .name = "Green", .names = {.altName = "Green"}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaColorTray2Option{
    {{}, noTitleRow},  // no title
    7,                 // choiceCount
    0,                 // defaultIndex
    {{
        // L10N_OPT_MEDIACOLOR_NOSET
        {.titleRow = 207, .name = "NoSet", .names = {.altName = "NoSet"}},
        // L10N_OPT_MEDIACOLOR_WHITE
        {.titleRow = 225, .name = "White", .names = {.altName = "White"}},
        // L10N_OPT_MEDIACOLOR_CLEAR
        {.titleRow = 226, .name = "Clear", .names = {.altName = "Clear"}},
        // L10N_OPT_MEDIACOLOR_YELLOW
        {.titleRow = 227, .name = "Yellow", .names = {.altName = "Yellow"}},
        // L10N_OPT_MEDIACOLOR_PINK
        {.titleRow = 228, .name = "Pink", .names = {.altName = "Pink"}},
        // L10N_OPT_MEDIACOLOR_BLUE
        {.titleRow = 229, .name = "Blue", .names = {.altName = "Blue"}},
        // L10N_OPT_MEDIACOLOR_GREEN
        {.titleRow = 230, .name = "Green", .names = {.altName = "Green"}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaColorTray3Option{
    {{}, noTitleRow},  // no title
    7,                 // choiceCount
    0,                 // defaultIndex
    {{
        // L10N_OPT_MEDIACOLOR_NOSET
        {.titleRow = 207, .name = "NoSet", .names = {.altName = "NoSet"}},
        // L10N_OPT_MEDIACOLOR_WHITE
        {.titleRow = 225, .name = "White", .names = {.altName = "White"}},
        // L10N_OPT_MEDIACOLOR_CLEAR
        {.titleRow = 226, .name = "Clear", .names = {.altName = "Clear"}},
        // L10N_OPT_MEDIACOLOR_YELLOW
        {.titleRow = 227, .name = "Yellow", .names = {.altName = "Yellow"}},
        // L10N_OPT_MEDIACOLOR_PINK
        {.titleRow = 228, .name = "Pink", .names = {.altName = "Pink"}},
        // L10N_OPT_MEDIACOLOR_BLUE
        {.titleRow = 229, .name = "Blue", .names = {.altName = "Blue"}},
        // L10N_OPT_MEDIACOLOR_GREEN
        {.titleRow = 230, .name = "Green", .names = {.altName = "Green"}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaColorTray4Option{
    {{}, noTitleRow},  // no title
    7,                 // choiceCount
    0,                 // defaultIndex
    {{
        // L10N_OPT_MEDIACOLOR_NOSET
        {.titleRow = 207, .name = "NoSet", .names = {.altName = "NoSet"}},
        // L10N_OPT_MEDIACOLOR_WHITE
        {.titleRow = 225, .name = "White", .names = {.altName = "White"}},
        // L10N_OPT_MEDIACOLOR_CLEAR
        {.titleRow = 226, .name = "Clear", .names = {.altName = "Clear"}},
        // L10N_OPT_MEDIACOLOR_YELLOW
        {.titleRow = 227, .name = "Yellow", .names = {.altName = "Yellow"}},
        // L10N_OPT_MEDIACOLOR_PINK
        {.titleRow = 228, .name = "Pink", .names = {.altName = "Pink"}},
        // L10N_OPT_MEDIACOLOR_BLUE
        {.titleRow = 229, .name = "Blue", .names = {.altName = "Blue"}},
        // L10N_OPT_MEDIACOLOR_GREEN
        {.titleRow = 230, .name = "Green", .names = {.altName = "Green"}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaColorTray5Option{
    {{}, noTitleRow},  // no title
    7,                 // choiceCount
    0,                 // defaultIndex
    {{
        // L10N_OPT_MEDIACOLOR_NOSET
        {.titleRow = 207, .name = "NoSet", .names = {.altName = "NoSet"}},
        // L10N_OPT_MEDIACOLOR_WHITE
        {.titleRow = 225, .name = "White", .names = {.altName = "White"}},
        // L10N_OPT_MEDIACOLOR_CLEAR
        {.titleRow = 226, .name = "Clear", .names = {.altName = "Clear"}},
        // L10N_OPT_MEDIACOLOR_YELLOW
        {.titleRow = 227, .name = "Yellow", .names = {.altName = "Yellow"}},
        // L10N_OPT_MEDIACOLOR_PINK
        {.titleRow = 228, .name = "Pink", .names = {.altName = "Pink"}},
        // L10N_OPT_MEDIACOLOR_BLUE
        {.titleRow = 229, .name = "Blue", .names = {.altName = "Blue"}},
        // L10N_OPT_MEDIACOLOR_GREEN
        {.titleRow = 230, .name = "Green", .names = {.altName = "Green"}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaPrepunchedAutoOption{
    {{.ppdName = "QZMediaPrepunched",
      .pjlName = "MEDIAPREPUNCHED",
      .pjlMode = PjlMode::jobKind2Only},
     231},  // title L10N_LBL_MEDIAPREPUNCHED
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

inline constexpr ChoiceOptionDescriptor mediaPrepunchedTray1Option{
    {{}, noTitleRow},  // no title
    2,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {.ppdName = "False"}},
        {.titleRow = noTitleRow, .name = "True", .names = {.ppdName = "True"}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaPrepunchedTray2Option{
    {{}, noTitleRow},  // no title
    2,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {.ppdName = "False"}},
        {.titleRow = noTitleRow, .name = "True", .names = {.ppdName = "True"}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaPrepunchedTray3Option{
    {{}, noTitleRow},  // no title
    2,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {.ppdName = "False"}},
        {.titleRow = noTitleRow, .name = "True", .names = {.ppdName = "True"}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaPrepunchedTray4Option{
    {{}, noTitleRow},  // no title
    2,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {.ppdName = "False"}},
        {.titleRow = noTitleRow, .name = "True", .names = {.ppdName = "True"}},
    }},
};

inline constexpr ChoiceOptionDescriptor mediaPrepunchedTray5Option{
    {{}, noTitleRow},  // no title
    2,                 // choiceCount
    0,                 // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {.ppdName = "False"}},
        {.titleRow = noTitleRow, .name = "True", .names = {.ppdName = "True"}},
    }},
};

}  // namespace pd
