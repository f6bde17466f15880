#include "platform/custom_papers.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace pd {
namespace {

TEST(CustomPaperFile, SectionsBecomeEntriesInFileOrder) {
    const CustomPaperPreferences papers = parseCustomPapers(
        "stray=ignored\n"
        "[first]\n"
        "name = Poster 30x40 \r\n"
        "fromengine=true\n"
        "colour=red\n"
        "\n"
        "# a comment\n"
        "[second]\n"
        "fromengine=no\n"
        "[third]\n"
        "name=Banner\n"
        "fromengine=1");
    ASSERT_EQ(3u, papers.size());
    ASSERT_TRUE(papers[0] && papers[1] && papers[2]);
    EXPECT_EQ("Poster 30x40", papers[0]->name.value_or("?"));
    EXPECT_EQ(true, papers[0]->fromEngine);
    EXPECT_FALSE(papers[1]->name.has_value());
    EXPECT_EQ(false, papers[1]->fromEngine);
    EXPECT_EQ("Banner", papers[2]->name.value_or("?"));
    EXPECT_EQ(true, papers[2]->fromEngine);
    EXPECT_TRUE(parseCustomPapers("").empty());
    EXPECT_TRUE(parseCustomPapers("name=x\n[").empty());
}

// Points XDG_CONFIG_HOME at a directory of its own for the test's life.
struct ConfigHome : ::testing::Test {
    // One directory per test: ctest runs the tests of this file side by side.
    std::filesystem::path home = std::filesystem::path(PD_BINARY_DIR) / "custom_papers_test" /
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
    ConfigHome() {
        std::filesystem::remove_all(home);
        std::filesystem::create_directories(home / "printdriver");
        setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    }
    ~ConfigHome() override {
        unsetenv("XDG_CONFIG_HOME");
        setCustomPaperReader(nullptr);
        std::filesystem::remove_all(home);
    }
    void write(const std::string& text) {
        std::ofstream(home / "printdriver" / "custompapers", std::ios::binary) << text;
    }
};

TEST_F(ConfigHome, TheUsersFileIsReadOnlyOnceAProcessAsksForIt) {
    write("[a]\nname=Photo\nfromengine=true\n");
    EXPECT_EQ((home / "printdriver" / "custompapers").string(), customPapersPath());
    EXPECT_TRUE(readCustomPapers().empty());  // the default reads nothing, as the filter needs
    useUserCustomPapers();
    const CustomPaperPreferences papers = readCustomPapers();
    ASSERT_EQ(1u, papers.size());
    EXPECT_EQ("Photo", papers[0]->name.value_or("?"));
    setCustomPaperReader(nullptr);
    EXPECT_TRUE(readCustomPapers().empty());
}

TEST_F(ConfigHome, AMissingOrOversizedFileGivesNoPapers) {
    EXPECT_TRUE(userCustomPapers().empty());
    write("[a]\nname=" + std::string(2 << 20, 'x') + "\n");
    EXPECT_TRUE(userCustomPapers().empty());
}

TEST_F(ConfigHome, WithoutXdgConfigHomeTheFileLivesUnderHome) {
    unsetenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') GTEST_SKIP() << "no HOME";
    EXPECT_EQ(std::string(home) + "/.config/printdriver/custompapers", customPapersPath());
}

}  // namespace
}  // namespace pd
