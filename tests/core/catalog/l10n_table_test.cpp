#include "core/catalog/l10n_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalog/localized_text.h"
#include "core/catalog/option_catalogue.h"

namespace pd {
namespace {

constexpr std::uint32_t largest = std::numeric_limits<std::uint32_t>::max();

std::u32string text(LanguageIndex language, std::uint32_t row) {
    return getLocalizedText(language, row);
}

bool isEmptyRow(std::uint32_t row) {
    return row == 543 || (row >= 772 && row <= 791);
}

TEST(L10nTable, EveryRowButTheEmptyOnesHasATextInAllNineColumns) {
    for (std::uint32_t row = 0; row < l10nRowCount; ++row) {
        for (std::uint32_t column = 0; column < l10nColumnCount; ++column) {
            const char32_t* cell = l10nTable[row].text[column];
            ASSERT_NE(cell, nullptr) << row << "/" << column;
            EXPECT_EQ(cell[0] == 0, isEmptyRow(row)) << "row " << row << ", column " << column;
        }
    }
}

TEST(L10nTable, KeysAreUniqueAndWellFormed) {
    std::set<std::u32string> keys;
    for (std::uint32_t row = 0; row < l10nRowCount; ++row) {
        ASSERT_NE(l10nTable[row].key, nullptr) << row;
        const std::u32string key = l10nTable[row].key;
        EXPECT_TRUE(key.starts_with(U"L10N_")) << row;
        for (const char32_t c : key)
            EXPECT_TRUE((c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') || c == U'_') << row;
        EXPECT_TRUE(keys.insert(key).second) << row;
    }
    EXPECT_EQ(std::u32string(l10nTable[0].key), U"L10N_LBL_LANGUAGE_VERSION");
    EXPECT_EQ(std::u32string(l10nTable[119].key), U"L10N_LBL_TARGETPAPERSIZE");
    EXPECT_EQ(std::u32string(l10nTable[1308].key), U"L10N_OPT_LANGUAGE_KEYS");
}

TEST(GetLocalizedText, MapsEachLanguageToItsColumn) {
    // Row 2 names each column's own language.
    const char32_t* const native[] = {U"English",  U"日本語",   U"Deutsch",
                                      U"Français", U"Italiano", U"Español",
                                      U"中國傳統", U"简体中文", U"한국어"};
    for (LanguageIndex language = 0; language < 9; ++language)
        EXPECT_EQ(text(language, 2), native[language]) << language;
    EXPECT_EQ(text(languageGerman, 5), U"Deutsch");
    EXPECT_EQ(text(languageFrench, 5), U"Allemand");
    EXPECT_EQ(text(languageItalian, 5), U"Tedesco");
    EXPECT_EQ(text(languageUsEnglish, 0), U"US - 207");
    EXPECT_EQ(text(languageGerman, 0), U"DE - 207");
    EXPECT_EQ(text(languageSimplifiedChinese, 1), U"0x0004");
}

TEST(GetLocalizedText, LanguagesAbove8ReadUsEnglish) {
    for (const LanguageIndex language : {languageFollowSystem, 100u, largest}) {
        EXPECT_EQ(text(language, 5), U"German") << language;
        EXPECT_EQ(text(language, 0), U"US - 207") << language;
    }
}

TEST(GetLocalizedText, RowsPastTheTableAndEmptyRowsGiveTheEmptyText) {
    for (LanguageIndex language = 0; language <= 9; ++language) {
        for (const std::uint32_t row : {1309u, 5000u, largest}) {
            ASSERT_NE(getLocalizedText(language, row), nullptr);
            EXPECT_EQ(text(language, row), U"") << language << "/" << row;
        }
        EXPECT_EQ(text(language, 777), U"");
        EXPECT_EQ(text(language, 543), U"");
    }
}

TEST(GetLocalizedText, RowsThatTheProgramReliesOn) {
    EXPECT_EQ(text(languageUsEnglish, 1308), U"Key");
    EXPECT_EQ(text(languageUsEnglish, 119), U"Paper Size");
    EXPECT_EQ(text(languageUsEnglish, 534), U"Language");
    EXPECT_EQ(text(languageUsEnglish, 608), U"inch");
    // The labels of the panel's first three summary rows: page size, orientation, input slot.
    EXPECT_EQ(text(languageUsEnglish, pageSizeOption.titleRow), U"Original Size");
    EXPECT_EQ(text(languageUsEnglish, orientationOption.titleRow), U"Original Orientation");
    EXPECT_EQ(text(languageUsEnglish, inputSlotOption.titleRow), U"Paper Tray");
    const char32_t* const languageTitles[] = {U"English",
                                              U"French",
                                              U"German",
                                              U"Italian",
                                              U"Japanese",
                                              U"Spanish",
                                              U"Traditional Chinese",
                                              U"Simplified Chinese",
                                              U"Korean"};
    for (std::uint32_t i = 0; i < 9; ++i)
        EXPECT_EQ(text(languageUsEnglish, 3 + i), languageTitles[i]);
    for (LanguageIndex language = 0; language < 9; ++language) {
        EXPECT_EQ(text(language, 802), U"cm") << language;
        EXPECT_EQ(text(language, 1244), U"Trastivellonar") << language;
        EXPECT_EQ(text(language, 1307), U"ID") << language;
        EXPECT_EQ(text(language, 1308), U"Key") << language;
    }
}

TEST(GetLocalizedText, LanguageChoicesAreTitledByTheirLanguage) {
    const char32_t* const english[] = {U"English",
                                       U"Japanese",
                                       U"German",
                                       U"French",
                                       U"Italian",
                                       U"Spanish",
                                       U"Traditional Chinese",
                                       U"Simplified Chinese",
                                       U"Korean"};
    ASSERT_EQ(languageVersionOption.choiceCount, 9u);
    EXPECT_EQ(text(languageUsEnglish, languageVersionOption.titleRow), U"Language");
    for (LanguageIndex language = 0; language < 9; ++language) {
        const std::uint32_t row = languageVersionOption.choices[language].titleRow;
        EXPECT_EQ(text(languageUsEnglish, row), english[language]) << language;
    }
    // Each language names itself as row 2 does.
    EXPECT_EQ(text(languageGerman, languageVersionOption.choices[languageGerman].titleRow),
              text(languageGerman, 2));
    EXPECT_EQ(text(languageJapanese, languageVersionOption.choices[languageJapanese].titleRow),
              text(languageJapanese, 2));
}

// The media labels as the user sees them on the automatic tray's options.
TEST(GetLocalizedText, MediaChoicesShowTheirDocumentedLabels) {
    const struct {
        const ChoiceOptionDescriptor& option;
        std::vector<std::u32string> labels;
    } options[] = {
        {mediaTypeAutoOption,
         {U"No Setting", U"Plain Paper", U"Fine", U"Book/News", U"Embossed", U"Blank Insert"}},
        {mediaColorAutoOption,
         {U"No Setting", U"White", U"Transparent", U"Yellow", U"Pink", U"Blue", U"Green"}},
    };
    for (const auto& [option, labels] : options) {
        ASSERT_EQ(option.choiceCount, labels.size()) << option.titleRow;
        for (std::uint32_t i = 0; i < option.choiceCount; ++i)
            EXPECT_EQ(text(languageUsEnglish, option.choices[i].titleRow), labels[i]) << i;
    }
    ASSERT_EQ(mediaWeightAutoOption.choiceCount, 11u);
    EXPECT_EQ(text(languageUsEnglish, mediaWeightAutoOption.choices[0].titleRow), U"No Setting");
    EXPECT_EQ(text(languageUsEnglish, mediaWeightAutoOption.choices[1].titleRow), U"40-49 g/m²");
    EXPECT_EQ(text(languageUsEnglish, mediaWeightAutoOption.choices[10].titleRow), U"301-350 g/m²");
    // Every weight unit's no-setting row says what the type's and the colour's no-setting rows
    // say, in every language.
    const std::uint32_t noSetting = mediaTypeAutoOption.choices[0].titleRow;
    std::uint32_t weightRows = 0;
    for (std::uint32_t row = 0; row < l10nRowCount; ++row) {
        if (!std::u32string_view(l10nTable[row].key).starts_with(U"L10N_OPT_MEDIAWEIGHT_NOSET_"))
            continue;
        ++weightRows;
        for (LanguageIndex language = 0; language < 9; ++language)
            EXPECT_EQ(text(language, row), text(language, noSetting)) << row << "/" << language;
    }
    EXPECT_EQ(weightRows, 11u);
}

TEST(GetLocalizedText, TextsCompareWithRecordNames) {
    EXPECT_TRUE(localizedTextEquals("A4", getLocalizedText(languageUsEnglish, 125)));
    EXPECT_TRUE(localizedTextEquals("Deutsch", getLocalizedText(languageGerman, 5)));
    EXPECT_FALSE(localizedTextEquals("", getLocalizedText(languageUsEnglish, 777)));
    EXPECT_FALSE(localizedTextEquals("", getLocalizedText(languageUsEnglish, largest)));
}

}  // namespace
}  // namespace pd
