// The table of PPD writers: one row per record member that can map to a PPD option, in record
// order, and a last row for the offset option, which owns no member.
//
// Each writer reads its member, asks the member's catalogue object for the PPD keyword and the
// chosen choice's PPD choice keyword, and appends at most one pair. The catalogue decides what
// reaches the PPD: an object without a PPD keyword, or a choice without a PPD choice keyword,
// yields nothing.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/ppd/ppd_choices.h"
#include "core/record/changed_field_list.h"
#include "core/record/core_data.h"
#include "core/record/member_id.h"

namespace pd {

enum class PpdWriterKind : std::uint8_t {
    choice,        // a byte indexing the choices of the member's object
    wideChoice,    // a big-endian 32-bit index (job form, prepend, append)
    textChoice,    // a text that is itself the PPD choice keyword (paper names, tone curves)
    staple,        // DtStaple, with the one-staple choice placed by DtBinding
    fullBleed,     // DtFullBleed, forced on or off by DtPageSize and DtTargetPaperSize
    offset,        // offsetOption, on when DtOffsetCopies or DtOffsetPages is on
    number,        // unsigned 32-bit number, nearest PPD value text
    number16,      // unsigned 16-bit number, nearest PPD value text
    signedNumber,  // signed 32-bit number, nearest PPD value text
};

struct PpdWriterRow {
    PpdWriterKind kind;
    // The member read, whose identity the changed-field filter tests; null in the offset row.
    const CoreDataMember* member;
};

// A row of ppdWriterTable as stored: the member by its id, so that the table holds no pointer and
// needs no relocation at start-up. The offset row's member is unused.
struct PpdWriterEntry {
    PpdWriterKind kind;
    MemberId member;
};

// The row that runs for an entry of the table.
constexpr PpdWriterRow ppdWriterRowOf(const PpdWriterEntry& entry) {
    if (entry.kind == PpdWriterKind::offset) return {entry.kind, nullptr};
    return {entry.kind, &coreDataMember(entry.member)};
}

namespace detail {

constexpr bool isMemberAt(const CoreDataMember& member, std::size_t offset) {
    return member.offset == offset;
}

// The writer of a member; false when the member has none: the page size and the input slot,
// which the callers handle, and the members under text objects.
constexpr bool ppdWriterKindOf(const CoreDataMember& member, PpdWriterKind& kind) {
    if (isMemberAt(member, offsetof(PdCoreData, DtPageSize)) ||
        isMemberAt(member, offsetof(PdCoreData, DtInputSlot)))
        return false;
    if (isMemberAt(member, offsetof(PdCoreData, DtStaple))) {
        kind = PpdWriterKind::staple;
        return true;
    }
    if (isMemberAt(member, offsetof(PdCoreData, DtFullBleed))) {
        kind = PpdWriterKind::fullBleed;
        return true;
    }
    switch (member.kind) {
        case MemberKind::choice:
        case MemberKind::unlistedChoice:
            kind = PpdWriterKind::choice;
            return true;
        case MemberKind::wideChoice:
            kind = PpdWriterKind::wideChoice;
            return true;
        case MemberKind::choiceText:
            kind = PpdWriterKind::textChoice;
            return true;
        case MemberKind::number:
            switch (member.form) {
                case StoredForm::uint16:
                    kind = PpdWriterKind::number16;
                    return true;
                case StoredForm::uint32:
                    kind = PpdWriterKind::number;
                    return true;
                case StoredForm::int32:
                    kind = PpdWriterKind::signedNumber;
                    return true;
                default:
                    return false;
            }
        default:
            return false;
    }
}

constexpr std::size_t countPpdWriters() {
    std::size_t count = 1;  // the offset row
    PpdWriterKind kind{};
    for (const CoreDataMember& member : coreDataMembers)
        if (ppdWriterKindOf(member, kind)) ++count;
    return count;
}

}  // namespace detail

inline constexpr std::size_t ppdWriterCount = detail::countPpdWriters();
static_assert(ppdWriterCount == 195);

// The rows in the order in which they run, which is the order of the pairs.
inline constexpr std::array<PpdWriterEntry, ppdWriterCount> ppdWriterTable = [] {
    std::array<PpdWriterEntry, ppdWriterCount> rows{};
    std::size_t next = 0;
    for (std::size_t index = 0; index < coreDataMembers.size(); ++index) {
        PpdWriterKind kind{};
        if (detail::ppdWriterKindOf(coreDataMembers[index], kind))
            rows[next++] = {kind, static_cast<MemberId>(index)};
    }
    rows[next] = {PpdWriterKind::offset, MemberId{}};
    return rows;
}();

// Whether a row runs: always without a list; with one, when the list names the row's member in
// this record (for the offset row, DtOffsetCopies or DtOffsetPages).
bool isPpdWriterSelected(const PpdWriterRow& row, const PdCoreData& record,
                         const ChangedFieldList* changed);

// Runs one row: applies the filter, then the writer of its kind. True when it appended a pair.
bool runPpdWriter(const PpdWriterRow& row, const PdCoreData& record, PpdChoiceList& out,
                  const ChangedFieldList* changed);

// The writers of the kinds; each applies the filter itself and appends at most one pair.
bool writePpdChoice(const PpdWriterRow& row, const PdCoreData& record, PpdChoiceList& out,
                    const ChangedFieldList* changed);
bool writePpdTextChoice(const PpdWriterRow& row, const PdCoreData& record, PpdChoiceList& out,
                        const ChangedFieldList* changed);
bool writeStapleChoice(const PpdWriterRow& row, const PdCoreData& record, PpdChoiceList& out,
                       const ChangedFieldList* changed);
bool writeFullBleedChoice(const PpdWriterRow& row, const PdCoreData& record, PpdChoiceList& out,
                          const ChangedFieldList* changed);
bool writeOffsetChoice(const PpdWriterRow& row, const PdCoreData& record, PpdChoiceList& out,
                       const ChangedFieldList* changed);

// The PPD keyword of an option object; null when it has none (a null or empty name).
const char* ppdKeywordOf(const OptionDescriptor& option);

// The PPD choice keyword of the choice at index, where an index at or beyond the choice count
// stands for the default choice; null when that choice has none.
const char* ppdChoiceKeywordAt(const ChoiceOptionDescriptor& option, std::uint32_t index);

}  // namespace pd
