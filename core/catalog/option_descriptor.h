// The descriptor records of the option catalogue.
//
// Every option the driver knows is described once, as constant data, by one descriptor object:
// its names toward the PPD and the PJL header, its title row in the localisation table, and by
// kind its choices, its numeric limits or its default text. Readers name descriptor objects
// directly (see option_catalogue.h) and interpret them through the rules of option_reading.h.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/catalog/catalogue_text.h"

namespace pd {

// A title or label row that names no row of the localisation table; it reads as the empty text.
inline constexpr std::uint32_t noTitleRow = 0xFFFFFFFF;

// The fixed capacities of the descriptor records.
inline constexpr std::size_t maxChoiceCount = 37;
inline constexpr std::size_t maxPpdValueCount = 59;
inline constexpr std::size_t maxDisplayUnitCount = 2;

// The longest texts the records hold; a longer literal in the catalogue does not compile.
inline constexpr std::size_t maxPpdNameLength = 20;
inline constexpr std::size_t maxAltNameLength = 11;
inline constexpr std::size_t maxPjlNameLength = 21;
inline constexpr std::size_t maxChoiceNameLength = 24;
// Any 32-bit number in decimal, sign included.
inline constexpr std::size_t maxPpdValueLength = 11;
inline constexpr std::size_t maxDefaultTextLength = 15;

// A PPD value text: null ends the list, while "" is an entry that holds no number.
using PpdValueText = CatalogueText<maxPpdValueLength, EmptyText::keptApart>;

// For which kind of PJL job header an option is written. The header builder is given job kind 1
// or 2; it writes catalogue options for no other kind.
enum class PjlMode : std::uint32_t {
    never = 0,         // written for no job kind
    allJobKinds = 1,   // job kinds 1 and 2
    jobKind1Only = 2,  // job kind 1 only
    jobKind2Only = 3,  // job kind 2 only
};

// The external names heading every descriptor and every choice. A name that is not set reads as
// null (an empty name reads the same way) and means that nothing is written for it.
struct OptionNames {
    // Descriptor: the PPD option keyword. Choice: the PPD choice keyword.
    CatalogueText<maxPpdNameLength> ppdName{};
    // A second name of a choice, used by the filter's setup code for tray media; null in heads.
    CatalogueText<maxAltNameLength> altName{};
    // A further name slot, null throughout the catalogue.
    CatalogueText<0> reserved{};
    // Descriptor: the PJL variable name. Choice: the PJL value.
    CatalogueText<maxPjlNameLength> pjlName{};
    // Descriptor: the job kinds the option is written for. Choices carry one too; nobody reads it.
    PjlMode pjlMode = PjlMode::never;
};

// The head that every descriptor form begins with.
struct OptionDescriptor {
    OptionNames names;
    std::uint32_t titleRow = noTitleRow;
};

// One entry of a choice descriptor.
struct OptionChoice {
    std::uint32_t titleRow = 0;
    // The internal name: it enters the layout signature and the filter's layout description,
    // never the PPD or the PJL header. Null in unused entries.
    CatalogueText<maxChoiceNameLength> name{};
    OptionNames names;
};

struct ChoiceOptionDescriptor : OptionDescriptor {
    // The number of used entries of choices, 0 to 37.
    std::uint32_t choiceCount = 0;
    // The default choice; readers use only its low byte.
    std::uint32_t defaultIndex = 0;
    // Entries from choiceCount on are empty (all zero), except that a descriptor without choices
    // has the title row none in its first entry.
    std::array<OptionChoice, maxChoiceCount> choices{};
};

// A unit in which a numeric value can be shown; catalogue data without a reader in the driver.
struct DisplayUnit {
    std::uint32_t labelRow = noTitleRow;
    std::uint32_t scale = 1;
    std::array<std::uint32_t, 2> decimals{};
};

// Whether a numeric descriptor's limits and default are read signed (int32 record fields) or
// unsigned (uint16 and uint32 record fields).
enum class NumericForm : std::uint8_t { unsignedForm, signedForm };

// The destinations of the output scale words; word 2 has no reader.
inline constexpr std::size_t outputScalePpdWord = 0;
inline constexpr std::size_t outputScalePostScriptWord = 1;
inline constexpr std::size_t outputScalePjlWord = 3;

struct NumericOptionDescriptor : OptionDescriptor {
    NumericForm form = NumericForm::unsignedForm;
    // Output units per displayed unit, one word per destination (outputScale...Word).
    std::array<std::uint32_t, 4> outputScale{};
    // Stored units per displayed unit: 10000 for lengths (1/10000 mm), 10 for tenths, 1 for counts.
    std::uint32_t divisor = 1;
    // The limits and default in the form's signedness, held exactly (an unsigned maximum of
    // 0xFFFFFFFF admits every stored value).
    std::int64_t minimum = 0;
    std::int64_t maximum = 0;
    std::int64_t defaultValue = 0;
    // Ascending decimal PPD choice texts, ended by the first null.
    std::array<PpdValueText, maxPpdValueCount> ppdValues{};
    std::uint32_t displayUnitCount = 0;
    std::array<DisplayUnit, maxDisplayUnitCount> displayUnits{};
};

struct TextOptionDescriptor : OptionDescriptor {
    // The default content of the text field; null means the empty text. The catalogue keeps ""
    // apart from null as its sources give them.
    CatalogueText<maxDefaultTextLength, EmptyText::keptApart> defaultText{};
};

}  // namespace pd
