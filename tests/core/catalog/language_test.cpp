#include "core/catalog/language.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/preferred_languages.h"
#include "tests/core/catalog/holds_no_pointer.h"

namespace pd {
namespace {

static_assert(holdsNoPointer<LanguageCodeRow>(), "the table needs no relocation");

using Entries = std::vector<std::string>;
using Numbers = std::vector<LanguageNumber>;

TEST(LanguageNumberOfEntry, FollowsCodeAndSubCode) {
    const struct {
        const char* entry;
        std::optional<LanguageNumber> number;
    } cases[] = {
        {"en", 1},
        {"en-GB", 1},
        {"en-US", 0},
        {"en_CA", 0},
        {"en-CB", 0},
        {"ja", 2},
        {"ja-JP", 2},
        {"de", 3},
        {"fr-FR", 4},
        {"pt-BR", 7},
        {"zh-Hans", 13},
        {"zh-Hans-CN", 13},
        {"zh-SG", 13},
        {"zh-CN", 13},
        {"zh_CN", 13},
        {"zh-Hant", 12},
        {"zh-TW", 12},
        {"zh_HK", 12},
        {"zh-MO", 12},
        {"zh", 12},
        {"zh-Hant-CN", 12},
        {"nl-BE", 9},
        {"sv", 47},
        {"sv-FI", 46},
        {"sr", 43},
        {"sr-BA", 40},
        {"sr-Latn", 41},
        {"sr-SP", 42},
        {"sr-Latn-BA", 41},
        {"uk", 48},
        {"ko:KR", 14},
        {"EN", std::nullopt},
        {"Ja", std::nullopt},
        {"", std::nullopt},
        {"-US", std::nullopt},
        {"xx-YY", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(languageNumberOfEntry(c.entry), c.number) << c.entry;
}

TEST(LanguageCodeTable, NumbersAreEachUsedOnce) {
    std::vector<bool> seen(languageCodeRowCount, false);
    for (const LanguageCodeRow& row : languageCodeTable) {
        ASSERT_LT(row.number, languageCodeRowCount);
        EXPECT_FALSE(seen[row.number]) << row.number;
        seen[row.number] = true;
    }
}

TEST(LanguageSelection, FirstPreferredLanguageTheDriverHasWins) {
    const struct {
        Entries entries;
        Numbers numbers;
        LanguageIndex index;
    } cases[] = {
        {{"fr-FR", "de"}, {4, 3}, languageFrench},
        {{"pt-BR", "it"}, {7, 5}, languageItalian},
        {{"zh-Hans"}, {13}, languageSimplifiedChinese},
        {{"zh-Hans-CN"}, {13}, languageSimplifiedChinese},
        {{"zh-CN"}, {13}, languageSimplifiedChinese},
        {{"zh-SG"}, {13}, languageSimplifiedChinese},
        {{"zh-Hant"}, {12}, languageTraditionalChinese},
        {{"zh-TW"}, {12}, languageTraditionalChinese},
        {{"zh_HK"}, {12}, languageTraditionalChinese},
        {{"en"}, {1}, languageUsEnglish},
        {{"en-GB", "de"}, {1, 3}, languageUsEnglish},
        {{"ja-JP", "en-US"}, {2, 0}, languageJapanese},
        {{"es", "ko"}, {6, 14}, languageSpanish},
        {{"ko-KR"}, {14}, languageKorean},
        {{"nl-BE", "ru", "de-AT"}, {9, 8, 3}, languageGerman},
        {{"de", "de"}, {3, 3}, languageGerman},
        {{"EN", "Ja", ""}, {}, languageUsEnglish},
        {{}, {}, languageUsEnglish},
    };
    for (const auto& c : cases) {
        const Numbers numbers = languageNumbersOfEntries(c.entries);
        EXPECT_EQ(numbers, c.numbers) << ::testing::PrintToString(c.entries);
        EXPECT_EQ(languageIndexOfNumbers(numbers), c.index) << ::testing::PrintToString(c.entries);
    }
}

TEST(LanguageSelection, NumbersWithoutALanguageAreSkipped) {
    for (LanguageNumber number = 0; number <= languageNumberEnd; ++number) {
        const bool selectsOne = number <= 6 || (number >= 12 && number <= 14);
        // A German entry stands behind each number: it decides only when the number is skipped.
        const bool germanDecides = languageIndexOfNumbers(Numbers{number, 3}) == languageGerman;
        EXPECT_EQ(germanDecides, !selectsOne || number == 3) << number;
    }
}

TEST(LanguageVersionIndex, FollowsThePpdLanguageUnlessItIsEnglishOrUnknown) {
    const LanguageIndex system = systemLanguageIndex();
    const struct {
        const char* languageVersion;
        LanguageIndex index;
    } cases[] = {
        {"Japanese", languageJapanese},
        {"German", languageGerman},
        {"French", languageFrench},
        {"Italian", languageItalian},
        {"Spanish", languageSpanish},
        {"TradChinese", languageTraditionalChinese},
        {"SimplChinese", languageSimplifiedChinese},
        {"Korean", languageKorean},
        {"English", system},
        {"japanese", system},
        {"SimplifiedChinese", system},
        {"Portuguese", system},
        {"", system},
        {nullptr, system},
    };
    for (const auto& c : cases)
        EXPECT_EQ(languageVersionIndex(c.languageVersion), c.index)
            << (c.languageVersion ? c.languageVersion : "(none)");
}

// The preferred language list is read once per process, so each of these runs in a fresh
// process of its own and reports the language it ends up with through its exit code (100 when a
// step in between went wrong).
constexpr int stepFailed = 100;

int languageReadOnce() {
    const FakePreferredLanguages fake(Entries{"pt-BR", "fr-FR", "de"});
    const Numbers& first = preferredLanguageNumbers();
    const FakePreferredLanguages changed(Entries{"ja"});
    if (&preferredLanguageNumbers() != &first || first != Numbers{7, 4, 3}) return stepFailed;
    return static_cast<int>(systemLanguageIndex());
}

int languageWithoutPreference() {
    const FakePreferredLanguages fake(std::nullopt);
    if (!preferredLanguageNumbers().empty()) return stepFailed;
    return static_cast<int>(systemLanguageIndex());
}

int languageOfFilter() {
    const FakePreferredLanguages fake(Entries{"ja-JP"});
    if (!usePreferredLanguagesOfFilter() || preferredLanguageNumbers() != Numbers{0})
        return stepFailed;
    return static_cast<int>(systemLanguageIndex());
}

// A Japanese PPD wins over the French user; an English one leaves the French user's choice.
int languageOfPpds() {
    const FakePreferredLanguages fake(Entries{"fr-FR", "de"});
    if (languageVersionIndex("Japanese") != languageJapanese ||
        languageVersionIndex(nullptr) != languageFrench)
        return stepFailed;
    return static_cast<int>(languageVersionIndex("English"));
}

int languageOfLateFilter() {
    const FakePreferredLanguages fake(Entries{"ja-JP"});
    preferredLanguageNumbers();
    if (usePreferredLanguagesOfFilter()) return stepFailed;
    return static_cast<int>(systemLanguageIndex());
}

class PreferredLanguagesOfProcess : public ::testing::Test {
  protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(PreferredLanguagesOfProcess, AreReadOnceFromTheSystem) {
    EXPECT_EXIT(std::exit(languageReadOnce()), ::testing::ExitedWithCode(languageFrench), "");
}

TEST_F(PreferredLanguagesOfProcess, NoPreferenceGivesUsEnglish) {
    EXPECT_EXIT(std::exit(languageWithoutPreference()),
                ::testing::ExitedWithCode(languageUsEnglish), "");
}

TEST_F(PreferredLanguagesOfProcess, PpdLanguageFallsBackToTheUsersLanguage) {
    EXPECT_EXIT(std::exit(languageOfPpds()), ::testing::ExitedWithCode(languageFrench), "");
}

TEST_F(PreferredLanguagesOfProcess, FilterAnswersUsEnglishForEveryUser) {
    EXPECT_EXIT(std::exit(languageOfFilter()), ::testing::ExitedWithCode(languageUsEnglish), "");
}

TEST_F(PreferredLanguagesOfProcess, FilterModeComesTooLateOnceTheListIsRead) {
    EXPECT_EXIT(std::exit(languageOfLateFilter()), ::testing::ExitedWithCode(languageJapanese), "");
}

}  // namespace
}  // namespace pd
