#include "core/record/record_page_geometry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace pd {
namespace {

TEST(PageGeometry, FromRecordReadsItsPaperSettings) {
    PdCoreData record;
    record.DtPageSize.set(36);
    record.DtCustomPageSizeWidth.set(2100005);
    record.DtCustomPageSizeHeight.set(2970004);
    record.DtPageSizeName.assign("Proof sheet");
    record.DtFeedDir.set(0);
    record.DtLayout.set(0);
    record.DtNUpCount.set(1);
    record.DtOrientation.set(0);
    record.DtBinding.set(2);
    const PageGeometry custom = pageGeometryFromCoreData(record);
    EXPECT_EQ(custom.paperId, 36u);
    EXPECT_EQ(custom.width, 210001u);
    EXPECT_EQ(custom.height, 297000u);
    EXPECT_EQ(custom.nameView(), "Proof sheet");
    EXPECT_EQ(custom.sheetOrientation, 1u);
    EXPECT_EQ(custom.feedDirection, feedDirectionLongEdge);
    EXPECT_EQ(custom.source, sheetFromPageSize);

    record.DtTargetPaperSize.set(37);
    record.DtCustomTargetPaperSizeWidth.set(3300000);
    record.DtCustomTargetPaperSizeHeight.set(4870004);
    record.DtTargetPaperSizeName.assign("Trimmed");
    const PageGeometry targeted = pageGeometryFromCoreData(record);
    EXPECT_EQ(targeted.paperId, 36u);
    EXPECT_EQ(targeted.width, 330000u);
    EXPECT_EQ(targeted.height, 487000u);
    EXPECT_EQ(targeted.nameView(), "Trimmed");
    EXPECT_EQ(targeted.source, sheetFromTargetPaperSize);
    EXPECT_EQ(targeted, makePageGeometry({.pageSize = 36,
                                          .customPageWidth = 2100005,
                                          .customPageHeight = 2970004,
                                          .pageSizeName = "Proof sheet",
                                          .feedDirection = 0,
                                          .targetPaperSize = 37,
                                          .customTargetWidth = 3300000,
                                          .customTargetHeight = 4870004,
                                          .targetPaperSizeName = "Trimmed",
                                          .layout = 0,
                                          .nUpCount = 1,
                                          .orientation = 0,
                                          .binding = 2}));
}

TEST(PageGeometry, FromRecordStaysInsideAnUnterminatedName) {
    PdCoreData record;
    record.DtPageSize.set(36);
    record.DtCustomPageSizeWidth.set(2100000);
    record.DtCustomPageSizeHeight.set(2970000);
    // A record that has not been validated may hold a name without its NUL.
    std::memset(record.DtPageSizeName.bytes, 'n', sizeof record.DtPageSizeName.bytes);
    std::memset(record.DtTargetPaperSizeName.bytes, 't', sizeof record.DtTargetPaperSizeName.bytes);
    const PageGeometry g = pageGeometryFromCoreData(record);
    EXPECT_EQ(g.nameView(), std::string(127, 'n'));
    EXPECT_EQ(g.width, 210000u);
}

}  // namespace
}  // namespace pd
