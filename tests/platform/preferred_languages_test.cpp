#include "platform/preferred_languages.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace pd {
namespace {

TEST(LanguageTagFromLocaleName, MapsPosixLocaleNames) {
    const struct {
        const char* locale;
        std::optional<std::string> tag;
    } cases[] = {
        {"fr_FR.UTF-8", "fr-FR"}, {"zh_CN.UTF-8", "zh-CN"},      {"zh_TW.Big5", "zh-TW"},
        {"de_DE@euro", "de-DE"},  {"sr_RS@latin", "sr-Latn-RS"}, {"ja", "ja"},
        {"pt_BR", "pt-BR"},       {"ast_ES.UTF-8", "ast-ES"},    {"C", std::nullopt},
        {"POSIX", std::nullopt},  {"C.UTF-8", std::nullopt},     {"", std::nullopt},
        {"EN_us", std::nullopt},  {"_FR", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(languageTagFromLocaleName(c.locale), c.tag) << c.locale;
}

// The environment of one case, looked up through a plain function pointer.
const std::map<std::string, std::string>* currentEnvironment = nullptr;

const char* lookUp(const char* name) {
    const auto found = currentEnvironment->find(name);
    return found == currentEnvironment->end() ? nullptr : found->second.c_str();
}

TEST(PreferredLanguagesFromEnvironment, FollowsTheLocaleVariablesInOrder) {
    using Languages = std::vector<std::string>;
    const struct {
        std::map<std::string, std::string> environment;
        PreferredLanguages expected;
    } cases[] = {
        {{}, std::nullopt},
        {{{"LANG", ""}}, std::nullopt},
        {{{"LANG", "de_DE.UTF-8"}}, Languages{"de-DE"}},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, Languages{"fr-FR"}},
        {{{"LANG", "de_DE"}, {"LC_MESSAGES", "fr_FR"}, {"LC_ALL", "it_IT"}}, Languages{"it-IT"}},
        {{{"LANG", "de_DE"}, {"LC_ALL", ""}}, Languages{"de-DE"}},
        {{{"LANG", "de_DE"}, {"LANGUAGE", "ja_JP:zh_CN::ko"}}, Languages{"ja-JP", "zh-CN", "ko"}},
        {{{"LANGUAGE", "es"}}, Languages{"es"}},
        // "C" asks for untranslated texts whatever LANGUAGE says, as gettext has it.
        {{{"LANG", "C"}, {"LANGUAGE", "fr"}}, Languages{}},
        {{{"LC_ALL", "POSIX"}, {"LANG", "de_DE"}}, Languages{}},
        {{{"LANGUAGE", "C:nonsense"}}, Languages{}},
    };
    for (const auto& c : cases) {
        currentEnvironment = &c.environment;
        EXPECT_EQ(preferredLanguagesFromEnvironment(lookUp), c.expected)
            << ::testing::PrintToString(c.environment);
    }
    currentEnvironment = nullptr;
}

TEST(FakePreferredLanguages, AnswersItsListWhileItLivesAndNests) {
    const PreferredLanguages before = readPreferredLanguages();
    {
        const FakePreferredLanguages outer(std::vector<std::string>{"fr-FR", "de"});
        EXPECT_EQ(readPreferredLanguages(), (std::vector<std::string>{"fr-FR", "de"}));
        {
            const FakePreferredLanguages inner(std::nullopt);
            EXPECT_EQ(readPreferredLanguages(), std::nullopt);
        }
        EXPECT_EQ(readPreferredLanguages(), (std::vector<std::string>{"fr-FR", "de"}));
    }
    EXPECT_EQ(readPreferredLanguages(), before);
}

}  // namespace
}  // namespace pd
