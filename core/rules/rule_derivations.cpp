#include "core/rules/rule_derivations.h"

#include "core/record/record_page_geometry.h"
#include "core/rules/binding_side.h"
#include "core/rules/paper_capability.h"
#include "core/rules/probes.h"
#include "core/rules/target_paper_search.h"

namespace pd {

std::int64_t sheetRefused(const PdCoreData& record, const ChangeContext& change,
                          std::uint32_t feature) {
    return !isPaperSizeAllowed(pageGeometryFromCoreData(record), feature, change.installedOptions);
}

std::int64_t feedDirectionOffHelps(const PdCoreData& record, const ChangeContext& change,
                                   std::uint32_t feature) {
    return probeFeedDirOff(record, change, feature);
}

std::int64_t finishingSideHelps(const PdCoreData& record, const ChangeContext& change,
                                std::uint32_t feature) {
    return probeBinding(record, static_cast<std::uint8_t>(finishingSide(record)), change, feature);
}

std::int64_t finishingSideOf(const PdCoreData& record, const ChangeContext&, std::uint32_t) {
    return finishingSide(record);
}

std::int64_t paperSizeChanging(const PdCoreData& record, const ChangeContext& change,
                               std::uint32_t) {
    return isPaperSizeChanged(record, change);
}

std::int64_t standardTargetPaperSize(const PdCoreData& record, const ChangeContext& change,
                                     std::uint32_t feature) {
    return findTargetPaperSize(record, change, standardSizeSearch, feature);
}

std::int64_t wideTargetPaperSize(const PdCoreData& record, const ChangeContext& change,
                                 std::uint32_t feature) {
    return findTargetPaperSize(record, change, wideSizeSearch, feature);
}

std::int64_t foldOffChangesSheet(const PdCoreData& record, const ChangeContext& change,
                                 std::uint32_t) {
    return probeFold(record, change);
}

std::int64_t stapleOffChangesSheet(const PdCoreData& record, const ChangeContext& change,
                                   std::uint32_t) {
    return probeStaple(record, change);
}

std::int64_t creaseOffChangesSheet(const PdCoreData& record, const ChangeContext& change,
                                   std::uint32_t) {
    return probeCreaseOff(record, change);
}

}  // namespace pd
