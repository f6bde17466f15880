#include <gtest/gtest.h>

#include "core/catalog/paper_size.h"
#include "core/rules/media_capability.h"
#include "core/rules/paper_capability.h"
#include "rules_test_support.h"

namespace pd {
namespace {

// Paper ids: one less than the page-size numbers the refusal tables use.
using namespace test;

PageGeometry sheet(std::uint32_t paperId, std::uint32_t feed, std::uint32_t width = 210000,
                   std::uint32_t height = 297000) {
    PageGeometry geometry{};
    geometry.paperId = paperId;
    geometry.width = width;
    geometry.height = height;
    geometry.feedDirection = feed;
    return geometry;
}

InstalledOptions withByte(std::size_t index, std::uint8_t value) {
    InstalledOptions options;
    options.bytes[index] = value;
    return options;
}

TEST(PaperCapability, FeaturesAcceptOrRefuseSheetsAsTheirTablesSay) {
    struct Case {
        std::uint32_t paperId, feed, feature;
        bool allowed;
    };
    const Case cases[] = {
        // Postcard is refused by one staple in every feed direction.
        {postcard, feedDirectionLongEdge, 7, false},
        {postcard, feedDirectionShortEdge, 7, false},
        {postcard, feedDirectionAuto, 7, false},
        {a4, feedDirectionLongEdge, 7, true},
        // Image position left or right needs a wide paper.
        {a4, feedDirectionLongEdge, 15, false},
        {a4Wide, feedDirectionLongEdge, 15, true},
        {letter, feedDirectionShortEdge, 15, false},
        // A row for one feed direction refuses only that one; an unresolved direction passes.
        {a3, feedDirectionLongEdge, 8, false},
        {a3, feedDirectionShortEdge, 8, true},
        {a3, feedDirectionAuto, 8, true},
        {a5, feedDirectionShortEdge, 8, false},
        {a4Tab, feedDirectionLongEdge, 13, true},
        {a4Tab, feedDirectionShortEdge, 13, false},
        // Numbers without a table accept everything.
        {postcard, feedDirectionLongEdge, 0, true},
        {postcard, feedDirectionLongEdge, 22, true},
        {postcard, feedDirectionLongEdge, 1000, true},
        {postcard, feedDirectionLongEdge, 14, false},
        // Without installed units these features have no table.
        {postcard, feedDirectionLongEdge, 1, true},
        {postcard, feedDirectionLongEdge, 9, true},
        {postcard, feedDirectionLongEdge, 11, true},
        {postcard, feedDirectionLongEdge, 12, true},
        {postcard, feedDirectionLongEdge, 20, true},
        // The automatic tray refuses only the custom size, whatever its measures.
        {noPaperId, feedDirectionLongEdge, 21, false},
        {a3, feedDirectionLongEdge, 21, true},
        // An id without a row counts as the custom size.
        {200, feedDirectionLongEdge, 21, false},
        {noPaperId, feedDirectionLongEdge, 7, true},
        {noPaperId, feedDirectionLongEdge, 8, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.allowed, isPaperSizeAllowed(sheet(c.paperId, c.feed), c.feature, nullptr))
            << "paper " << c.paperId << " feed " << c.feed << " feature " << c.feature;
}

TEST(PaperCapability, EveryTableListingTheCustomSizeRefusesEveryCustomSheet) {
    const std::uint32_t refusing[] = {2, 3, 10, 13, 16, 17, 18, 19, 21};
    for (const std::uint32_t feature : refusing) {
        EXPECT_FALSE(isPaperSizeAllowed(sheet(noPaperId, 0, 100000, 100000), feature, nullptr))
            << feature;
        EXPECT_FALSE(isPaperSizeAllowed(sheet(noPaperId, 1, 1, 1), feature, nullptr)) << feature;
    }
    const InstalledOptions punch = withByte(2, 1);
    EXPECT_FALSE(isPaperSizeAllowed(sheet(noPaperId, 1), 9, &punch));
    EXPECT_FALSE(isPaperSizeAllowed(sheet(noPaperId, 1), 11, &punch));
}

TEST(PaperCapability, InstalledUnitsSwitchTablesOn) {
    const InstalledOptions punchA = withByte(2, 1);
    const InstalledOptions punchB = withByte(8, 4);
    const InstalledOptions punchNone = withByte(2, 5);
    EXPECT_TRUE(isPaperSizeAllowed(sheet(a4, feedDirectionLongEdge), 11, &punchA));
    EXPECT_FALSE(isPaperSizeAllowed(sheet(a4, feedDirectionShortEdge), 11, &punchA));
    EXPECT_FALSE(isPaperSizeAllowed(sheet(letter, feedDirectionShortEdge), 12, &punchB));
    EXPECT_TRUE(isPaperSizeAllowed(sheet(letter, feedDirectionShortEdge), 12, &punchNone));

    const InstalledOptions offsetUnit = withByte(1, 1);
    EXPECT_FALSE(isPaperSizeAllowed(sheet(postcard, 1), 1, &offsetUnit));

    const InstalledOptions tray3a = withByte(6, 2);
    const InstalledOptions tray3b = withByte(6, 3);
    EXPECT_FALSE(isPaperSizeAllowed(sheet(a3, 1), 20, &tray3a));  // only in T20a
    EXPECT_TRUE(isPaperSizeAllowed(sheet(a3, 1), 20, &tray3b));
    EXPECT_FALSE(isPaperSizeAllowed(sheet(4, 1), 20, &tray3b));  // QXB5 only in T20b
}

TEST(PaperCapability, SizeRangesFitByFeedDirection) {
    // min1..max1 along the feed, min2..max2 across it.
    EXPECT_TRUE(fitsSizeRange(200, 100, 300, 150, 120, 250, 1));
    EXPECT_FALSE(fitsSizeRange(200, 100, 300, 150, 120, 250, 2));
    EXPECT_TRUE(fitsSizeRange(200, 100, 300, 150, 250, 120, 2));
    EXPECT_TRUE(fitsSizeRange(200, 100, 300, 150, 250, 120, 0));
    EXPECT_TRUE(fitsSizeRange(200, 100, 300, 150, 120, 250, 0));
    EXPECT_TRUE(fitsSizeRange(200, 100, 300, 150, 100, 300, 1));  // bounds included
    EXPECT_FALSE(fitsSizeRange(0, 0, 300, 300, 0, 250, 1));
    EXPECT_FALSE(fitsSizeRange(0, 0, 300, 300, 250, 0, 0));
}

TEST(PaperCapability, FeedCapabilityComesFromThePaperPathTable) {
    EXPECT_EQ(feedCapabilityAny, paperFeedCapability(sheet(noPaperId, 1)));
    EXPECT_EQ(feedCapabilityShortEdgeOnly, paperFeedCapability(sheet(postcard, 1)));
    EXPECT_EQ(feedCapabilityShortEdgeOnly, paperFeedCapability(sheet(a3, 2)));
    EXPECT_EQ(feedCapabilityLongEdgeOnly, paperFeedCapability(sheet(a5, 1)));
    EXPECT_EQ(feedCapabilityUnlisted, paperFeedCapability(sheet(a4, 1)));
    EXPECT_EQ(feedCapabilityUnlisted, paperFeedCapability(sheet(200, 1)));
}

MediaAttributes weight(std::uint32_t w) {
    MediaAttributes media = unspecifiedMedia;
    media.weight = w;
    return media;
}

MediaAttributes prepunched() {
    MediaAttributes media = unspecifiedMedia;
    media.prepunched = 1;
    return media;
}

TEST(MediaCapability, FeaturesRefuseWeightsAndPrepunchedMediaAsTheirListsSay) {
    for (std::uint32_t feature = 0; feature <= 12; ++feature) {
        const bool thick7Refused =
            feature <= 1 || feature == 5 || feature == 6 || feature == 7 || feature == 11;
        EXPECT_EQ(!thick7Refused, isMediaAllowed(weight(10), feature, nullptr)) << feature;
        EXPECT_TRUE(isMediaAllowed(weight(0), feature, nullptr)) << feature;
        EXPECT_TRUE(isMediaAllowed(MediaAttributes{0, 0, 0, 0}, feature, nullptr)) << feature;
        EXPECT_TRUE(isMediaAllowed(unspecifiedMedia, feature, nullptr)) << feature;
        const bool prepunchedRefused = feature == 5 || feature == 11;
        EXPECT_EQ(!prepunchedRefused, isMediaAllowed(prepunched(), feature, nullptr)) << feature;
    }
    EXPECT_FALSE(isMediaAllowed(weight(1), 6, nullptr));
    EXPECT_TRUE(isMediaAllowed(weight(2), 6, nullptr));
    EXPECT_FALSE(isMediaAllowed(weight(3), 5, nullptr));
    EXPECT_TRUE(isMediaAllowed(weight(4), 7, nullptr));
    EXPECT_FALSE(isMediaAllowed(weight(5), 7, nullptr));

    const InstalledOptions punchA = withByte(2, 2);
    const InstalledOptions punchB = withByte(8, 1);
    const InstalledOptions folder = withByte(3, 1);
    EXPECT_FALSE(isMediaAllowed(prepunched(), 3, &punchA));
    EXPECT_TRUE(isMediaAllowed(weight(2), 3, &punchA));
    EXPECT_FALSE(isMediaAllowed(weight(2), 3, &punchB));
    EXPECT_FALSE(isMediaAllowed(weight(6), 8, &folder));
    EXPECT_TRUE(isMediaAllowed(weight(6), 8, nullptr));
    EXPECT_FALSE(isMediaAllowed(weight(8), 10, &folder));
}

}  // namespace
}  // namespace pd
