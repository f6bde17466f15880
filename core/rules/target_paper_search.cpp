#include "core/rules/target_paper_search.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "core/catalog/measurement.h"
#include "core/catalog/paper_size.h"
#include "core/record/record_page_geometry.h"
#include "core/rules/binding_side.h"
#include "core/rules/paper_capability.h"
#include "core/rules/probes.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

// Page-size numbers of the remaining "W" papers: A5, B4, B5, ISO B4, ISO B5 and Statement.
constexpr std::uint32_t wideTail[] = {23, 24, 25, 26, 27, 31};

// The page-size number of a paper's "W" paper.
std::uint32_t wideNumber(std::uint32_t paperId) {
    return pageSizeNumberFromPaperId(oversizePaperId(paperId));
}

// The sheet the record prints on with target instead of its own target paper size.
PageGeometry sheetForTarget(const PdCoreData& record, std::uint32_t target) {
    // The name of a record that was never validated may lack its NUL.
    std::array<char, sizeof record.DtPageSizeName.bytes + 1> name{};
    const std::string_view stored = record.DtPageSizeName.view();
    std::copy(stored.begin(), stored.end(), name.begin());
    return makePageGeometry({
        .pageSize = record.DtPageSize.get(),
        .customPageWidth = record.DtCustomPageSizeWidth.get(),
        .customPageHeight = record.DtCustomPageSizeHeight.get(),
        .pageSizeName = name.data(),
        .feedDirection = record.DtFeedDir.get(),
        .targetPaperSize = target,
        .layout = record.DtLayout.get(),
        .nUpCount = record.DtNUpCount.get(),
        .orientation = record.DtOrientation.get(),
        .binding = record.DtBinding.get(),
    });
}

bool acceptsTarget(const PdCoreData& record, const ChangeContext& change, PaperFeature feature,
                   std::uint32_t target) {
    return isPaperSizeAllowed(sheetForTarget(record, target), feature, change.installedOptions);
}

// Runs trial on a copy of record in a change nested in change, and asks whether the feature
// accepts the copy's sheet for target.
template <typename Trial>
bool acceptsTargetAfter(const PdCoreData& record, const ChangeContext& change, PaperFeature feature,
                        std::uint32_t target, Trial&& trial) {
    return probeOnCopy(record, change, std::forward<Trial>(trial), [&](const PdCoreData& copy) {
        return acceptsTarget(copy, change, feature, target);
    });
}

bool candidatePasses(const PdCoreData& record, const ChangeContext& change, PaperFeature feature,
                     std::uint32_t target) {
    if (acceptsTarget(record, change, feature, target)) return true;
    if (isBindingChanged(record, change)) return false;
    const bool feedDirOff =
        acceptsTargetAfter(record, change, feature, target, [](PdCoreData& copy, ChangeContext& n) {
            writeDirect(copy, MemberId::DtFeedDir, feedDirectionAuto, n);
        });
    if (feedDirOff) return true;
    const auto side = static_cast<std::uint8_t>(finishingSide(record));
    const bool otherEdge = acceptsTargetAfter(
        record, change, feature, target,
        [side](PdCoreData& copy, ChangeContext& n) { setBinding(copy, side, n); });
    if (!otherEdge) return false;
    return record.DtTargetPaperSize.get() != target || probeBinding(record, side, change, feature);
}

bool isInchRegion(const PdCoreData& record) {
    std::uint32_t region = paperRegion(pageGeometryFromCoreData(record).paperId);
    if (region == otherRegion) region = paperRegion(record.DtPageSize.get());
    if (region == otherRegion) region = paperRegion(defaultPaperId());
    return region == inchRegion;
}

}  // namespace

std::uint32_t findTargetPaperSizeA(const PdCoreData& record, const ChangeContext& change,
                                   PaperFeature feature, std::uint32_t c1, std::uint32_t c2,
                                   std::uint32_t c3, std::uint32_t c4, std::uint32_t c5) {
    for (const std::uint32_t candidate : {noTargetPaperSize, c1, c2, c3, c4, c5})
        if (candidatePasses(record, change, feature, candidate)) return candidate;
    for (const std::uint32_t candidate : wideTail)
        if (candidatePasses(record, change, feature, candidate)) return candidate;
    return c1;
}

std::uint32_t findTargetPaperSize(const PdCoreData& record, const ChangeContext& change,
                                  std::uint32_t searchKind, PaperFeature feature) {
    const bool inch = isInchRegion(record);
    if (searchKind == wideSizeSearch) {
        const std::uint32_t a3Wide = wideNumber(a3PaperId);
        const std::uint32_t a4Wide = wideNumber(a4PaperId);
        const std::uint32_t tabloidWide = wideNumber(tabloidPaperId);
        const std::uint32_t letterWide = wideNumber(letterPaperId);
        const std::uint32_t ownWide = inch ? letterWide : a4Wide;
        const std::uint32_t wideVariant = oversizePaperId(record.DtPageSize.get());
        const std::uint32_t first =
            isOversizePaper(wideVariant) ? pageSizeNumberFromPaperId(wideVariant) : ownWide;
        return findTargetPaperSizeA(record, change, feature, first, ownWide,
                                    inch ? tabloidWide : a3Wide, inch ? a4Wide : letterWide,
                                    inch ? a3Wide : tabloidWide);
    }
    const std::uint32_t a3 = pageSizeNumberFromPaperId(a3PaperId);
    const std::uint32_t a4 = pageSizeNumberFromPaperId(a4PaperId);
    const std::uint32_t tabloid = pageSizeNumberFromPaperId(tabloidPaperId);
    const std::uint32_t letter = pageSizeNumberFromPaperId(letterPaperId);
    const std::uint32_t ownSmall = inch ? letter : a4;
    for (const std::uint32_t candidate : {noTargetPaperSize, ownSmall, inch ? tabloid : a3,
                                          inch ? a4 : letter, inch ? a3 : tabloid})
        if (candidatePasses(record, change, feature, candidate)) return candidate;
    return ownSmall;
}

}  // namespace pd
