#include "filter/job_services.h"

#include <gtest/gtest.h>

#include "filter/pjl/pjl_job_header.h"

namespace pd {
namespace {

// The whole header that psfilter writes for a job without settings of its own.
TEST(PjlJobHeader, FilterHeaderOfTheDefaultRecord) {
    const PdCoreData record = jobDefaultRecord();
    EXPECT_EQ(buildPjlJobHeader(&record, "report.ps", "alice", nullptr, 1, 0),
              "@PJL SET STRINGCODESET=UTF8\r\n"
              "@PJL SET QXCOETYPE=2\r\n"
              "@PJL SET USERNAME=\"alice\"\r\n"
              "@PJL SET JOBNAME=\"report.ps\"\r\n"
              "@PJL SET ORIENTATION=PORTRAIT\r\n"
              "@PJL SET LAYOUT=NORMAL\r\n"
              "@PJL SET BINDING=LEFT\r\n"
              "@PJL SET HEADERPAGE=OFF\r\n"
              "@PJL SET PERFECTBINDMODE=OFF\r\n"
              "@PJL SET PERFECTBINDTRIM=OFF\r\n"
              "@PJL SET PERFECTBINDSPINE=100\r\n"
              "@PJL SET PERFECTBINDDUPLEX=OFF\r\n"
              "@PJL SET PERFECTBINDTRAY=\"TRAY1,NOSET,NOSET,NOSET\"\r\n"
              "@PJL SET PERFECTBINDCREASE=OFF\r\n"
              "@PJL SET CHAPTERMODE=OFF\r\n"
              "@PJL SET TABIMAGESHIFT=OFF\r\n"
              "@PJL SET SCREENTYPE=AMPHOTO\r\n"
              "@PJL SET TONECURVE=\"OFF\"\r\n"
              "@PJL SET IMAGESHIFT=OFF\r\n"
              "@PJL SET SENDEMAIL=OFF\r\n"
              "@PJL SET HOLD=OFF\r\n"
              "@PJL SET HOLDTYPE=PUBLIC\r\n"
              "@PJL SET QXCERTSERVTYPE=NONE\r\n");
}

}  // namespace
}  // namespace pd
