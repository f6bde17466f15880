#include "core/ppd/supported_ppd_options.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/catalog/option_catalogue.h"
#include "tests/core/ppd/record_fixture.h"

namespace pd {
namespace {

using ::testing::IsEmpty;

struct ExpectedOption {
    const char* keyword;
    std::vector<const char*> choices;
};

// The options the driver handles, in order, with their choice keywords in choice order.
const ExpectedOption expectedOptions[] = {
    {"PageSize",
     {"A3",
      "A4",
      "A5",
      "QXB4",
      "QXB5",
      "QXISOB4",
      "QXISOB5",
      "SRA3",
      "SRA4",
      "QXTabloidExtra",
      "QXTabloid",
      "9x11",
      "Legal",
      "8x13",
      "QXFanFoldGermanLegal",
      "8.25x13",
      "8.125x13.25",
      "Letter",
      "QXStatement",
      "QXPostcard",
      "QXA3W",
      "QXA4W",
      "QXA5W",
      "QXB4W",
      "QXB5W",
      "QXISOB4W",
      "QXISOB5W",
      "QXTabloidExtraW",
      "QXTabloidW",
      "QXLetterW",
      "QXStatementW",
      "QXA4Tab1",
      "QXA4Tab2",
      "QXLetterTab",
      "8K",
      "16K"}},
    {"InputSlot", {"Tray1", "Tray2", "Tray3", "Tray4", "Tray5"}},
    {"QZLayout",
     {"None", "AdhBinding", "Booklet", "2in1", "2in1Reverse", "2Repeat", "2RepeatReverseLeft",
      "2RepeatReverseRight", "2RepeatReverseTop", "2RepeatReverseBottom"}},
    {"QZDuplex", {"False", "True"}},
    {"QZBinding", {"LeftBinding", "RightBinding", "TopBinding"}},
    {"QZNup",
     {"None", "2Forward", "2Reverse", "4Forward", "4Reverse", "6Forward", "6Reverse", "8Forward",
      "8Reverse", "9", "9Reverse", "16Forward", "16Reverse"}},
    {"QZTargetPaperSize",
     {"None",
      "A3",
      "A4",
      "A5",
      "QXB4",
      "QXB5",
      "QXISOB4",
      "QXISOB5",
      "SRA3",
      "SRA4",
      "QXTabloidExtra",
      "QXTabloid",
      "9x11",
      "Legal",
      "8x13",
      "QXFanFoldGermanLegal",
      "8.25x13",
      "8.125x13.25",
      "Letter",
      "QXStatement",
      "QXPostcard",
      "QXA3W",
      "QXA4W",
      "QXA5W",
      "QXB4W",
      "QXB5W",
      "QXISOB4W",
      "QXISOB5W",
      "QXTabloidExtraW",
      "QXTabloidW",
      "QXLetterW",
      "QXStatementW",
      "QXA4Tab1",
      "QXA4Tab2",
      "QXLetterTab",
      "8K",
      "16K"}},
    {"QZScaleToFit", {"False", "True"}},
    {"QZFullBleed", {"False", "True"}},
    {"QZRotate180", {"False", "True"}},
    {"OutputBin", {"Auto", "StaplerMain", "StaplerSub"}},
    {"QZStaple",
     {"None", "1Staple(Left)", "1Staple(Right)", "2StapleWide", "2StapleNormal", "2StapleNarrow"}},
    {"QZPunch", {"None", "2holes", "3holes", "4holes", "GBCStreampunch"}},
    {"QZRingBindMode", {"False", "True"}},
    {"QZRingBindFrontFace", {"Inside", "Outside"}},
    {"QZRingBindBackFace", {"Inside", "Outside"}},
    {"QZOutputOrder", {"FaceDown", "FaceUp"}},
    {"QZNto1", {"False", "True"}},
    {"QZCollate", {"Sort", "Group"}},
    {"QZPile", {"False", "True"}},
    {"QZFoldMode", {"None", "ZFold1", "ZFold2", "MultiLetterFold", "MultiCenterFold"}},
    {"QZFoldDirection", {"Inside", "Outside"}},
    {"QZFoldStitch", {"False", "True"}},
    {"QZFoldTrim", {"False", "True"}},
    {"QZSquareFold", {"False", "True"}},
    {"QZSquareFoldStrength", {"Weak2", "Weak", "Normal", "Strong", "Strong2"}},
    {"QZMediaType", {"NoSet", "Plain", "Bond", "Book", "Rough", "Interleaved"}},
    {"QZMediaWeight",
     {"NoSet", "Thin2", "Thin", "Normal", "Thick", "Thick2", "Thick3", "Thick4", "Thick5", "Thick6",
      "Thick7"}},
    {"QZMediaColor", {"NoSet", "White", "Clear", "Yellow", "Pink", "Blue", "Green"}},
    {"QZMediaPrepunched", {"False", "True"}},
    {"QZPIFrontCoverTray", {"None", "PITray1", "PITray2"}},
    {"QZFrontCoverTray", {"None", "Tray1", "Tray2", "Tray3", "Tray4", "Tray5"}},
    {"QZFrontCoverPrinted", {"False", "True"}},
    {"QZBackCoverTray", {"None", "Tray1", "Tray2", "Tray3", "Tray4", "Tray5"}},
    {"QZBackCoverPrinted", {"False", "True"}},
    {"QZPIBackCoverTray", {"None", "PITray1", "PITray2"}},
    {"QZPerfectBindMode", {"None", "Blank", "1in1P", "1in1L", "2in1", "3in1"}},
    {"QZPerfectBindTrim", {"False", "True"}},
    {"QZPerfectBindDuplex", {"False", "True"}},
    {"QZPerfectBindTray",
     {"Tray1", "Tray2", "Tray3", "Tray4", "Tray5", "Tray6", "Tray7", "Tray8", "Tray9", "Tray10",
      "Tray11", "PITray1", "PITray2", "PFUTray1", "PFUTray2", "PFUTray3", "PBTray"}},
    {"QZPerfectBindCrease", {"None", "Spine", "Gutter", "Both"}},
    {"Resolution", {"600dpi", "1200dpi"}},
    {"QZScreenDot",
     {"SimpleDot",
      "InvertedSimpleDot",
      "DoubleDot",
      "InvertedDoubleDot",
      "CosineDot",
      "Double",
      "InvertedDouble",
      "Line",
      "LineX",
      "LineY",
      "Round",
      "Ellipse",
      "EllipseA",
      "InvertedEllipseA",
      "EllipseB",
      "EllipseC",
      "InvertedEllipseC",
      "Square",
      "Cross",
      "Rhomboid",
      "Diamond"}},
    {"QZScreenFreq",
     {"40", "41", "43", "44", "46",  "48",  "50",  "52",  "55",  "57",  "60",  "63",  "67", "71",
      "75", "80", "86", "92", "100", "109", "120", "133", "150", "171", "200", "240", "300"}},
    {"QZScreenAngle", {"0.0",   "7.5",   "15.0",  "22.5",  "30.0",  "37.5",  "45.0",  "52.5",
                       "60.0",  "67.5",  "75.0",  "82.5",  "90.0",  "97.5",  "105.0", "112.5",
                       "120.0", "127.5", "135.0", "142.5", "150.0", "157.5", "165.0", "172.5"}},
    {"QZPrintQuality", {"Normal", "Draft", "TonerSave"}},
    {"QZImageDensity", {"Level1", "Level2", "Level3", "Level4", "Level5", "Normal", "Heavy"}},
    {"QZSmoothing", {"None", "Dark", "Medium", "Light"}},
    {"QZThinning", {"None", "Level1", "Level2", "Level3", "Level4"}},
    {"QZThinObject", {"Text", "All"}},
    {"QZUseCIEColor", {"False", "True"}},
    {"QZImageShift", {"False", "True", "False"}},
    {"QZPrintPosition", {"Left", "Middle", "Right"}},
    {"QZDateStamp", {"None", "All", "FrontOnly"}},
    {"QZJimonMode", {"Off", "On"}},
    {"QZJimonBackPattern", {"Pattern1", "Pattern2", "Pattern3"}},
    {"QZJimonPatternIndex", {"Pattern1", "Pattern2", "Pattern3", "Pattern4"}},
    {"QZTandem", {"None", "On"}},
    {"QZWaitMode", {"None", "ProofMode", "Proof1stSheet", "Wait", "HoldPrint", "None"}},
    {"QZOffset", {"False", "True"}},
};

TEST(CollectSupportedPpdOptions, ListsTheHandledOptionsInOrder) {
    SupportedPpdOptionList list = {{"stale", {}}};
    collectSupportedPpdOptions(list);
    ASSERT_EQ(std::size(expectedOptions), list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        const ExpectedOption& expected = expectedOptions[i];
        EXPECT_EQ(expected.keyword, list[i].keyword) << i;
        PpdChoiceList pairs;
        for (const char* choice : expected.choices) pairs.push_back({expected.keyword, choice});
        EXPECT_EQ(pairs, list[i].choices) << expected.keyword;
    }
    EXPECT_EQ("PageSize", list[0].keyword);
    EXPECT_EQ("InputSlot", list[1].keyword);
    EXPECT_EQ("QZLayout", list[2].keyword);
    EXPECT_EQ("QZOffset", list.back().keyword);

    SupportedPpdOptionList again;
    collectSupportedPpdOptions(again);
    EXPECT_EQ(list, again);
}

TEST(AppendChoiceOptionPpdKeys, NeedsAKeywordAndOneChoiceKeyword) {
    SupportedPpdOptionList list;
    appendChoiceOptionPpdKeys(nullptr, duplexOption, list);
    EXPECT_THAT(list, IsEmpty());
    // The per-tray pre-punched options have choice keywords but no option keyword.
    appendChoiceOptionPpdKeys(mediaPrepunchedTray1Option.names.ppdName, mediaPrepunchedTray1Option,
                              list);
    EXPECT_THAT(list, IsEmpty());
    appendChoiceOptionPpdKeys("QZScreening", screeningOption, list);
    EXPECT_THAT(list, IsEmpty());

    // An empty keyword still counts as one.
    appendChoiceOptionPpdKeys("", duplexOption, list);
    ASSERT_EQ(1u, list.size());
    EXPECT_EQ((PpdChoiceList{{"", "False"}, {"", "True"}}), list[0].choices);
}

TEST(AddNumericPpdKeys, NeedsAKeywordAndTwoValues) {
    NumericOptionDescriptor zoom = zoomOption;
    SupportedPpdOptionList list;
    addNumericPpdKeys(zoom, list);
    EXPECT_THAT(list, IsEmpty());

    zoom.names.ppdName = "QZZoom";
    zoom.ppdValues[0] = "100";
    addNumericPpdKeys(zoom, list);
    EXPECT_THAT(list, IsEmpty());

    std::vector<std::string> values;
    for (std::size_t i = 0; i < maxPpdValueCount; ++i) values.push_back(std::to_string(25 + i));
    for (std::size_t i = 0; i < maxPpdValueCount; ++i) zoom.ppdValues[i] = values[i].c_str();
    addNumericPpdKeys(zoom, list);
    ASSERT_EQ(1u, list.size());
    EXPECT_EQ("QZZoom", list[0].keyword);
    ASSERT_EQ(maxPpdValueCount, list[0].choices.size());
    EXPECT_EQ((PpdChoice{"QZZoom", "83"}), list[0].choices.back());

    zoom.ppdValues[3] = nullptr;
    addNumericPpdKeys(zoom, list);
    ASSERT_EQ(2u, list.size());
    EXPECT_EQ(3u, list[1].choices.size());
}

}  // namespace
}  // namespace pd
