#include "panel/summary_items.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "core/catalog/localized_text.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/option_reading.h"
#include "core/catalog/paper_size.h"
#include "tests/panel/panel_test_support.h"

namespace pd {
namespace {

SummaryItemList itemsOf(const PdCoreData& record, LanguageIndex language = languageUsEnglish) {
    SummaryItemList items;
    buildSummaryItems(record, items, language);
    return items;
}

TEST(SummaryItems, DefaultRecordGivesTheRowsOfOptionsWithAPpdKeywordInRecordOrder) {
    const struct {
        const ChoiceOptionDescriptor* option;
        std::uint32_t titleRow;
        const char* label;
    } rows[] = {
        {&layoutOption, 13, "Imposition"},
        {&bindingOption, 27, "Binding Position"},
        {&nUpCountOption, 570, "Combination"},
        {&targetPaperSizeOption, 119, "Paper Size"},
        {&outputBinOption, 379, "Output Tray"},
        {&stapleOption, 31, "Staple"},
        {&punchOption, 45, "Punch"},
        {&printedSideFirstOption, 1199, "Printed Side for Top Sheet"},
        {&printedSideLastOption, 1200, "Printed Side for Last Sheet"},
        {&collateOption, 20, "Sort/Group"},
        {&foldOption, 55, "Fold"},
        {&foldDirectionOption, 613, "Folding Direction"},
        {&squareFoldStrengthOption, 71, "Spine Corner Forming Strength"},
        {&mediaTypeAutoOption, 198, "Type"},
        {&mediaWeightAutoOption, 203, "Weight"},
        {&mediaColorAutoOption, 205, "Color"},
        {&piFrontCoverTrayOption, 1303, "PI Front Cover Tray"},
        {&frontCoverTrayOption, 272, "Front Cover Tray"},
        {&backCoverTrayOption, 273, "Back Cover Tray"},
        {&piBackCoverTrayOption, 1304, "PI Back Cover Tray"},
        {&perfectBindModeOption, 649, "Cover Print Mode"},
        {&perfectBindTrayOption, 837, "Cover Tray"},
        {&perfectBindCreaseOption, 661, "Cover Crease"},
        {&resolutionOption, 395, "Resolution"},
        {&screenDotOption, 1051, "Dot Shape"},
        {&screenFreqOption, 1049, "Screen Frequency"},
        {&screenAngleOption, 1050, "Screen Angle"},
        {&printQualityOption, 1102, "Print Quality"},
        {&imageDensityOption, 1105, "Image Density Selection"},
        {&smoothingOption, 403, "Smoothing"},
        {&thinningOption, 1112, "Fine Line Precision"},
        {&thinObjectOption, 1117, "Object"},
        {&imageShiftTypeOption, 1119, "Image Shift Type"},
        {&printPositionOption, 404, "Image Position"},
        {&dateStampOption, 409, "Date/Time"},
        {&backPatternOption, 1126, "Back Pattern"},
        {&patternIndexOption, 1127, "Preset Stamp"},
        {&waitModeOption, 1136, "Print Mode"},
    };
    const SummaryItemList items = itemsOf(defaultCoreData());
    ASSERT_EQ(std::size(rows), items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto& row = rows[i];
        EXPECT_EQ(row.titleRow, row.option->titleRow) << row.label;
        EXPECT_EQ(row.label, items[i].label);
        EXPECT_EQ(makeLocalizedText(languageUsEnglish,
                                    row.option->choices[defaultChoiceIndex(*row.option)].titleRow),
                  items[i].value)
            << row.label;
    }
    EXPECT_EQ((SummaryItem{"Paper Size", "Default"}), items[3]);
    EXPECT_EQ((SummaryItem{"Screen Frequency", "120 lpi"}), items[25]);
}

TEST(SummaryItems, MediaRowsShowTheDocumentedLabels) {
    PdCoreData record = defaultCoreData();
    const auto mediaRows = [](const SummaryItemList& items) {
        return SummaryItemList(items.begin() + 13, items.begin() + 16);
    };
    EXPECT_EQ(mediaRows(itemsOf(record)),
              (SummaryItemList{
                  {"Type", "No Setting"}, {"Weight", "No Setting"}, {"Color", "No Setting"}}));
    record.DtMediaTypeAuto.set(2);
    record.DtMediaColorAuto.set(2);
    record.DtMediaWeightAuto.set(0);
    EXPECT_EQ(
        mediaRows(itemsOf(record)),
        (SummaryItemList{{"Type", "Fine"}, {"Weight", "No Setting"}, {"Color", "Transparent"}}));
}

TEST(SummaryItems, VisitsEveryChoiceAndNumberMemberButThoseShownElsewhere) {
    const std::span<const MemberId> members = summaryMembers();
    ASSERT_EQ(181u, members.size());
    EXPECT_EQ(MemberId::DtPageSizeType, members.front());
    EXPECT_EQ(MemberId::DtAccountTrack, members.back());
    EXPECT_TRUE(std::is_sorted(members.begin(), members.end()));
    std::size_t choices = 0;
    std::size_t numbers[3] = {};
    for (const MemberId id : members) {
        const CoreDataMember& member = coreDataMember(id);
        if (member.choiceOption != nullptr) ++choices;
        if (member.form == StoredForm::uint16) ++numbers[0];
        if (member.form == StoredForm::uint32) ++numbers[1];
        if (member.form == StoredForm::int32) ++numbers[2];
    }
    // The target paper size among the choices.
    EXPECT_EQ(133u, choices);
    EXPECT_EQ(14u, numbers[0]);
    EXPECT_EQ(21u, numbers[1]);
    EXPECT_EQ(13u, numbers[2]);
    for (const MemberId shownElsewhere :
         {MemberId::DtPageSize, MemberId::DtInputSlot, MemberId::DtCustomPageSizeWidth,
          MemberId::DtCustomPageSizeHeight, MemberId::DtCustomTargetPaperSizeWidth,
          MemberId::DtCustomTargetPaperSizeHeight, MemberId::DtJobForm}) {
        EXPECT_EQ(members.end(), std::find(members.begin(), members.end(), shownElsewhere))
            << coreDataMember(shownElsewhere).name;
    }
}

TEST(SummaryItems, ShowsTheDefaultChoiceForAnIndexOutOfRangeAndNoRowWithoutAPpdKeyword) {
    PdCoreData record = defaultCoreData();
    const SummaryItemList defaults = itemsOf(record);
    // An on/off option whose choices have no title, and numbers, whose options have no PPD
    // keyword, write no row whatever their values.
    record.DtDuplex.set(1);
    record.DtNumCopies.set(99);
    record.DtGutter.set(-50000);
    record.DtSlitPositionTop.set(150000);
    record.DtStaple.set(7);
    record.DtTargetPaperSize.set(38);
    EXPECT_EQ(defaults, itemsOf(record));
    record.DtStaple.set(255);
    EXPECT_EQ(defaults, itemsOf(record));

    record.DtStaple.set(2);
    const SummaryItemList stapled = itemsOf(record);
    EXPECT_EQ("Staple", stapled[5].label);
    EXPECT_EQ(makeLocalizedText(languageUsEnglish, stapleOption.choices[2].titleRow),
              stapled[5].value);
    EXPECT_NE(defaults[5].value, stapled[5].value);

    // A list that holds rows is emptied first.
    SummaryItemList items = {{"stale", "row"}};
    buildSummaryItems(defaultCoreData(), items, languageUsEnglish);
    EXPECT_EQ(defaults, items);
}

TEST(SummaryItems, TextsAreInTheGivenLanguage) {
    const SummaryItemList items = itemsOf(defaultCoreData(), languageJapanese);
    ASSERT_EQ(38u, items.size());
    EXPECT_EQ(makeLocalizedText(languageJapanese, layoutOption.titleRow), items[0].label);
    EXPECT_EQ(makeLocalizedText(languageJapanese, layoutOption.choices[0].titleRow),
              items[0].value);
    EXPECT_NE(itemsOf(defaultCoreData())[0].label, items[0].label);
    // Any other number reads as US English.
    EXPECT_EQ(itemsOf(defaultCoreData()), itemsOf(defaultCoreData(), 9));
}

// The target paper size's row on its own, in a context with the given unit.
SummaryItemList targetRow(const PdCoreData& record, std::uint32_t inchFlag,
                          LanguageIndex language = languageUsEnglish,
                          const ChoiceOptionDescriptor& option = targetPaperSizeOption) {
    SummaryItemList items;
    const SummaryContext context{items, record, language, inchFlag};
    addTargetPaperSizeSummaryItem(record.DtTargetPaperSize.get(), option, context);
    return items;
}

PdCoreData customTarget(const char* name, std::uint32_t width, std::uint32_t height) {
    PdCoreData record = defaultCoreData();
    record.DtTargetPaperSize.set(customTargetPaperSize);
    record.DtTargetPaperSizeName.assign(name);
    record.DtCustomTargetPaperSizeWidth.set(width);
    record.DtCustomTargetPaperSizeHeight.set(height);
    return record;
}

TEST(TargetPaperSizeSummaryItem, SpellsOutACustomSizeInTheUsersUnit) {
    const struct {
        const char* name;
        std::uint32_t width;
        std::uint32_t height;
        std::uint32_t inchFlag;
        LanguageIndex language;
        const char* value;
    } cases[] = {
        {"Poster", 2159000, 2794000, 1, languageUsEnglish, "Poster (8.50x11.00 inch)"},
        {"Poster", 2159000, 2794000, 0, languageUsEnglish, "Poster (21.6x27.9 cm)"},
        {"Poster", 2159000, 2794000, 1, languageGerman, "Poster (8.50x11.00 Zoll)"},
        {"Poster", 2159000, 2794000, 0, languageFrench, "Poster (21.6x27.9 cm)"},
        {"Poster", 2159000, 2794000, 1, languageJapanese, "Poster (8.50x11.00 \u30A4\u30F3\u30C1)"},
        {"", 2100000, 2970000, 1, languageUsEnglish, " (8.27x11.69 inch)"},
        {"", 2100000, 2970000, 0, languageUsEnglish, " (21.0x29.7 cm)"},
        {"Zero", 0, 0, 1, languageUsEnglish, "Zero (0.00x0.00 inch)"},
        {"Zero", 0, 0, 0, languageUsEnglish, "Zero (0.0x0.0 cm)"},
        // Lengths are rounded half up to thousandths of a millimetre before they are shown.
        {"Half", 4995, 4994, 0, languageUsEnglish, "Half (0.1x0.0 cm)"},
        {"Most", 0xFFFFFFFF, 1, 0, languageUsEnglish, "Most (42949.7x0.0 cm)"},
    };
    for (const auto& c : cases) {
        const SummaryItemList items =
            targetRow(customTarget(c.name, c.width, c.height), c.inchFlag, c.language);
        ASSERT_EQ(1u, items.size()) << c.value;
        EXPECT_EQ(makeLocalizedText(c.language, 119), items[0].label);
        EXPECT_EQ(c.value, items[0].value);
    }
}

TEST(TargetPaperSizeSummaryItem, TakesTheNameUpToItsNulAndNeverBeyondItsMember) {
    PdCoreData record = customTarget("", 2159000, 2794000);
    std::memset(record.DtTargetPaperSizeName.bytes, 'N', sizeof record.DtTargetPaperSizeName);
    // The member that follows must not be read as part of the name.
    record.DtScaleToFit.set('S');
    const SummaryItemList items = targetRow(record, 0);
    ASSERT_EQ(1u, items.size());
    EXPECT_EQ(std::string(128, 'N') + " (21.6x27.9 cm)", items[0].value);

    record.DtTargetPaperSizeName.bytes[6] = '\0';
    EXPECT_EQ("NNNNNN (21.6x27.9 cm)", targetRow(record, 0)[0].value);
}

TEST(TargetPaperSizeSummaryItem,
     AStandardIndexShowsItsChoiceAndEveryIndexAboveTheCustomOneTheDefault) {
    PdCoreData record = defaultCoreData();
    for (const std::uint8_t index : {std::uint8_t{0}, std::uint8_t{5}, std::uint8_t{36}}) {
        record.DtTargetPaperSize.set(index);
        const SummaryItemList items = targetRow(record, 1);
        ASSERT_EQ(1u, items.size());
        EXPECT_EQ(
            makeLocalizedText(languageUsEnglish, targetPaperSizeOption.choices[index].titleRow),
            items[0].value);
    }
    for (const std::uint8_t index : {std::uint8_t{38}, std::uint8_t{255}}) {
        record.DtTargetPaperSize.set(index);
        EXPECT_EQ((SummaryItemList{{"Paper Size", "Default"}}), targetRow(record, 1));
    }
    // Without a title there is no row.
    ChoiceOptionDescriptor untitled = targetPaperSizeOption;
    untitled.titleRow = noTitleRow;
    EXPECT_TRUE(targetRow(record, 1, languageUsEnglish, untitled).empty());
}

TEST(NumericSummaryItem, ShowsTheValueInTheDisplayedUnitWhenTheOptionHasAPpdKeyword) {
    NumericOptionDescriptor option = customTargetPaperSizeWidthOption;
    option.names.ppdName = "QZLength";
    option.titleRow = 119;
    const struct {
        std::int64_t value;
        std::uint32_t divisor;
        const char* text;
    } cases[] = {
        {25999, 10000, "2"},
        {-25999, 10000, "-2"},
        {-9999, 10000, "0"},
        {0xFFFFFFFF, 1, "4294967295"},
        {-2147483648LL, 1, "-2147483648"},
        // A divisor of 0 counts as 1.
        {17, 0, "17"},
    };
    for (const auto& c : cases) {
        option.divisor = c.divisor;
        SummaryItemList items;
        const SummaryContext context{items, defaultCoreData(), languageUsEnglish, 0};
        addSummaryItem(c.value, option, context);
        EXPECT_EQ((SummaryItemList{{"Paper Size", c.text}}), items) << c.value;
    }
    SummaryItemList items;
    const SummaryContext context{items, defaultCoreData(), languageUsEnglish, 0};
    option.titleRow = noTitleRow;
    addSummaryItem(std::int64_t{5}, option, context);
    option.titleRow = 119;
    option.names.ppdName = nullptr;
    addSummaryItem(std::int64_t{5}, option, context);
    EXPECT_TRUE(items.empty());
}

}  // namespace
}  // namespace pd
