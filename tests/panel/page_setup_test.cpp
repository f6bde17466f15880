#include "panel/page_setup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/base/multi_encoded_string.h"
#include "core/catalog/localized_text.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/paper_size.h"
#include "core/record/default_record.h"
#include "tests/panel/panel_test_support.h"

namespace pd {
namespace {

std::string nameOf(const PdPlatformData& setup) {
    return std::string(reinterpret_cast<const char*>(setup.DtPageSizeName.bytes));
}

std::string paperTitle(LanguageIndex language, std::uint32_t paperId) {
    const MultiEncodedString title(
        getLocalizedText(language, pageSizeOption.choices[paperId].titleRow));
    return title.utf8.get();
}

PdPlatformData setupOf(const MemoryPageFormat* page, LanguageIndex language = languageUsEnglish) {
    PdPlatformData setup;
    fillPageSetup(setup, page, language, defaultCoreData());
    return setup;
}

MemoryPageFormat pageWith(std::optional<Paper> paper, bool custom,
                          PageOrientation orientation = PageOrientation::portrait) {
    MemoryPageFormat page;
    page.setPaper(std::move(paper));
    page.setProperties(customPaperProperties(custom));
    page.setOrientation(orientation);
    return page;
}

TEST(PageSetup, ACustomPaperKeepsItsNameAndItsSizeInPoints) {
    const MemoryPageFormat page = pageWith(Paper{"Poster 8½", 612, 792}, true);
    const PdPlatformData setup = setupOf(&page);
    EXPECT_EQ(noPaperId, setup.DtPageSize.get());
    EXPECT_EQ("Poster 8½", nameOf(setup));
    EXPECT_EQ(2159000u, setup.DtCustomPageSizeWidth.get());
    EXPECT_EQ(2794000u, setup.DtCustomPageSizeHeight.get());
    EXPECT_EQ(0, setup.DtOrientation.get());
}

TEST(PageSetup, AStandardPaperIsTheTablesPaperNamedInThePpdsLanguage) {
    const MemoryPageFormat a4 = pageWith(Paper{"whatever the host calls it", 595, 842}, false);
    const PdPlatformData a4Setup = setupOf(&a4);
    EXPECT_EQ(a4PaperId, a4Setup.DtPageSize.get());
    EXPECT_EQ("A4", nameOf(a4Setup));
    EXPECT_EQ(2100000u, a4Setup.DtCustomPageSizeWidth.get());
    EXPECT_EQ(2970000u, a4Setup.DtCustomPageSizeHeight.get());
    // Letter's size without the custom flag is Letter, named in the language asked for.
    const MemoryPageFormat letter = pageWith(Paper{"", 612, 792}, false);
    for (const LanguageIndex language : {languageUsEnglish, languageJapanese}) {
        const PdPlatformData setup = setupOf(&letter, language);
        EXPECT_EQ(letterPaperId, setup.DtPageSize.get());
        EXPECT_EQ(paperTitle(language, letterPaperId), nameOf(setup));
        EXPECT_EQ(2159000u, setup.DtCustomPageSizeWidth.get());
    }
    EXPECT_NE(paperTitle(languageUsEnglish, letterPaperId),
              paperTitle(languageJapanese, letterPaperId));
    // A size that no standard paper has is an unnamed custom size.
    const MemoryPageFormat odd = pageWith(Paper{"Odd", 600.5, 700}, false);
    const PdPlatformData oddSetup = setupOf(&odd);
    EXPECT_EQ(noPaperId, oddSetup.DtPageSize.get());
    EXPECT_EQ("", nameOf(oddSetup));
    EXPECT_EQ(2118430u, oddSetup.DtCustomPageSizeWidth.get());
}

TEST(PageSetup, OnlyLandscapeOrientationsAreLandscape) {
    const struct {
        PageOrientation orientation;
        std::uint8_t expected;
    } cases[] = {{PageOrientation::portrait, 0},
                 {PageOrientation::landscape, 1},
                 {PageOrientation::reversePortrait, 0},
                 {PageOrientation::reverseLandscape, 1}};
    for (const auto& c : cases) {
        const MemoryPageFormat page = pageWith(Paper{"A4", 595, 842}, false, c.orientation);
        EXPECT_EQ(c.expected, setupOf(&page).DtOrientation.get());
    }
}

TEST(PageSetup, WithoutAPaperThatTheRecordCanHoldTheRecordKeepsItsOwn) {
    PdCoreData current = defaultCoreData();
    current.DtPageSize.set(noPaperId);
    current.DtCustomPageSizeWidth.set(1234567);
    current.DtCustomPageSizeHeight.set(2345678);
    std::memcpy(current.DtPageSizeName.bytes, "Mine", 5);
    current.DtOrientation.set(1);

    const MemoryPageFormat noPaper = pageWith(std::nullopt, false);
    const MemoryPageFormat noSize = pageWith(Paper{"Empty", 0, 842}, true);
    const MemoryPageFormat tooSmall = pageWith(Paper{"Dot", 612, 0.001}, false);
    // Longer than the longest length of the record (60 m).
    const MemoryPageFormat tooLong = pageWith(Paper{"Banner", 612, 170080}, true);
    const MemoryPageFormat endless = pageWith(Paper{"Endless", 595, 1e271}, false);
    for (const MemoryPageFormat* page : {&noPaper, &noSize, &tooSmall, &tooLong, &endless,
                                         static_cast<const MemoryPageFormat*>(nullptr)}) {
        PdPlatformData setup;
        fillPageSetup(setup, page, languageUsEnglish, current);
        EXPECT_EQ(noPaperId, setup.DtPageSize.get());
        EXPECT_EQ("Mine", nameOf(setup));
        EXPECT_EQ(1234567u, setup.DtCustomPageSizeWidth.get());
        EXPECT_EQ(2345678u, setup.DtCustomPageSizeHeight.get());
        // Without a page format the record's orientation stands.
        EXPECT_EQ(page != nullptr ? 0 : platformNoOrientation, setup.DtOrientation.get());
    }
}

TEST(PageSetup, SizesInPointsThatAreNoLengthGiveNone) {
    EXPECT_EQ(215900u, pointsToMicrometres(612));
    EXPECT_EQ(1u, pointsToMicrometres(0.002));
    for (const double points :
         {0.0, -612.0, std::nan(""), -std::numeric_limits<double>::infinity()})
        EXPECT_EQ(0u, pointsToMicrometres(points)) << points;
    const std::uint32_t largest = pointsToMicrometres(std::numeric_limits<double>::infinity());
    EXPECT_EQ(largest, pointsToMicrometres(1e300));
    // Still a length once in the record's unit.
    EXPECT_LE(static_cast<std::uint64_t>(largest) * 10, 0xFFFFFFFFull);
}

TEST(InputSlotFromSettings, IsTheChoiceThatInputSlotNames) {
    const struct {
        std::optional<PrintSettingValue> value;
        std::uint8_t slot;
    } cases[] = {
        {std::nullopt, 0},
        {std::string("Tray1"), 1},
        {std::string("Tray5"), 5},
        {std::string("tray3"), platformNoInputSlot},
        {std::string("Tray9"), platformNoInputSlot},
        {std::string(""), platformNoInputSlot},
        {std::int64_t{3}, 0},
    };
    for (const auto& c : cases) {
        MemoryPrintSettings settings;
        settings.setValue("InputSlot", c.value);
        EXPECT_EQ(c.slot, inputSlotFromSettings(&settings));
    }
    EXPECT_EQ(0, inputSlotFromSettings(nullptr));
}

}  // namespace
}  // namespace pd
