// The driver's standard paper sizes and the functions that convert, classify, measure and match
// them. Two numberings name a paper: its paper id (a `pageSizeOption` choice, the value of
// `DtPageSize`) and its page-size number (a `targetPaperSizeOption` choice, the value of
// `DtTargetPaperSize`), which is the paper id plus 1.
#pragma once

#include <array>
#include <cstdint>

#include "core/base/dimension_pair.h"

namespace pd {

// Paper ids the code names.
inline constexpr std::uint32_t a3PaperId = 0;
inline constexpr std::uint32_t a4PaperId = 1;
inline constexpr std::uint32_t sra3PaperId = 7;
inline constexpr std::uint32_t tabloidPaperId = 10;
inline constexpr std::uint32_t letterPaperId = 17;
inline constexpr std::uint32_t a4TabPaperId = 31;
inline constexpr std::uint32_t a4Tab15PaperId = 32;
inline constexpr std::uint32_t letterTabPaperId = 33;
// Paper id of no standard paper: a custom size, or none.
inline constexpr std::uint32_t noPaperId = 36;

// Page-size numbers without a row: no target paper size ("Auto") and a custom target size.
inline constexpr std::uint32_t noTargetPaperSize = 0;
inline constexpr std::uint32_t customTargetPaperSize = 37;

// Values of `PaperSizeInfo::region`.
inline constexpr std::uint32_t otherRegion = 0;
inline constexpr std::uint32_t inchRegion = 1;
inline constexpr std::uint32_t metricRegion = 2;

// Values of `fullBleedClass`.
inline constexpr std::uint32_t fullBleedAsChosen = 0;
inline constexpr std::uint32_t fullBleedForcedOn = 1;
inline constexpr std::uint32_t fullBleedForcedOff = 2;

struct PaperSizeInfo {
    std::uint32_t paperId;
    std::uint32_t pageSizeNumber;
    std::uint32_t region;
    std::uint32_t width;   // portrait, 1/1000 mm
    std::uint32_t height;  // portrait, 1/1000 mm
    double widthPoints;    // whole points; not always the millimetres rounded
    double heightPoints;
    std::uint32_t reserved;
    std::uint32_t doubleSizePaperId;  // the sheet that takes two of this paper side by side
};

// The 36 standard papers. Every scan walks them in this order.
extern const std::array<PaperSizeInfo, 36> paperSizeTable;

// The row of a paper id, or null for `noPaperId` and any id without a row.
const PaperSizeInfo* findPaperSizeInfo(std::uint32_t paperId);

// `noPaperId` for `noTargetPaperSize`, `customTargetPaperSize` and any number without a row.
std::uint32_t paperIdFromPageSizeNumber(std::uint32_t pageSizeNumber);

// `customTargetPaperSize` for `noPaperId` and any id without a row.
std::uint32_t pageSizeNumberFromPaperId(std::uint32_t paperId);

// `otherRegion` for any id without a row.
std::uint32_t paperRegion(std::uint32_t paperId);

// True for the oversize "W" papers (ids 20 to 30).
bool isOversizePaper(std::uint32_t paperId);

// True for the tab papers (`a4TabPaperId` to `letterTabPaperId`).
bool isTabPaper(std::uint32_t paperId);

// The "W" paper that belongs to a paper, or `noPaperId`.
std::uint32_t oversizePaperId(std::uint32_t paperId);

// Whether the user's full-bleed choice stands for a page size (paper id) on a target (page-size
// number), or full bleed is forced on or off. `wPageOnStandardTarget` settles the one open case,
// a "W" page on a standard target: 1 forces it on, 0 off, anything else lets the choice stand.
std::uint32_t fullBleedClass(std::uint32_t paperId, std::uint32_t targetPageSizeNumber,
                             std::uint32_t wPageOnStandardTarget);

// The portrait size of a paper in the given number of units per millimetre; (0, 0) without a row.
DimensionPair paperSizeInUnit(std::uint32_t paperId, std::uint32_t unitsPerMillimetre);

// The paper whose whole-point size equals the given one within 1/1000 mm, width against width
// and height against height; `noPaperId` when none does.
std::uint32_t matchStandardPaperSize(double widthPoints, double heightPoints);

}  // namespace pd
