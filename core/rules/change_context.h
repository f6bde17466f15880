// The state of one change of a settings record through the rules.
//
// A change starts when a page-setup request (or a what-if probe, on a copy of the record) makes a
// context, and ends when that context is destroyed. Setters never open or end a change; they read
// and extend the one they are given. A context and its record belong to one thread.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/record/changed_field_list.h"
#include "core/record/core_data.h"
#include "core/record/member_id.h"

namespace pd {

// The printer's installed finishing units. The capability tests read bytes 1, 2, 3, 6 and 8;
// no caller of the driver supplies it, so every change runs without one.
struct InstalledOptions {
    std::array<std::uint8_t, 9> bytes{};
};

// Whether byte index (below 9) of the installed options lies within [low, high]; false without
// installed options.
inline bool optionByteIs(const InstalledOptions* options, std::size_t index, std::uint8_t low,
                         std::uint8_t high) {
    return options != nullptr && options->bytes[index] >= low && options->bytes[index] <= high;
}

// How deep a cascade may go: setters running one inside another and passes of the paper rules,
// counted across the nested changes of probes. The deepest cascade that the rules make stays far
// below it.
inline constexpr std::uint32_t cascadeDepthLimit = 64;

// The members whose setters compare the value they are given with the member's value as the
// change began (previousValue). A change keeps their values only, not a copy of the whole record.
inline constexpr std::array membersComparedWithTheirStart{MemberId::DtResolution};

// The values of membersComparedWithTheirStart, in its order, as the outermost change began.
using ChangeSnapshot = std::array<std::int64_t, membersComparedWithTheirStart.size()>;

// The index of member in membersComparedWithTheirStart; the list's size for any other member.
constexpr std::size_t comparedMemberIndex(MemberId member) {
    return static_cast<std::size_t>(std::find(membersComparedWithTheirStart.begin(),
                                              membersComparedWithTheirStart.end(), member) -
                                    membersComparedWithTheirStart.begin());
}

struct ChangeContext {
    // The record being changed; not owned.
    PdCoreData& record;
    // The members whose setters are running, after the members that the opener marked. Grows and
    // shrinks like a stack.
    ChangedFieldList inProgress;
    // The caller's list: every member stored during the change, in order, repeats kept. Only grows.
    ChangedFieldList& changedFields;
    // The rule flag: on when present and not 0. No change of this driver has one.
    const std::uint8_t* ruleFlag = nullptr;
    // The compared members as they were when the outermost change began; the source of a
    // setter's previous value. Carried into the nested changes of probes.
    ChangeSnapshot snapshot{};
    const InstalledOptions* installedOptions = nullptr;
    // The depth of the running cascade, carried into nested changes. Beyond depthLimit no rule
    // applies: setters store their values and return, so that a cascade without end would stop
    // with the record and the lists defined. A change under test names onRunaway, which is then
    // called, to fail loudly.
    std::uint32_t depth = 0;
    std::uint32_t depthLimit = cascadeDepthLimit;
    void (*onRunaway)(const ChangeContext& change) = nullptr;

    // A change of record whose stores go to changedFields: nothing in progress, no rule flag, the
    // snapshot taken from the record.
    ChangeContext(ChangedFieldList& changedFields, const InstalledOptions* installedOptions,
                  PdCoreData& record);
    // The same with a snapshot taken earlier.
    ChangeContext(ChangedFieldList& changedFields, const InstalledOptions* installedOptions,
                  PdCoreData& record, const ChangeSnapshot& snapshot);

    ChangeContext(ChangeContext&&) = default;
};

bool isRuleFlagOn(const ChangeContext& change);

// Whether the cascade may go on at the change's depth; when it may not, onRunaway is called.
bool withinDepthLimit(const ChangeContext& change);

// Whether a member of the change's record stands anywhere in the in-progress list.
template <typename Member>
bool isInProgress(const ChangeContext& change, const Member& member) {
    return change.inProgress.contains(fieldIdentity(member));
}

// Appends, for every option member (DtPageSize to DtRelayServerScreenId, in record order) whose
// identity in source stands in sourceList, that member's identity in target to targetList; each
// member once. The two lists may be one.
void translateChangeList(const PdCoreData& source, const ChangedFieldList& sourceList,
                         const PdCoreData& target, ChangedFieldList& targetList);

// A change on copy nested in parent: copy's members that are in progress in the parent are in
// progress here, the stores go to list, the rule flag, installed options, depth and depth guard
// are the parent's and the snapshot is the parent's. Nothing done in it touches the
// parent's record or lists.
ChangeContext beginNestedChange(const ChangeContext& parent, PdCoreData& copy,
                                ChangedFieldList& list);

// Whether a member that makes the printed sheet is in progress: DtPageSize, DtTargetPaperSize,
// DtOrientation or one of the four custom lengths. The names and types do not count.
bool isPaperSizeChanged(const PdCoreData& record, const ChangeContext& change);

// Whether DtBinding or DtFeedDir is in progress.
bool isBindingChanged(const PdCoreData& record, const ChangeContext& change);

// Whether list holds a media member of the record's selected input slot: the four Auto media
// members for slot 0, the four of tray n for slot n (1 to 5); false for any other slot.
bool isSlotMediaChanged(const ChangedFieldList& list, const PdCoreData& record);

}  // namespace pd
