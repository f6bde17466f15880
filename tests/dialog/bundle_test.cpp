#include "dialog/bundle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace pd {
namespace {

TEST(LocalizationSearchOrder, TriesEachTagThenItsShorterFormsThenEnglish) {
    const struct {
        PreferredLanguages languages;
        std::vector<std::string> order;
    } cases[] = {
        {std::vector<std::string>{"de-AT", "fr"}, {"de-AT", "de", "fr", "en"}},
        {std::vector<std::string>{"sr-Latn-RS"}, {"sr-Latn-RS", "sr-Latn", "sr", "en"}},
        {std::vector<std::string>{"en-GB", "de", "de-CH"}, {"en-GB", "en", "de", "de-CH"}},
        {std::vector<std::string>{}, {"en"}},
        {std::nullopt, {"en"}},
    };
    for (const auto& c : cases) EXPECT_EQ(c.order, localizationSearchOrder(c.languages));
}

TEST(StringsFile, SplitsEachLineAtItsFirstEqualsSign) {
    const StringsTable table = parseStringsFile(
        "##Settings=Einstellungen\r\n"
        "a line without a sign\n"
        "formula=a=b\n"
        "empty=\n"
        "##Settings=Later lines win");
    EXPECT_EQ((StringsTable{{"##Settings", "Later lines win"}, {"formula", "a=b"}, {"empty", ""}}),
              table);
}

// A bundle folder of the test's own.
struct BundleFolder : ::testing::Test {
    std::filesystem::path path = std::filesystem::path(PD_BINARY_DIR) / "bundle_test" /
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
    BundleFolder() {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path / "strings");
    }
    ~BundleFolder() override { std::filesystem::remove_all(path); }
    void write(const std::string& name, const std::string& text) {
        std::ofstream(path / name) << text;
    }
};

TEST_F(BundleFolder, LocalizedStringsFallBackToTheLanguageThenEnglishThenTheDefault) {
    write("strings/de.strings", "##Settings=Einstellungen\n");
    write("strings/de-AT.strings", "other=x\n");
    write("strings/en.strings", "##Settings=Settings\nonlyEnglish=English\n");
    const DirectoryBundle bundle(path.string());
    {
        const FakePreferredLanguages austrian(std::vector<std::string>{"de-AT"});
        EXPECT_EQ("Einstellungen", bundle.localizedString("##Settings", "fallback"));
        EXPECT_EQ("English", bundle.localizedString("onlyEnglish", "fallback"));
        EXPECT_EQ("fallback", bundle.localizedString("missing", "fallback"));
    }
    {
        const FakePreferredLanguages japanese(std::vector<std::string>{"ja-JP"});
        EXPECT_EQ("Settings", bundle.localizedString("##Settings", "fallback"));
    }
    {
        // A language tag never leaves the strings folder.
        const FakePreferredLanguages hostile(std::vector<std::string>{"../de"});
        EXPECT_EQ("Settings", bundle.localizedString("##Settings", "fallback"));
    }
    const DirectoryBundle empty((path / "none").string());
    EXPECT_EQ("fallback", empty.localizedString("##Settings", "fallback"));
}

TEST_F(BundleFolder, LoadsViewDescriptionsAndFindsHelperApplications) {
    write("PDE.view", "view pdeView\npanel hiddenModalPanel\n");
    write("Broken.view", "view\n");
    std::filesystem::create_directories(path / "helper.app");
    const DirectoryBundle bundle(path.string());

    const auto loaded = bundle.loadView("PDE");
    ASSERT_TRUE(loaded.has_value());
    EXPECT_NE(nullptr, loaded->view("pdeView"));
    EXPECT_NE(nullptr, loaded->panel("hiddenModalPanel"));
    EXPECT_FALSE(bundle.loadView("Broken").has_value());
    EXPECT_FALSE(bundle.loadView("Missing").has_value());
    EXPECT_FALSE(bundle.loadView("../bundle_test/PDE").has_value());

    EXPECT_EQ((path / "helper.app" / "helper").string(),
              bundle.applicationExecutablePath("helper.app"));
    EXPECT_FALSE(bundle.applicationExecutablePath("missing.app").has_value());
    EXPECT_FALSE(bundle.applicationExecutablePath("..").has_value());
    EXPECT_FALSE(bundle.applicationExecutablePath("strings/../helper.app").has_value());
}

TEST(MemoryBundle, AnswersFromItsTables) {
    MemoryBundle bundle;
    bundle.strings["fr"] = {{"##Settings", "Réglages"}};
    bundle.viewDescriptions["PDE"] = "view pdeView\n";
    bundle.applicationExecutables["helper.app"] = "/bin/true";
    const FakePreferredLanguages french(std::vector<std::string>{"fr-CA"});
    EXPECT_EQ("Réglages", bundle.localizedString("##Settings", "Settings"));
    EXPECT_EQ("Settings", bundle.localizedString("other", "Settings"));
    EXPECT_TRUE(bundle.loadView("PDE").has_value());
    EXPECT_FALSE(bundle.loadView("Other").has_value());
    EXPECT_EQ("/bin/true", bundle.applicationExecutablePath("helper.app"));
    EXPECT_FALSE(bundle.applicationExecutablePath("other.app").has_value());
}

}  // namespace
}  // namespace pd
