// Rule tables: the setter through which a row changes each member, and the compile-time check
// of a table. Included by the units that hold tables.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/record/member_id.h"
#include "core/rules/change_context.h"
#include "core/rules/rule_rows.h"
#include "core/rules/setters.h"

namespace pd {

// A rule-bearing setter of a number member, taking its value widened.
using MemberSetter = void (*)(PdCoreData& record, std::int64_t value, ChangeContext& change);

namespace detail {

template <typename Setter>
struct SetterValue;
template <typename Value>
struct SetterValue<void (*)(PdCoreData&, Value, ChangeContext&)> {
    using type = Value;
};

template <auto Setter>
void callSetter(PdCoreData& record, std::int64_t value, ChangeContext& change) {
    Setter(record, static_cast<typename SetterValue<decltype(Setter)>::type>(value), change);
}

struct SetterEntry {
    MemberId member;
    MemberSetter setter;
};

template <auto Setter>
constexpr SetterEntry entry(MemberId member) {
    return {member, &callSetter<Setter>};
}

// Every rule-bearing setter that takes a number; setPageSpecificForms takes a blob and is called
// by name.
inline constexpr SetterEntry setterEntries[] = {
    entry<setInputSlot>(MemberId::DtInputSlot),
    entry<setCustomPageSizeWidth>(MemberId::DtCustomPageSizeWidth),
    entry<setPageSize>(MemberId::DtPageSize),
    entry<setTargetPaperSize>(MemberId::DtTargetPaperSize),
    entry<setOrientation>(MemberId::DtOrientation),
    entry<setBinding>(MemberId::DtBinding),
    entry<setLayout>(MemberId::DtLayout),
    entry<setNUpCount>(MemberId::DtNUpCount),
    entry<setBookletBlankInsertion>(MemberId::DtBookletBlankInsertion),
    entry<setGutter>(MemberId::DtGutter),
    entry<setCreep>(MemberId::DtCreep),
    entry<setDuplex>(MemberId::DtDuplex),
    entry<setFullBleed>(MemberId::DtFullBleed),
    entry<setChapterMode>(MemberId::DtChapterMode),
    entry<setShiftFrontBack>(MemberId::DtShiftFrontBack),
    entry<setImageShiftType>(MemberId::DtImageShiftType),
    entry<setPrintPosition>(MemberId::DtPrintPosition),
    entry<setMediaTypeAuto>(MemberId::DtMediaTypeAuto),
    entry<setMediaWeightAuto>(MemberId::DtMediaWeightAuto),
    entry<setStaple>(MemberId::DtStaple),
    entry<setPunch>(MemberId::DtPunch),
    entry<setRingBinding>(MemberId::DtRingBinding),
    entry<setStitch>(MemberId::DtStitch),
    entry<setFold>(MemberId::DtFold),
    entry<setFoldDirection>(MemberId::DtFoldDirection),
    entry<setNTo1>(MemberId::DtNTo1),
    entry<setFrontCoverTray>(MemberId::DtFrontCoverTray),
    entry<setBackCoverTray>(MemberId::DtBackCoverTray),
    entry<setPIFrontCoverTray>(MemberId::DtPIFrontCoverTray),
    entry<setPIBackCoverTray>(MemberId::DtPIBackCoverTray),
    entry<setOutputBin>(MemberId::DtOutputBin),
    entry<setOffsetCopies>(MemberId::DtOffsetCopies),
    entry<setOffsetCopiesCount>(MemberId::DtOffsetCopiesCount),
    entry<setOffsetPages>(MemberId::DtOffsetPages),
    entry<setOffsetPagesCount>(MemberId::DtOffsetPagesCount),
    entry<setCollate>(MemberId::DtCollate),
    entry<setDivideOutput>(MemberId::DtDivideOutput),
    entry<setFaceUp>(MemberId::DtFaceUp),
    entry<setTandem>(MemberId::DtTandem),
    entry<setCopyProtection>(MemberId::DtCopyProtection),
    entry<setSetNumberingMode>(MemberId::DtSetNumberingMode),
    entry<setJobForm>(MemberId::DtJobForm),
    entry<setOutputMethod>(MemberId::DtOutputMethod),
    entry<setWaitMode>(MemberId::DtWaitMode),
    entry<setPrepend>(MemberId::DtPrepend),
    entry<setAppend>(MemberId::DtAppend),
    entry<setResolution>(MemberId::DtResolution),
    entry<setSmoothing>(MemberId::DtSmoothing),
    entry<setThinning>(MemberId::DtThinning),
    entry<setScreenAngle>(MemberId::DtScreenAngle),
};
static_assert(std::size(setterEntries) == 50);

// Each member's setter, null for a member without one.
inline constexpr auto settersByMember = [] {
    std::array<MemberSetter, coreDataMemberCount> table{};
    for (const SetterEntry& e : setterEntries) table[static_cast<std::size_t>(e.member)] = e.setter;
    return table;
}();

// Which members have a setter, for the checks made while compiling: some builds (the sanitizers)
// do not compare function addresses in constant expressions.
constexpr bool hasSetter(MemberId member) {
    for (const SetterEntry& e : setterEntries)
        if (e.member == member) return true;
    return false;
}

}  // namespace detail

// The setter of a member; null for a member that has none.
constexpr MemberSetter setterOf(MemberId member) {
    return detail::settersByMember[static_cast<std::size_t>(member)];
}

// The members without a setter that rules change by writing them directly.
constexpr bool isWrittenDirectly(MemberId member) {
    switch (member) {
        case MemberId::DtFeedDir:
        case MemberId::DtCrease:
        case MemberId::DtSlit:
        case MemberId::DtMediaColorAuto:
        case MemberId::DtMediaPrepunchedAuto:
        case MemberId::DtHorizontalShift:
        case MemberId::DtVerticalShift:
        case MemberId::DtHorizontalShiftBack:
        case MemberId::DtVerticalShiftBack:
            return true;
        default:
            return false;
    }
}

namespace detail {

constexpr bool readsTheCall(const Operand& operand) {
    return operand.kind == OperandKind::own || operand.kind == OperandKind::given;
}

// A row stores through its target's setter or writes one of the directly written members, a
// write row writes, a slot-media check switches a member that has a setter, and a resolver's row
// reads no setter call and applies no media rule, which gives way through the setter's member.
constexpr bool isWellFormed(const RuleRow& row, bool ofResolver) {
    if (ofResolver) {
        for (std::size_t i = 0; i < row.condition.count; ++i)
            if (readsTheCall(row.condition.tests[i].left) ||
                readsTheCall(row.condition.tests[i].right))
                return false;
        if (readsTheCall(row.action.value) || row.action.shape == ActionShape::mediaRule)
            return false;
    }
    switch (row.action.shape) {
        case ActionShape::step:
        case ActionShape::mediaRule:
            return true;
        case ActionShape::slotMediaCheck:
            return hasSetter(row.action.target);
        case ActionShape::store:
            break;
    }
    const bool written = isWrittenDirectly(row.action.target);
    if (row.kind == RuleKind::write) return written;
    return written ? row.kind == RuleKind::forced : hasSetter(row.action.target);
}

template <std::size_t N>
consteval std::array<RuleRow, N> checkedTable(const std::array<RuleRow, N>& rows, bool ofResolver) {
    for (const RuleRow& row : rows)
        if (!isWellFormed(row, ofResolver)) throw "a row acts on a member it cannot set";
    return rows;
}

template <std::size_t... N>
consteval auto joinedRows(const std::array<RuleRow, N>&... groups) {
    std::array<RuleRow, (N + ... + 0)> joined{};
    std::size_t next = 0;
    ((std::copy(groups.begin(), groups.end(), joined.begin() + next), next += N), ...);
    return joined;
}

}  // namespace detail

// Rows written out in a table made of several groups.
template <std::size_t N>
consteval std::array<RuleRow, N> rows(const RuleRow (&written)[N]) {
    return std::to_array(written);
}

// Groups of rows joined in their order: a group that a table repeats, such as the rows of one
// value of the setter.
template <std::size_t... N>
consteval auto joined(const std::array<RuleRow, N>&... groups) {
    return detail::joinedRows(groups...);
}

// The table of a setter, checked when it is compiled: rows written out, or the groups of rows
// (written out, or shared shapes such as the sheet rules) in their order.
template <std::size_t... N>
consteval auto ruleTable(const std::array<RuleRow, N>&... groups) {
    return detail::checkedTable(detail::joinedRows(groups...), false);
}
template <std::size_t N>
consteval std::array<RuleRow, N> ruleTable(const RuleRow (&written)[N]) {
    return ruleTable(std::to_array(written));
}

// The table of a resolver, which has no own member and no given value.
template <std::size_t N>
consteval std::array<RuleRow, N> resolverTable(const RuleRow (&rows)[N]) {
    return detail::checkedTable(std::to_array(rows), true);
}

}  // namespace pd
