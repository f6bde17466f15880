#include "filter/ps_page_geometry.h"

#include <gtest/gtest.h>

#include <string>

#include "filter/driver_postscript.h"

namespace pd {
namespace {

std::string geometry(const PdCoreData& record) {
    bool prologueFlag = true;
    return buildPageGeometryCode(prologueFlag, record);
}

PdCoreData customPage(std::uint32_t width, std::uint32_t height) {
    PdCoreData record;
    record.DtPageSize.set(36);
    record.DtCustomPageSizeWidth.set(width);
    record.DtCustomPageSizeHeight.set(height);
    return record;
}

TEST(PageGeometryCode, StandardPaperA4) {
    PdCoreData record;
    record.DtPageSize.set(1);
    EXPECT_EQ(geometry(record),
              "TLQXFeatures /HiResPageSize [210000 297000] put\r\n"
              "TLQXFeatures /HiResPageSizePpdPt undef\r\n"
              "TLQXFeatures /TLQXTolerance 0 put\r\n"
              "TLQXFeatures /PageOrient (Port) put\r\n"
              "TLQXFeatures /TLQXPdNup /None put\r\n"
              "TLQXFeatures /TLQXBookletBlankInsertion false put\r\n"
              "TLQXFeatures /Talvo_NupP5 known { TLQXFeatures /Talvo_NupP5 get exec } if\r\n");
}

TEST(PageGeometryCode, CustomSizeInMicrometresAndPoints) {
    const std::string text = geometry(customPage(1000000, 1500000));
    EXPECT_NE(text.find("/HiResPageSize [100000 150000] put"), std::string::npos);
    EXPECT_NE(text.find("/HiResPageSizePpdPt [283.4645669291338663 425.1968503937007995] put"),
              std::string::npos);

    struct Case {
        std::uint32_t width;
        const char* sizeText;
    };
    for (const Case& c : {Case{1000004, "[100000 150000]"}, Case{1000005, "[100001 150000]"}}) {
        EXPECT_NE(geometry(customPage(c.width, 1500000)).find(c.sizeText), std::string::npos)
            << c.width;
    }
}

TEST(PageGeometryCode, NUpOrientationAndBlankInsertion) {
    struct Case {
        std::uint8_t nUp;
        const char* text;
    };
    for (const Case& c : {Case{0, "/None"}, Case{1, "/2f"}, Case{4, "/4r"}, Case{11, "/16f"},
                          Case{12, "/16r"}, Case{13, "/None"}, Case{255, "/None"}}) {
        PdCoreData record;
        record.DtPageSize.set(1);
        record.DtNUpCount.set(c.nUp);
        EXPECT_NE(geometry(record).find(std::string("/TLQXPdNup ") + c.text + " put"),
                  std::string::npos)
            << int{c.nUp};
    }
    PdCoreData record;
    record.DtPageSize.set(1);
    record.DtOrientation.set(1);
    record.DtBookletBlankInsertion.set(1);
    const std::string text = geometry(record);
    EXPECT_NE(text.find("/HiResPageSize [210000 297000] put"), std::string::npos);
    EXPECT_NE(text.find("/PageOrient (Land) put"), std::string::npos);
    EXPECT_NE(text.find("/TLQXBookletBlankInsertion true put"), std::string::npos);
}

TEST(PageGeometryCode, PaperIdOutsideTheTableGivesZeroSize) {
    PdCoreData record;
    record.DtPageSize.set(200);
    EXPECT_NE(geometry(record).find("/HiResPageSize [0 0] put"), std::string::npos);
}

TEST(PageStartCode, TabCallThenPrologueThenGuardedCalls) {
    PdCoreData record;
    record.DtPageSize.set(1);
    const std::string text = buildPageStartCode(record);
    const std::string expectedStart =
        "\r\nuserdict /TalvoTABdict known { userdict /TalvoTABdict get /Talvo_TP1 known { userdict "
        "/TalvoTABdict get /Talvo_TP1 get exec } if } if\r\n"
        "\r\nuserdict /TLQXFeatures known not { userdict /TLQXFeatures 100 dict put } if\r\n"
        "TLQXFeatures /Talvo_P4 known { TLQXFeatures /Talvo_P4 get exec } if\r\n"
        "TLQXFeatures /Talvo_P8_pagesave known { TLQXFeatures /Talvo_P8_pagesave get exec } if\r\n"
        "TLQXFeatures /HiResPageSize [210000 297000] put\r\n";
    EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);
    const std::string expectedEnd =
        "TLQXFeatures /Talvo_NupP5 known { TLQXFeatures /Talvo_NupP5 get exec } if\r\n"
        "TLQXFeatures /Talvo_P8_MAC known { TLQXFeatures /Talvo_P8_MAC get exec } if\r\n";
    EXPECT_EQ(text.substr(text.size() - expectedEnd.size()), expectedEnd);
    EXPECT_EQ(buildPageStartCode(record), text);  // every page carries its own prologue
}

}  // namespace
}  // namespace pd
