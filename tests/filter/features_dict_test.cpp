#include "filter/features_dict.h"

#include <gtest/gtest.h>

namespace pd {
namespace {

constexpr const char* prologue =
    "\r\nuserdict /TLQXFeatures known not { userdict /TLQXFeatures 100 dict put } if\r\n";

TEST(FeaturesDict, ThePrologueComesWithTheFirstIdiomOfEachText) {
    bool flag = false;
    EXPECT_EQ(featuresDictCallIfKnown(flag, "Talvo_NupP3", ""),
              std::string(prologue) +
                  "TLQXFeatures /Talvo_NupP3 known { TLQXFeatures /Talvo_NupP3 get exec } if\r\n");
    EXPECT_TRUE(flag);
    EXPECT_EQ(featuresDictCallIfKnown(flag, "Talvo_NupP3", ""),
              "TLQXFeatures /Talvo_NupP3 known { TLQXFeatures /Talvo_NupP3 get exec } if\r\n");
    EXPECT_EQ(featuresDictPrologue(flag), "");
}

TEST(FeaturesDict, CallsPassTheirArgumentsInsideTheGuard) {
    bool flag = true;
    EXPECT_EQ(featuresDictCallIfKnown(flag, "Talvo_P4", "1 (x)"),
              "TLQXFeatures /Talvo_P4 known { 1 (x) TLQXFeatures /Talvo_P4 get exec } if\r\n");
}

TEST(FeaturesDict, PutsStoreOrRemoveAKey) {
    bool flag = true;
    EXPECT_EQ(featuresDictPut(flag, "TLQXTolerance", "0"), "TLQXFeatures /TLQXTolerance 0 put\r\n");
    bool fresh = false;
    EXPECT_EQ(featuresDictPut(fresh, "TLQXTolerance", ""),
              std::string(prologue) + "TLQXFeatures /TLQXTolerance undef\r\n");
}

TEST(FeaturesDict, EmptyNamesGiveNothingAndKeepTheFlagFresh) {
    bool flag = false;
    EXPECT_EQ(featuresDictCallIfKnown(flag, "", "1"), "");
    EXPECT_EQ(featuresDictPut(flag, "", "1"), "");
    EXPECT_EQ(featuresDictPut(flag, std::string_view("\0k", 2), "1"), "");
    EXPECT_EQ(featuresDictPut(flag, "K", std::string_view("\0", 1)), "");
    EXPECT_FALSE(flag);
    EXPECT_EQ(featuresDictPut(flag, "K", "true").substr(0, 2), "\r\n");
}

}  // namespace
}  // namespace pd
