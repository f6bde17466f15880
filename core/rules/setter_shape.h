// The common shape of every rule-bearing setter, the direct write, and the kinds of rule that the
// rule tables are made of. Included by the setters and resolvers only.
//
// A setter marks its member in progress and changed, stores the value, applies its rules in their
// fixed order and unmarks the member. It never compares the new value with the old one: its rules
// run also when the value is unchanged.
#pragma once

#include <cstdint>

#include "core/rules/change_context.h"

namespace pd {

// How a row consults the in-progress state of the member it acts on (its target).
enum class RuleKind : std::uint8_t {
    // The member being changed wins: the row acts only on a target that is not in progress.
    yields,
    // Overrides: acts on an in-progress target whatever its value, else when the target's
    // condition holds.
    forced,
    // Adjusts a target that a setter further out is setting at this moment.
    during,
    // Acts whether the target is in progress or not.
    always,
    // A direct write of a member without a setter; the in-progress state is not consulted.
    write,
};

// Whether a row acts. guard is the row's condition on the setter's own member and on others;
// targetCondition is its condition on the target's own value (for the overriding rows: the
// target does not yet hold the row's value). A forced row still needs its guard.
constexpr bool ruleFires(RuleKind kind, bool guard, bool targetInProgress,
                         bool targetCondition = true) {
    if (!guard) return false;
    switch (kind) {
        case RuleKind::yields:
            return !targetInProgress && targetCondition;
        case RuleKind::forced:
            return targetInProgress || targetCondition;
        case RuleKind::during:
            return targetInProgress && targetCondition;
        case RuleKind::always:
        case RuleKind::write:
            return targetCondition;
    }
    return false;
}

template <typename Member>
using RecordMember = Member PdCoreData::*;

// Steps 1 to 5 of every rule-bearing setter. rules() applies the setter's rows in order; each
// row reads the own member afresh from the record.
template <typename Member, typename Rules>
void runRuleSetter(PdCoreData& record, RecordMember<Member> field,
                   typename Member::value_type value, ChangeContext& change, Rules&& rules) {
    Member& member = record.*field;
    change.inProgress.append(fieldIdentity(member));
    change.changedFields.append(fieldIdentity(member));
    member.set(value);
    rules();
    change.inProgress.removeLast();
}

// A setter without rows of its own: marks, stores and unmarks.
template <typename Member>
void runRuleSetter(PdCoreData& record, RecordMember<Member> field,
                   typename Member::value_type value, ChangeContext& change) {
    runRuleSetter(record, field, value, change, [] {});
}

// The member's value before the change, for a setter that compares: the snapshot's value when
// the change began with this member (it is the first in-progress entry), otherwise value itself,
// so that a setter reached through a rule sees no difference. Call it after step 1.
template <typename Member>
typename Member::value_type previousValue(const PdCoreData& record, RecordMember<Member> field,
                                          typename Member::value_type value,
                                          const ChangeContext& change) {
    const bool changeBeganHere = !change.inProgress.empty() &&
                                 change.inProgress.entries.front() == fieldIdentity(record.*field);
    return changeBeganHere ? ((*change.snapshot).*field).get() : value;
}

// Stores value into a member that has no setter: listed in the caller's list only, no rules.
template <typename Member>
void writeDirect(PdCoreData& record, RecordMember<Member> field, typename Member::value_type value,
                 ChangeContext& change) {
    change.changedFields.append(fieldIdentity(record.*field));
    (record.*field).set(value);
}

// A rule-bearing setter of a one-byte member, as the rule tables name their actions.
using ByteSetter = void (*)(PdCoreData&, std::uint8_t, ChangeContext&);

// The most common row: when the own member holds ownValue and another member (often the target
// itself) holds testedValue, call the target's setter with newValue.
struct ChoiceRule {
    std::uint8_t ownValue;
    RecordMember<StoredUInt8> tested;
    std::uint8_t testedValue;
    RecordMember<StoredUInt8> target;
    ByteSetter setter;
    std::uint8_t newValue;
    RuleKind kind;
};

// Applies rows in order; each reads the record as the rows before it left it.
template <std::size_t N>
void applyChoiceRules(PdCoreData& record, RecordMember<StoredUInt8> own,
                      const ChoiceRule (&rows)[N], ChangeContext& change) {
    for (const ChoiceRule& row : rows) {
        const bool guard =
            (record.*own).get() == row.ownValue && (record.*row.tested).get() == row.testedValue;
        if (ruleFires(row.kind, guard, isInProgress(change, record.*row.target)))
            row.setter(record, row.newValue, change);
    }
}

}  // namespace pd
