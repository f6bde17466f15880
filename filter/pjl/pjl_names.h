// What the PJL job header reads of a descriptor, copied into a small record of its own.
//
// A descriptor spreads its few PJL words over several kilobytes of choice slots and PPD values.
// The header's entries instead read these records, derived while compiling from the catalogue's
// constant copies (catalogue_constants.h), so that a job's header reads a few dense records rather
// than a page of the catalogue per option. The same derivation serves a descriptor given at run
// time, so both read the same words by the same rules.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/catalog/option_descriptor.h"
#include "core/catalog/option_reading.h"

namespace pd {

// A PJL name or value as the catalogue holds it: the empty text reads as null.
using PjlName = CatalogueText<maxPjlNameLength>;

// A choice option's PJL name and mode, its choice count and default, and the PJL value of each
// used choice (Count of them: the choice count, at most the fixed capacity).
template <std::size_t Count>
struct PjlChoiceNames {
    PjlName name{};
    PjlMode mode = PjlMode::never;
    std::uint32_t choiceCount = 0;
    std::uint32_t defaultIndex = 0;
    std::array<PjlName, Count> values{};
};

// The same words for any Count; it points into the names it was made from.
struct PjlChoiceView {
    const char* name = nullptr;
    PjlMode mode = PjlMode::never;
    std::uint32_t choiceCount = 0;
    std::uint32_t defaultIndex = 0;
    std::span<const PjlName> values;
};

// The number of a descriptor's choice slots that are in use.
constexpr std::size_t usedChoiceSlots(const ChoiceOptionDescriptor& option) {
    return std::min<std::size_t>(option.choiceCount, maxChoiceCount);
}

template <std::size_t Count = maxChoiceCount>
constexpr PjlChoiceNames<Count> pjlChoiceNames(const ChoiceOptionDescriptor& option) {
    PjlChoiceNames<Count> names;
    names.name = option.names.pjlName;
    names.mode = option.names.pjlMode;
    names.choiceCount = option.choiceCount;
    names.defaultIndex = option.defaultIndex;
    for (std::size_t i = 0; i < Count && i < usedChoiceSlots(option); ++i)
        names.values[i] = option.choices[i].names.pjlName;
    return names;
}

template <std::size_t Count>
PjlChoiceView pjlChoiceView(const PjlChoiceNames<Count>& names) {
    const std::size_t used = std::min<std::size_t>(names.choiceCount, Count);
    return {names.name, names.mode, names.choiceCount, names.defaultIndex,
            std::span<const PjlName>(names.values.data(), used)};
}

// Whether a choice option can write a header line: it has a PJL name and a choice with a value.
constexpr bool canWritePjlChoice(const ChoiceOptionDescriptor& option) {
    if (!isNameSet(option.names.pjlName)) return false;
    for (std::size_t i = 0; i < usedChoiceSlots(option); ++i)
        if (isNameSet(option.choices[i].names.pjlName)) return true;
    return false;
}

// The names of a constant descriptor, with a slot for each used choice and no more.
template <const ChoiceOptionDescriptor& Option>
inline constexpr auto pjlChoiceNamesOf = pjlChoiceNames<usedChoiceSlots(Option)>(Option);

// A number or text option's PJL name and mode, and for a number the scale and divisor that take
// a stored value to PJL units.
struct PjlItemNames {
    PjlName name{};
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

// Whether the item is written to a job header of the given kind, as isWrittenToPjl tells of its
// descriptor.
constexpr bool isWrittenToPjl(const PjlItemNames& names, std::uint32_t jobKind) {
    return isNameSet(names.name) && pjlModeAdmits(names.mode, jobKind);
}

template <const auto& Option>
inline constexpr PjlItemNames pjlItemNamesOf = pjlItemNames(Option);

}  // namespace pd
