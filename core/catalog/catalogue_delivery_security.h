// Catalogue content. E-mail notice, user authentication, relay server, account track, secure print
// and output method.
//
// Constant data, read by every unit while compiling; see option_descriptor.h for the meaning of
// each word. Readers include option_catalogue.h.
#pragma once

#include "core/catalog/option_descriptor.h"

namespace pd {

inline constexpr ChoiceOptionDescriptor sendEMailOption{
    {{}, 692},  // title L10N_LBL_SENDEMAIL
    3,          // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_SENDEMAIL_OFF
        {.titleRow = 249, .name = "Off", .names = {}},
        // L10N_OPT_SENDEMAIL_ONERROR
        {.titleRow = 764, .name = "OnError", .names = {}},
        // L10N_OPT_SENDEMAIL_ALWAYS
        {.titleRow = 765, .name = "Always", .names = {}},
    }},
};

inline constexpr TextOptionDescriptor sendEMailAddressOption{
    {{}, 693},  // title L10N_LBL_SENDEMAILADDRESS
    {},         // defaultText
};

inline constexpr ChoiceOptionDescriptor userAuthenticationOption{
    {{}, 694},  // title L10N_LBL_USERAUTHENTICATION
    4,          // choiceCount
    0,          // defaultIndex
    {{
        // L10N_OPT_USERAUTHENTICATION_OFF
        {.titleRow = 261, .name = "Off", .names = {}},
        // L10N_OPT_USERAUTHENTICATION_MAINBODY
        {.titleRow = 1220, .name = "MainBody", .names = {}},
        // L10N_OPT_USERAUTHENTICATION_EXTERNALSERVER
        {.titleRow = 1150, .name = "ExternalServer", .names = {}},
        // L10N_OPT_USERAUTHENTICATION_RELAYSERVER
        {.titleRow = 1151, .name = "RelayServer", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor userAuthenticationPublicOption{
    {{}, 1152},  // title L10N_LBL_USERAUTHENTICATIONPUBLIC
    2,           // choiceCount
    0,           // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {}},
        {.titleRow = noTitleRow, .name = "True", .names = {}},
    }},
};

inline constexpr ChoiceOptionDescriptor userAuthenticationServerOption{
    {{}, 1153},  // title L10N_LBL_USERAUTHENTICATIONSERVER
    20,          // choiceCount
    0,           // defaultIndex
    {{
        // L10N_OPT_USERAUTHENTICATIONSERVER_SERVER1
        {.titleRow = 1223, .name = "Server1", .names = {}},
        // L10N_OPT_USERAUTHENTICATIONSERVER_SERVER2
        {.titleRow = 1224, .name = "Server2", .names = {}},
        // L10N_OPT_USERAUTHENTICATIONSERVER_SERVER3
        {.titleRow = 1225, .name = "Server3", .names = {}},
        // L10N_OPT_USERAUTHENTICATIONSERVER_SERVER4
        {.titleRow = 1226, .name = "Server4", .names = {}},
        // L10N_OPT_USERAUTHENTICATIONSERVER_SERVER5
        {.titleRow = 1227, .name = "Server5", .names = {}},
        // L10N_OPT_USERAUTHENTICATIONSERVER_SERVER6
        {.titleRow = 1228, .name = "Server6", .names = {}},
        // L10N_OPT_USERAUTHENTICATIONSERVER_SERVER7
        {.titleRow = 1229, .name = "Server7", .names = {}},
        // L10N_OPT_USERAUTHENTICATIONSERVER_SERVER8
        {.titleRow = 1230, .name = "Server8", .names = {}},
        // L10N_OPT_USERAUTHENTICATIONSERVER_SERVER9
        {.titleRow = 1231, .name = "Server9", .names = {}},
        // L10N_OPT_USERAUTHENTICATIONSERVER_SERVER10
        {.titleRow = 1232, .name = "Server10", .names = {}},
        // L10N_OPT_USERAUTHENTICATIONSERVER_SERVER11
        {.titleRow = 1233, .name = "Server11", .names = {}},
        // L10N_OPT_USERAUTHENTICATIONSERVER_SERVER12
        {.titleRow = 1234, .name = "Server12", .names = {}},
        // L10N_OPT_USERAUTHENTICATIONSERVER_SERVER13
        {.titleRow = 1235, .name = "Server13", .names = {}},
        // L10N_OPT_USERAUTHENTICATIONSERVER_SERVER14
        {.titleRow = 1236, .name = "Server14", .names = {}},
        // L10N_OPT_USERAUTHENTICATIONSERVER_SERVER15
        {.titleRow = 1237, .name = "Server15", .names = {}},
        // L10N_OPT_USERAUTHENTICATIONSERVER_SERVER16
        {.titleRow = 1238, .name = "Server16", .names = {}},
        // L10N_OPT_USERAUTHENTICATIONSERVER_SERVER17
        {.titleRow = 1239, .name = "Server17", .names = {}},
        // L10N_OPT_USERAUTHENTICATIONSERVER_SERVER18
        {.titleRow = 1240, .name = "Server18", .names = {}},
        // L10N_OPT_USERAUTHENTICATIONSERVER_SERVER19
        {.titleRow = 1241, .name = "Server19", .names = {}},
        // L10N_OPT_USERAUTHENTICATIONSERVER_SERVER20
        {.titleRow = 1242, .name = "Server20", .names = {}},
    }},
};

inline constexpr TextOptionDescriptor userAuthenticationUserNameOption{
    {{}, 695},  // title L10N_LBL_USERAUTHENTICATIONUSERNAME
    "NoName",   // defaultText
};

inline constexpr TextOptionDescriptor userAuthenticationPasswordOption{
    {{}, 705},   // title L10N_LBL_USERAUTHENTICATIONPASSWORD
    "quillmar",  // defaultText
};

inline constexpr TextOptionDescriptor relayServerSettingsOption{
    {{}, noTitleRow},  // no title
    {},                // defaultText
};

inline constexpr TextOptionDescriptor relayServerScreenIdOption{
    {{}, noTitleRow},  // no title
    {},                // defaultText
};

inline constexpr ChoiceOptionDescriptor accountTrackOption{
    {{}, 709},  // title L10N_LBL_ACCOUNTTRACK
    2,          // choiceCount
    0,          // defaultIndex
    {{
        {.titleRow = noTitleRow, .name = "False", .names = {}},
        {.titleRow = noTitleRow, .name = "True", .names = {}},
    }},
};

inline constexpr TextOptionDescriptor accountTrackDepartmentNameOption{
    {{.pjlName = "QXSECTIONNAME", .pjlMode = PjlMode::allJobKinds},
     710},     // title L10N_LBL_ACCOUNTTRACKDEPARTMENTNAME
    "NoName",  // defaultText
};

inline constexpr TextOptionDescriptor accountTrackPasswordOption{
    {{.pjlName = "QXSECTIONKEY2", .pjlMode = PjlMode::allJobKinds},
     706},       // title L10N_LBL_ACCOUNTTRACKPASSWORD
    "quillmar",  // defaultText
};

inline constexpr TextOptionDescriptor waitModeSecurePrintIdOption{
    {{}, 1141},  // title L10N_LBL_WAITMODESECUREPRINTID
    "NoName",    // defaultText
};

inline constexpr TextOptionDescriptor waitModePasswordOption{
    {{}, 707},   // title L10N_LBL_WAITMODEPASSWORD
    "quillmar",  // defaultText
};

inline constexpr ChoiceOptionDescriptor outputMethodOption{
    {{}, 1142},  // title L10N_LBL_OUTPUTMETHOD
    4,           // choiceCount
    0,           // defaultIndex
    {{
        // L10N_OPT_OUTPUTMETHOD_PRINT
        {.titleRow = 766, .name = "Print", .names = {}},
        // L10N_OPT_OUTPUTMETHOD_SAVEINUB
        {.titleRow = 1143, .name = "SaveInUB", .names = {}},
        // L10N_OPT_OUTPUTMETHOD_SAVEINUBANDP
        {.titleRow = 1144, .name = "SaveInUBAndP", .names = {}},
        // L10N_OPT_OUTPUTMETHOD_FORM
        {.titleRow = 1021, .name = "Form", .names = {}},
    }},
};

inline constexpr TextOptionDescriptor outputMethodUserboxNumberOption{
    {{}, 1145},  // title L10N_LBL_OUTPUTMETHODUSERBOXNUMBER
    "0",         // defaultText
};

inline constexpr TextOptionDescriptor outputMethodFileNameOption{
    {{}, 711},  // title L10N_LBL_OUTPUTMETHODFILENAME
    {},         // defaultText
};

inline constexpr ChoiceOptionDescriptor encryptPdfOption{
    {{.pjlName = "PDFPASSWDRQ", .pjlMode = PjlMode::jobKind2Only},
     1292},  // title L10N_LBL_ENCRYPTPDF
    2,       // choiceCount
    0,       // defaultIndex
    {{
        {.titleRow = noTitleRow,
         .name = "False",
         .names = {.pjlName = "NO", .pjlMode = PjlMode::jobKind2Only}},
        {.titleRow = noTitleRow,
         .name = "True",
         .names = {.pjlName = "YES", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

inline constexpr TextOptionDescriptor pdfPasswordOption{
    {{.pjlName = "PDFPASSWD", .pjlMode = PjlMode::jobKind2Only},
     708},  // title L10N_LBL_PDFPASSWORD
    {},     // defaultText
};

inline constexpr ChoiceOptionDescriptor addShowpageOption{
    {{.pjlName = "QXADDSHOWPAGE", .pjlMode = PjlMode::jobKind2Only},
     1301},  // title L10N_LBL_ADDSHOWPAGE
    2,       // choiceCount
    0,       // defaultIndex
    {{
        {.titleRow = noTitleRow,
         .name = "False",
         .names = {.pjlName = "OFF", .pjlMode = PjlMode::jobKind2Only}},
        {.titleRow = noTitleRow,
         .name = "True",
         .names = {.pjlName = "ON", .pjlMode = PjlMode::jobKind2Only}},
    }},
};

}  // namespace pd
