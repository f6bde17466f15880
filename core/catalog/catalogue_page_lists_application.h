// Catalogue content. Page lists, chapters, the interface language and the settings application's
// own options.
//
// Constant data, read by every unit while compiling; see option_descriptor.h for the meaning of
// each word. Readers include option_catalogue.h.
#pragma once

#include "core/catalog/option_descriptor.h"

namespace pd {

inline constexpr TextOptionDescriptor pageSpecificFormsOption{
    {{}, noTitleRow},  // no title
    {},                // defaultText
};

inline constexpr TextOptionDescriptor pageSpecificTraysOption{
    {{}, noTitleRow},  // no title
    {},                // defaultText
};

inline constexpr ChoiceOptionDescriptor chapterModeOption{
    {{}, 828},  // title L10N_LBL_CHAPTER
    2,          // choiceCount
    0,          // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {}},
        {.titleRow = noTitleRow, .name = "True", .names = {}},
    }},
};

inline constexpr TextOptionDescriptor chapterPagesOption{
    {{}, noTitleRow},  // no title
    {},                // defaultText
};

inline constexpr ChoiceOptionDescriptor languageVersionOption{
    {{.ppdName = "LanguageVersion"}, 534},  // title L10N_LBL_LANGUAGE
    9,                                      // choiceCount
    0,                                      // defaultIndex
    {{
        // L10N_OPT_LANGUAGE_USENGLISH
        {.titleRow = 3, .name = "English", .names = {.ppdName = "English"}},
        // L10N_OPT_LANGUAGE_JAPANESE
        {.titleRow = 7, .name = "Japanese", .names = {.ppdName = "Japanese"}},
        // L10N_OPT_LANGUAGE_GERMAN
        {.titleRow = 5, .name = "German", .names = {.ppdName = "German"}},
        // L10N_OPT_LANGUAGE_FRENCH
        {.titleRow = 4, .name = "French", .names = {.ppdName = "French"}},
        // L10N_OPT_LANGUAGE_ITALIAN
        {.titleRow = 6, .name = "Italian", .names = {.ppdName = "Italian"}},
        // L10N_OPT_LANGUAGE_SPANISH
        {.titleRow = 8, .name = "Spanish", .names = {.ppdName = "Spanish"}},
        // L10N_OPT_LANGUAGE_CHINESETW
        {.titleRow = 9, .name = "TraditionalChinese", .names = {.ppdName = "TradChinese"}},
        // L10N_OPT_LANGUAGE_CHINESECN
        {.titleRow = 10, .name = "SimplifiedChinese", .names = {.ppdName = "SimplChinese"}},
        // L10N_OPT_LANGUAGE_KOREAN
        {.titleRow = 11, .name = "Korean", .names = {.ppdName = "Korean"}},
    }},
};

inline constexpr ChoiceOptionDescriptor measureUnitOption{
    {{}, 566},  // title L10N_LBL_MEASUREUNIT
    2,          // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_MEASUREUNIT_METRIC
        {.titleRow = 535, .name = "Metric", .names = {}},
        // L10N_OPT_MEASUREUNIT_IMPERIAL
        {.titleRow = 536, .name = "Imperial", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor weightUnitOption{
    {{}, 895},  // title L10N_LBL_WEIGHTUNIT
    11,         // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_WEIGHTUNIT_GM2
        {.titleRow = 887, .name = "gm2", .names = {}},
        // L10N_OPT_WEIGHTUNIT_KG1
        {.titleRow = 888, .name = "kg1", .names = {}},
        // L10N_OPT_WEIGHTUNIT_KG2
        {.titleRow = 889, .name = "kg2", .names = {}},
        // L10N_OPT_WEIGHTUNIT_KG3
        {.titleRow = 890, .name = "kg3", .names = {}},
        // L10N_OPT_WEIGHTUNIT_KG4
        {.titleRow = 891, .name = "kg4", .names = {}},
        // L10N_OPT_WEIGHTUNIT_LB1
        {.titleRow = 892, .name = "lb1", .names = {}},
        // L10N_OPT_WEIGHTUNIT_LB2
        {.titleRow = 1076, .name = "lb2", .names = {}},
        // L10N_OPT_WEIGHTUNIT_LB3
        {.titleRow = 1077, .name = "lb3", .names = {}},
        // L10N_OPT_WEIGHTUNIT_LB4
        {.titleRow = 893, .name = "lb4", .names = {}},
        // L10N_OPT_WEIGHTUNIT_LB5
        {.titleRow = 894, .name = "lb5", .names = {}},
        // L10N_OPT_WEIGHTUNIT_LB6
        {.titleRow = 1078, .name = "lb6", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor keychainOption{
    {{}, 638},  // title L10N_LBL_KEYCHAIN
    2,          // choiceCount
    0,          // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {}},
        {.titleRow = noTitleRow, .name = "True", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor snmpVersionOption{
    {{}, 1186},  // title L10N_LBL_SNMPVERSION
    2,           // choiceCount
    0,           // defaultIndex
    {{
        // L10N_OPT_SNMPVERSION_V12
        {.titleRow = 1187, .name = "V12", .names = {}},
        // L10N_OPT_SNMPVERSION_V3
        {.titleRow = 1188, .name = "V3", .names = {}},
    }},
};

inline constexpr TextOptionDescriptor snmpReadCommunityNameOption{
    {{}, 1189},  // title L10N_LBL_SNMPV12READCOMMUNITYNAME
    "brisko",    // defaultText
};

inline constexpr TextOptionDescriptor snmpReadUserAuthPwOption{
    {{}, 1196},      // title L10N_LBL_SNMPV3READUSERAUTHPW
    "KeltVarnomit",  // defaultText
};

inline constexpr TextOptionDescriptor snmpReadUserPrivPwOption{
    {{}, 1197},      // title L10N_LBL_SNMPV3READUSERPRIVPW
    "SolmDretavin",  // defaultText
};

inline constexpr TextOptionDescriptor snmpContextNameOption{
    {{}, 1190},  // title L10N_LBL_SNMPV3CONTEXTNAME
    "",          // defaultText
};

inline constexpr TextOptionDescriptor snmpReadUserNameOption{
    {{}, 1191},  // title L10N_LBL_SNMPV3READUSERNAME
    "initial",   // defaultText
};

inline constexpr ChoiceOptionDescriptor snmpSecurityLevelOption{
    {{}, 1192},  // title L10N_LBL_SNMPV3SECURITYLEVEL
    3,           // choiceCount
    2,           // defaultIndex
    {{
        // L10N_OPT_SNMPV3SECURITYLEVEL_NOADMISSION
        {.titleRow = 1193, .name = "NoAdmission", .names = {}},
        // L10N_OPT_SNMPV3SECURITYLEVEL_AUTH
        {.titleRow = 1194, .name = "Auth", .names = {}},
        // L10N_OPT_SNMPV3SECURITYLEVEL_AUTHPRIV
        {.titleRow = 1195, .name = "AuthPriv", .names = {}},
    }},
};

}  // namespace pd
