// The setters of sorted or grouped output, tandem printing, copy protection, set numbering and
// the resolution. Grouped output excludes divided output, the multi-letter and multi-centre
// folds, ring binding, every cover tray and tandem printing. Tandem printing excludes grouped
// output, set numbering, copy protection, secure printing and saving in a user box. Copy
// protection needs 1200 dpi and excludes the numbering watermark. 600 dpi excludes copy
// protection, 1200 dpi excludes smoothing, and a form, prepended or appended job made for the
// other resolution is dropped.
#include <utility>

#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

constexpr auto collateRules = ruleTable({
    {when(own == 1, DtDivideOutput == 1), set(DtDivideOutput, 0)},
    {when(own == 1, DtFold == 3), set(DtFold, 0)},
    {when(own == 1, DtFold == 4), set(DtFold, 0)},
    {when(own == 1, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == 1, DtFrontCoverTray == 1), set(DtFrontCoverTray, 0)},
    {when(own == 1, DtFrontCoverTray == 2), set(DtFrontCoverTray, 0)},
    {when(own == 1, DtFrontCoverTray == 3), set(DtFrontCoverTray, 0)},
    {when(own == 1, DtFrontCoverTray == 4), set(DtFrontCoverTray, 0)},
    {when(own == 1, DtFrontCoverTray == 5), set(DtFrontCoverTray, 0)},
    {when(own == 1, DtBackCoverTray == 1), set(DtBackCoverTray, 0)},
    {when(own == 1, DtBackCoverTray == 2), set(DtBackCoverTray, 0)},
    {when(own == 1, DtBackCoverTray == 3), set(DtBackCoverTray, 0)},
    {when(own == 1, DtBackCoverTray == 4), set(DtBackCoverTray, 0)},
    {when(own == 1, DtBackCoverTray == 5), set(DtBackCoverTray, 0)},
    {when(own == 1, DtTandem == 1), set(DtTandem, 0)},
});

constexpr auto tandemRules = ruleTable({
    {when(own == 1, DtCollate == 1), set(DtCollate, 0)},
    {when(own == 1, DtSetNumberingMode == 1), set(DtSetNumberingMode, 0)},
    {when(own == 1, DtSetNumberingMode == 2), set(DtSetNumberingMode, 0)},
    {when(own == 1, DtSetNumberingMode == 3), set(DtSetNumberingMode, 0)},
    {when(own == 1, DtCopyProtection == 1), set(DtCopyProtection, 0)},
    {when(own == 1, DtWaitMode == 5), set(DtWaitMode, 0)},
    {when(own == 1, DtOutputMethod == 1), set(DtOutputMethod, 0)},
});

constexpr auto copyProtectionRules = ruleTable({
    {when(own == 1, DtResolution == 0), set(DtResolution, 1)},
    {when(own == 1, DtSetNumberingMode == 3), set(DtSetNumberingMode, 0)},
    {when(own == 1, DtTandem == 1), set(DtTandem, 0)},
});

constexpr auto setNumberingModeRules = ruleTable({
    {when(own == 3, DtCopyProtection == 1), set(DtCopyProtection, 0)},
    {when(own == 1, DtTandem == 1), set(DtTandem, 0)},
    {when(own == 2, DtTandem == 1), set(DtTandem, 0)},
    {when(own == 3, DtTandem == 1), set(DtTandem, 0)},
});

constexpr auto resolutionRules = ruleTable({
    {when(own == 0, DtCopyProtection == 1), set(DtCopyProtection, 0)},
    {when(own == 1, DtSmoothing == 1), set(DtSmoothing, 0)},
    {when(own == 1, DtSmoothing == 2), set(DtSmoothing, 0)},
    {when(own == 1, DtSmoothing == 3), set(DtSmoothing, 0)},
    {when(DtJobForm != 0xFFFFFFFF, valueOf(DtJobFormResolution) != own),
     set(DtJobForm, 0xFFFFFFFF)},
    {when(DtAppend != 0xFFFFFFFF, valueOf(DtAppendResolution) != own), set(DtAppend, 0xFFFFFFFF)},
    {when(DtPrepend != 0xFFFFFFFF, valueOf(DtPrependResolution) != own),
     set(DtPrepend, 0xFFFFFFFF)},
});

// The record keeps the screen settings of the other resolution beside the current ones. A new
// resolution brings them in and keeps the current ones in their place: the plain members and
// the tone curve are written directly, the angle through its setter so that the thinning follows.
void exchangeScreenSettings(PdCoreData& record, ChangeContext& change) {
    constexpr std::pair<MemberId, MemberId> exchanged[] = {
        {DtScreening, DtOtherScreening},
        {DtScreenDot, DtOtherScreenDot},
        {DtScreenFreq, DtOtherScreenFreq},
    };
    for (const auto& [current, other] : exchanged) {
        const std::int64_t former = readMember(record, current);
        writeDirect(record, current, readMember(record, other), change);
        writeMemberNumber(record, coreDataMember(other), former);
    }
    change.changedFields.append(fieldIdentity(record.DtToneCurve));
    std::swap(record.DtToneCurve, record.DtOtherToneCurve);
    const std::uint8_t formerAngle = record.DtScreenAngle.get();
    setScreenAngle(record, record.DtOtherScreenAngle.get(), change);
    record.DtOtherScreenAngle.set(formerAngle);
}

}  // namespace

void setCollate(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtCollate, value, change, collateRules);
}

void setTandem(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtTandem, value, change, tandemRules);
}

void setCopyProtection(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtCopyProtection, value, change, copyProtectionRules);
}

void setSetNumberingMode(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtSetNumberingMode, value, change, setNumberingModeRules);
}

void setResolution(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtResolution, value, change, [&] {
        // Only a change that begins with the resolution exchanges: a resolution set by a rule
        // sees no previous value of its own.
        if (previousValue<DtResolution>(record, value, change) != value)
            exchangeScreenSettings(record, change);
        const RuleCall call{DtResolution, value};
        applyRules(record, change, resolutionRules, &call);
    });
}

}  // namespace pd
