// The choice template of the PJL job header: one instance per one-byte choice field, bound to the
// field and to the field's choice descriptor.
//
// Forward, an instance writes the option's PJL name with the PJL value of the selected choice
// when the option has a PJL name and its mode admits the job kind; an index at or beyond the
// choice count reads as the default choice, and a choice without a PJL value writes nothing.
// Reverse, it sets the field to the lowest choice whose PJL value equals the listed value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/catalog/option_descriptor.h"
#include "core/catalog/option_reading.h"
#include "core/record/core_data.h"
#include "filter/pjl/pjl_emitter.h"

namespace pd {

// True when the descriptor's PJL name is non-null and not empty.
bool hasPjlName(const OptionDescriptor& option);

// The PJL value of choice index, or null when the index names no used choice.
const char* pjlChoiceValueBounded(const ChoiceOptionDescriptor& option, std::uint32_t index);

// The PJL value of choice index, an index at or beyond the choice count reading as the default.
const char* pjlChoiceValueWithDefault(const ChoiceOptionDescriptor& option, std::uint32_t index);

// Whether a choice option can write a header line: it has a PJL name and a choice with a value.
constexpr bool canWritePjlChoice(const ChoiceOptionDescriptor& option) {
    if (!isNameSet(option.names.pjlName)) return false;
    for (std::size_t i = 0; i < option.choiceCount && i < option.choices.size(); ++i)
        if (isNameSet(option.choices[i].names.pjlName)) return true;
    return false;
}

using PjlChoiceField = StoredUInt8 PdCoreData::*;

void emitPjlChoice(const ChoiceOptionDescriptor& option, PjlChoiceField field,
                   const PjlValueList* values, PdCoreData* target, std::string* out,
                   const PdCoreData* record, std::uint32_t jobKind);

template <const ChoiceOptionDescriptor& Option, PjlChoiceField Field>
void emitPjlChoiceOf(const PjlValueList* values, PdCoreData* target, std::string* out,
                     const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    emitPjlChoice(Option, Field, values, target, out, record, jobKind);
}

// The entry bound to one field and to its descriptor, in the builder's emitter signature (it has
// no use for the last flag). An option without a PJL name or without a choice that has a PJL
// value gets the entry that does nothing, since it could neither write a line nor match a listed
// value.
template <const ChoiceOptionDescriptor& Option, PjlChoiceField Field>
inline constexpr PjlEmitter pjlChoiceEntry = canWritePjlChoice(Option)
                                                 ? &emitPjlChoiceOf<Option, Field>
                                                 : &emitNoPjl;

}  // namespace pd
