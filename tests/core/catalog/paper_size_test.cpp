#include "core/catalog/paper_size.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <utility>

namespace pd {
namespace {

TEST(PaperSizeTable, RowsAreConsistent) {
    std::set<std::uint32_t> ids;
    std::set<std::pair<double, double>> pointSizes;
    for (const PaperSizeInfo& row : paperSizeTable) {
        SCOPED_TRACE(row.paperId);
        ids.insert(row.paperId);
        pointSizes.insert({row.widthPoints, row.heightPoints});
        EXPECT_EQ(row.pageSizeNumber, row.paperId + 1);
        EXPECT_EQ(row.reserved, 0u);
        EXPECT_LT(row.width, row.height);
        EXPECT_EQ(row.widthPoints, std::floor(row.widthPoints));
        if (row.doubleSizePaperId != noPaperId) {
            // The double-size sheet takes two of this paper side by side.
            const PaperSizeInfo* sheet = findPaperSizeInfo(row.doubleSizePaperId);
            ASSERT_NE(sheet, nullptr);
            EXPECT_EQ(sheet->width, row.height);
        }
    }
    EXPECT_EQ(ids.size(), 36u);
    EXPECT_EQ(*ids.rbegin(), 35u);
    // No two rows share a point size, so at most one row can match.
    EXPECT_EQ(pointSizes.size(), 36u);
}

TEST(PaperSizeTable, PointColumnsDifferFromRoundedMillimetresOnlyWhereTheTableSaysSo) {
    // The papers whose whole-point size is not their millimetre size rounded.
    const std::set<std::uint32_t> exceptions = {19, 34, 31, 32, 33, 25, 26};
    for (const PaperSizeInfo& row : paperSizeTable) {
        SCOPED_TRACE(row.paperId);
        const bool rounded = row.widthPoints == std::round(row.width * 72.0 / 25400.0) &&
                             row.heightPoints == std::round(row.height * 72.0 / 25400.0);
        EXPECT_EQ(rounded, !exceptions.contains(row.paperId));
    }
    EXPECT_EQ(findPaperSizeInfo(19)->widthPoints, 284.0);
    EXPECT_EQ(findPaperSizeInfo(19)->heightPoints, 419.0);
    EXPECT_EQ(findPaperSizeInfo(31)->heightPoints, 841.0);
    EXPECT_EQ(findPaperSizeInfo(33)->widthPoints, 647.0);
}

TEST(PaperSizeTable, OversizePapersAreTheirBaseSizePlus508) {
    for (std::uint32_t id = 20; id <= 30; ++id) {
        SCOPED_TRACE(id);
        const PaperSizeInfo* w = findPaperSizeInfo(id);
        ASSERT_NE(w, nullptr);
        bool baseFound = false;
        for (const PaperSizeInfo& base : paperSizeTable) {
            if (base.paperId == id || isOversizePaper(base.paperId)) continue;
            if (oversizePaperId(base.paperId) != id) continue;
            if (base.paperId >= 31) continue;  // tab papers are wider than their base
            if (base.paperId == 7 || base.paperId == 8) continue;  // SRA sizes share A's W paper
            baseFound = true;
            EXPECT_EQ(w->width, base.width + 5080);
            EXPECT_EQ(w->height, base.height + 5080);
        }
        EXPECT_TRUE(baseFound);
    }
}

TEST(PaperSizeLookup, ConvertsBetweenNumberings) {
    struct Case {
        std::uint32_t pageSizeNumber;
        std::uint32_t paperId;
    };
    for (const Case& c : {Case{0, 36}, Case{37, 36}, Case{38, 36}, Case{1, 0}, Case{20, 19},
                          Case{36, 35}, Case{std::numeric_limits<std::uint32_t>::max(), 36}}) {
        EXPECT_EQ(paperIdFromPageSizeNumber(c.pageSizeNumber), c.paperId) << c.pageSizeNumber;
    }
    for (const auto& [paperId, number] :
         {std::pair<std::uint32_t, std::uint32_t>{36, 37}, {40, 37}, {0, 1}, {19, 20}, {35, 36}}) {
        EXPECT_EQ(pageSizeNumberFromPaperId(paperId), number) << paperId;
    }
    EXPECT_EQ(findPaperSizeInfo(36), nullptr);
    EXPECT_EQ(findPaperSizeInfo(1000), nullptr);
    ASSERT_NE(findPaperSizeInfo(17), nullptr);
    EXPECT_EQ(findPaperSizeInfo(17)->width, 215900u);
}

TEST(PaperSizeLookup, ClassifiesRegionAndOversize) {
    for (const auto& [paperId, region] : {std::pair<std::uint32_t, std::uint32_t>{1, metricRegion},
                                          {17, inchRegion},
                                          {36, otherRegion},
                                          {19, otherRegion},
                                          {34, otherRegion},
                                          {35, otherRegion},
                                          {99, otherRegion}}) {
        EXPECT_EQ(paperRegion(paperId), region) << paperId;
    }
    for (const auto& [paperId, oversize] : {std::pair<std::uint32_t, bool>{19, false},
                                            {31, false},
                                            {20, true},
                                            {30, true},
                                            {36, false}}) {
        EXPECT_EQ(isOversizePaper(paperId), oversize) << paperId;
    }
    EXPECT_TRUE(isTabPaper(31));
    EXPECT_TRUE(isTabPaper(33));
    EXPECT_FALSE(isTabPaper(30));
    EXPECT_FALSE(isTabPaper(34));
    struct Case {
        std::uint32_t paperId;
        std::uint32_t w;
    };
    for (const Case& c : {Case{0, 20}, Case{7, 20}, Case{20, 20}, Case{1, 21}, Case{8, 21},
                          Case{31, 21}, Case{32, 21}, Case{2, 22}, Case{6, 26}, Case{9, 27},
                          Case{10, 28}, Case{17, 29}, Case{33, 29}, Case{18, 30}, Case{30, 30},
                          Case{11, 36}, Case{19, 36}, Case{36, 36}, Case{12, 36}}) {
        EXPECT_EQ(oversizePaperId(c.paperId), c.w) << c.paperId;
    }
}

TEST(PaperSizeLookup, FullBleedClass) {
    struct Case {
        std::uint32_t paperId;
        std::uint32_t target;
        std::uint32_t flag;
        std::uint32_t expected;
    };
    const Case cases[] = {
        // No target: the page alone decides, the flag never matters.
        {1, 0, 0, 0},
        {1, 0, 1, 0},
        {1, 0, 7, 0},
        {7, 0, 1, 2},
        {32, 0, 1, 1},
        {21, 0, 1, 2},
        {36, 0, 0, 1},
        // A target is set.
        {1, 8, 1, 2},    // SRA3 target
        {1, 32, 1, 1},   // "QXA4Tab1" target
        {21, 22, 0, 2},  // W page on a W target
        {1, 22, 0, 1},   // standard page on a W target
        {5, 37, 0, 1},   // custom target
        {21, 2, 1, 1},
        {21, 2, 0, 2},
        {21, 2, 5, 0},  // W page on a standard target
        {1, 2, 1, 0},
        {36, 2, 1, 0},
        {1, 38, 1, 0},  // a target number without a row reads as a standard target
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fullBleedClass(c.paperId, c.target, c.flag), c.expected)
            << c.paperId << ", " << c.target << ", " << c.flag;
    }
}

TEST(PaperSizeUnits, PaperSizeInUnit) {
    struct Case {
        std::uint32_t paperId, units, width, height;
    };
    const Case cases[] = {
        {1, 1000, 210000, 297000},
        {1, 10000, 2100000, 2970000},
        {1, 100, 21000, 29700},
        {16, 100, 20638, 33655},
        {16, 1000, 206375, 336550},
        {36, 1000, 0, 0},
        {40, 100, 0, 0},
        {17, 1, 216, 279},
    };
    for (const Case& c : cases) {
        const DimensionPair size = paperSizeInUnit(c.paperId, c.units);
        EXPECT_EQ(size.width, c.width) << c.paperId << " at " << c.units;
        EXPECT_EQ(size.height, c.height) << c.paperId << " at " << c.units;
    }
}

TEST(PaperSizeMatch, MatchesWholePointSizesWithinOneMicron) {
    struct Case {
        double width, height;
        std::uint32_t expected;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double tolerance = 72.0 / 25400.0;
    const Case cases[] = {
        {595, 842, 1},
        {595.002, 842, 1},
        {595 + tolerance, 842, 1},  // the bound is inclusive
        {595, 842 - tolerance, 1},
        {595.003, 842, 36},
        {842, 595, 36},          // never crosswise
        {595.276, 841.890, 36},  // the exact A4 size: the table holds whole points
        {648, 792, 11},
        {647, 792, 33},
        {612, 792, 17},
        {284, 419, 19},
        {283, 420, 36},
        {0, 0, 36},
        {-595, -842, 36},
        {nan, 842, 36},
        {595, nan, 36},
        {std::numeric_limits<double>::infinity(), 842, 36},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(matchStandardPaperSize(c.width, c.height), c.expected)
            << c.width << " x " << c.height;
    }
}

TEST(PaperSizeMatch, EveryRowMatchesItsOwnPointSize) {
    for (const PaperSizeInfo& row : paperSizeTable) {
        EXPECT_EQ(matchStandardPaperSize(row.widthPoints, row.heightPoints), row.paperId);
    }
}

}  // namespace
}  // namespace pd
