// The member rows of the print dialog's summary pane: the settings record's members, in record
// order, as pairs of a localised title and a localised value text.
//
// The catalogue decides what is shown: a member gets a row only when its option carries a PPD
// keyword, and only when the option's title and the title of its current choice both have text.
// The target paper size always gets one, and a custom target size is spelt out in inch or in cm
// after the user's measurement system.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/catalog/language.h"
#include "core/catalog/option_descriptor.h"
#include "core/record/core_data.h"
#include "core/record/member_id.h"

namespace pd {

// One row: the option's title first, then the value text, both UTF-8.
struct SummaryItem {
    std::string label;
    std::string value;

    friend bool operator==(const SummaryItem&, const SummaryItem&) = default;
};

using SummaryItemList = std::vector<SummaryItem>;

// What every row writer of one build reads; the writers append to items.
struct SummaryContext {
    SummaryItemList& items;
    const PdCoreData& record;
    LanguageIndex language;
    // 1 when lengths are shown in inch (a measurement system other than metric), else 0.
    std::uint32_t inchFlag;
};

// The text of a row of the localisation table in language, as UTF-8; empty for a row past the
// table or the no-title mark.
std::string makeLocalizedText(LanguageIndex language, std::uint32_t row);

// The title of the choice that a stored value stands for (the default choice for a value at or
// beyond the choice count), as UTF-8.
std::string choiceTitleText(const ChoiceOptionDescriptor& option, std::uint32_t value,
                            LanguageIndex language);

// The members that get a row writer, in record order: every one-byte choice member and every
// number member but those that the summary's fixed rows show or the target writer reads
// (DtPageSize, DtInputSlot and the custom page and target sizes).
std::span<const MemberId> summaryMembers();

// Empties items, then appends the rows of record's members in language, the target size in the
// unit of the user's measurement system.
void buildSummaryItems(const PdCoreData& record, SummaryItemList& items, LanguageIndex language);

// A choice member's row: nothing when the option has no PPD keyword, or when its title or the
// title of the choice that value stands for is empty.
void addSummaryItem(std::uint8_t value, const ChoiceOptionDescriptor& option,
                    const SummaryContext& context);

// A number member's row: value in the option's displayed unit, the remainder dropped; nothing when
// the option has no PPD keyword or no title.
void addSummaryItem(std::int64_t value, const NumericOptionDescriptor& option,
                    const SummaryContext& context);

// The target paper size's row, written whenever the option has a title: the title of the choice
// that value stands for, or for the custom target size (37) its name, width and height as
// "NAME (WxH UNIT)", with two decimals in inch or one in cm and "." as the decimal point.
void addTargetPaperSizeSummaryItem(std::uint8_t value, const ChoiceOptionDescriptor& option,
                                   const SummaryContext& context);

}  // namespace pd
