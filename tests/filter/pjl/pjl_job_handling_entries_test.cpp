#include "filter/pjl/pjl_job_handling_entries.h"

#include <gtest/gtest.h>

#include "core/record/core_data.h"
#include "core/record/page_lists.h"
#include "pjl_test_support.h"

namespace pd {
namespace {

using test::EntryCase;
using test::setLines;

void setChapters(PdCoreData& record, const PageRangeList& chapters) {
    std::uint32_t position = 0;
    writePageRangeList(chapters, record.DtChapterPages.bytes, sizeof record.DtChapterPages.bytes,
                       position);
}

TEST(PjlJobHandlingEntries, CopiesAndOutputHandling) {
    test::expectEntryCases({
        {"filter header: no copies", emitPjlCopies, [](PdCoreData& r) { r.DtNumCopies.set(3); }, 1,
         ""},
        {"sorted copies", emitPjlCopies, [](PdCoreData& r) { r.DtNumCopies.set(3); }, 1,
         setLines({"QTY=3"}), 1},
        {"grouped copies", emitPjlCopies,
         [](PdCoreData& r) {
             r.DtNumCopies.set(3);
             r.DtCollate.set(1);
         },
         2, setLines({"COPIES=3"}), 1},
        {"copies, kind 0", emitPjlCopies, [](PdCoreData& r) { r.DtNumCopies.set(3); }, 0, "", 1},
        {"copies, last flag 2", emitPjlCopies, [](PdCoreData& r) { r.DtNumCopies.set(3); }, 1, "",
         2},
        {"undivided output", emitPjlPageLoop, [](PdCoreData& r) { r.DtDivideOutputPages.set(12); },
         1, ""},
        {"divided output", emitPjlPageLoop,
         [](PdCoreData& r) {
             r.DtDivideOutput.set(1);
             r.DtDivideOutputPages.set(12);
         },
         1, setLines({"PAGELOOP=12"})},
        {"divided output, kind 3", emitPjlPageLoop, [](PdCoreData& r) { r.DtDivideOutput.set(1); },
         3, ""},
        {"no offset", emitPjlOffsets, [](PdCoreData& r) { r.DtOffsetCopiesCount.set(3); }, 1, ""},
        {"offset by sheets", emitPjlOffsets,
         [](PdCoreData& r) {
             r.DtOffsetPages.set(1);
             r.DtOffsetPagesCount.set(5);
         },
         1, setLines({"COPIESOFFSET=1", "SHEETSOFFSET=5"})},
        {"offset by copies and sheets", emitPjlOffsets,
         [](PdCoreData& r) {
             r.DtOffsetCopies.set(1);
             r.DtOffsetCopiesCount.set(3);
             r.DtOffsetPages.set(1);
             r.DtOffsetPagesCount.set(5);
         },
         1, setLines({"COPIESOFFSET=3", "SHEETSOFFSET=5"})},
        {"offset by copies", emitPjlOffsets,
         [](PdCoreData& r) {
             r.DtOffsetCopies.set(1);
             r.DtOffsetCopiesCount.set(3);
         },
         1, setLines({"COPIESOFFSET=3"})},
        {"one inserter sheet", emitPjlPiFrontPages, [](PdCoreData& r) { r.DtPIFrontSheets.set(1); },
         1, ""},
        {"two inserter sheets", emitPjlPiFrontPages,
         [](PdCoreData& r) { r.DtPIFrontSheets.set(2); }, 1, setLines({"PIFRONTPAGES=2"})},
        {"back inserter sheets", emitPjlPiBackPages,
         [](PdCoreData& r) { r.DtPIBackSheets.set(40); }, 2, setLines({"PIBACKPAGES=40"})},
        {"tray paper name", emitPjlUserMediaName,
         [](PdCoreData& r) { r.DtInputSlotPaperName.assign("Plain"); }, 1,
         setLines({"USERMEDIANAME=\"Plain\""})},
        {"no tray paper name", emitPjlUserMediaName, [](PdCoreData&) {}, 1, ""},
        {"box store", emitPjlBoxOutput, [](PdCoreData& r) { r.DtOutputMethod.set(1); }, 1,
         setLines({"BOXHOLD=STORE", "BOXFILENAME=\"\"", "BOXNUM="})},
        {"box store and print", emitPjlBoxOutput,
         [](PdCoreData& r) {
             r.DtOutputMethod.set(2);
             r.DtOutputMethodFileName.assign("scan");
             r.DtOutputMethodUserboxNumber.assign("12");
         },
         1, setLines({"BOXHOLD=STOREANDPRINT", "BOXFILENAME=\"scan\"", "BOXNUM=12"})},
        {"save as form", emitPjlBoxOutput, [](PdCoreData& r) { r.DtOutputMethod.set(3); }, 1,
         setLines({"TALVOFORMSAVE=ON"})},
        {"print only", emitPjlBoxOutput,
         [](PdCoreData& r) { r.DtOutputMethodFileName.assign("x"); }, 1, ""},
        {"output method beyond the choices", emitPjlBoxOutput,
         [](PdCoreData& r) { r.DtOutputMethod.set(4); }, 1, ""},
    });
}

TEST(PjlJobHandlingEntries, FormsAndInsertedJobs) {
    test::expectEntryCases({
        {"repeated form", emitPjlOverlayAll,
         [](PdCoreData& r) {
             r.DtJobForm.set(7);
             r.DtJobFormPageCount.set(5);
         },
         1, setLines({"TALVOOVERLAYALL=\"7:2\""})},
        {"repeated one-page form", emitPjlOverlayAll,
         [](PdCoreData& r) {
             r.DtJobForm.set(7);
             r.DtJobFormPageCount.set(1);
         },
         1, setLines({"TALVOOVERLAYALL=\"7:1\""})},
        {"form once", emitPjlOverlayAll,
         [](PdCoreData& r) {
             r.DtJobForm.set(7);
             r.DtJobFormPageCount.set(5);
             r.DtFormPrintPattern.set(1);
         },
         1, setLines({"TALVOOVERLAYALL=\"7:0\""})},
        {"unknown form pattern", emitPjlOverlayAll,
         [](PdCoreData& r) {
             r.DtJobForm.set(7);
             r.DtFormPrintPattern.set(2);
         },
         1, ""},
        {"no form", emitPjlOverlayAll, [](PdCoreData& r) { r.DtJobForm.set(noForm); }, 1, ""},
        {"prepended job", emitPjlPrependJob, [](PdCoreData& r) { r.DtPrepend.set(12); }, 1,
         setLines({"TALVOPREPENDJOB=12"})},
        {"no prepended job", emitPjlPrependJob, [](PdCoreData& r) { r.DtPrepend.set(noForm); }, 1,
         ""},
        {"appended job", emitPjlAppendJob, [](PdCoreData& r) { r.DtAppend.set(4000000000u); }, 1,
         setLines({"TALVOAPPENDJOB=4000000000"})},
        {"no appended job", emitPjlAppendJob, [](PdCoreData& r) { r.DtAppend.set(noForm); }, 1, ""},
        {"empty tone curve", emitPjlToneCurve, [](PdCoreData&) {}, 1, setLines({"TONECURVE=\"\""})},
        {"tone curve", emitPjlToneCurve, [](PdCoreData& r) { r.DtToneCurve.assign("Curve1"); }, 2,
         setLines({"TONECURVE=\"Curve1\""})},
    });
}

TEST(PjlJobHandlingEntries, ChaptersAndTabImageShift) {
    test::expectEntryCases({
        {"chapters", emitPjlChapters,
         [](PdCoreData& r) {
             setChapters(r, {{3, 5}, {10, 10}});
             r.DtChapterMode.set(1);
         },
         1, setLines({"CHAPTERMODE=ON", "CHAPTER=\"3,4,5,10\""})},
        {"chapters off", emitPjlChapters,
         [](PdCoreData& r) {
             setChapters(r, {{3, 5}, {10, 10}});
         },
         1, setLines({"CHAPTERMODE=OFF"})},
        {"no chapter pages", emitPjlChapters, [](PdCoreData& r) { r.DtChapterMode.set(1); }, 1,
         setLines({"CHAPTERMODE=OFF"})},
        {"chapters in stored order, each page once", emitPjlChapters,
         [](PdCoreData& r) {
             setChapters(r, {{9, 9}, {3, 5}, {4, 4}, {2, 3}});
             r.DtChapterMode.set(1);
         },
         1, setLines({"CHAPTERMODE=ON", "CHAPTER=\"9,3,4,5,2\""})},
        {"tab image shift", emitPjlTabImageShift,
         [](PdCoreData& r) {
             r.DtTabImageShift.set(1);
             r.DtTabImageShiftRange.set(125000);
         },
         1, setLines({"TABIMAGESHIFT=ON", "TABIMAGESHIFTINFO=125"})},
        {"rounded tab image shift", emitPjlTabImageShift,
         [](PdCoreData& r) {
             r.DtTabImageShift.set(1);
             r.DtTabImageShiftRange.set(124999);
         },
         1, setLines({"TABIMAGESHIFT=ON", "TABIMAGESHIFTINFO=125"})},
        {"no tab image shift", emitPjlTabImageShift,
         [](PdCoreData& r) { r.DtTabImageShiftRange.set(125000); }, 1,
         setLines({"TABIMAGESHIFT=OFF"})},
    });
}

// A chapter blob is a job option any user can write: however it repeats its ranges, the line
// lists each page of 1 to 9999 at most once.
TEST(PjlJobHandlingEntries, ChapterLineStaysBounded) {
    PdCoreData record;
    record.DtChapterMode.set(1);
    setChapters(record, PageRangeList(29, PageRange{1, 9999}));
    const std::string lines = test::runEmitter(emitPjlChapters, record, 1);
    std::string all;
    for (std::uint32_t page = 1; page <= 9999; ++page) {
        if (!all.empty()) all += ',';
        all += std::to_string(page);
    }
    EXPECT_EQ(lines, setLines({"CHAPTERMODE=ON"}) + "@PJL SET CHAPTER=\"" + all + "\"\r\n");
}

TEST(PjlJobHandlingEntries, ImageShift) {
    test::expectEntryCases({
        {"off, gutter ignored for kind 1", emitPjlImageShift,
         [](PdCoreData& r) {
             r.DtGutterFront.set(50000);
             r.DtCreepBack.set(20000);
         },
         1, setLines({"IMAGESHIFT=OFF"})},
        {"printer settings", emitPjlImageShift,
         [](PdCoreData& r) {
             r.DtImageShiftType.set(1);
             r.DtHorizontalShift.set(25000);
         },
         1, setLines({"IMAGESHIFT=ENGINE"})},
        {"driver settings, back mirrored", emitPjlImageShift,
         [](PdCoreData& r) {
             r.DtImageShiftType.set(2);
             r.DtHorizontalShift.set(25000);
             r.DtVerticalShift.set(-10000);
         },
         1, setLines({"IMAGESHIFT=CONTROLLER", "IMAGESHIFTINFO=\"25,-10,0,0,-25,-10,0,0\""})},
        {"driver settings, own back", emitPjlImageShift,
         [](PdCoreData& r) {
             r.DtImageShiftType.set(2);
             r.DtShiftFrontBack.set(1);
             r.DtHorizontalShift.set(-24500);
             r.DtHorizontalShiftBack.set(30000);
             r.DtVerticalShiftBack.set(124999);
         },
         1, setLines({"IMAGESHIFT=CONTROLLER", "IMAGESHIFTINFO=\"-25,0,0,0,30,125,0,0\""})},
        {"gutter turns the shift on for kind 2", emitPjlImageShift,
         [](PdCoreData& r) {
             r.DtGutterFront.set(50000);
             r.DtFrontBackEqual.set(1);
             r.DtGutterBack.set(90000);
         },
         2, setLines({"IMAGESHIFT=CONTROLLER", "IMAGESHIFTINFO=\"0,0,50,0,0,0,50,0\""})},
        {"own back gutter and creep for kind 2", emitPjlImageShift,
         [](PdCoreData& r) {
             r.DtCreepFront.set(10000);
             r.DtGutterBack.set(90000);
             r.DtCreepBack.set(-5000);
         },
         2, setLines({"IMAGESHIFT=CONTROLLER", "IMAGESHIFTINFO=\"0,0,0,10,0,0,90,-5\""})},
        {"type beyond the choices", emitPjlImageShift,
         [](PdCoreData& r) { r.DtImageShiftType.set(3); }, 1, ""},
    });
}

TEST(PjlJobHandlingEntries, PageAndSetNumbering) {
    test::expectEntryCases({
        {"page numbering", emitPjlPageNumbering,
         [](PdCoreData& r) {
             r.DtPageNumberingMode.set(2);
             r.DtPageNumberingStartPage.set(2);
             r.DtPageNumberingStartingNumber.set(1);
         },
         1, setLines({"PAGESTAMP=\"NOTFRONTCOVER,2,1\""})},
        {"no page numbering", emitPjlPageNumbering,
         [](PdCoreData& r) { r.DtPageNumberingStartPage.set(2); }, 1, ""},
        {"page numbering beyond the choices", emitPjlPageNumbering,
         [](PdCoreData& r) { r.DtPageNumberingMode.set(9); }, 1,
         setLines({"PAGESTAMP=\"NONE,0,0\""})},
        {"set numbering on every page", emitPjlSetNumbering,
         [](PdCoreData& r) {
             r.DtSetNumberingMode.set(1);
             r.DtSetNumberingStartingNumber.set(12);
         },
         1, setLines({"NUMBERING=\"1,BLACK,ALLPAGES,12\""})},
        {"set numbering on the first page", emitPjlSetNumbering,
         [](PdCoreData& r) {
             r.DtSetNumberingMode.set(2);
             r.DtSetNumberingStartingNumber.set(1);
         },
         2, setLines({"NUMBERING=\"1,BLACK,FRONTCOVER,1\""})},
        {"watermark numbering", emitPjlSetNumbering,
         [](PdCoreData& r) {
             r.DtSetNumberingMode.set(3);
             r.DtSetNumberingStartingNumber.set(12);
         },
         1, setLines({"WATERMARKNUMBER=12"})},
        {"no set numbering", emitPjlSetNumbering,
         [](PdCoreData& r) { r.DtSetNumberingStartingNumber.set(12); }, 1, ""},
        {"set numbering beyond the choices", emitPjlSetNumbering,
         [](PdCoreData& r) { r.DtSetNumberingMode.set(4); }, 1, ""},
    });
}

TEST(PjlJobHandlingEntries, WriteOnlyForward) {
    PdCoreData record;
    record.DtOutputMethod.set(1);
    record.DtJobForm.set(7);
    record.DtChapterMode.set(1);
    record.DtImageShiftType.set(2);
    for (PjlEmitter emit :
         {emitPjlUserMediaName, emitPjlCopies, emitPjlPageLoop, emitPjlOffsets, emitPjlPiFrontPages,
          emitPjlPiBackPages, emitPjlChapters, emitPjlTabImageShift, emitPjlToneCurve,
          emitPjlOverlayAll, emitPjlPrependJob, emitPjlAppendJob, emitPjlImageShift,
          emitPjlPageNumbering, emitPjlSetNumbering, emitPjlBoxOutput}) {
        test::expectForwardOnly(emit, record);
    }
}

}  // namespace
}  // namespace pd
