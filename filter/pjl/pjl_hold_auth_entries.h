// Hand-written entries of the PJL job header for hold and secure print, account track, the PDF
// password and user authentication with the relay server.
//
// Each writes only in the forward direction. Every password and every relay-server value is
// written encrypted (encryptPjlPassword), in quotes.
#pragma once

#include <cstdint>
#include <string>

#include "core/catalog/option_descriptor.h"
#include "filter/pjl/pjl_emitter.h"

namespace pd {

// "HOLD", "QXJOBID", "HOLDKEY2", "HOLDTYPE".
void emitPjlHold(const PjlValueList* values, PdCoreData* target, std::string* out,
                 const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "QXUSERNAME", "QXUSERKEY2" and the relay-server lines.
void emitPjlUserAuthentication(const PjlValueList* values, PdCoreData* target, std::string* out,
                               const PdCoreData* record, std::uint32_t jobKind,
                               std::uint32_t lastFlag);

// "PDFPASSWD", written when the given option admits the job kind.
void emitPjlPdfPassword(const TextOptionDescriptor& option, const PjlValueList* values,
                        PdCoreData* target, std::string* out, const PdCoreData* record,
                        std::uint32_t jobKind);

// "QXSECTIONNAME" under the given option's name and mode.
void emitPjlAccountName(const TextOptionDescriptor& option, const PjlValueList* values,
                        PdCoreData* target, std::string* out, const PdCoreData* record,
                        std::uint32_t jobKind);

// "QXSECTIONKEY2" under the given option's name and mode.
void emitPjlAccountPassword(const TextOptionDescriptor& option, const PjlValueList* values,
                            PdCoreData* target, std::string* out, const PdCoreData* record,
                            std::uint32_t jobKind);

}  // namespace pd
