#include "core/rules/rule_derivations.h"

#include "core/catalog/choice_values.h"
#include "core/catalog/paper_size.h"
#include "core/record/record_page_geometry.h"
#include "core/rules/binding_side.h"
#include "core/rules/field_comparison.h"
#include "core/rules/paper_capability.h"
#include "core/rules/probes.h"
#include "core/rules/target_paper_search.h"

namespace pd {

std::int64_t derivedValue(Derivation derivation, const PdCoreData& record,
                          const ChangeContext& change, PaperFeature feature) {
    switch (derivation) {
        case sheetRefused:
            return !isPaperSizeAllowed(pageGeometryFromCoreData(record), feature,
                                       change.installedOptions);
        case feedDirectionOffHelps:
            return probeFeedDirOff(record, change, feature);
        case finishingSideHelps:
            return probeBinding(record, static_cast<std::uint8_t>(finishingSide(record)), change,
                                feature);
        case finishingSideOf:
            return finishingSide(record);
        case paperSizeChanging:
            return isPaperSizeChanged(record, change);
        case standardTargetPaperSize:
            return findTargetPaperSize(record, change, standardSizeSearch, feature);
        case wideTargetPaperSize:
            return findTargetPaperSize(record, change, wideSizeSearch, feature);
        case foldOffChangesSheet:
            return probeFold(record, change);
        case stapleOffChangesSheet:
            return probeStaple(record, change);
        case creaseOffChangesSheet:
            return probeCreaseOff(record, change);
        case otherResolution:
            return record.DtResolution.get() == resolution600Dpi ? resolution1200Dpi
                                                                 : resolution600Dpi;
        case pageFormCount:
            return readBE16(record.DtPageSpecificForms.bytes);
        case paperFullBleedClass:
            return fullBleedClass(record.DtPageSize.get(), record.DtTargetPaperSize.get(), 0);
        case standardPage: {
            const std::uint8_t page = record.DtPageSize.get();
            return !isOversizePaper(page) && page != noPaperId;
        }
        case wideTarget:
            return isOversizePaper(paperIdFromPageSizeNumber(record.DtTargetPaperSize.get()));
    }
    return 0;
}

}  // namespace pd
