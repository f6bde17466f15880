// The common shape of every rule-bearing setter, the direct write, and the engine that applies a
// rule table. Included by the setters and resolvers only.
//
// A setter marks its member in progress and changed, stores the value, applies its rules in their
// fixed order and unmarks the member. It never compares the new value with the old one: its rules
// run also when the value is unchanged.
#pragma once

#include <concepts>
#include <cstdint>
#include <span>

#include "core/record/core_data.h"
#include "core/record/member_id.h"
#include "core/rules/change_context.h"
#include "core/rules/rule_rows.h"

namespace pd {

// The identity of a member in record.
inline FieldIdentity fieldIdentity(const PdCoreData& record, MemberId member) {
    return reinterpret_cast<const unsigned char*>(&record) + coreDataMember(member).offset;
}

// A number member in host order (an int32 sign-extended).
inline std::int64_t readMember(const PdCoreData& record, MemberId member) {
    return readMemberNumber(record, coreDataMember(member));
}

inline bool isInProgress(const ChangeContext& change, const PdCoreData& record, MemberId member) {
    return change.inProgress.contains(fieldIdentity(record, member));
}

// The start of a setter: the member goes to the in-progress list and to the caller's list, and
// the cascade is one level deeper.
inline void beginSetter(const PdCoreData& record, MemberId own, ChangeContext& change) {
    change.inProgress.append(fieldIdentity(record, own));
    change.changedFields.append(fieldIdentity(record, own));
    ++change.depth;
}

// The end of a setter: its own entry, the last of the in-progress list, goes.
inline void endSetter(ChangeContext& change) {
    change.inProgress.removeLast();
    --change.depth;
}

// A setter of a number member from start to end: marks the member, stores the value, lets rules()
// apply the setter's rows in order (each row reads the own member afresh from the record) and
// unmarks the member.
template <std::invocable Rules>
void runRuleSetter(PdCoreData& record, MemberId own, std::int64_t value, ChangeContext& change,
                   Rules&& rules) {
    beginSetter(record, own, change);
    writeMemberNumber(record, coreDataMember(own), value);
    rules();
    endSetter(change);
}

// Whether every test of the condition holds; call as for applyRules.
bool conditionHolds(const RuleCondition& condition, const PdCoreData& record,
                    const ChangeContext& change, const RuleCall* call);

// Applies rows in order. A row acts when its gate is open, its tests hold and its kind admits
// the target's in-progress state; it then calls the target's setter, or writes a member that has
// no setter directly, or runs its step. call names the setter whose rows these are (null for a
// resolver's rows). Beyond the change's depth limit no row applies.
void applyRules(PdCoreData& record, ChangeContext& change, std::span<const RuleRow> rows,
                const RuleCall* call);

// A setter with its table; without one the setter marks, stores and unmarks.
inline void runRuleSetter(PdCoreData& record, MemberId own, std::int64_t value,
                          ChangeContext& change, std::span<const RuleRow> rows = {}) {
    const RuleCall call{own, value};
    runRuleSetter(record, own, value, change, [&] { applyRules(record, change, rows, &call); });
}

// The member's value before the change, for a setter that compares: the snapshot's value when
// the change began with this member (it is the first in-progress entry), otherwise value itself,
// so that a setter reached through a rule sees no difference. Call it once the setter has begun.
template <MemberId member>
std::int64_t previousValue(const PdCoreData& record, std::int64_t value,
                           const ChangeContext& change) {
    constexpr std::size_t index = comparedMemberIndex(member);
    static_assert(index < membersComparedWithTheirStart.size(),
                  "a change keeps the start values of membersComparedWithTheirStart only");
    const bool changeBeganHere = !change.inProgress.empty() &&
                                 change.inProgress.entries.front() == fieldIdentity(record, member);
    return changeBeganHere ? change.snapshot[index] : value;
}

// Stores value into a member that has no setter: listed in the caller's list only, no rules.
void writeDirect(PdCoreData& record, MemberId member, std::int64_t value, ChangeContext& change);

// Stores value into a member through its setter, or by a direct write for a member without one.
void storeMember(PdCoreData& record, MemberId member, std::int64_t value, ChangeContext& change);

}  // namespace pd
