#include "core/record/default_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/catalog/measurement.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/paper_size.h"
#include "core/record/layout_signature.h"
#include "platform/measurement_system.h"

namespace pd {
namespace {

PdCoreData defaultsFor(std::uint32_t paperId, LanguageIndex language) {
    PdCoreData record;
    fillDefaultCoreData(record, paperId, language);
    return record;
}

std::string bytesOf(std::span<const unsigned char> bytes) {
    return std::string(bytes.begin(), bytes.end());
}

template <typename Member>
std::string bytesOf(const Member& member) {
    return std::string(reinterpret_cast<const char*>(&member), sizeof member);
}

std::string textWithZeros(const std::string& text, std::size_t size) {
    std::string bytes = text;
    bytes.resize(size, '\0');
    return bytes;
}

TEST(DefaultRecord, MetricHostValues) {
    const PdCoreData record = defaultsFor(a4PaperId, languageUsEnglish);
    // The format's signature AC 9D 5F 4D, the favourite byte 0 and its word FF FF FF FF.
    EXPECT_EQ(std::string("\xAC\x9D\x5F\x4D", 4), bytesOf(record.layoutSignature));
    EXPECT_EQ(std::string("\x00\xFF\xFF\xFF\xFF", 5), bytesOf(coreDataBytes(record).subspan(4, 5)));
    EXPECT_EQ(1, record.DtPageSize.get());
    EXPECT_EQ(0, record.DtTab1PageSize.get());
    EXPECT_EQ(0, record.DtTab2PageSize.get());
    EXPECT_EQ(std::string("\x00\x06\x26\x38", 4), bytesOf(record.DtTab1Height));
    EXPECT_EQ(403'000u, record.DtTab2Height.get());
    EXPECT_EQ("ArialMT", record.DtTab1FontName.view());
    EXPECT_EQ("ArialMT", record.DtTab2FontName.view());

    EXPECT_EQ(textWithZeros("OFF", 253), bytesOf(record.DtToneCurve));
    EXPECT_EQ(std::string(253, '\0'), bytesOf(record.DtOtherToneCurve));
    EXPECT_EQ("NoName", record.DtWaitModeSecurePrintId.view());
    EXPECT_EQ("NoName", record.DtUserAuthenticationUserName.view());
    EXPECT_EQ("NoName", record.DtAccountTrackDepartmentName.view());
    EXPECT_EQ("0", record.DtOutputMethodUserboxNumber.view());
    EXPECT_EQ(textWithZeros("quillmar", 9), bytesOf(record.DtWaitModePassword));
    EXPECT_EQ("quillmar", record.DtUserAuthenticationPassword.view());
    EXPECT_EQ("quillmar", record.DtAccountTrackPassword.view());
    EXPECT_EQ(std::string(128, '\0'), bytesOf(record.DtPageSizeName));
    EXPECT_EQ(std::string(89, '\0'), bytesOf(record.DtInputSlotPaperName));
    EXPECT_EQ(std::string(17, '\0'), bytesOf(record.DtRelayServerScreenId));

    EXPECT_EQ(0u, record.DtCustomPageSizeWidth.get());
    EXPECT_EQ(0u, record.DtCustomPageSizeHeight.get());
    EXPECT_EQ(std::string("\x00\x64", 2), bytesOf(record.DtZoom));
    EXPECT_EQ(std::string("\x00\x01", 2), bytesOf(record.DtNumCopies));
    EXPECT_EQ(1, record.DtDuplex.get());
    EXPECT_EQ(20, record.DtScreenFreq.get());
    EXPECT_EQ(18, record.DtOtherScreenFreq.get());
}

TEST(DefaultRecord, SpecialMembers) {
    const PdCoreData record = defaultsFor(a4PaperId, languageUsEnglish);
    EXPECT_EQ(6, record.DtFrontCoverMediaType.get());
    EXPECT_EQ(6, record.DtBackCoverMediaType.get());
    EXPECT_EQ(11, record.DtFrontCoverMediaWeight.get());
    EXPECT_EQ(11, record.DtBackCoverMediaWeight.get());
    EXPECT_EQ(7, record.DtFrontCoverMediaColor.get());
    EXPECT_EQ(7, record.DtBackCoverMediaColor.get());
    EXPECT_EQ(2, record.DtFrontCoverMediaPrepunched.get());
    EXPECT_EQ(2, record.DtBackCoverMediaPrepunched.get());
    for (const auto* form : {&record.DtJobForm, &record.DtPrepend, &record.DtAppend}) {
        EXPECT_EQ(0xFFFFFFFFu, form->get());
    }
    for (const auto* count :
         {&record.DtJobFormPageCount, &record.DtPrependPageCount, &record.DtAppendPageCount}) {
        EXPECT_EQ(0u, count->get());
    }
    for (const auto* resolution :
         {&record.DtJobFormResolution, &record.DtPrependResolution, &record.DtAppendResolution}) {
        EXPECT_EQ(2, resolution->get());
    }
    for (const std::string& blob :
         {bytesOf(record.DtChapterPages), bytesOf(record.DtPageSpecificTrays),
          bytesOf(record.DtPageSpecificForms), bytesOf(record.DtRelayServerSettings)}) {
        EXPECT_EQ(std::string(blob.size(), '\0'), blob);
    }
}

TEST(DefaultRecord, FollowsTheHost) {
    const PdCoreData inch = defaultsFor(letterPaperId, languageUsEnglish);
    EXPECT_EQ(17, inch.DtPageSize.get());
    EXPECT_EQ(2, inch.DtTab1PageSize.get());
    EXPECT_EQ(2, inch.DtTab2PageSize.get());
    EXPECT_EQ(std::string("\x00\x05\x3B\xD8", 4), bytesOf(inch.DtTab1Height));
    EXPECT_EQ(343'000u, inch.DtTab2Height.get());

    const PdCoreData japanese = defaultsFor(a4PaperId, languageJapanese);
    EXPECT_EQ("Ryumin-Light", japanese.DtTab1FontName.view());
    EXPECT_EQ("Ryumin-Light", japanese.DtTab2FontName.view());
    // Nothing else depends on the language.
    PdCoreData english = defaultsFor(a4PaperId, languageUsEnglish);
    english.DtTab1FontName.assign("Ryumin-Light");
    english.DtTab2FontName.assign("Ryumin-Light");
    EXPECT_EQ(0, std::memcmp(&english, &japanese, coreDataSize));
}

TEST(DefaultRecord, OnlyTheHostMembersFollowTheHost) {
    const PdCoreData metric = defaultsFor(a4PaperId, languageUsEnglish);
    const PdCoreData inchJapanese = defaultsFor(letterPaperId, languageJapanese);
    std::vector<std::string> differing;
    for (const CoreDataMember& member : coreDataMembers) {
        if (bytesOf(memberBytes(metric, member)) != bytesOf(memberBytes(inchJapanese, member)))
            differing.emplace_back(member.name);
    }
    const std::vector<std::string> hostMembers{
        "DtPageSize",     "DtTab1PageSize", "DtTab1Height",   "DtTab1FontName",
        "DtTab2PageSize", "DtTab2Height",   "DtTab2FontName",
    };
    std::vector<std::string> expected;
    for (const CoreDataMember& member : coreDataMembers) {
        if (std::find(hostMembers.begin(), hostMembers.end(), member.name) != hostMembers.end())
            expected.emplace_back(member.name);
    }
    EXPECT_EQ(expected, differing);
}

// The filter's answers: metric units and US English, as the filter sets them first thing.
TEST(DefaultRecord, TheFilterHostGetsItsFilledDefaults) {
    useFilterMeasurementSystem();
    ASSERT_TRUE(usePreferredLanguagesOfFilter());
    const PdCoreData expected = defaultsFor(a4PaperId, languageUsEnglish);
    EXPECT_EQ(0, std::memcmp(&defaultCoreData(), &expected, coreDataSize));
    EXPECT_EQ(&defaultCoreData(), &defaultCoreData());
}

TEST(DefaultRecord, AnInchHostGetsItsOwnDefaults) {
    setMeasurementSystemReader(
        []() -> std::optional<MeasurementSystem> { return MeasurementSystem::nonMetric; });
    const PdCoreData expected = defaultsFor(letterPaperId, languageFollowSystem);
    EXPECT_EQ(0, std::memcmp(&defaultCoreData(), &expected, coreDataSize));
}

TEST(DefaultRecord, TabFontName) {
    EXPECT_EQ("Ryumin-Light", defaultTabFontName(languageJapanese));
    for (LanguageIndex language : {0u, 2u, 3u, 8u, 10u}) {
        EXPECT_EQ("ArialMT", defaultTabFontName(language)) << language;
    }
    EXPECT_EQ(systemLanguageIndex() == languageJapanese ? "Ryumin-Light" : "ArialMT",
              defaultTabFontName(languageFollowSystem));
}

// ctest runs every test in a process of its own, so the threads here make the first call.
TEST(DefaultRecord, FirstCallsFromManyThreadsFillOneRecord) {
    std::vector<std::thread> threads;
    std::vector<const PdCoreData*> seen(8);
    for (std::size_t t = 0; t < seen.size(); ++t) {
        threads.emplace_back([&seen, t] { seen[t] = &defaultCoreData(); });
    }
    for (auto& thread : threads) thread.join();
    const PdCoreData expected = defaultsFor(defaultPaperId(), languageFollowSystem);
    for (const PdCoreData* record : seen) {
        EXPECT_EQ(seen[0], record);
        EXPECT_EQ(0, std::memcmp(record, &expected, coreDataSize));
    }
}

TEST(DefaultRecord, CopiesNeverReachTheProcessRecord) {
    const PdCoreData* first = &defaultCoreData();
    EXPECT_EQ(first, &defaultCoreData());
    const PdCoreData expected = *first;
    PdCoreData copy = defaultCoreData();
    copy.DtLayout.set(3);
    EXPECT_EQ(0, std::memcmp(&defaultCoreData(), &expected, coreDataSize));
}

}  // namespace
}  // namespace pd
