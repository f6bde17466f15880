#include "core/catalog/paper_size.h"

#include <cmath>

#include "core/base/unit_scale.h"

namespace pd {

// {paper id, page-size number, region, width, height (1/1000 mm), width, height (points),
//  reserved, double-size paper id}
const std::array<PaperSizeInfo, 36> paperSizeTable = {{
    {0, 1, 2, 297000, 420000, 842.0, 1191.0, 0, 36},    // A3
    {1, 2, 2, 210000, 297000, 595.0, 842.0, 0, 0},      // A4
    {2, 3, 2, 148000, 210000, 420.0, 595.0, 0, 1},      // A5
    {3, 4, 2, 257000, 364000, 729.0, 1032.0, 0, 36},    // B4
    {4, 5, 2, 182000, 257000, 516.0, 729.0, 0, 3},      // B5
    {5, 6, 2, 250000, 353000, 709.0, 1001.0, 0, 36},    // ISOB4
    {6, 7, 2, 176000, 250000, 499.0, 709.0, 0, 5},      // ISOB5
    {19, 20, 0, 100000, 148000, 284.0, 419.0, 0, 36},   // Postcard
    {7, 8, 2, 320000, 450000, 907.0, 1276.0, 0, 36},    // SRA3
    {8, 9, 2, 225000, 320000, 638.0, 907.0, 0, 7},      // SRA4
    {10, 11, 1, 279400, 431800, 792.0, 1224.0, 0, 36},  // Tabloid
    {9, 10, 1, 304800, 457200, 864.0, 1296.0, 0, 36},   // TabloidExtra
    {11, 12, 1, 228600, 279400, 648.0, 792.0, 0, 36},   // 9x11
    {12, 13, 1, 215900, 355600, 612.0, 1008.0, 0, 36},  // Legal
    {17, 18, 1, 215900, 279400, 612.0, 792.0, 0, 10},   // Letter
    {18, 19, 1, 139700, 215900, 396.0, 612.0, 0, 17},   // Statement
    {13, 14, 1, 203200, 330200, 576.0, 936.0, 0, 36},   // 8x13
    {34, 35, 0, 270000, 390000, 765.0, 1105.0, 0, 36},  // 8K
    {35, 36, 0, 195000, 270000, 553.0, 765.0, 0, 34},   // 16K
    {31, 32, 2, 222700, 297000, 631.0, 841.0, 0, 36},   // QXA4Tab1
    {32, 33, 2, 225000, 297000, 638.0, 841.0, 0, 36},   // QXA4Tab2
    {33, 34, 1, 228600, 279400, 647.0, 792.0, 0, 36},   // QXLetterTab
    {27, 28, 1, 309880, 462280, 878.0, 1310.0, 0, 36},  // QXTabloidExtraW
    {14, 15, 1, 215900, 330200, 612.0, 936.0, 0, 36},   // FanFoldGermanLegal
    {15, 16, 1, 209550, 330200, 594.0, 936.0, 0, 36},   // 825x13
    {16, 17, 1, 206375, 336550, 585.0, 954.0, 0, 36},   // 8125x1325
    {20, 21, 2, 302080, 425080, 856.0, 1205.0, 0, 36},  // QXA3W
    {21, 22, 2, 215080, 302080, 610.0, 856.0, 0, 20},   // QXA4W
    {22, 23, 2, 153080, 215080, 434.0, 610.0, 0, 21},   // QXA5W
    {23, 24, 2, 262080, 369080, 743.0, 1046.0, 0, 36},  // QXB4W
    {24, 25, 2, 187080, 262080, 530.0, 743.0, 0, 23},   // QXB5W
    {25, 26, 2, 255080, 358080, 722.0, 1015.0, 0, 36},  // QXISOB4W
    {26, 27, 2, 181080, 255080, 513.0, 722.0, 0, 25},   // QXISOB5W
    {28, 29, 1, 284480, 436880, 806.0, 1238.0, 0, 36},  // QXTabloidW
    {29, 30, 1, 220980, 284480, 626.0, 806.0, 0, 28},   // QXLetterW
    {30, 31, 1, 144780, 220980, 410.0, 626.0, 0, 29},   // QXStatementW
}};

const PaperSizeInfo* findPaperSizeInfo(std::uint32_t paperId) {
    for (const PaperSizeInfo& row : paperSizeTable) {
        if (row.paperId == paperId) return &row;
    }
    return nullptr;
}

std::uint32_t paperIdFromPageSizeNumber(std::uint32_t pageSizeNumber) {
    for (const PaperSizeInfo& row : paperSizeTable) {
        if (row.pageSizeNumber == pageSizeNumber) return row.paperId;
    }
    return noPaperId;
}

std::uint32_t pageSizeNumberFromPaperId(std::uint32_t paperId) {
    const PaperSizeInfo* row = findPaperSizeInfo(paperId);
    return row != nullptr ? row->pageSizeNumber : customTargetPaperSize;
}

std::uint32_t paperRegion(std::uint32_t paperId) {
    const PaperSizeInfo* row = findPaperSizeInfo(paperId);
    return row != nullptr ? row->region : otherRegion;
}

bool isOversizePaper(std::uint32_t paperId) {
    return paperId >= 20 && paperId <= 30;
}

std::uint32_t oversizePaperId(std::uint32_t paperId) {
    switch (paperId) {
        case 0:
        case 7:
        case 20:
            return 20;
        case 1:
        case 8:
        case 21:
        case 31:
        case 32:
            return 21;
        case 2:
        case 22:
            return 22;
        case 3:
        case 23:
            return 23;
        case 4:
        case 24:
            return 24;
        case 5:
        case 25:
            return 25;
        case 6:
        case 26:
            return 26;
        case 9:
        case 27:
            return 27;
        case 10:
        case 28:
            return 28;
        case 17:
        case 29:
        case 33:
            return 29;
        case 18:
        case 30:
            return 30;
        default:
            return noPaperId;
    }
}

bool isTabPaper(std::uint32_t paperId) {
    return paperId >= a4TabPaperId && paperId <= letterTabPaperId;
}

std::uint32_t fullBleedClass(std::uint32_t paperId, std::uint32_t targetPageSizeNumber,
                             std::uint32_t wPageOnStandardTarget) {
    if (targetPageSizeNumber == noTargetPaperSize) {
        if (paperId == sra3PaperId) return fullBleedForcedOff;
        if (isTabPaper(paperId)) return fullBleedForcedOn;
        if (isOversizePaper(paperId)) return fullBleedForcedOff;
        if (paperId == noPaperId) return fullBleedForcedOn;
        return fullBleedAsChosen;
    }
    if (targetPageSizeNumber == pageSizeNumberFromPaperId(sra3PaperId)) return fullBleedForcedOff;
    const std::uint32_t target = paperIdFromPageSizeNumber(targetPageSizeNumber);
    if (isTabPaper(target)) return fullBleedForcedOn;
    if (isOversizePaper(target)) {
        return isOversizePaper(paperId) ? fullBleedForcedOff : fullBleedForcedOn;
    }
    if (targetPageSizeNumber == customTargetPaperSize) return fullBleedForcedOn;
    if (!isOversizePaper(paperId)) return fullBleedAsChosen;
    switch (wPageOnStandardTarget) {
        case 1:
            return fullBleedForcedOn;
        case 0:
            return fullBleedForcedOff;
        default:
            return fullBleedAsChosen;
    }
}

DimensionPair paperSizeInUnit(std::uint32_t paperId, std::uint32_t unitsPerMillimetre) {
    const PaperSizeInfo* row = findPaperSizeInfo(paperId);
    if (row == nullptr) return DimensionPair{};
    constexpr std::uint32_t tableUnits = 1000;
    return DimensionPair{rescaleUnits(row->width, tableUnits, unitsPerMillimetre),
                         rescaleUnits(row->height, tableUnits, unitsPerMillimetre)};
}

std::uint32_t matchStandardPaperSize(double widthPoints, double heightPoints) {
    // 1/1000 mm in points: the table's own precision.
    constexpr double tolerance = 72.0 / 25400.0;
    const double area = widthPoints * heightPoints;
    const PaperSizeInfo* best = nullptr;
    double bestDifference = 0.0;
    for (const PaperSizeInfo& row : paperSizeTable) {
        // Written as "within" so that a NaN size matches nothing.
        const bool matches = std::fabs(row.widthPoints - widthPoints) <= tolerance &&
                             std::fabs(row.heightPoints - heightPoints) <= tolerance;
        if (!matches) continue;
        const double difference = std::fabs(area - row.widthPoints * row.heightPoints);
        if (best == nullptr || difference < bestDifference) {
            best = &row;
            bestDifference = difference;
        }
    }
    return best != nullptr ? best->paperId : noPaperId;
}

}  // namespace pd
