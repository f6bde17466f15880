// The number and text template of the PJL job header: one instance per numeric or text field,
// bound to the field and to the field's descriptor.
//
// Forward, an instance writes the field under the descriptor's PJL name when it has one and its
// mode admits the job kind: a number converted to PJL units and written in decimal (never quoted),
// a text always in quotes. Reverse, it reads the value back from a value list into the field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/catalog/option_descriptor.h"
#include "core/catalog/option_reading.h"
#include "core/record/core_data.h"
#include "filter/pjl/pjl_emitter.h"

namespace pd {

void emitPjlItem(const NumericOptionDescriptor& option, StoredInt32 PdCoreData::*field,
                 const PjlValueList* values, PdCoreData* target, std::string* out,
                 const PdCoreData* record, std::uint32_t jobKind);
void emitPjlItem(const NumericOptionDescriptor& option, StoredUInt32 PdCoreData::*field,
                 const PjlValueList* values, PdCoreData* target, std::string* out,
                 const PdCoreData* record, std::uint32_t jobKind);
void emitPjlItem(const NumericOptionDescriptor& option, StoredUInt16 PdCoreData::*field,
                 const PjlValueList* values, PdCoreData* target, std::string* out,
                 const PdCoreData* record, std::uint32_t jobKind);

// The forward line of a text item holding text, or the empty text when the item has no PJL name
// or its mode does not admit the job kind.
std::string pjlTextItemLine(const OptionDescriptor& option, std::string_view text,
                            std::uint32_t jobKind);

// The value a text item reads back from values: none without a PJL name or a non-empty value.
std::optional<std::string> pjlTextItemValue(const OptionDescriptor& option,
                                            const PjlValueList& values);

template <std::size_t N>
void emitPjlItem(const TextOptionDescriptor& option, FixedText<N> PdCoreData::*field,
                 const PjlValueList* values, PdCoreData* target, std::string* out,
                 const PdCoreData* record, std::uint32_t jobKind) {
    switch (pjlDirection(values, target, out, record)) {
        case PjlDirection::forward:
            out->append(pjlTextItemLine(option, (record->*field).view(), jobKind));
            break;
        case PjlDirection::reverse:
            if (const auto value = pjlTextItemValue(option, *values)) {
                (target->*field).assign(value->c_str());
            }
            break;
        case PjlDirection::none:
            break;
    }
}

template <const auto& Option, auto Field>
void emitPjlItemOf(const PjlValueList* values, PdCoreData* target, std::string* out,
                   const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    emitPjlItem(Option, Field, values, target, out, record, jobKind);
}

// The entry bound to one field and to its descriptor, in the builder's emitter signature (items
// ignore the last flag); an option without a PJL name gets the entry that does nothing.
template <const auto& Option, auto Field>
inline constexpr PjlEmitter pjlItemEntry = isNameSet(Option.names.pjlName)
                                               ? &emitPjlItemOf<Option, Field>
                                               : &emitNoPjl;

}  // namespace pd
