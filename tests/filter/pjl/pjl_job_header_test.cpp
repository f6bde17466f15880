#include "filter/pjl/pjl_job_header.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/record/core_data.h"
#include "core/record/page_lists.h"
#include "filter/pjl/pjl_password.h"
#include "pjl_test_support.h"
#include "tests/filter/pages/pps_blob.h"

namespace pd {
namespace {

using test::headerLines;
using test::isWellFormedSetLine;

std::vector<std::string> filterHeader(const PdCoreData* record, const char* jobName,
                                      const char* userName) {
    return headerLines(buildPjlJobHeader(record, jobName, userName, nullptr, 1, 0));
}

std::vector<std::string> linesNamed(const std::vector<std::string>& lines,
                                    const std::string& name) {
    std::vector<std::string> found;
    for (const std::string& line : lines) {
        if (line.rfind("@PJL SET " + name + "=", 0) == 0) found.push_back(line);
    }
    return found;
}

TEST(PjlJobHeader, FilterHeadHasCodeSetTypeUserAndJob) {
    const auto lines = filterHeader(nullptr, "report.pdf", "alice");
    const std::vector<std::string> expected = {
        "@PJL SET STRINGCODESET=UTF8",
        "@PJL SET QXCOETYPE=2",
        "@PJL SET USERNAME=\"alice\"",
        "@PJL SET JOBNAME=\"report.pdf\"",
    };
    EXPECT_EQ(lines, expected);
}

TEST(PjlJobHeader, HeadLinesFollowTheirInputs) {
    EXPECT_EQ(buildPjlJobHeader(nullptr, nullptr, nullptr, nullptr, 1, 0),
              "@PJL SET STRINGCODESET=UTF8\r\n@PJL SET QXCOETYPE=2\r\n");
    EXPECT_EQ(buildPjlJobHeader(nullptr, "", "", "", 1, 0),
              "@PJL SET STRINGCODESET=UTF8\r\n@PJL SET QXCOETYPE=2\r\n@PJL SET USERNAME=\"\"\r\n"
              "@PJL SET JOBNAME=\"\"\r\n");
    EXPECT_EQ(buildPjlJobHeader(nullptr, nullptr, nullptr, "0042", 1, 0),
              "@PJL SET DRIVERJOBID=\"0042\"\r\n@PJL SET STRINGCODESET=UTF8\r\n"
              "@PJL SET QXCOETYPE=2\r\n");
}

TEST(PjlJobHeader, NamesAreValidUtf8AndBoundedTo240Bytes) {
    const std::string ascii300(300, 'j');
    // Bytes 238 to 240 (0-based) hold one three-byte character, which does not fit in 240 bytes.
    const std::string euroAtTheEdge = std::string(238, 'e') + "\xE2\x82\xAC" + "tail";
    const std::string longUser = std::string(500, 'u') + "\xC3\xA9";
    struct NameCase {
        std::string jobName;
        std::string userName;
        std::string jobValue;
        std::string userValue;
    };
    const NameCase cases[] = {
        {ascii300, "bob", std::string(240, 'j'), "bob"},
        {euroAtTheEdge, "bob", std::string(238, 'e'), "bob"},
        {"caf\xC3\xA9", "j\xC3\xBCrgen\xFF", "caf\xC3\xA9", "j??rgen?"},
        {std::string(300, '\xFF'), longUser, std::string(240, '?'), std::string(240, 'u')},
        {"j", euroAtTheEdge, "j", std::string(238, 'e')},
        {"j", std::string(300, '\xFF'), "j", std::string(240, '?')},
    };
    for (const NameCase& c : cases) {
        const auto lines = filterHeader(nullptr, c.jobName.c_str(), c.userName.c_str());
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[2], "@PJL SET USERNAME=\"" + c.userValue + "\"");
        EXPECT_EQ(lines[3], "@PJL SET JOBNAME=\"" + c.jobValue + "\"");
    }
}

// Whatever a job name, a user name, a driver job id or a record text holds, each stays one
// well-formed line: nothing a user submits can add a PJL command.
TEST(PjlJobHeader, HostileTextsGiveOneWellFormedLineEach) {
    const char* hostile = "x\"\r\n@PJL SET HOLD=OFF\r\n@PJL ENTER LANGUAGE=PCL\n\"";
    // The checker itself refuses what an unsafe header would hold.
    EXPECT_FALSE(isWellFormedSetLine("@PJL SET X=\"a\"b\""));
    EXPECT_FALSE(isWellFormedSetLine("@PJL SET X=a\rb"));
    EXPECT_TRUE(isWellFormedSetLine("@PJL SET X=\"a'b\""));

    PdCoreData record;
    record.DtSendEMail.set(2);
    record.DtSendEMailAddress.assign(hostile);
    record.DtInputSlotPaperName.assign(hostile);
    record.DtToneCurve.assign(hostile);
    record.DtOutputMethod.set(1);
    record.DtOutputMethodFileName.assign(hostile);
    record.DtFrontCoverTray.set(1);
    record.DtFrontCoverPaperName.assign(hostile);
    record.DtUserAuthentication.set(1);
    record.DtUserAuthenticationUserName.assign(hostile);
    record.DtAccountTrack.set(1);
    record.DtAccountTrackDepartmentName.assign("x\"\r\n@PJL");
    const auto lines = headerLines(buildPjlJobHeader(&record, hostile, hostile, hostile, 1, 0));
    for (const std::string& line : lines) EXPECT_TRUE(isWellFormedSetLine(line)) << line;
    EXPECT_EQ(linesNamed(lines, "HOLD"), std::vector<std::string>{"@PJL SET HOLD=OFF"});
    EXPECT_EQ(linesNamed(lines, "QXSECTIONNAME"),
              std::vector<std::string>{"@PJL SET QXSECTIONNAME=\"x'  @PJL\""});
    for (const char* name :
         {"DRIVERJOBID", "USERNAME", "JOBNAME", "SENDEMAILADDRESS", "USERMEDIANAME", "TONECURVE",
          "BOXFILENAME", "PPSUSERMEDIANAME1", "QXUSERNAME"}) {
        const auto named = linesNamed(lines, name);
        ASSERT_EQ(named.size(), 1u) << name;
        EXPECT_EQ(named[0], std::string("@PJL SET ") + name +
                                "=\"x'  @PJL SET HOLD=OFF  @PJL ENTER LANGUAGE=PCL '\"");
    }
}

TEST(PjlJobHeader, FilterBodyOfAnEmptyRecord) {
    PdCoreData record;
    const auto lines = filterHeader(&record, "j", "u");
    const std::vector<std::string> expected = {
        "@PJL SET STRINGCODESET=UTF8",
        "@PJL SET QXCOETYPE=2",
        "@PJL SET USERNAME=\"u\"",
        "@PJL SET JOBNAME=\"j\"",
        "@PJL SET ORIENTATION=PORTRAIT",
        "@PJL SET LAYOUT=NORMAL",
        "@PJL SET BINDING=LEFT",
        "@PJL SET HEADERPAGE=OFF",
        "@PJL SET PERFECTBINDMODE=OFF",
        "@PJL SET PERFECTBINDTRIM=OFF",
        "@PJL SET PERFECTBINDSPINE=0",
        "@PJL SET PERFECTBINDDUPLEX=OFF",
        "@PJL SET PERFECTBINDTRAY=\"TRAY1,NOSET,NOSET,NOSET\"",
        "@PJL SET PERFECTBINDCREASE=OFF",
        "@PJL SET CHAPTERMODE=OFF",
        "@PJL SET TABIMAGESHIFT=OFF",
        "@PJL SET SCREENTYPE=AMPHOTO",
        "@PJL SET TONECURVE=\"\"",
        // An all-zero record names form, prepended and appended job 0; "none" is all bits set.
        "@PJL SET TALVOOVERLAYALL=\"0:0\"",
        "@PJL SET TALVOPREPENDJOB=0",
        "@PJL SET TALVOAPPENDJOB=0",
        "@PJL SET IMAGESHIFT=OFF",
        "@PJL SET SENDEMAIL=OFF",
        "@PJL SET HOLD=OFF",
        "@PJL SET HOLDTYPE=PUBLIC",
        "@PJL SET QXCERTSERVTYPE=NONE",
    };
    EXPECT_EQ(lines, expected);
}

// Every password and every enhanced-server value leaves only encrypted, in whatever header.
TEST(PjlJobHeader, SecretsNeverAppearInClear) {
    const std::string hold = "Hold4217";
    const std::string user = "UserKey29";
    const std::string account = "AcctKey3";
    const std::string pdf = "PdfKey404";
    const std::string relay = "RelayValue55";
    PdCoreData record;
    record.DtWaitMode.set(5);
    record.DtWaitModePassword.assign(hold.c_str());
    record.DtUserAuthentication.set(1);
    record.DtUserAuthenticationPassword.assign(user.c_str());
    record.DtAccountTrack.set(1);
    record.DtAccountTrackPassword.assign(account.c_str());
    record.DtEncryptPdf.set(1);
    record.DtPdfPassword.assign(pdf.c_str());
    PdCoreData relayRecord;
    relayRecord.DtUserAuthentication.set(3);
    const std::vector<unsigned char> blob = {0,   1,   1,   'i', 'd', 0,   'R', 'e', 'l', 'a',
                                             'y', 'V', 'a', 'l', 'u', 'e', '5', '5', 0};
    std::copy(blob.begin(), blob.end(), relayRecord.DtRelayServerSettings.bytes);

    for (std::uint32_t kind : {0u, 1u, 2u, 3u}) {
        for (std::uint32_t last : {0u, 1u}) {
            const std::string header =
                buildPjlJobHeader(&record, "j", "u", nullptr, kind, last) +
                buildPjlJobHeader(&relayRecord, "j", "u", nullptr, kind, last);
            for (const std::string& secret : {hold, user, account, pdf, relay}) {
                EXPECT_EQ(header.find(secret), std::string::npos) << secret << " kind " << kind;
            }
            EXPECT_NE(header.find("HOLDKEY2=\"" + encryptPjlPassword(hold) + "\""),
                      std::string::npos);
            EXPECT_NE(header.find("QXUSERKEY2=\"" + encryptPjlPassword(user) + "\""),
                      std::string::npos);
            EXPECT_NE(header.find("QXCERTFLEXSTRING1=\"" + encryptPjlPassword(relay) + "\""),
                      std::string::npos);
        }
    }
}

TEST(PjlJobHeader, JobKindChoosesTheOptions) {
    PdCoreData record;
    record.DtLayout.set(2);
    record.DtNUpCount.set(3);
    record.DtDuplex.set(1);
    record.DtBinding.set(1);
    record.DtPerfectBindTrimSpine.set(100500);

    const auto kind1 = headerLines(buildPjlJobHeader(&record, "j", "u", nullptr, 1, 0));
    EXPECT_EQ(linesNamed(kind1, "LAYOUT"), std::vector<std::string>{"@PJL SET LAYOUT=NORMAL"});
    EXPECT_EQ(linesNamed(kind1, "INFONIN1"), std::vector<std::string>{"@PJL SET INFONIN1=N4"});
    EXPECT_EQ(linesNamed(kind1, "BINDING"), std::vector<std::string>{"@PJL SET BINDING=RIGHT"});
    EXPECT_EQ(linesNamed(kind1, "PERFECTBINDSPINE"),
              std::vector<std::string>{"@PJL SET PERFECTBINDSPINE=101"});
    EXPECT_TRUE(linesNamed(kind1, "DUPLEX").empty());

    const auto kind2 = headerLines(buildPjlJobHeader(&record, "j", "u", nullptr, 2, 0));
    EXPECT_EQ(linesNamed(kind2, "LAYOUT"), std::vector<std::string>{"@PJL SET LAYOUT=BOOKLET4IN1"});
    EXPECT_TRUE(linesNamed(kind2, "INFONIN1").empty());
    EXPECT_EQ(linesNamed(kind2, "DUPLEX"), std::vector<std::string>{"@PJL SET DUPLEX=ON"});

    for (std::uint32_t kind : {0u, 3u}) {
        const auto other = headerLines(buildPjlJobHeader(&record, "j", "u", nullptr, kind, 0));
        // Only the entries that the record decides, without a mode test.
        const std::vector<std::string> expected = {
            "@PJL SET STRINGCODESET=UTF8",
            "@PJL SET QXCOETYPE=2",
            "@PJL SET USERNAME=\"u\"",
            "@PJL SET JOBNAME=\"j\"",
            "@PJL SET ORIENTATION=LANDSCAPE",
            "@PJL SET LAYOUT=NORMAL",
            "@PJL SET HEADERPAGE=OFF",
            "@PJL SET PERFECTBINDTRAY=\"TRAY1,NOSET,NOSET,NOSET\"",
            "@PJL SET CHAPTERMODE=OFF",
            "@PJL SET TABIMAGESHIFT=OFF",
            "@PJL SET TONECURVE=\"\"",
            "@PJL SET TALVOOVERLAYALL=\"0:0\"",
            "@PJL SET TALVOPREPENDJOB=0",
            "@PJL SET TALVOAPPENDJOB=0",
            "@PJL SET IMAGESHIFT=OFF",
            "@PJL SET SENDEMAIL=OFF",
            "@PJL SET HOLD=OFF",
            "@PJL SET HOLDTYPE=PUBLIC",
            "@PJL SET QXCERTSERVTYPE=NONE",
        };
        EXPECT_EQ(other, expected) << kind;
    }
}

TEST(PjlJobHeader, LinesKeepTheFixedOrder) {
    PdCoreData record;
    record.DtNUpCount.set(1);
    record.DtHeaderPage.set(1);
    record.DtSendEMail.set(1);
    record.DtSendEMailAddress.assign("a@b");
    // Every hand-written entry on, so that each writes its lines.
    record.DtInputSlotPaperName.assign("Plain");
    record.DtTargetPaperSize.set(37);
    record.DtTargetPaperSizeType.set(1);
    record.DtDivideOutput.set(1);
    record.DtDivideOutputPages.set(5);
    record.DtOffsetPages.set(1);
    record.DtPIFrontSheets.set(2);
    record.DtPIBackSheets.set(2);
    record.DtFrontCoverTray.set(1);
    record.DtFrontCoverPaperName.assign("Front");
    record.DtBackCoverTray.set(1);
    record.DtBackCoverPaperName.assign("Back");
    record.DtChapterMode.set(1);
    record.DtChapterPages.bytes[0] = 0xC0;
    record.DtChapterPages.bytes[1] = 0x03;
    record.DtTabImageShift.set(1);
    record.DtJobForm.set(7);
    record.DtImageShiftType.set(2);
    record.DtPageNumberingMode.set(1);
    record.DtSetNumberingMode.set(1);
    record.DtWaitMode.set(5);
    record.DtOutputMethod.set(1);
    record.DtEncryptPdf.set(1);
    record.DtUserAuthentication.set(2);
    record.DtAccountTrack.set(1);
    record.DtStaple.set(5);
    record.DtStitch.set(1);
    record.DtPunch.set(1);
    record.DtDateStamp.set(1);
    test::setPageSpecificTrays(record, {test::BlobEntry{.tray = 2, .pages = {{4, 6}}}});
    ASSERT_TRUE(encodePageFormList({PageFormEntry{2, {{3, 4}}}}, record.DtPageSpecificForms.bytes,
                                   sizeof record.DtPageSpecificForms.bytes));
    // Last flag 1 adds the copy count.
    const auto lines = headerLines(buildPjlJobHeader(&record, "j", "u", nullptr, 2, 1));
    std::vector<std::string> names;
    for (const std::string& line : lines) {
        names.push_back(line.substr(9, line.find('=') - 9));
    }
    const std::vector<std::string> expected = {
        "STRINGCODESET",
        "QXCOETYPE",
        "USERNAME",
        "JOBNAME",
        "ORIENTATION",
        "MEDIASOURCE",
        "USERMEDIANAME",
        "LAYOUT",
        "DUPLEX",
        "BINDING",
        "CUSTOMPAPERNAME0",
        "MEDIATABTYPE",
        "PAPER",
        "CUSTOMPAPER0",
        "FULLBLEED",
        "ROTATE180",
        "OUTBIN",
        "FINISH",
        "STAPLEPITCH",
        "STITCH",
        "STITCHNUM",
        "PUNCH",
        "PUNCHNUM",
        "RINGBINDMODE",
        "RINGBINDFRONTFACE",
        "RINGBINDBACKFACE",
        "FEEDDIRECTION",
        "OUTPUTMODE",
        "NTO1",
        "QTY",
        "PAGELOOP",
        "COPIESOFFSET",
        "SHEETSOFFSET",
        "PILEMODE",
        "FOLDING",
        "TRIM",
        "SQUAREFOLD",
        "SQUAREFOLDSTRENGTH",
        "MEDIATYPE",
        "MEDIAWEIGHT",
        "MEDIACOLOR",
        "MEDIAPREPUNCHED",
        "HEADERPAGE",
        "HEADERPAGETRAY",
        "PIFRONT",
        "PIFRONTPAGES",
        "PERPAGESET1",
        "PPSUSERMEDIANAME1",
        "PPSUSERMEDIANAME2",
        "PERPAGESET2",
        "PIBACK",
        "PIBACKPAGES",
        "PERFECTBINDMODE",
        "PERFECTBINDTRIM",
        "PERFECTBINDSPINE",
        "PERFECTBINDDUPLEX",
        "PERFECTBINDTRAY",
        "PERFECTBINDCREASE",
        "CHAPTERMODE",
        "CHAPTER",
        "PERPAGESET3",
        "TABIMAGESHIFT",
        "TABIMAGESHIFTINFO",
        "RESOLUTION",
        "SCREENTYPE",
        "QXCUSTOMSCREENSHAPEK",
        "QXCUSTOMSCREENLPIK",
        "QXCUSTOMSCREENDEGREEK",
        "TONECURVE",
        "TONERSAVE",
        "LOWDENSITY",
        "SMOOTHING",
        "THINNING",
        "THINNINGAREA",
        "USECIECOLOR",
        "TALVOOVERLAYALL",
        "TALVOOVERLAYPAGE1",
        "TALVOPREPENDJOB",
        "TALVOAPPENDJOB",
        "IMAGESHIFT",
        "IMAGESHIFTINFO",
        "PRINTPOSITION",
        "DATESTAMP",
        "PAGESTAMP",
        "NUMBERING",
        "JIMONMODE",
        "JIMONPATTERN",
        "JIMONBACKPATTERN",
        "JIMONPATTERNINDEX",
        "TANDEM",
        "SENDEMAIL",
        "SENDEMAILTIMING",
        "SENDEMAILADDRESS",
        "HOLD",
        "QXJOBID",
        "HOLDKEY2",
        "HOLDTYPE",
        "BOXHOLD",
        "BOXFILENAME",
        "BOXNUM",
        "PDFPASSWDRQ",
        "PDFPASSWD",
        "QXADDSHOWPAGE",
        "QXUSERNAME",
        "QXUSERKEY2",
        "QXCERTSERVTYPE",
        "QXCERTSERVNUM",
        "QXSECTIONNAME",
        "QXSECTIONKEY2",
    };
    EXPECT_EQ(names, expected);
}

}  // namespace
}  // namespace pd
