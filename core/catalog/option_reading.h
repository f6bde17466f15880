// The rules by which every reader interprets a descriptor of the option catalogue.
//
// Descriptors are read without locks from any thread; these functions only read them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/catalog/option_descriptor.h"

namespace pd {

// Choices ---------------------------------------------------------------------------------------

// The default choice's index: the low byte of defaultIndex. A low byte beyond the fixed capacity
// reads as 0, so that the result always names an entry.
constexpr std::uint32_t defaultChoiceIndex(const ChoiceOptionDescriptor& option) {
    const std::uint32_t index = option.defaultIndex & 0xFF;
    return index < maxChoiceCount ? index : 0;
}

// The index that a stored value stands for: the value itself below choiceCount, otherwise the
// default choice. A descriptor without choices resolves every value to its empty first entry.
std::uint32_t resolvedChoiceIndex(const ChoiceOptionDescriptor& option, std::uint32_t value);

// The entry that a stored value stands for (see resolvedChoiceIndex).
const OptionChoice& choiceForValue(const ChoiceOptionDescriptor& option, std::uint32_t value);

// True when a tray or cover media value means "not specified": one past the last choice of the
// media option (6 for type, 11 for weight, 7 for colour, 2 for pre-punched).
bool isMediaNotSpecified(const ChoiceOptionDescriptor& mediaOption, std::uint32_t value);

// The index of the first used choice whose PPD choice keyword equals keyword byte for byte;
// nothing when no choice has it. Choices without a PPD choice keyword never match.
std::optional<std::uint32_t> findChoiceByPpdName(const ChoiceOptionDescriptor& option,
                                                 std::string_view keyword);

// The first external name of choice that is set (PPD choice keyword, altName, reserved, PJL
// value); empty when none is. Read as views, so that it also holds while compiling under the
// sanitizers, which will not compare a constant's address with null there.
constexpr std::string_view choiceDefaultName(const OptionChoice& choice) {
    const OptionNames& names = choice.names;
    const std::string_view texts[] = {names.ppdName, names.altName, names.reserved, names.pjlName};
    for (const std::string_view text : texts)
        if (!text.empty()) return text;
    return {};
}

// The same name as a C string; null when no name is set.
constexpr const char* choiceDefaultText(const OptionChoice& choice) {
    const std::string_view name = choiceDefaultName(choice);
    return name.empty() ? nullptr : name.data();
}

// The default text of a field that holds a choice's name as text (paper names, tone curves): the
// first of the default choice's PPD choice keyword, altName, reserved and PJL value that is set;
// empty when none is.
constexpr std::string_view defaultChoiceName(const ChoiceOptionDescriptor& option) {
    return choiceDefaultName(option.choices[defaultChoiceIndex(option)]);
}

// The same name as a C string; null when no name is set.
constexpr const char* defaultChoiceText(const ChoiceOptionDescriptor& option) {
    return choiceDefaultText(option.choices[defaultChoiceIndex(option)]);
}

// Numbers ---------------------------------------------------------------------------------------

// Whether a stored value lies within [minimum, maximum]. Pass the field's value as read in the
// descriptor's signedness (an int32 field sign-extended, a uint16 or uint32 field zero-extended).
bool isNumberInRange(const NumericOptionDescriptor& option, std::int64_t value);

// The divisor to divide by: the descriptor's, or 1 in place of 0.
constexpr std::uint32_t effectiveDivisor(const NumericOptionDescriptor& option) {
    return option.divisor != 0 ? option.divisor : 1;
}

// Texts -----------------------------------------------------------------------------------------

// The default content of a text field; empty when the descriptor has no default text.
std::string_view defaultTextOf(const TextOptionDescriptor& option);

// Titles, PPD and PJL ---------------------------------------------------------------------------

// Whether a title or label row names a row of the localisation table.
constexpr bool hasTitleRow(std::uint32_t row) {
    return row != noTitleRow;
}

// Whether a name is set: neither null nor empty. Only set names are written anywhere.
constexpr bool isNameSet(const char* name) {
    return name != nullptr && name[0] != '\0';
}

// The same test of a catalogue's own text, read as a view: it holds while compiling under the
// sanitizers too, which will not compare a constant's address with null there.
template <std::size_t Capacity, EmptyText Empty>
constexpr bool isNameSet(const CatalogueText<Capacity, Empty>& name) {
    return !std::string_view(name).empty();
}

// Whether an option takes part in the PPD mapping, the supported PPD options and the summary.
bool takesPartInPpd(const OptionDescriptor& option);

// Whether a choice yields a PPD choice.
bool hasPpdChoice(const OptionChoice& choice);

// Whether a PJL mode admits a job header of the given kind (1 or 2; any other kind admits none).
constexpr bool pjlModeAdmits(PjlMode mode, std::uint32_t jobKind) {
    switch (mode) {
        case PjlMode::allJobKinds:
            return jobKind == 1 || jobKind == 2;
        case PjlMode::jobKind1Only:
            return jobKind == 1;
        case PjlMode::jobKind2Only:
            return jobKind == 2;
        case PjlMode::never:
            return false;
    }
    return false;
}

// Whether an option is written to a PJL job header of the given kind: its PJL name is set and its
// mode admits the kind.
constexpr bool isWrittenToPjl(const OptionDescriptor& option, std::uint32_t jobKind) {
    return isNameSet(option.names.pjlName) && pjlModeAdmits(option.names.pjlMode, jobKind);
}

}  // namespace pd
