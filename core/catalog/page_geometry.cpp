#include "core/catalog/page_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "core/base/dimension_pair.h"
#include "core/base/text_conversion.h"
#include "core/base/unit_scale.h"
#include "core/catalog/choice_values.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/option_reading.h"
#include "core/catalog/paper_size.h"

namespace pd {

namespace {

constexpr std::uint32_t resultUnitsPerMillimetre = 1000;
constexpr std::uint32_t largestLayoutChoice = 9;
constexpr std::uint32_t largestNUpChoice = 12;

// The custom sizes' own units.
constexpr std::uint32_t pageWidthDivisor = effectiveDivisor(customPageSizeWidthOption);
constexpr std::uint32_t pageHeightDivisor = effectiveDivisor(customPageSizeHeightOption);
constexpr std::uint32_t targetWidthDivisor = effectiveDivisor(customTargetPaperSizeWidthOption);
constexpr std::uint32_t targetHeightDivisor = effectiveDivisor(customTargetPaperSizeHeightOption);

// The finest unit among the custom sizes' own, so that no custom length loses precision.
constexpr std::uint32_t workingUnit =
    std::max({pageWidthDivisor, pageHeightDivisor, targetWidthDivisor, targetHeightDivisor});

std::uint32_t saturate(std::uint64_t value) {
    return static_cast<std::uint32_t>(
        std::min<std::uint64_t>(value, std::numeric_limits<std::uint32_t>::max()));
}

// Nearest integer, halves up.
std::uint32_t roundHalfUp(double value) {
    const double rounded = std::floor(value + 0.5);
    if (!(rounded > 0.0)) return 0;
    if (rounded >= static_cast<double>(std::numeric_limits<std::uint32_t>::max())) {
        return std::numeric_limits<std::uint32_t>::max();
    }
    return static_cast<std::uint32_t>(rounded);
}

// Points to the working unit: U × 25.4 (or × 50.8) first, then the points, then / 72.
std::uint32_t pointsInUnit(double points, double millimetresPerInch, std::uint32_t unit) {
    return roundHalfUp(points * (unit * millimetresPerInch) / 72.0);
}

std::uint32_t sheetOrientationOf(std::uint32_t effectiveLayout, std::uint32_t nUpCount,
                                 std::int32_t orientation) {
    if (nUpCount > largestNUpChoice || (orientation != 0 && orientation != 1)) {
        return sheetOrientationUndetermined;
    }
    // Imposition layouts and the N-up counts that lay pages side by side ("2", "6", "8" and
    // their reverse orders) turn the sheet.
    const bool turned = effectiveLayout != 0 || nUpCount == 1 || nUpCount == 2 || nUpCount == 5 ||
                        nUpCount == 6 || nUpCount == 7 || nUpCount == 8;
    const auto kept = static_cast<std::uint32_t>(orientation);
    return turned ? 1 - kept : kept;
}

std::uint32_t resolvedFeedDirection(std::uint32_t feedDirection, std::uint32_t sheetOrientation,
                                    std::uint32_t binding) {
    if (feedDirection != feedDirectionAuto) return feedDirection;
    const bool shortEdge = (sheetOrientation == sheetLandscape && binding != bindingTop) ||
                           (sheetOrientation == sheetPortrait && binding == bindingTop);
    return shortEdge ? feedDirectionShortEdge : feedDirectionLongEdge;
}

void setSize(PageGeometry& geometry, DimensionPair size, std::uint32_t unit) {
    geometry.width = rescaleUnits(size.width, unit, resultUnitsPerMillimetre);
    geometry.height = rescaleUnits(size.height, unit, resultUnitsPerMillimetre);
}

}  // namespace

std::string_view PageGeometry::nameView() const {
    return {name.data(), strnlen(name.data(), name.size())};
}

PageGeometry makePageGeometry(const PaperSettings& settings) {
    PageGeometry geometry{};
    geometry.paperId = noPaperId;

    constexpr std::uint32_t unit = workingUnit;
    const std::uint32_t pageWidth = rescaleUnits(settings.customPageWidth, pageWidthDivisor, unit);
    const std::uint32_t pageHeight =
        rescaleUnits(settings.customPageHeight, pageHeightDivisor, unit);
    const std::uint32_t targetWidth =
        rescaleUnits(settings.customTargetWidth, targetWidthDivisor, unit);
    const std::uint32_t targetHeight =
        rescaleUnits(settings.customTargetHeight, targetHeightDivisor, unit);

    const std::uint32_t effectiveLayout =
        settings.layout <= largestLayoutChoice ? settings.layout : 0;
    geometry.sheetOrientation =
        sheetOrientationOf(effectiveLayout, settings.nUpCount, settings.orientation);
    geometry.feedDirection =
        resolvedFeedDirection(settings.feedDirection, geometry.sheetOrientation, settings.binding);

    if (settings.targetPaperSize != noTargetPaperSize) {
        geometry.source = sheetFromTargetPaperSize;
        geometry.paperId = paperIdFromPageSizeNumber(settings.targetPaperSize);
        const DimensionPair size = settings.targetPaperSize == customTargetPaperSize
                                       ? DimensionPair{targetWidth, targetHeight}
                                       : paperSizeInUnit(geometry.paperId, unit);
        setSize(geometry, size, unit);
        if (settings.targetPaperSizeName != nullptr) {
            copyUtf8Bounded(geometry.name.data(), settings.targetPaperSizeName,
                            geometry.name.size());
        }
        return geometry;
    }

    geometry.source = sheetFromPageSize;
    geometry.paperId = settings.pageSize;
    const bool doubled = effectiveLayout != 0;
    DimensionPair size;
    if (settings.pageSize == noPaperId) {
        size = doubled ? DimensionPair{pageHeight, saturate(2 * std::uint64_t{pageWidth})}
                       : DimensionPair{pageWidth, pageHeight};
    } else if (const PaperSizeInfo* row = findPaperSizeInfo(settings.pageSize); row != nullptr) {
        // The sheet is measured from the whole-point columns, as the page is laid out in points.
        if (doubled) {
            geometry.paperId = row->doubleSizePaperId;
            size = DimensionPair{pointsInUnit(row->heightPoints, 25.4, unit),
                                 pointsInUnit(row->widthPoints, 50.8, unit)};
        } else {
            size = DimensionPair{pointsInUnit(row->widthPoints, 25.4, unit),
                                 pointsInUnit(row->heightPoints, 25.4, unit)};
        }
    }
    setSize(geometry, size, unit);
    if (settings.pageSizeName != nullptr && settings.pageSize == noPaperId && !doubled) {
        copyUtf8Bounded(geometry.name.data(), settings.pageSizeName, geometry.name.size());
    }
    return geometry;
}

}  // namespace pd
