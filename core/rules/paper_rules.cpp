#include "core/rules/paper_rules.h"

#include "core/record/record_page_geometry.h"
#include "core/rules/binding_side.h"
#include "core/rules/paper_capability.h"
#include "core/rules/probes.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

struct MemberIs {
    RecordMember<StoredUInt8> member;
    std::uint8_t value;
};

// A feature that is on when both conditions hold (the second may be absent), the number of its
// refusal table, and how it is switched off.
struct PaperRule {
    MemberIs on;
    MemberIs also;
    std::uint32_t feature;
    RecordMember<StoredUInt8> switched;
    ByteSetter switchOff;
    std::uint8_t offValue;
};

constexpr MemberIs none{nullptr, 0};

using R = PdCoreData;

// In evaluation order: the order decides which feature gives way first.
constexpr PaperRule paperRules[] = {
    {{&R::DtPrintPosition, 0}, none, 15, &R::DtPrintPosition, setPrintPosition, 1},
    {{&R::DtPrintPosition, 2}, none, 15, &R::DtPrintPosition, setPrintPosition, 1},
    {{&R::DtOffsetCopies, 1}, none, 1, &R::DtOffsetCopies, setOffsetCopies, 0},
    {{&R::DtOffsetPages, 1}, none, 1, &R::DtOffsetPages, setOffsetPages, 0},
    {{&R::DtPunch, 1}, none, 9, &R::DtPunch, setPunch, 0},
    {{&R::DtPunch, 2}, none, 11, &R::DtPunch, setPunch, 0},
    {{&R::DtPunch, 3}, none, 12, &R::DtPunch, setPunch, 0},
    {{&R::DtPunch, 4}, none, 13, &R::DtPunch, setPunch, 0},
    {{&R::DtStaple, 3}, none, 7, &R::DtStaple, setStaple, 0},
    {{&R::DtStaple, 1}, none, 7, &R::DtStaple, setStaple, 0},
    {{&R::DtStaple, 2}, none, 7, &R::DtStaple, setStaple, 0},
    {{&R::DtStaple, 6}, none, 8, &R::DtStaple, setStaple, 0},
    {{&R::DtStaple, 5}, none, 8, &R::DtStaple, setStaple, 0},
    {{&R::DtStaple, 4}, none, 8, &R::DtStaple, setStaple, 0},
    {{&R::DtFold, 1}, {&R::DtStaple, 3}, 10, &R::DtFold, setFold, 0},
    {{&R::DtFold, 1}, {&R::DtStaple, 1}, 10, &R::DtFold, setFold, 0},
    {{&R::DtFold, 1}, {&R::DtStaple, 2}, 10, &R::DtFold, setFold, 0},
    {{&R::DtFold, 1}, {&R::DtStaple, 6}, 10, &R::DtFold, setFold, 0},
    {{&R::DtFold, 1}, {&R::DtStaple, 5}, 10, &R::DtFold, setFold, 0},
    {{&R::DtFold, 1}, {&R::DtStaple, 4}, 10, &R::DtFold, setFold, 0},
    {{&R::DtFold, 2}, {&R::DtStaple, 3}, 10, &R::DtFold, setFold, 0},
    {{&R::DtFold, 2}, {&R::DtStaple, 1}, 10, &R::DtFold, setFold, 0},
    {{&R::DtFold, 2}, {&R::DtStaple, 2}, 10, &R::DtFold, setFold, 0},
    {{&R::DtFold, 2}, {&R::DtStaple, 6}, 10, &R::DtFold, setFold, 0},
    {{&R::DtFold, 2}, {&R::DtStaple, 5}, 10, &R::DtFold, setFold, 0},
    {{&R::DtFold, 2}, {&R::DtStaple, 4}, 10, &R::DtFold, setFold, 0},
    {{&R::DtFold, 1}, none, 2, &R::DtFold, setFold, 0},
    {{&R::DtFold, 2}, none, 2, &R::DtFold, setFold, 0},
    {{&R::DtFold, 3}, none, 3, &R::DtFold, setFold, 0},
    {{&R::DtFold, 4}, none, 4, &R::DtFold, setFold, 0},
    {{&R::DtFold, 4}, {&R::DtCrease, 1}, 5, &R::DtFold, setFold, 0},
    {{&R::DtFold, 4}, {&R::DtCrease, 2}, 5, &R::DtFold, setFold, 0},
    {{&R::DtFold, 4}, {&R::DtCrease, 3}, 5, &R::DtFold, setFold, 0},
    {{&R::DtFold, 4}, {&R::DtCrease, 4}, 5, &R::DtFold, setFold, 0},
    {{&R::DtStitch, 1}, none, 6, &R::DtStitch, setStitch, 0},
    {{&R::DtRingBinding, 1}, {&R::DtPrintedSideFirst, 0}, 16, &R::DtRingBinding, setRingBinding, 0},
    {{&R::DtRingBinding, 1}, {&R::DtPrintedSideLast, 1}, 19, &R::DtRingBinding, setRingBinding, 0},
    {{&R::DtRingBinding, 1}, {&R::DtPrintedSideFirst, 1}, 17, &R::DtRingBinding, setRingBinding, 0},
    {{&R::DtRingBinding, 1}, {&R::DtPrintedSideLast, 0}, 18, &R::DtRingBinding, setRingBinding, 0},
    {{&R::DtInputSlot, 3}, none, 20, &R::DtInputSlot, setInputSlot, 0},
    {{&R::DtInputSlot, 0}, none, 21, &R::DtInputSlot, setInputSlot, 1},
};
static_assert(std::size(paperRules) == 41);

bool holds(const PdCoreData& record, const MemberIs& condition) {
    return condition.member == nullptr || (record.*condition.member).get() == condition.value;
}

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
    for (const PaperRule& row : paperRules) {
        if (!holds(record, row.on) || !holds(record, row.also)) continue;
        if (isPaperSizeAllowed(pageGeometryFromCoreData(record), row.feature,
                               change.installedOptions))
            continue;
        // The probe copies the record, so it is asked last.
        if (record.DtFeedDir.get() != feedDirectionAuto &&
            !isInProgress(change, record.DtFeedDir) &&
            probeFeedDirOff(record, change, row.feature)) {
            writeDirect(record, &PdCoreData::DtFeedDir, feedDirectionAuto, change);
            continue;
        }
        if (moveBinding(record, change, row.feature)) continue;
        if (ruleFires(RuleKind::yields, true, isInProgress(change, record.*row.switched))) {
            row.switchOff(record, row.offValue, change);
            resolvePaperRules(record, change);
        }
    }
}

}  // namespace pd
