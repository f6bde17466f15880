#include "filter/pjl/pjl_finishing_entries.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/record/core_data.h"
#include "pjl_test_support.h"

namespace pd {
namespace {

TEST(PjlFinishingEntries, WriteTheirLines) {
    test::expectEntryCases({
        {"layout ignored for kind 1", emitPjlLayout, [](PdCoreData& r) { r.DtLayout.set(2); }, 1,
         "@PJL SET LAYOUT=NORMAL\r\n"},
        {"layout ignored for kind 0", emitPjlLayout, [](PdCoreData& r) { r.DtLayout.set(2); }, 0,
         "@PJL SET LAYOUT=NORMAL\r\n"},
        {"booklet for kind 2", emitPjlLayout, [](PdCoreData& r) { r.DtLayout.set(2); }, 2,
         "@PJL SET LAYOUT=BOOKLET4IN1\r\n"},
        {"layout beyond the choices", emitPjlLayout, [](PdCoreData& r) { r.DtLayout.set(40); }, 2,
         "@PJL SET LAYOUT=NORMAL\r\n"},
        {"repeat reversed right", emitPjlLayout, [](PdCoreData& r) { r.DtLayout.set(7); }, 2,
         "@PJL SET LAYOUT=RPT2IN1REV1\r\n"},
        {"saddle stitch", emitPjlFinish,
         [](PdCoreData& r) {
             r.DtStaple.set(5);
             r.DtStitch.set(1);
         },
         2,
         "@PJL SET FINISH=CENTER\r\n@PJL SET STAPLEPITCH=LEVEL2\r\n@PJL SET STITCH=SADDLE\r\n"
         "@PJL SET STITCHNUM=2\r\n"},
        {"one staple, top binding", emitPjlFinish,
         [](PdCoreData& r) {
             r.DtStaple.set(3);
             r.DtBinding.set(2);
         },
         2, "@PJL SET FINISH=RIGHT1POINT\r\n"},
        {"one staple, left binding", emitPjlFinish, [](PdCoreData& r) { r.DtStaple.set(3); }, 2,
         "@PJL SET FINISH=LEFT1POINT\r\n"},
        {"staple beyond the choices", emitPjlFinish, [](PdCoreData& r) { r.DtStaple.set(7); }, 2,
         ""},
        {"wide staples", emitPjlFinish, [](PdCoreData& r) { r.DtStaple.set(4); }, 2,
         "@PJL SET FINISH=ANY2POINT\r\n@PJL SET STAPLEPITCH=LEVEL3\r\n"},
        {"no punch", emitPjlPunch, [](PdCoreData&) {}, 2, "@PJL SET PUNCH=OFF\r\n"},
        {"comb punch", emitPjlPunch, [](PdCoreData& r) { r.DtPunch.set(4); }, 2,
         "@PJL SET PUNCH=ON\r\n@PJL SET PUNCHNUM=10\r\n"},
        {"letter fold inside", emitPjlFolding, [](PdCoreData& r) { r.DtFold.set(3); }, 2,
         "@PJL SET FOLDING=MULTILETTERFOLDIN\r\n"},
        {"letter fold outside", emitPjlFolding,
         [](PdCoreData& r) {
             r.DtFold.set(3);
             r.DtFoldDirection.set(1);
         },
         2, "@PJL SET FOLDING=MULTILETTERFOLDOUT\r\n"},
        {"centre fold stitched", emitPjlFolding,
         [](PdCoreData& r) {
             r.DtFold.set(4);
             r.DtStitch.set(2);
         },
         2, "@PJL SET FOLDING=CENTERFOLDIN\r\n"},
        {"fold beyond the choices", emitPjlFolding, [](PdCoreData& r) { r.DtFold.set(5); }, 2, ""},
        {"letter fold feed", emitPjlFeedDirection, [](PdCoreData& r) { r.DtFold.set(3); }, 2,
         "@PJL SET FEEDDIRECTION=AUTO\r\n"},
        {"z-fold 2 feed", emitPjlFeedDirection, [](PdCoreData& r) { r.DtFold.set(2); }, 2,
         "@PJL SET FEEDDIRECTION=SEF\r\n"},
        {"header page off", emitPjlHeaderPage, [](PdCoreData&) {}, 1,
         "@PJL SET HEADERPAGE=OFF\r\n"},
        {"header page tray 2", emitPjlHeaderPage, [](PdCoreData& r) { r.DtHeaderPage.set(3); }, 0,
         "@PJL SET HEADERPAGE=ON\r\n@PJL SET HEADERPAGETRAY=TRAY2\r\n"},
        {"header page beyond the choices", emitPjlHeaderPage,
         [](PdCoreData& r) { r.DtHeaderPage.set(9); }, 1, "@PJL SET HEADERPAGE=ON\r\n"},
        {"date stamp off", emitPjlDateStamp, [](PdCoreData&) {}, 2, ""},
        {"date stamp all", emitPjlDateStamp, [](PdCoreData& r) { r.DtDateStamp.set(1); }, 2,
         "@PJL SET DATESTAMP=\"TYPE1,ALLPAGES\"\r\n"},
        {"copy protection off", emitPjlJimonMode, [](PdCoreData&) {}, 2,
         "@PJL SET JIMONMODE=OFF\r\n@PJL SET JIMONPATTERN=OFF\r\n"},
        {"back pattern off", emitPjlJimonBackPattern, [](PdCoreData&) {}, 2,
         "@PJL SET JIMONBACKPATTERN=OFF\r\n"},
        {"pattern index off", emitPjlJimonPatternIndex, [](PdCoreData&) {}, 2,
         "@PJL SET JIMONPATTERNINDEX=0\r\n"},
        {"copy protection on", emitPjlJimonMode, [](PdCoreData& r) { r.DtCopyProtection.set(1); },
         2, "@PJL SET JIMONMODE=ON\r\n@PJL SET JIMONPATTERN=FIXED\r\n"},
        {"back pattern 2", emitPjlJimonBackPattern,
         [](PdCoreData& r) {
             r.DtCopyProtection.set(1);
             r.DtBackPattern.set(1);
         },
         2, "@PJL SET JIMONBACKPATTERN=TYPE2\r\n"},
        {"pattern index 4", emitPjlJimonPatternIndex,
         [](PdCoreData& r) {
             r.DtCopyProtection.set(1);
             r.DtPatternIndex.set(3);
         },
         2, "@PJL SET JIMONPATTERNINDEX=4\r\n"},
        {"mail always without address", emitPjlSendEmail,
         [](PdCoreData& r) { r.DtSendEMail.set(2); }, 1, "@PJL SET SENDEMAIL=OFF\r\n"},
        {"mail off with address", emitPjlSendEmail,
         [](PdCoreData& r) { r.DtSendEMailAddress.assign("ops@example.org"); }, 1,
         "@PJL SET SENDEMAIL=OFF\r\n"},
        {"mail on error", emitPjlSendEmail,
         [](PdCoreData& r) {
             r.DtSendEMail.set(1);
             r.DtSendEMailAddress.assign("ops@example.org");
         },
         1,
         "@PJL SET SENDEMAIL=ON\r\n@PJL SET SENDEMAILTIMING=ONERROR\r\n"
         "@PJL SET SENDEMAILADDRESS=\"ops@example.org\"\r\n"},
    });
}

// The entries tested against a job kind are for job kind 2 only: the filter's header, whatever
// the record holds, carries none of their lines.
TEST(PjlFinishingEntries, KindTwoEntriesStayOutOfTheFilterHeader) {
    PdCoreData record;
    record.DtStaple.set(5);
    record.DtStitch.set(1);
    record.DtPunch.set(2);
    record.DtFold.set(3);
    record.DtDateStamp.set(1);
    record.DtCopyProtection.set(1);
    for (PjlEmitter emit :
         {emitPjlFinish, emitPjlPunch, emitPjlFeedDirection, emitPjlFolding, emitPjlDateStamp,
          emitPjlJimonMode, emitPjlJimonBackPattern, emitPjlJimonPatternIndex}) {
        for (std::uint32_t kind : {0u, 1u, 3u}) EXPECT_EQ(test::runEmitter(emit, record, kind), "");
    }
}

TEST(PjlFinishingEntries, NothingInTheReverseDirection) {
    const PjlValueList values = {{"LAYOUT", "BOOKLET4IN1"}, {"HEADERPAGE", "ON"}};
    PdCoreData target;
    const PdCoreData before = target;
    for (PjlEmitter emit : {emitPjlLayout, emitPjlHeaderPage, emitPjlSendEmail, emitPjlFinish}) {
        emit(&values, &target, nullptr, nullptr, 2, 0);
        std::string out;
        emit(&values, &target, &out, &before, 2, 0);
        EXPECT_EQ(out, "");
    }
    EXPECT_TRUE(std::equal(coreDataBytes(target).begin(), coreDataBytes(target).end(),
                           coreDataBytes(before).begin()));
}

}  // namespace
}  // namespace pd
