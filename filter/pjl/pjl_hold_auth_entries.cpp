#include "filter/pjl/pjl_hold_auth_entries.h"

#include "core/base/number_text.h"
#include "core/catalog/choice_values.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/option_reading.h"
#include "core/record/core_data.h"
#include "filter/pjl/pjl_choice_emitter.h"
#include "filter/pjl/pjl_line.h"
#include "filter/pjl/pjl_password.h"
#include "filter/pjl/pjl_relay_server.h"

namespace pd {
namespace {

// A secret as the header carries it: encrypted, in quotes.
std::string encryptedLine(std::string_view name, std::string_view secret) {
    return pjlSetLine(name, encryptPjlPassword(secret), 1);
}

constexpr std::uint8_t authenticationExternalServer = 2;
constexpr std::uint8_t authenticationRelayServer = 3;

const char* holdValue(std::uint8_t waitMode) {
    switch (waitMode) {
        case waitModeProof:
            return "QXWAITPROOF";
        case waitModeProofFirst:
            return "QXWAITPROOF1STSHEET";
        case waitModeWait:
            return "QXWAITSTORE";
        case waitModeHoldPrint:
            return "QXHOLD";
        case waitModeSecurePrint:
            return "ON";
        default:
            return "OFF";
    }
}

struct RelayFieldForm {
    const char* typeName;
    const char* valueName;
    std::string (*valueText)(const RelayServerField&);
};

RelayFieldForm relayFieldForm(std::uint32_t type) {
    switch (type) {
        case relayFieldNumber:
            return {"NUMERIC", "QXCERTFLEXNUMERIC", formatRelayNumber};
        case relayFieldToggle:
            return {"TOGGLE", "QXCERTFLEXTOGGLE", formatRelayToggle};
        case relayFieldDateTime:
            return {"DATEANDTIME1", "QXCERTFLEXDAY", formatRelayDateTime};
        case relayFieldSelect:
            return {"STATICSELECT", "QXCERTFLEXSELECT", formatRelaySelect};
        default:
            return {"STRING", "QXCERTFLEXSTRING", formatRelayString};
    }
}

void appendRelayBlock(const PdCoreData& record, std::string& out) {
    RelayServerFieldList fields;
    decodeRelayServerFields(record.DtRelayServerSettings.bytes, relayServerSettingsSize, fields);
    if (fields.empty()) return;

    out.append(pjlSetLine("QXCERTFLEXCONTNUM", formatUInt32(fields.size()), 0));
    std::uint32_t number = 1;
    for (const RelayServerField& field : fields) {
        const std::string suffix = formatUInt32(number++);
        const RelayFieldForm form = relayFieldForm(field.type);
        out.append(pjlSetLine(std::string("QXCERTFLEXCONTTYPE") + suffix, form.typeName, 0));
        out.append(encryptedLine(form.valueName + suffix, form.valueText(field)));
        out.append(pjlSetLine("QXCERTFLEXCONTID" + suffix, field.name.data(), 1));
    }
    out.append(pjlSetLineText("QXCERTSELECTTYPE", "FLEX"));
    out.append(pjlSetLine("QXCERTFLEXSCREENID", record.DtRelayServerScreenId.view(), 1));
}

}  // namespace

void emitPjlHold(const PjlValueList* values, PdCoreData* target, std::string* out,
                 const PdCoreData* record, std::uint32_t, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    const std::uint8_t waitMode = record->DtWaitMode.get();
    const bool secure = waitMode == waitModeSecurePrint;
    out->append(pjlSetLineText("HOLD", holdValue(waitMode)));
    if (secure) {
        out->append(pjlSetLine("QXJOBID", record->DtWaitModeSecurePrintId.view(), 1));
        out->append(encryptedLine("HOLDKEY2", record->DtWaitModePassword.view()));
    }
    out->append(pjlSetLine("HOLDTYPE", secure ? "PRIVATE" : "PUBLIC", 0));
}

void emitPjlUserAuthentication(const PjlValueList* values, PdCoreData* target, std::string* out,
                               const PdCoreData* record, std::uint32_t, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    const std::uint8_t method = record->DtUserAuthentication.get();
    const bool publicUser = record->DtUserAuthenticationPublic.get() != 0;

    if (method != 0 && (method != authenticationRelayServer || publicUser)) {
        if (publicUser) {
            out->append(pjlSetLine("QXUSERNAME", "Public", 1));
        } else {
            out->append(pjlSetLine("QXUSERNAME", record->DtUserAuthenticationUserName.view(), 1));
            out->append(encryptedLine("QXUSERKEY2", record->DtUserAuthenticationPassword.view()));
        }
    }
    const bool externalServer = method == authenticationExternalServer && !publicUser;
    out->append(pjlSetLineText("QXCERTSERVTYPE", externalServer ? "NUMBER" : "NONE"));
    if (externalServer) {
        const std::int32_t server = std::int32_t{record->DtUserAuthenticationServer.get()} + 1;
        out->append(pjlSetLine("QXCERTSERVNUM", formatInt32(server), 0));
    }
    if (method == authenticationRelayServer && !publicUser) appendRelayBlock(*record, *out);
}

void emitPjlPdfPassword(const TextOptionDescriptor& option, const PjlValueList* values,
                        PdCoreData* target, std::string* out, const PdCoreData* record,
                        std::uint32_t jobKind) {
    if (!isForward(values, target, out, record) || !isWrittenToPjl(option, jobKind)) return;
    if (record->DtEncryptPdf.get() == 0) return;
    out->append(encryptedLine("PDFPASSWD", record->DtPdfPassword.view()));
}

void emitPjlAccountName(const TextOptionDescriptor& option, const PjlValueList* values,
                        PdCoreData* target, std::string* out, const PdCoreData* record,
                        std::uint32_t jobKind) {
    if (!isForward(values, target, out, record) || !isWrittenToPjl(option, jobKind)) return;
    if (record->DtAccountTrack.get() == 0) return;
    out->append(pjlSetLine(option.names.pjlName, record->DtAccountTrackDepartmentName.view(), 1));
}

void emitPjlAccountPassword(const TextOptionDescriptor& option, const PjlValueList* values,
                            PdCoreData* target, std::string* out, const PdCoreData* record,
                            std::uint32_t jobKind) {
    if (!isForward(values, target, out, record) || !isWrittenToPjl(option, jobKind)) return;
    if (record->DtAccountTrack.get() == 0) return;
    out->append(encryptedLine(option.names.pjlName, record->DtAccountTrackPassword.view()));
}

}  // namespace pd
