#include "core/rules/probes.h"

#include "core/catalog/paper_size.h"
#include "core/record/record_page_geometry.h"
#include "core/rules/record_comparison.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

bool sheetsDiffer(const PdCoreData& a, const PdCoreData& b) {
    const PageGeometry sheetA = pageGeometryFromCoreData(a);
    const PageGeometry sheetB = pageGeometryFromCoreData(b);
    if (sheetA.paperId != sheetB.paperId) return true;
    return sheetA.paperId == noPaperId &&
           (sheetA.width != sheetB.width || sheetA.height != sheetB.height);
}

bool probeFeedDirOff(const PdCoreData& record, const ChangeContext& change, PaperFeature feature) {
    return probeOnCopy(
        record, change,
        [](PdCoreData& copy, ChangeContext& nested) {
            writeDirect(copy, MemberId::DtFeedDir, feedDirectionAuto, nested);
        },
        [&](const PdCoreData& copy) {
            return recordsEqual(copy, record, change.installedOptions, feature);
        });
}

bool probeBinding(const PdCoreData& record, std::uint8_t binding, const ChangeContext& change,
                  PaperFeature feature) {
    return probeOnCopy(
        record, change,
        [binding](PdCoreData& copy, ChangeContext& nested) { setBinding(copy, binding, nested); },
        [&](const PdCoreData& copy) {
            return recordsEqual(copy, record, change.installedOptions, feature);
        });
}

bool probeStaple(const PdCoreData& record, const ChangeContext& change) {
    return probeOnCopy(
        record, change, [](PdCoreData& copy, ChangeContext& nested) { setStaple(copy, 0, nested); },
        [&](const PdCoreData& copy) { return sheetsDiffer(copy, record); });
}

bool probeFold(const PdCoreData& record, const ChangeContext& change) {
    return probeOnCopy(
        record, change, [](PdCoreData& copy, ChangeContext& nested) { setFold(copy, 0, nested); },
        [&](const PdCoreData& copy) { return sheetsDiffer(copy, record); });
}

bool probeCreaseOff(const PdCoreData& record, const ChangeContext& change) {
    return probeOnCopy(
        record, change,
        [](PdCoreData& copy, ChangeContext& nested) {
            writeDirect(copy, MemberId::DtCrease, 0, nested);
        },
        [&](const PdCoreData& copy) { return sheetsDiffer(copy, record); });
}

}  // namespace pd
