#include "core/record/tray_media.h"

#include <gtest/gtest.h>

namespace pd {
namespace {

TEST(TrayMedia, NumberedTraysReadTheirOwnFieldsAndAnyOtherTheAutomaticOnes) {
    PdCoreData record;
    record.DtMediaTypeAuto.set(1);
    record.DtMediaWeightAuto.set(2);
    record.DtMediaColorAuto.set(3);
    record.DtMediaPrepunchedAuto.set(1);
    record.DtMediaTypeTray2.set(6);
    record.DtMediaTypeTray3.set(4);
    record.DtMediaWeightTray3.set(10);
    record.DtMediaColorTray3.set(6);
    record.DtMediaPrepunchedTray3.set(1);
    record.DtMediaPrepunchedTray5.set(200);
    EXPECT_EQ(trayMediaAttributes(3, record), (MediaAttributes{4, 10, 6, 1}));
    EXPECT_EQ(trayMediaAttributes(2, record), (MediaAttributes{6, 0, 0, 0}))
        << "passed on as stored";
    EXPECT_EQ(trayMediaAttributes(5, record), (MediaAttributes{0, 0, 0, 200}));
    for (std::uint32_t tray : {0u, 6u, 255u, 0xFFFFFFFFu})
        EXPECT_EQ(trayMediaAttributes(tray, record), (MediaAttributes{1, 2, 3, 1})) << tray;
}

}  // namespace
}  // namespace pd
