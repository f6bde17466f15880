#include "filter/pjl/pjl_cover_media_entries.h"

#include <gtest/gtest.h>

#include "core/record/core_data.h"
#include "pjl_test_support.h"

namespace pd {
namespace {

using test::setLines;

void setCustomPage(PdCoreData& r, std::uint32_t width, std::uint32_t height) {
    r.DtPageSize.set(36);
    r.DtCustomPageSizeWidth.set(width);
    r.DtCustomPageSizeHeight.set(height);
}

TEST(PjlCoverMediaEntries, Orientation) {
    struct OrientationCase {
        std::uint8_t perfectBind, orientation, nUp, layout;
        const char* value;
    };
    const OrientationCase cases[] = {
        {3, 0, 3, 0, "LANDSCAPE"}, {2, 1, 1, 2, "PORTRAIT"},   {0, 0, 1, 0, "LANDSCAPE"},
        {0, 0, 3, 0, "PORTRAIT"},  {0, 0, 0, 2, "PORTRAIT"},   {0, 0, 3, 2, "LANDSCAPE"},
        {0, 1, 0, 0, "LANDSCAPE"}, {0, 1, 5, 0, "PORTRAIT"},   {0, 1, 8, 0, "PORTRAIT"},
        {0, 1, 9, 0, "LANDSCAPE"}, {1, 1, 12, 0, "LANDSCAPE"}, {0, 7, 0, 0, "PORTRAIT"},
    };
    for (const OrientationCase& c : cases) {
        PdCoreData record;
        record.DtPerfectBindMode.set(c.perfectBind);
        record.DtOrientation.set(c.orientation);
        record.DtNUpCount.set(c.nUp);
        record.DtLayout.set(c.layout);
        for (std::uint32_t kind : {0u, 1u, 2u}) {
            EXPECT_EQ(test::runEmitter(emitPjlOrientation, record, kind),
                      "@PJL SET ORIENTATION=" + std::string(c.value) + "\r\n")
                << int{c.perfectBind} << ' ' << int{c.orientation} << ' ' << int{c.nUp} << ' '
                << int{c.layout};
        }
    }
    EXPECT_EQ(nUpSheetOrientation(0, 2, 0), 1u);
    EXPECT_EQ(nUpSheetOrientation(0, 11, 1), 1u);
    EXPECT_EQ(nUpSheetOrientation(4, 0, 5), 0u);
}

TEST(PjlCoverMediaEntries, CustomPaper) {
    test::expectEntryCases({
        {"printer's own custom page", emitPjlCustomPaper,
         [](PdCoreData& r) {
             setCustomPage(r, 2000000, 3000000);
             r.DtPageSizeType.set(1);
             r.DtPageSizeName.assign("Poster");
         },
         1, setLines({"CUSTOMPAPERNAME0=\"Poster\""})},
        {"custom page under a layout", emitPjlCustomPaper,
         [](PdCoreData& r) {
             setCustomPage(r, 2000000, 3000000);
             r.DtPageSizeType.set(1);
             r.DtPageSizeName.assign("Poster");
             r.DtLayout.set(1);
         },
         1, ""},
        {"custom page of the driver", emitPjlCustomPaper,
         [](PdCoreData& r) {
             setCustomPage(r, 2000000, 3000000);
             r.DtPageSizeName.assign("Poster");
         },
         1, ""},
        {"printer's own custom target", emitPjlCustomPaper,
         [](PdCoreData& r) {
             r.DtTargetPaperSize.set(37);
             r.DtTargetPaperSizeType.set(1);
             r.DtTargetPaperSizeName.assign("Banner");
         },
         1, setLines({"CUSTOMPAPERNAME0=\"Banner\""})},
        {"custom sheet, kind 2", emitPjlCustomPaper,
         [](PdCoreData& r) { setCustomPage(r, 2100000, 2970000); }, 2,
         setLines({"MEDIATABTYPE=NONE", "PAPER=CUSTOMPAPER0", "CUSTOMPAPER0=\"M,2100,2970\""})},
        {"custom sheet rounded down", emitPjlCustomPaper,
         [](PdCoreData& r) { setCustomPage(r, 2100490, 2970000); }, 2,
         setLines({"MEDIATABTYPE=NONE", "PAPER=CUSTOMPAPER0", "CUSTOMPAPER0=\"M,2100,2970\""})},
        {"custom sheet rounded up", emitPjlCustomPaper,
         [](PdCoreData& r) { setCustomPage(r, 2100500, 2970000); }, 2,
         setLines({"MEDIATABTYPE=NONE", "PAPER=CUSTOMPAPER0", "CUSTOMPAPER0=\"M,2101,2970\""})},
        {"custom sheet, kind 1", emitPjlCustomPaper,
         [](PdCoreData& r) { setCustomPage(r, 2100000, 2970000); }, 1, ""},
        {"A4 page, automatic target", emitPjlCustomPaper,
         [](PdCoreData& r) { r.DtPageSize.set(1); }, 2,
         setLines({"MEDIATABTYPE=NONE", "PAPER=AUTO"})},
        {"tab paper", emitPjlCustomPaper, [](PdCoreData& r) { r.DtPageSize.set(31); }, 2,
         setLines({"MEDIATABTYPE=OTHER", "PAPER=AUTO"})},
    });
}

TEST(PjlCoverMediaEntries, MediaOfTheInputTray) {
    PdCoreData record;
    record.DtInputSlot.set(3);
    record.DtMediaTypeTray3.set(4);
    record.DtMediaWeightTray3.set(7);
    record.DtMediaColorTray3.set(7);
    record.DtMediaPrepunchedTray3.set(1);
    record.DtMediaTypeAuto.set(1);
    const PjlEmitter media[] = {emitPjlMediaType, emitPjlMediaWeight, emitPjlMediaColor,
                                emitPjlMediaPrepunched};
    std::string all;
    for (PjlEmitter emit : media) {
        EXPECT_EQ(test::runEmitter(emit, record, 1), "");
        all += test::runEmitter(emit, record, 2);
    }
    EXPECT_EQ(all, setLines({"MEDIATYPE=ROUGH", "MEDIAWEIGHT=THICK4", "MEDIACOLOR=NOSET",
                             "MEDIAPREPUNCHED=ON"}));
    record.DtInputSlot.set(0);
    EXPECT_EQ(test::runEmitter(emitPjlMediaType, record, 2), setLines({"MEDIATYPE=PAPER"}));
    record.DtInputSlot.set(9);
    EXPECT_EQ(test::runEmitter(emitPjlMediaPrepunched, record, 2),
              setLines({"MEDIAPREPUNCHED=OFF"}));
}

TEST(PjlCoverMediaEntries, Covers) {
    const auto blankFrontFromTray1 = [](PdCoreData& r) {
        r.DtFrontCoverTray.set(1);
        r.DtMediaTypeTray1.set(1);
        r.DtMediaWeightTray1.set(3);
        r.DtMediaColorTray1.set(1);
    };
    test::expectEntryCases({
        {"blank front cover", emitPjlFrontCoverInsert, blankFrontFromTray1, 1,
         setLines(
             {"PERPAGESET1=\"BLANK,LEFT,OFF,TRAY1,PAPER,NORMAL,WHITE,OFF,NONE,OFF,OFF,CONT,F\""})},
        {"printed front cover", emitPjlFrontCoverInsert,
         [&](PdCoreData& r) {
             blankFrontFromTray1(r);
             r.DtFrontCoverPrinted.set(1);
             r.DtDuplex.set(1);
         },
         1,
         setLines(
             {"PERPAGESET1=\"PRINT,LEFT,ON,TRAY1,PAPER,NORMAL,WHITE,OFF,NONE,OFF,OFF,CONT,F\""})},
        {"front cover on named paper", emitPjlFrontCoverInsert,
         [](PdCoreData& r) {
             r.DtFrontCoverTray.set(6);
             r.DtFrontCoverPaperName.assign("Card");
             r.DtFrontCoverMediaType.set(3);
             r.DtFrontCoverMediaWeight.set(6);
             r.DtFrontCoverMediaColor.set(2);
             r.DtFrontCoverMediaPrepunched.set(1);
             r.DtBinding.set(2);
             r.DtStaple.set(4);
             r.DtPunch.set(1);
         },
         1,
         setLines({"PERPAGESET1=\"BLANK,TOP,OFF,AUTO,BOOK,THICK3,CLEAR,ON,NONE,ANY2POINTPITCH3,2,"
                   "CONT,F\"",
                   "PPSUSERMEDIANAME1=\"Card\""})},
        {"no front cover", emitPjlFrontCoverInsert,
         [](PdCoreData& r) { r.DtFrontCoverPaperName.assign("Card"); }, 1, ""},
        {"back cover on named paper", emitPjlBackCoverInsert,
         [](PdCoreData& r) {
             r.DtBackCoverTray.set(5);
             r.DtBackCoverPrinted.set(1);
             r.DtBackCoverPaperName.assign("Back");
             r.DtBackCoverMediaType.set(5);
             r.DtBackCoverMediaWeight.set(10);
             r.DtBackCoverMediaColor.set(6);
             r.DtBinding.set(1);
         },
         1,
         setLines({"PPSUSERMEDIANAME2=\"Back\"",
                   "PERPAGESET2=\"PRINT,RIGHT,OFF,TRAY5,INTERLEAVED,THICK7,GREEN,OFF,NONE,OFF,OFF,"
                   "CONT,B\""})},
        {"back cover from its tray", emitPjlBackCoverInsert,
         [](PdCoreData& r) {
             r.DtBackCoverTray.set(2);
             r.DtMediaTypeTray2.set(2);
             r.DtStitch.set(1);
         },
         1,
         setLines({"PERPAGESET2=\"BLANK,LEFT,OFF,TRAY2,BOND,NOSET,NOSET,OFF,NONE,CENTER,OFF,CONT,"
                   "B\""})},
        {"no back cover", emitPjlBackCoverInsert,
         [](PdCoreData& r) { r.DtBackCoverPaperName.assign("Back"); }, 1, ""},
    });
}

TEST(PjlCoverMediaEntries, PerfectBindTray) {
    test::expectEntryCases({
        {"tray 1", emitPjlPerfectBindTray,
         [](PdCoreData& r) {
             r.DtMediaTypeTray1.set(6);
             r.DtMediaWeightTray1.set(11);
             r.DtMediaColorTray1.set(7);
         },
         1, setLines({"PERFECTBINDTRAY=\"TRAY1,NOSET,NOSET,NOSET\""})},
        {"tray 5", emitPjlPerfectBindTray,
         [](PdCoreData& r) {
             r.DtPerfectBindTray.set(4);
             r.DtMediaWeightTray5.set(2);
         },
         2, setLines({"PERFECTBINDTRAY=\"TRAY5,NOSET,THIN,NOSET\""})},
        {"binder tray", emitPjlPerfectBindTray,
         [](PdCoreData& r) {
             r.DtPerfectBindTray.set(16);
             r.DtMediaColorAuto.set(3);
         },
         1, setLines({"PERFECTBINDTRAY=\"AUTO,NOSET,NOSET,YELLOW\""})},
        {"tray 6", emitPjlPerfectBindTray,
         [](PdCoreData& r) {
             r.DtPerfectBindTray.set(5);
             r.DtMediaTypeAuto.set(1);
         },
         1, setLines({"PERFECTBINDTRAY=\"AUTO,PAPER,NOSET,NOSET\""})},
        {"inserter tray 2", emitPjlPerfectBindTray,
         [](PdCoreData& r) { r.DtPerfectBindTray.set(12); }, 1,
         setLines({"PERFECTBINDTRAY=\"PITRAY2,NOSET,NOSET,NOSET\""})},
    });
}

TEST(PjlCoverMediaEntries, WriteOnlyForward) {
    PdCoreData record;
    record.DtFrontCoverTray.set(1);
    record.DtBackCoverTray.set(1);
    for (PjlEmitter emit :
         {emitPjlOrientation, emitPjlCustomPaper, emitPjlMediaType, emitPjlMediaWeight,
          emitPjlMediaColor, emitPjlMediaPrepunched, emitPjlFrontCoverInsert,
          emitPjlBackCoverInsert, emitPjlPerfectBindTray}) {
        test::expectForwardOnly(emit, record);
    }
}

}  // namespace
}  // namespace pd
