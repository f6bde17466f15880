#include "core/catalog/option_reading.h"

#include <gtest/gtest.h>

#include "core/catalog/option_catalogue.h"

namespace pd {
namespace {

struct ChoiceCase {
    const ChoiceOptionDescriptor* option;
    std::uint32_t value;
    const char* expectedName;
};

TEST(OptionReading, ValueAtOrBeyondTheCountReadsAsTheDefault) {
    const ChoiceCase cases[] = {
        {&layoutOption, 3, "2in1"},
        {&layoutOption, 10, "None"},
        {&duplexOption, 2, "True"},
        {&duplexOption, 255, "True"},
        {&printedSideFirstOption, 2, "Outside"},
        {&squareFoldStrengthOption, 5, "Normal"},
        {&nUpCountOption, 13, "1"},
        {&outputBinOption, 3, "Auto"},
        {&perfectBindTrayOption, 17, "Tray1"},
        {&screenFreqOption, 0xFFFFFFFF, "120"},
        {&targetPaperSizeOption, 37, "Auto"},
    };
    for (const ChoiceCase& c : cases) {
        EXPECT_STREQ(choiceForValue(*c.option, c.value).name, c.expectedName) << c.value;
    }
}

TEST(OptionReading, OnlyTheLowByteOfTheDefaultIndexCounts) {
    ChoiceOptionDescriptor option = duplexOption;
    option.defaultIndex = 0x101;
    EXPECT_EQ(resolvedChoiceIndex(option, 7), 1u);
    option.defaultIndex = 0xFF;  // a low byte beyond the capacity must not index outside it
    EXPECT_EQ(resolvedChoiceIndex(option, 7), 0u);
}

TEST(OptionReading, DescriptorWithoutChoicesResolvesToItsEmptyFirstEntry) {
    for (const ChoiceOptionDescriptor* option :
         {&jobFormOption, &frontCoverMediaTypeOption, &appendResolutionOption}) {
        for (std::uint32_t value : {0u, 2u, 6u, 0xFFFFFFFFu}) {
            const OptionChoice& choice = choiceForValue(*option, value);
            EXPECT_EQ(choice.name, nullptr);
            EXPECT_FALSE(hasPpdChoice(choice));
            EXPECT_FALSE(isNameSet(choice.names.pjlName));
            EXPECT_FALSE(hasTitleRow(choice.titleRow));
        }
    }
}

TEST(OptionReading, MediaOnePastTheLastChoiceIsNotSpecified) {
    EXPECT_TRUE(isMediaNotSpecified(mediaTypeTray2Option, 6));
    EXPECT_TRUE(isMediaNotSpecified(mediaWeightAutoOption, 11));
    EXPECT_TRUE(isMediaNotSpecified(mediaColorTray5Option, 7));
    EXPECT_TRUE(isMediaNotSpecified(mediaPrepunchedTray1Option, 2));
    EXPECT_FALSE(isMediaNotSpecified(mediaTypeTray2Option, 5));
    EXPECT_FALSE(isMediaNotSpecified(mediaTypeTray2Option, 7));
    // Looked up among the choices, "not specified" reads as the default choice.
    EXPECT_STREQ(choiceForValue(mediaTypeTray2Option, 6).names.altName, "NoSet");
}

TEST(OptionReading, ChoiceByPpdKeywordTakesTheFirstExactMatch) {
    EXPECT_EQ(findChoiceByPpdName(inputSlotOption, "Tray3"), 3u);
    EXPECT_EQ(findChoiceByPpdName(inputSlotOption, "tray3"), std::nullopt);
    EXPECT_EQ(findChoiceByPpdName(inputSlotOption, ""), std::nullopt) << "Auto has no keyword";
    EXPECT_EQ(findChoiceByPpdName(languageVersionOption, "TradChinese"), 6u);
    EXPECT_EQ(findChoiceByPpdName(languageVersionOption, "TraditionalChinese"), std::nullopt);
    EXPECT_EQ(findChoiceByPpdName(languageVersionOption, "english"), std::nullopt);
    EXPECT_EQ(findChoiceByPpdName(waitModeOption, "None"), 0u) << "SecurePrint shares it";
    EXPECT_EQ(findChoiceByPpdName(jobFormOption, "None"), std::nullopt);
}

TEST(OptionReading, ChoiceTextDefaultsComeFromTheDefaultChoicesFirstName) {
    EXPECT_STREQ(defaultChoiceText(toneCurveOption), "OFF");
    EXPECT_EQ(defaultChoiceText(otherToneCurveOption), nullptr);
    EXPECT_EQ(defaultChoiceText(inputSlotPaperNameOption), nullptr);
    EXPECT_EQ(defaultChoiceText(perfectBindPaperNameOption), nullptr);
    EXPECT_STREQ(defaultChoiceText(mediaWeightTray1Option), "NoSet") << "the altName";
}

struct RangeCase {
    const NumericOptionDescriptor* option;
    std::int64_t value;
    bool valid;
};

TEST(OptionReading, NumbersAreComparedInTheirFormsSignedness) {
    const RangeCase cases[] = {
        {&numCopiesOption, 0, false},
        {&numCopiesOption, 1, true},
        {&numCopiesOption, 9999, true},
        {&numCopiesOption, 10000, false},
        {&offsetPagesCountOption, 65535, true},
        {&gutterOption, -2500000, true},
        {&gutterOption, -2500001, false},
        {&creepOption, -1, false},  // a creep with its top bit set reads negative
        {&tab1TextPositionOption, -100000, true},
        {&tab1HeightOption, 0x80000000ll, false},  // unsigned: a large positive number
        {&jobFormPageCountOption, 0, true},
        {&jobFormPageCountOption, 0xFFFFFFFFll, true},
        {&customPageSizeWidthOption, 600000001, false},
    };
    for (const RangeCase& c : cases)
        EXPECT_EQ(isNumberInRange(*c.option, c.value), c.valid) << c.value;

    NumericOptionDescriptor broken = zoomOption;
    broken.divisor = 0;
    EXPECT_EQ(effectiveDivisor(broken), 1u);
    EXPECT_EQ(effectiveDivisor(tab1FontSizeOption), 10u);
}

TEST(OptionReading, TextDefaults) {
    EXPECT_EQ(defaultTextOf(userAuthenticationUserNameOption), "NoName");
    EXPECT_EQ(defaultTextOf(accountTrackPasswordOption), "quillmar");
    EXPECT_EQ(defaultTextOf(pageSizeNameOption), "");
    EXPECT_EQ(defaultTextOf(snmpContextNameOption), "");
}

TEST(OptionReading, NullOrEmptyNamesWriteNothing) {
    EXPECT_FALSE(isNameSet(nullptr));
    EXPECT_FALSE(isNameSet(""));
    EXPECT_TRUE(isNameSet("QZLayout"));
    EXPECT_TRUE(takesPartInPpd(layoutOption));
    EXPECT_FALSE(takesPartInPpd(feedDirOption));
    EXPECT_FALSE(takesPartInPpd(numCopiesOption));
    EXPECT_FALSE(hasPpdChoice(stapleOption.choices[3]));
    EXPECT_TRUE(hasPpdChoice(stapleOption.choices[4]));
    EXPECT_FALSE(hasTitleRow(useCieColorOption.choices[0].titleRow));
    EXPECT_TRUE(hasTitleRow(layoutOption.titleRow));
}

TEST(OptionReading, PjlModesAdmitTheirJobKinds) {
    struct Case {
        PjlMode mode;
        bool kind1, kind2, kind3;
    } cases[] = {
        {.mode = PjlMode::never, .kind1 = false, .kind2 = false, .kind3 = false},
        {.mode = PjlMode::allJobKinds, .kind1 = true, .kind2 = true, .kind3 = false},
        {.mode = PjlMode::jobKind1Only, .kind1 = true, .kind2 = false, .kind3 = false},
        {.mode = PjlMode::jobKind2Only, .kind1 = false, .kind2 = true, .kind3 = false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pjlModeAdmits(c.mode, 1), c.kind1);
        EXPECT_EQ(pjlModeAdmits(c.mode, 2), c.kind2);
        EXPECT_EQ(pjlModeAdmits(c.mode, 0), false);
        EXPECT_EQ(pjlModeAdmits(c.mode, 3), c.kind3);
    }
    EXPECT_TRUE(isWrittenToPjl(layoutOption, 1));
    EXPECT_TRUE(isWrittenToPjl(nUpCountOption, 1));
    EXPECT_FALSE(isWrittenToPjl(nUpCountOption, 2));
    EXPECT_FALSE(isWrittenToPjl(inputSlotOption, 1)) << "only for job kind 2";
    EXPECT_FALSE(isWrittenToPjl(numCopiesOption, 1)) << "mode 1 but no PJL name";
}

TEST(OptionReading, ChoiceDefaultTextTakesTheFirstName) {
    OptionChoice choice;
    EXPECT_EQ(nullptr, choiceDefaultText(choice));
    choice.names.pjlName = "OFF";
    EXPECT_STREQ("OFF", choiceDefaultText(choice));
    choice.names.altName = "Alt";
    EXPECT_STREQ("Alt", choiceDefaultText(choice));
    choice.names.ppdName = "Ppd";
    EXPECT_STREQ("Ppd", choiceDefaultText(choice));
}

}  // namespace
}  // namespace pd
