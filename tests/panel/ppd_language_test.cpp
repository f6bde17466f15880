// The PPD calls of libcups are marked deprecated; they remain the interface the driver works with.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "panel/ppd_language.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace pd {
namespace {

TEST(PpdLanguageIndex, FollowsThePpdRecordAndIsUsEnglishWithoutOne) {
    ppd_file_t ppd{};
    ppd.lang_version = const_cast<char*>("Japanese");
    EXPECT_EQ(ppdLanguageIndex(&ppd), languageJapanese);
    ppd.lang_version = nullptr;
    EXPECT_EQ(ppdLanguageIndex(&ppd), systemLanguageIndex());
    EXPECT_EQ(ppdLanguageIndex(nullptr), languageUsEnglish);
}

TEST(PpdLanguageIndex, ReadsTheLanguageVersionThatCupsReports) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("pd_language_" + std::to_string(getpid()) + ".ppd");
    {
        std::ofstream file(path);
        file << "*PPD-Adobe: \"4.3\"\n"
                "*FormatVersion: \"4.3\"\n"
                "*FileVersion: \"1.0\"\n"
                "*LanguageVersion: Korean\n"
                "*LanguageEncoding: UTF-8\n"
                "*PCFileName: \"TEST.PPD\"\n"
                "*Manufacturer: \"Test\"\n"
                "*Product: \"(Test)\"\n"
                "*ModelName: \"Test\"\n"
                "*ShortNickName: \"Test\"\n"
                "*NickName: \"Test\"\n"
                "*PSVersion: \"(3010.000) 0\"\n";
    }
    ppd_file_t* ppd = ppdOpenFile(path.c_str());
    std::filesystem::remove(path);
    ASSERT_NE(ppd, nullptr);
    EXPECT_EQ(ppdLanguageIndex(ppd), languageKorean);
    ppdClose(ppd);
}

}  // namespace
}  // namespace pd
