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
    using enum PaperFeature;
    struct Case {
        std::uint32_t paper = 0;
        std::uint32_t feed = 0;
        PaperFeature feature{};
        bool allowed = false;
    };
    const Case cases[] = {
        // Postcard is refused by one staple in every feed direction.
        {.paper = postcard, .feed = feedDirectionLongEdge, .feature = oneStaple, .allowed = false},
        {.paper = postcard, .feed = feedDirectionShortEdge, .feature = oneStaple, .allowed = false},
        {.paper = postcard, .feed = feedDirectionAuto, .feature = oneStaple, .allowed = false},
        {.paper = a4, .feed = feedDirectionLongEdge, .feature = oneStaple, .allowed = true},
        // Image position left or right needs a wide paper.
        {.paper = a4,
         .feed = feedDirectionLongEdge,
         .feature = sideImagePosition,
         .allowed = false},
        {.paper = a4Wide,
         .feed = feedDirectionLongEdge,
         .feature = sideImagePosition,
         .allowed = true},
        {.paper = letter,
         .feed = feedDirectionShortEdge,
         .feature = sideImagePosition,
         .allowed = false},
        // A row for one feed direction refuses only that one; an unresolved direction passes.
        {.paper = a3, .feed = feedDirectionLongEdge, .feature = twoStaples, .allowed = false},
        {.paper = a3, .feed = feedDirectionShortEdge, .feature = twoStaples, .allowed = true},
        {.paper = a3, .feed = feedDirectionAuto, .feature = twoStaples, .allowed = true},
        {.paper = a5, .feed = feedDirectionShortEdge, .feature = twoStaples, .allowed = false},
        {.paper = a4Tab, .feed = feedDirectionLongEdge, .feature = streamPunch, .allowed = true},
        {.paper = a4Tab, .feed = feedDirectionShortEdge, .feature = streamPunch, .allowed = false},
        // Values that name no function accept everything; the paper path has a table.
        {.paper = postcard,
         .feed = feedDirectionLongEdge,
         .feature = PaperFeature{0},
         .allowed = true},
        {.paper = postcard,
         .feed = feedDirectionLongEdge,
         .feature = PaperFeature{22},
         .allowed = true},
        {.paper = postcard,
         .feed = feedDirectionLongEdge,
         .feature = PaperFeature{1000},
         .allowed = true},
        {.paper = postcard, .feed = feedDirectionLongEdge, .feature = paperPath, .allowed = false},
        // Without installed units these features have no table.
        {.paper = postcard,
         .feed = feedDirectionLongEdge,
         .feature = offsetOutput,
         .allowed = true},
        {.paper = postcard,
         .feed = feedDirectionLongEdge,
         .feature = twoHolePunch,
         .allowed = true},
        {.paper = postcard,
         .feed = feedDirectionLongEdge,
         .feature = threeHolePunch,
         .allowed = true},
        {.paper = postcard,
         .feed = feedDirectionLongEdge,
         .feature = fourHolePunch,
         .allowed = true},
        {.paper = postcard, .feed = feedDirectionLongEdge, .feature = tray3, .allowed = true},
        // The automatic tray refuses only the custom size, whatever its measures.
        {.paper = noPaperId, .feed = feedDirectionLongEdge, .feature = autoSlot, .allowed = false},
        {.paper = a3, .feed = feedDirectionLongEdge, .feature = autoSlot, .allowed = true},
        // An id without a row counts as the custom size.
        {.paper = 200, .feed = feedDirectionLongEdge, .feature = autoSlot, .allowed = false},
        {.paper = noPaperId, .feed = feedDirectionLongEdge, .feature = oneStaple, .allowed = true},
        {.paper = noPaperId, .feed = feedDirectionLongEdge, .feature = twoStaples, .allowed = true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.allowed, isPaperSizeAllowed(sheet(c.paper, c.feed), c.feature, nullptr))
            << "paper " << c.paper << " feed " << c.feed << " feature "
            << static_cast<std::uint32_t>(c.feature);
}

TEST(PaperCapability, EveryTableListingTheCustomSizeRefusesEveryCustomSheet) {
    using enum PaperFeature;
    const PaperFeature refusing[] = {zFold,
                                     multiLetterFold,
                                     zFoldStaple,
                                     streamPunch,
                                     ringBindingFirstInside,
                                     ringBindingFirstOutside,
                                     ringBindingLastInside,
                                     ringBindingLastOutside,
                                     autoSlot};
    for (const PaperFeature feature : refusing) {
        const auto number = static_cast<std::uint32_t>(feature);
        EXPECT_FALSE(isPaperSizeAllowed(sheet(noPaperId, 0, 100000, 100000), feature, nullptr))
            << number;
        EXPECT_FALSE(isPaperSizeAllowed(sheet(noPaperId, 1, 1, 1), feature, nullptr)) << number;
    }
    const InstalledOptions punch = withByte(2, 1);
    EXPECT_FALSE(isPaperSizeAllowed(sheet(noPaperId, 1), PaperFeature::twoHolePunch, &punch));
    EXPECT_FALSE(isPaperSizeAllowed(sheet(noPaperId, 1), PaperFeature::threeHolePunch, &punch));
}

TEST(PaperCapability, InstalledUnitsSwitchTablesOn) {
    const InstalledOptions punchA = withByte(2, 1);
    const InstalledOptions punchB = withByte(8, 4);
    const InstalledOptions punchNone = withByte(2, 5);
    EXPECT_TRUE(isPaperSizeAllowed(sheet(a4, feedDirectionLongEdge), PaperFeature::threeHolePunch,
                                   &punchA));
    EXPECT_FALSE(isPaperSizeAllowed(sheet(a4, feedDirectionShortEdge), PaperFeature::threeHolePunch,
                                    &punchA));
    EXPECT_FALSE(isPaperSizeAllowed(sheet(letter, feedDirectionShortEdge),
                                    PaperFeature::fourHolePunch, &punchB));
    EXPECT_TRUE(isPaperSizeAllowed(sheet(letter, feedDirectionShortEdge),
                                   PaperFeature::fourHolePunch, &punchNone));

    const InstalledOptions offsetUnit = withByte(1, 1);
    EXPECT_FALSE(isPaperSizeAllowed(sheet(postcard, 1), PaperFeature::offsetOutput, &offsetUnit));

    const InstalledOptions tray3a = withByte(6, 2);
    const InstalledOptions tray3b = withByte(6, 3);
    EXPECT_FALSE(isPaperSizeAllowed(sheet(a3, 1), PaperFeature::tray3,
                                    &tray3a));  // refused with the first single-tray unit only
    EXPECT_TRUE(isPaperSizeAllowed(sheet(a3, 1), PaperFeature::tray3, &tray3b));
    EXPECT_FALSE(isPaperSizeAllowed(sheet(4, 1), PaperFeature::tray3,
                                    &tray3b));  // QXB5: with the second single-tray unit only
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
    using enum MediaFeature;
    // Every function and one value past the last, which names none.
    for (std::uint32_t number = 0; number <= 12; ++number) {
        const MediaFeature feature{number};
        const bool thick7Refused = feature == duplex || feature == faceDown ||
                                   feature == streamPunch || feature == staple ||
                                   feature == zFold || feature == ringBinding;
        EXPECT_EQ(!thick7Refused, isMediaAllowed(weight(10), feature, nullptr)) << number;
        EXPECT_TRUE(isMediaAllowed(weight(0), feature, nullptr)) << number;
        EXPECT_TRUE(isMediaAllowed(MediaAttributes{0, 0, 0, 0}, feature, nullptr)) << number;
        EXPECT_TRUE(isMediaAllowed(unspecifiedMedia, feature, nullptr)) << number;
        const bool prepunchedRefused = feature == streamPunch || feature == ringBinding;
        EXPECT_EQ(!prepunchedRefused, isMediaAllowed(prepunched(), feature, nullptr)) << number;
    }
    EXPECT_FALSE(isMediaAllowed(weight(1), MediaFeature::staple, nullptr));
    EXPECT_TRUE(isMediaAllowed(weight(2), MediaFeature::staple, nullptr));
    EXPECT_FALSE(isMediaAllowed(weight(3), MediaFeature::streamPunch, nullptr));
    EXPECT_TRUE(isMediaAllowed(weight(4), MediaFeature::zFold, nullptr));
    EXPECT_FALSE(isMediaAllowed(weight(5), MediaFeature::zFold, nullptr));

    const InstalledOptions punchA = withByte(2, 2);
    const InstalledOptions punchB = withByte(8, 1);
    const InstalledOptions folder = withByte(3, 1);
    EXPECT_FALSE(isMediaAllowed(prepunched(), MediaFeature::threeHolePunch, &punchA));
    EXPECT_TRUE(isMediaAllowed(weight(2), MediaFeature::threeHolePunch, &punchA));
    EXPECT_FALSE(isMediaAllowed(weight(2), MediaFeature::threeHolePunch, &punchB));
    EXPECT_FALSE(isMediaAllowed(weight(6), MediaFeature::multiLetterFold, &folder));
    EXPECT_TRUE(isMediaAllowed(weight(6), MediaFeature::multiLetterFold, nullptr));
    EXPECT_FALSE(isMediaAllowed(weight(8), MediaFeature::foldAndStaple, &folder));
}

}  // namespace
}  // namespace pd
