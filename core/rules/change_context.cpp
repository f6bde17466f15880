#include "core/rules/change_context.h"

#include "core/record/tray_media.h"

namespace pd {

namespace {

ChangeSnapshot takeSnapshot(const PdCoreData& record) {
    ChangeSnapshot snapshot{};
    for (std::size_t i = 0; i < snapshot.size(); ++i)
        snapshot[i] = readMemberNumber(record, coreDataMember(membersComparedWithTheirStart[i]));
    return snapshot;
}

}  // namespace

ChangeContext::ChangeContext(ChangedFieldList& changedFields,
                             const InstalledOptions* installedOptions, PdCoreData& record)
    : ChangeContext(changedFields, installedOptions, record, takeSnapshot(record)) {}

ChangeContext::ChangeContext(ChangedFieldList& changedFields,
                             const InstalledOptions* installedOptions, PdCoreData& record,
                             const ChangeSnapshot& snapshot)
    : record(record),
      changedFields(changedFields),
      snapshot(snapshot),
      installedOptions(installedOptions) {}

bool isRuleFlagOn(const ChangeContext& change) {
    return change.ruleFlag != nullptr && *change.ruleFlag != 0;
}

bool withinDepthLimit(const ChangeContext& change) {
    if (change.depth <= change.depthLimit) return true;
    if (change.onRunaway != nullptr) change.onRunaway(change);
    return false;
}

void translateChangeList(const PdCoreData& source, const ChangedFieldList& sourceList,
                         const PdCoreData& target, ChangedFieldList& targetList) {
    if (sourceList.empty()) return;
    const auto* sourceBase = reinterpret_cast<const unsigned char*>(&source);
    const auto* targetBase = reinterpret_cast<const unsigned char*>(&target);
    // Decide every member against the source list as it was on entry, so that identities carried
    // into the same list are not found again.
    const std::size_t sourceCount = sourceList.size();
    for (const CoreDataMember& member : coreDataMembers) {
        if (member.kind == MemberKind::signature || member.kind == MemberKind::opaquePair) continue;
        const FieldIdentity identity = sourceBase + member.offset;
        bool held = false;
        for (std::size_t i = 0; i < sourceCount && !held; ++i)
            held = sourceList.entries[i] == identity;
        if (held) targetList.append(targetBase + member.offset);
    }
}

ChangeContext beginNestedChange(const ChangeContext& parent, PdCoreData& copy,
                                ChangedFieldList& list) {
    ChangeContext nested(list, parent.installedOptions, copy, parent.snapshot);
    nested.ruleFlag = parent.ruleFlag;
    nested.depth = parent.depth;
    nested.depthLimit = parent.depthLimit;
    nested.onRunaway = parent.onRunaway;
    translateChangeList(parent.record, parent.inProgress, copy, nested.inProgress);
    return nested;
}

bool isPaperSizeChanged(const PdCoreData& record, const ChangeContext& change) {
    return isInProgress(change, record.DtPageSize) ||
           isInProgress(change, record.DtTargetPaperSize) ||
           isInProgress(change, record.DtOrientation) ||
           isInProgress(change, record.DtCustomPageSizeWidth) ||
           isInProgress(change, record.DtCustomPageSizeHeight) ||
           isInProgress(change, record.DtCustomTargetPaperSizeWidth) ||
           isInProgress(change, record.DtCustomTargetPaperSizeHeight);
}

bool isBindingChanged(const PdCoreData& record, const ChangeContext& change) {
    return isInProgress(change, record.DtBinding) || isInProgress(change, record.DtFeedDir);
}

namespace {

template <typename... Members>
bool holdsAny(const ChangedFieldList& list, const Members&... members) {
    return (list.contains(fieldIdentity(members)) || ...);
}

}  // namespace

bool isSlotMediaChanged(const ChangedFieldList& list, const PdCoreData& r) {
    const std::uint8_t slot = r.DtInputSlot.get();
    if (slot >= trayMediaMembers.size()) return false;
    const TrayMediaMembers& members = trayMediaMembers[slot];
    return holdsAny(list, r.*members.type, r.*members.weight, r.*members.color,
                    r.*members.prepunched);
}

}  // namespace pd
