// The number and text template of the PJL job header: one instance per numeric or text field,
// bound to the field and to the field's descriptor.
//
// Forward, an instance writes the field under the descriptor's PJL name when it has one and its
// mode admits the job kind: a number converted to PJL units and written in decimal (never quoted),
// a text always in quotes. Reverse, it reads the value back from a value list into the field.
#pragma once

#include <concepts>
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

// What an item's entry reads of its descriptor: the PJL name and mode, and for a number the scale
// and divisor that take a stored value to PJL units.
struct PjlItemNames {
    CatalogueText<maxPjlNameLength> name{};
    PjlMode mode = PjlMode::never;
    std::uint32_t scale = 0;
    std::uint32_t divisor = 1;
};

constexpr PjlItemNames pjlItemNames(const NumericOptionDescriptor& option) {
    return {option.names.pjlName, option.names.pjlMode, option.outputScale[outputScalePjlWord],
            option.divisor};
}

constexpr PjlItemNames pjlItemNames(const TextOptionDescriptor& option) {
    return {option.names.pjlName, option.names.pjlMode};
}

// Whether the item is written to a job header of the given kind.
constexpr bool isWrittenToPjl(const PjlItemNames& names, std::uint32_t jobKind) {
    return isNameSet(names.name) && pjlModeAdmits(names.mode, jobKind);
}

void emitPjlItem(const PjlItemNames& names, StoredInt32 PdCoreData::*field,
                 const PjlValueList* values, PdCoreData* target, std::string* out,
                 const PdCoreData* record, std::uint32_t jobKind);
void emitPjlItem(const PjlItemNames& names, StoredUInt32 PdCoreData::*field,
                 const PjlValueList* values, PdCoreData* target, std::string* out,
                 const PdCoreData* record, std::uint32_t jobKind);
void emitPjlItem(const PjlItemNames& names, StoredUInt16 PdCoreData::*field,
                 const PjlValueList* values, PdCoreData* target, std::string* out,
                 const PdCoreData* record, std::uint32_t jobKind);

// The forward line of a text item holding text, or the empty text when the item has no PJL name
// or its mode does not admit the job kind.
std::string pjlTextItemLine(const PjlItemNames& names, std::string_view text,
                            std::uint32_t jobKind);

// The value a text item reads back from values: none without a PJL name or a non-empty value.
std::optional<std::string> pjlTextItemValue(const PjlItemNames& names, const PjlValueList& values);

template <std::size_t N>
void emitPjlItem(const PjlItemNames& names, FixedText<N> PdCoreData::*field,
                 const PjlValueList* values, PdCoreData* target, std::string* out,
                 const PdCoreData* record, std::uint32_t jobKind) {
    switch (pjlDirection(values, target, out, record)) {
        case PjlDirection::forward:
            out->append(pjlTextItemLine(names, (record->*field).view(), jobKind));
            break;
        case PjlDirection::reverse:
            if (const auto value = pjlTextItemValue(names, *values)) {
                (target->*field).assign(value->c_str());
            }
            break;
        case PjlDirection::none:
            break;
    }
}

template <typename Option, typename Field>
requires std::derived_from<Option, OptionDescriptor>
void emitPjlItem(const Option& option, Field field, const PjlValueList* values, PdCoreData* target,
                 std::string* out, const PdCoreData* record, std::uint32_t jobKind) {
    emitPjlItem(pjlItemNames(option), field, values, target, out, record, jobKind);
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
