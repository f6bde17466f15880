// The setters of sorted or grouped output, tandem printing, copy protection, set numbering and
// the resolution. Grouped output excludes divided output, the multi-letter and multi-centre
// folds, ring binding, every cover tray and tandem printing. Tandem printing excludes grouped
// output, set numbering, copy protection, secure printing and saving in a user box. Copy
// protection needs 1200 dpi and excludes the numbering watermark. 600 dpi excludes copy
// protection, 1200 dpi excludes smoothing, and a form, prepended or appended job made for the
// other resolution is dropped.
#include <utility>

#include "core/catalog/choice_values.h"
#include "core/record/page_lists.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

constexpr auto collateRules = ruleTable({
    {when(own == collateGroup, DtDivideOutput == 1), set(DtDivideOutput, 0)},
    {when(own == collateGroup, DtFold == foldMultiLetter), set(DtFold, foldNone)},
    {when(own == collateGroup, DtFold == foldMultiCenter), set(DtFold, foldNone)},
    {when(own == collateGroup, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == collateGroup, DtFrontCoverTray == coverTray1),
     set(DtFrontCoverTray, coverTrayNone)},
    {when(own == collateGroup, DtFrontCoverTray == coverTray2),
     set(DtFrontCoverTray, coverTrayNone)},
    {when(own == collateGroup, DtFrontCoverTray == coverTray3),
     set(DtFrontCoverTray, coverTrayNone)},
    {when(own == collateGroup, DtFrontCoverTray == coverTray4),
     set(DtFrontCoverTray, coverTrayNone)},
    {when(own == collateGroup, DtFrontCoverTray == coverTray5),
     set(DtFrontCoverTray, coverTrayNone)},
    {when(own == collateGroup, DtBackCoverTray == coverTray1), set(DtBackCoverTray, coverTrayNone)},
    {when(own == collateGroup, DtBackCoverTray == coverTray2), set(DtBackCoverTray, coverTrayNone)},
    {when(own == collateGroup, DtBackCoverTray == coverTray3), set(DtBackCoverTray, coverTrayNone)},
    {when(own == collateGroup, DtBackCoverTray == coverTray4), set(DtBackCoverTray, coverTrayNone)},
    {when(own == collateGroup, DtBackCoverTray == coverTray5), set(DtBackCoverTray, coverTrayNone)},
    {when(own == collateGroup, DtTandem == 1), set(DtTandem, 0)},
});

constexpr auto tandemRules = ruleTable({
    {when(own == 1, DtCollate == collateGroup), set(DtCollate, collateSort)},
    {when(own == 1, DtSetNumberingMode == setNumberingStampForAllPages),
     set(DtSetNumberingMode, setNumberingOff)},
    {when(own == 1, DtSetNumberingMode == setNumberingStampForFirstPage),
     set(DtSetNumberingMode, setNumberingOff)},
    {when(own == 1, DtSetNumberingMode == setNumberingWatermarkForAllPages),
     set(DtSetNumberingMode, setNumberingOff)},
    {when(own == 1, DtCopyProtection == 1), set(DtCopyProtection, 0)},
    {when(own == 1, DtWaitMode == waitModeSecurePrint), set(DtWaitMode, waitModeNone)},
    {when(own == 1, DtOutputMethod == outputMethodSaveInUserBox),
     set(DtOutputMethod, outputMethodPrint)},
});

constexpr auto copyProtectionRules = ruleTable({
    {when(own == 1, DtResolution == resolution600Dpi), set(DtResolution, resolution1200Dpi)},
    {when(own == 1, DtSetNumberingMode == setNumberingWatermarkForAllPages),
     set(DtSetNumberingMode, setNumberingOff)},
    {when(own == 1, DtTandem == 1), set(DtTandem, 0)},
});

constexpr auto setNumberingModeRules = ruleTable({
    {when(own == setNumberingWatermarkForAllPages, DtCopyProtection == 1),
     set(DtCopyProtection, 0)},
    {when(own == setNumberingStampForAllPages, DtTandem == 1), set(DtTandem, 0)},
    {when(own == setNumberingStampForFirstPage, DtTandem == 1), set(DtTandem, 0)},
    {when(own == setNumberingWatermarkForAllPages, DtTandem == 1), set(DtTandem, 0)},
});

constexpr auto resolutionRules = ruleTable({
    {when(own == resolution600Dpi, DtCopyProtection == 1), set(DtCopyProtection, 0)},
    {when(own == resolution1200Dpi, DtSmoothing == smoothingDark), set(DtSmoothing, smoothingNone)},
    {when(own == resolution1200Dpi, DtSmoothing == smoothingMedium),
     set(DtSmoothing, smoothingNone)},
    {when(own == resolution1200Dpi, DtSmoothing == smoothingLight),
     set(DtSmoothing, smoothingNone)},
    {when(DtJobForm != noForm, valueOf(DtJobFormResolution) != own), set(DtJobForm, noForm)},
    {when(DtAppend != noForm, valueOf(DtAppendResolution) != own), set(DtAppend, noForm)},
    {when(DtPrepend != noForm, valueOf(DtPrependResolution) != own), set(DtPrepend, noForm)},
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
