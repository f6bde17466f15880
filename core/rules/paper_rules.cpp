#include "core/rules/paper_rules.h"

#include "core/record/record_page_geometry.h"
#include "core/rules/binding_side.h"
#include "core/rules/paper_capability.h"
#include "core/rules/probes.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

// A feature that is on while its condition holds, the number of its refusal table, and how it is
// switched off: its member goes to offValue through its setter.
struct PaperRule {
    RuleCondition on;
    std::uint32_t feature;
    MemberId switched;
    std::uint8_t offValue;
};

// In evaluation order: the order decides which feature gives way first.
constexpr PaperRule paperRules[] = {
    {when(DtPrintPosition == 0), 15, DtPrintPosition, 1},
    {when(DtPrintPosition == 2), 15, DtPrintPosition, 1},
    {when(DtOffsetCopies == 1), 1, DtOffsetCopies, 0},
    {when(DtOffsetPages == 1), 1, DtOffsetPages, 0},
    {when(DtPunch == 1), 9, DtPunch, 0},
    {when(DtPunch == 2), 11, DtPunch, 0},
    {when(DtPunch == 3), 12, DtPunch, 0},
    {when(DtPunch == 4), 13, DtPunch, 0},
    {when(DtStaple == 3), 7, DtStaple, 0},
    {when(DtStaple == 1), 7, DtStaple, 0},
    {when(DtStaple == 2), 7, DtStaple, 0},
    {when(DtStaple == 6), 8, DtStaple, 0},
    {when(DtStaple == 5), 8, DtStaple, 0},
    {when(DtStaple == 4), 8, DtStaple, 0},
    {when(DtFold == 1, DtStaple == 3), 10, DtFold, 0},
    {when(DtFold == 1, DtStaple == 1), 10, DtFold, 0},
    {when(DtFold == 1, DtStaple == 2), 10, DtFold, 0},
    {when(DtFold == 1, DtStaple == 6), 10, DtFold, 0},
    {when(DtFold == 1, DtStaple == 5), 10, DtFold, 0},
    {when(DtFold == 1, DtStaple == 4), 10, DtFold, 0},
    {when(DtFold == 2, DtStaple == 3), 10, DtFold, 0},
    {when(DtFold == 2, DtStaple == 1), 10, DtFold, 0},
    {when(DtFold == 2, DtStaple == 2), 10, DtFold, 0},
    {when(DtFold == 2, DtStaple == 6), 10, DtFold, 0},
    {when(DtFold == 2, DtStaple == 5), 10, DtFold, 0},
    {when(DtFold == 2, DtStaple == 4), 10, DtFold, 0},
    {when(DtFold == 1), 2, DtFold, 0},
    {when(DtFold == 2), 2, DtFold, 0},
    {when(DtFold == 3), 3, DtFold, 0},
    {when(DtFold == 4), 4, DtFold, 0},
    {when(DtFold == 4, DtCrease == 1), 5, DtFold, 0},
    {when(DtFold == 4, DtCrease == 2), 5, DtFold, 0},
    {when(DtFold == 4, DtCrease == 3), 5, DtFold, 0},
    {when(DtFold == 4, DtCrease == 4), 5, DtFold, 0},
    {when(DtStitch == 1), 6, DtStitch, 0},
    {when(DtRingBinding == 1, DtPrintedSideFirst == 0), 16, DtRingBinding, 0},
    {when(DtRingBinding == 1, DtPrintedSideLast == 1), 19, DtRingBinding, 0},
    {when(DtRingBinding == 1, DtPrintedSideFirst == 1), 17, DtRingBinding, 0},
    {when(DtRingBinding == 1, DtPrintedSideLast == 0), 18, DtRingBinding, 0},
    {when(DtInputSlot == 3), 20, DtInputSlot, 0},
    {when(DtInputSlot == 0), 21, DtInputSlot, 1},
};
static_assert(std::size(paperRules) == 41);

// Tries the binding edge that suits the sheet while a paper member is being changed, else the
// edge on the other axis; only the one proposal. True when the binding moved.
bool moveBinding(PdCoreData& record, ChangeContext& change, std::uint32_t feature) {
    if (isBindingChanged(record, change)) return false;
    std::uint32_t edge;
    if (isPaperSizeChanged(record, change)) {
        edge = proposeBinding(record);
        if (edge == noBindingProposal || edge == record.DtBinding.get()) return false;
    } else {
        edge = finishingSide(record);
    }
    const auto binding = static_cast<std::uint8_t>(edge);
    if (!probeBinding(record, binding, change, feature)) return false;
    setBinding(record, binding, change);
    return true;
}

}  // namespace

void resolvePaperRules(PdCoreData& record, ChangeContext& change) {
    if (!withinDepthLimit(change)) return;
    for (const PaperRule& row : paperRules) {
        if (!conditionHolds(row.on, record, change, nullptr)) continue;
        if (isPaperSizeAllowed(pageGeometryFromCoreData(record), row.feature,
                               change.installedOptions))
            continue;
        // The probe copies the record, so it is asked last.
        if (record.DtFeedDir.get() != feedDirectionAuto &&
            !isInProgress(change, record.DtFeedDir) &&
            probeFeedDirOff(record, change, row.feature)) {
            writeDirect(record, DtFeedDir, feedDirectionAuto, change);
            continue;
        }
        if (moveBinding(record, change, row.feature)) continue;
        if (ruleFires(RuleKind::yields, true, isInProgress(change, record, row.switched))) {
            setterOf(row.switched)(record, row.offValue, change);
            ++change.depth;
            resolvePaperRules(record, change);
            --change.depth;
        }
    }
}

}  // namespace pd
