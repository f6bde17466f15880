#include "panel/summary_items.h"

#include <algorithm>
#include <array>

#include "core/base/multi_encoded_string.h"
#include "core/base/number_text.h"
#include "core/base/unit_scale.h"
#include "core/catalog/localized_text.h"
#include "core/catalog/measurement.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/option_reading.h"
#include "core/catalog/paper_size.h"

namespace pd {
namespace {

constexpr std::uint32_t inchRow = 608;
constexpr std::uint32_t centimetreRow = 802;
// The paper table's unit, in which the custom target size is measured before it is shown.
constexpr std::uint32_t thousandthsPerMillimetre = 1000;

// Shown by the summary's fixed rows, or read by the target size's writer alone.
constexpr std::array membersWithoutWriter = {
    MemberId::DtPageSize,
    MemberId::DtInputSlot,
    MemberId::DtCustomPageSizeWidth,
    MemberId::DtCustomPageSizeHeight,
    MemberId::DtCustomTargetPaperSizeWidth,
    MemberId::DtCustomTargetPaperSizeHeight,
};

constexpr bool hasRowWriter(std::size_t index) {
    if (std::find(membersWithoutWriter.begin(), membersWithoutWriter.end(),
                  static_cast<MemberId>(index)) != membersWithoutWriter.end()) {
        return false;
    }
    // The one-byte choices and the numbers; the 32-bit choice members (forms, prepend, append)
    // are neither.
    switch (coreDataMembers[index].kind) {
        case MemberKind::choice:
        case MemberKind::unlistedChoice:
        case MemberKind::number:
            return true;
        default:
            return false;
    }
}

constexpr std::size_t rowWriterCount = [] {
    std::size_t count = 0;
    for (std::size_t index = 0; index < coreDataMemberCount; ++index)
        count += hasRowWriter(index) ? 1 : 0;
    return count;
}();

constexpr std::array<MemberId, rowWriterCount> rowWriterMembers = [] {
    std::array<MemberId, rowWriterCount> members{};
    std::size_t next = 0;
    for (std::size_t index = 0; index < coreDataMemberCount; ++index)
        if (hasRowWriter(index)) members[next++] = static_cast<MemberId>(index);
    return members;
}();

void appendItem(const SummaryContext& context, std::string label, std::string value) {
    context.items.push_back({std::move(label), std::move(value)});
}

// A custom target length in the unit that the context asks for.
std::string customTargetLength(std::uint32_t stored, const NumericOptionDescriptor& option,
                               const SummaryContext& context) {
    const std::uint32_t thousandths =
        rescaleUnits(stored, option.divisor, thousandthsPerMillimetre);
    return context.inchFlag == 1 ? formatDouble(thousandths / 25400.0, 2)
                                 : formatDouble(thousandths / 10000.0, 1);
}

}  // namespace

std::string makeLocalizedText(LanguageIndex language, std::uint32_t row) {
    const MultiEncodedString text(getLocalizedText(language, row));
    return text.utf8 ? std::string(text.utf8.get()) : std::string();
}

std::string choiceTitleText(const ChoiceOptionDescriptor& option, std::uint32_t value,
                            LanguageIndex language) {
    return makeLocalizedText(language, choiceForValue(option, value).titleRow);
}

std::span<const MemberId> summaryMembers() {
    return rowWriterMembers;
}

void buildSummaryItems(const PdCoreData& record, SummaryItemList& items, LanguageIndex language) {
    items.clear();
    const SummaryContext context{items, record, language, localeIsNonMetric()};
    for (const MemberId id : rowWriterMembers) {
        const CoreDataMember& member = coreDataMember(id);
        if (id == MemberId::DtTargetPaperSize) {
            addTargetPaperSizeSummaryItem(record.DtTargetPaperSize.get(), targetPaperSizeOption,
                                          context);
        } else if (member.choiceOption != nullptr) {
            addSummaryItem(static_cast<std::uint8_t>(readMemberNumber(record, member)),
                           *member.choiceOption, context);
        } else {
            addSummaryItem(readMemberNumber(record, member), *member.numericOption, context);
        }
    }
}

void addSummaryItem(std::uint8_t value, const ChoiceOptionDescriptor& option,
                    const SummaryContext& context) {
    if (!takesPartInPpd(option)) return;
    std::string text = choiceTitleText(option, value, context.language);
    std::string label = makeLocalizedText(context.language, option.titleRow);
    if (label.empty() || text.empty()) return;
    appendItem(context, std::move(label), std::move(text));
}

void addSummaryItem(std::int64_t value, const NumericOptionDescriptor& option,
                    const SummaryContext& context) {
    if (!takesPartInPpd(option)) return;
    std::string label = makeLocalizedText(context.language, option.titleRow);
    if (label.empty()) return;
    // Signed members are read sign-extended; the quotient of a negative one keeps its sign.
    const std::int64_t quotient = value / effectiveDivisor(option);
    appendItem(context, std::move(label),
               quotient >= 0 ? formatUInt32(static_cast<std::uint32_t>(quotient))
                             : formatInt32(static_cast<std::int32_t>(quotient)));
}

void addTargetPaperSizeSummaryItem(std::uint8_t value, const ChoiceOptionDescriptor& option,
                                   const SummaryContext& context) {
    std::string label = makeLocalizedText(context.language, option.titleRow);
    if (label.empty()) return;
    if (value != customTargetPaperSize) {
        appendItem(context, std::move(label), choiceTitleText(option, value, context.language));
        return;
    }
    const PdCoreData& record = context.record;
    std::string text(record.DtTargetPaperSizeName.view());
    text += " (";
    text += customTargetLength(record.DtCustomTargetPaperSizeWidth.get(),
                               customTargetPaperSizeWidthOption, context);
    text += "x";
    text += customTargetLength(record.DtCustomTargetPaperSizeHeight.get(),
                               customTargetPaperSizeHeightOption, context);
    text += " ";
    text += makeLocalizedText(context.language, context.inchFlag == 1 ? inchRow : centimetreRow);
    text += ")";
    appendItem(context, std::move(label), std::move(text));
}

}  // namespace pd
