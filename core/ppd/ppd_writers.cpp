#include "core/ppd/ppd_writers.h"

#include <algorithm>
#include <cstring>

#include "core/catalog/choice_values.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/option_reading.h"
#include "core/catalog/paper_size.h"
#include "core/ppd/numeric_ppd_choice.h"

namespace pd {

namespace {

// The identity of a member of this record, as the rules record it.
FieldIdentity memberIdentity(const PdCoreData& record, const CoreDataMember& member) {
    return memberBytes(record, member).data();
}

bool appendPair(PpdChoiceList& out, const char* keyword, const char* choice) {
    if (keyword == nullptr || choice == nullptr || *choice == '\0') return false;
    out.push_back({keyword, choice});
    return true;
}

// The filter and the PPD keyword common to the choice-like writers: the row's choice object when
// the row runs and its object has a PPD keyword, else null.
const ChoiceOptionDescriptor* selectedChoiceOption(const PpdWriterRow& row,
                                                   const PdCoreData& record,
                                                   const ChangedFieldList* changed) {
    if (!isPpdWriterSelected(row, record, changed)) return nullptr;
    const ChoiceOptionDescriptor* option =
        row.member == nullptr ? &offsetOption : row.member->choiceOption;
    if (option == nullptr || ppdKeywordOf(*option) == nullptr) return nullptr;
    return option;
}

std::uint32_t readIndex(const PdCoreData& record, const CoreDataMember& member) {
    return static_cast<std::uint32_t>(readMemberNumber(record, member));
}

}  // namespace

const char* ppdKeywordOf(const OptionDescriptor& option) {
    const char* keyword = option.names.ppdName;
    return isNameSet(keyword) ? keyword : nullptr;
}

const char* ppdChoiceKeywordAt(const ChoiceOptionDescriptor& option, std::uint32_t index) {
    if (index >= option.choiceCount) index = option.defaultIndex & 0xFF;
    // A damaged count or default must not lead past the fixed choice array.
    if (index >= option.choices.size()) return nullptr;
    const char* choice = option.choices[index].names.ppdName;
    return isNameSet(choice) ? choice : nullptr;
}

bool isPpdWriterSelected(const PpdWriterRow& row, const PdCoreData& record,
                         const ChangedFieldList* changed) {
    if (changed == nullptr) return true;
    if (row.member == nullptr)
        return changed->contains(fieldIdentity(record.DtOffsetCopies)) ||
               changed->contains(fieldIdentity(record.DtOffsetPages));
    return changed->contains(memberIdentity(record, *row.member));
}

bool writePpdChoice(const PpdWriterRow& row, const PdCoreData& record, PpdChoiceList& out,
                    const ChangedFieldList* changed) {
    const ChoiceOptionDescriptor* option = selectedChoiceOption(row, record, changed);
    if (option == nullptr || row.member == nullptr) return false;
    return appendPair(out, ppdKeywordOf(*option),
                      ppdChoiceKeywordAt(*option, readIndex(record, *row.member)));
}

bool writePpdTextChoice(const PpdWriterRow& row, const PdCoreData& record, PpdChoiceList& out,
                        const ChangedFieldList* changed) {
    const ChoiceOptionDescriptor* option = selectedChoiceOption(row, record, changed);
    if (option == nullptr || row.member == nullptr) return false;
    // The text ends at its first NUL and never beyond the member's capacity.
    const auto bytes = memberBytes(record, *row.member);
    const auto end = std::find(bytes.begin(), bytes.end(), '\0');
    const std::string text(bytes.begin(), end);
    return appendPair(out, ppdKeywordOf(*option), text.c_str());
}

bool writeStapleChoice(const PpdWriterRow& row, const PdCoreData& record, PpdChoiceList& out,
                       const ChangedFieldList* changed) {
    const ChoiceOptionDescriptor* option = selectedChoiceOption(row, record, changed);
    if (option == nullptr) return false;
    // One staple, placed by the binding: the right corner for right binding, else the left.
    std::uint32_t index = record.DtStaple.get();
    if (index == stapleOneOnBindingSide)
        index = record.DtBinding.get() == bindingRight ? stapleOneRight : stapleOneLeft;
    return appendPair(out, ppdKeywordOf(*option), ppdChoiceKeywordAt(*option, index));
}

bool writeFullBleedChoice(const PpdWriterRow& row, const PdCoreData& record, PpdChoiceList& out,
                          const ChangedFieldList* changed) {
    const ChoiceOptionDescriptor* option = selectedChoiceOption(row, record, changed);
    if (option == nullptr) return false;
    constexpr std::uint32_t off = 0, on = 1;
    std::uint32_t index = record.DtFullBleed.get();
    switch (fullBleedClass(record.DtPageSize.get(), record.DtTargetPaperSize.get(), 1)) {
        case fullBleedForcedOn:
            index = on;
            break;
        case fullBleedForcedOff:
            index = off;
            break;
        default:
            break;
    }
    return appendPair(out, ppdKeywordOf(*option), ppdChoiceKeywordAt(*option, index));
}

bool writeOffsetChoice(const PpdWriterRow& row, const PdCoreData& record, PpdChoiceList& out,
                       const ChangedFieldList* changed) {
    const ChoiceOptionDescriptor* option = selectedChoiceOption(row, record, changed);
    if (option == nullptr) return false;
    const std::uint32_t index =
        record.DtOffsetCopies.get() != 0 || record.DtOffsetPages.get() != 0 ? 1 : 0;
    return appendPair(out, ppdKeywordOf(*option), ppdChoiceKeywordAt(*option, index));
}

bool runPpdWriter(const PpdWriterRow& row, const PdCoreData& record, PpdChoiceList& out,
                  const ChangedFieldList* changed) {
    switch (row.kind) {
        case PpdWriterKind::choice:
        case PpdWriterKind::wideChoice:
            return writePpdChoice(row, record, out, changed);
        case PpdWriterKind::textChoice:
            return writePpdTextChoice(row, record, out, changed);
        case PpdWriterKind::staple:
            return writeStapleChoice(row, record, out, changed);
        case PpdWriterKind::fullBleed:
            return writeFullBleedChoice(row, record, out, changed);
        case PpdWriterKind::offset:
            return writeOffsetChoice(row, record, out, changed);
        case PpdWriterKind::number:
            return writePpdNumber(row, record, out, changed);
        case PpdWriterKind::number16:
            return writePpdNumber16(row, record, out, changed);
        case PpdWriterKind::signedNumber:
            return writePpdSignedNumber(row, record, out, changed);
    }
    return false;
}

void coreDataToPpdChoices(const PdCoreData& record, PpdChoiceList& out,
                          const ChangedFieldList* changed) {
    out.clear();
    for (const PpdWriterEntry& entry : ppdWriterTable)
        runPpdWriter(ppdWriterRowOf(entry), record, out, changed);
}

}  // namespace pd
