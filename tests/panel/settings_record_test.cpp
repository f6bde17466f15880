// The panel's record in the print settings: restore, store, save and a record from outside.
#include <gtest/gtest.h>

#include "core/base/multi_encoded_string.h"
#include "core/catalog/language.h"
#include "core/catalog/localized_text.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/paper_size.h"
#include "core/ppd/ppd_choices.h"
#include "core/record/default_record.h"
#include "tests/panel/panel_test_support.h"

#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace pd {
namespace {

bool sameRecord(const PdCoreData& a, const PdCoreData& b) {
    return std::memcmp(&a, &b, coreDataSize) == 0;
}

std::string markedChoice(ppd_file_t* ppd, const char* keyword) {
    const ppd_choice_t* choice = ppdFindMarkedChoice(ppd, keyword);
    return choice != nullptr ? choice->choice : "";
}

// The chunks, input-slot entries and PPD choices of the settings, as one comparable text.
std::vector<std::pair<std::string, std::string>> textsOf(const MemoryPrintSettings& settings) {
    return settings.stringEntries();
}

struct SettingsRecord : ::testing::Test {
    PanelJob job;
    Panel& panel = *job.panel;
    MemoryPrintSettings& settings = job.settings();
};

TEST_F(SettingsRecord, ARestoreFromNothingStoresTheDefaultRecordWithTheDialogsPaper) {
    settings.setValue("TALVO_PRIVATECOREDATA_VERSION", std::string("2"));
    settings.setValue("com.apple.print.PrintSettings.PMPrimaryPaperFeed", std::string("x"));
    EXPECT_TRUE(panel.restoreValues());
    EXPECT_EQ(134u, chunkKeys(settings).size());
    const PdCoreData stored = storedRecord(settings);
    EXPECT_TRUE(sameRecord(stored, panel.getCoreData()));
    EXPECT_EQ(defaultCoreData().layoutSignature.get(), stored.layoutSignature.get());
    EXPECT_EQ(a4PaperId, stored.DtPageSize.get());
    EXPECT_EQ(0, stored.DtInputSlot.get());
    EXPECT_EQ("", stringSetting(settings, "AP_D_InputSlot"));
    for (const char* gone : {"InputSlot", "TALVO_PRIVATECOREDATA_VERSION",
                             "com.apple.print.PrintSettings.PMPrimaryPaperFeed"})
        EXPECT_FALSE(settings.value(gone).has_value()) << gone;
}

TEST_F(SettingsRecord, RestoreThenSaveKeepsTheRecordAndAPatchedMemberWithItsPpdChoice) {
    panel.restoreValues();
    panel.saveValues();
    const auto saved = textsOf(settings);
    {
        PanelJob again;
        again.settings() = settings;
        again.panel->restoreValues();
        again.panel->saveValues();
        EXPECT_EQ(saved, textsOf(again.settings()));
    }

    PdCoreData patched = storedRecord(settings);
    patched.DtDateStamp.set(2);
    storeRecord(settings, patched);
    PanelJob reader;
    reader.settings() = settings;
    reader.panel->restoreValues();
    reader.panel->saveValues();
    EXPECT_TRUE(sameRecord(patched, storedRecord(reader.settings())));
    PpdChoiceList choices;
    coreDataToPpdChoices(patched, choices, nullptr);
    const auto dateStamp = std::find_if(choices.begin(), choices.end(), [](const PpdChoice& c) {
        return c.keyword == "QZDateStamp";
    });
    ASSERT_NE(choices.end(), dateStamp);
    EXPECT_NE("None", dateStamp->choice);
    EXPECT_EQ(dateStamp->choice, stringSetting(reader.settings(), "QZDateStamp"));
    EXPECT_EQ(dateStamp->choice, markedChoice(reader.ppd.get(), "QZDateStamp"));
}

TEST_F(SettingsRecord, ARecordWithoutItsLastChunkIsNotRestored) {
    PdCoreData patched = defaultCoreData();
    patched.DtDateStamp.set(2);
    storeRecord(settings, patched);
    settings.setValue("S_PCD0134", std::nullopt);
    panel.restoreValues();
    EXPECT_EQ(0, storedRecord(settings).DtDateStamp.get());
    EXPECT_EQ(134u, chunkKeys(settings).size());
}

TEST_F(SettingsRecord, AStoreRemovesStaleChunksAfterAGap) {
    for (std::uint32_t n = 136; n <= 140; ++n)
        settings.setValue(recordChunkKey(n), std::string("QUFB"));
    panel.restoreValues();
    EXPECT_EQ(134u, chunkKeys(settings).size());
    EXPECT_FALSE(settings.value("S_PCD0136").has_value());
}

TEST_F(SettingsRecord, TheInputSlotComesFromInputSlotOnRestoreAndFromTheRecordOnSave) {
    settings.setValue("InputSlot", std::string("Tray3"));
    panel.restoreValues();
    EXPECT_EQ(3, panel.getCoreData().DtInputSlot.get());
    EXPECT_EQ("Tray3", stringSetting(settings, "InputSlot"));
    EXPECT_FALSE(settings.value("AP_D_InputSlot").has_value());
    EXPECT_EQ("Tray3", markedChoice(job.ppd.get(), "InputSlot"));

    // The dialog's slot goes in on restore only: a save keeps the record's.
    settings.setValue("InputSlot", std::nullopt);
    panel.saveValues();
    EXPECT_EQ("Tray3", stringSetting(settings, "InputSlot"));

    settings.setValue("InputSlot", std::nullopt);
    panel.restoreValues();
    EXPECT_EQ(0, panel.getCoreData().DtInputSlot.get());
    EXPECT_FALSE(settings.value("InputSlot").has_value());
    EXPECT_EQ("", stringSetting(settings, "AP_D_InputSlot"));

    // A slot that names no choice leaves the record's.
    settings.setValue("InputSlot", std::string("Tray2"));
    panel.restoreValues();
    settings.setValue("InputSlot", std::string("Tray9"));
    panel.restoreValues();
    EXPECT_EQ(2, panel.getCoreData().DtInputSlot.get());
    EXPECT_EQ("Tray2", stringSetting(settings, "InputSlot"));
}

TEST_F(SettingsRecord, ASlotBeyondTheChoicesIsTheAutomaticSlotInTheSettings) {
    settings.setValue("InputSlot", std::string("Tray1"));
    settings.setValue("com.apple.print.PrintSettings.PMPrimaryPaperFeed", std::string("x"));
    PdCoreData record = defaultCoreData();
    record.DtInputSlot.set(7);
    panel.updateInputSlot(record, &settings);
    EXPECT_FALSE(settings.value("InputSlot").has_value());
    EXPECT_FALSE(settings.value("com.apple.print.PrintSettings.PMPrimaryPaperFeed").has_value());
    EXPECT_EQ("", stringSetting(settings, "AP_D_InputSlot"));
    panel.updateInputSlot(record, nullptr);
}

TEST_F(SettingsRecord, ASaveSetsAndMarksTheRecordsPpdChoicesButNotPaperOrSlot) {
    settings.setValue("PageSize", std::string("Letter"));
    ppdMarkOption(job.ppd.get(), "QZStaple", "1StapleLeft");
    EXPECT_TRUE(panel.saveValues());
    PpdChoiceList choices;
    coreDataToPpdChoices(panel.getCoreData(), choices, nullptr);
    ASSERT_FALSE(choices.empty());
    for (const PpdChoice& choice : choices) {
        if (choice.keyword == "PageSize" || choice.keyword == "InputSlot") continue;
        EXPECT_EQ(choice.choice, stringSetting(settings, choice.keyword)) << choice.keyword;
        EXPECT_EQ(choice.choice, markedChoice(job.ppd.get(), choice.keyword.c_str()))
            << choice.keyword;
    }
    EXPECT_EQ("Letter", stringSetting(settings, "PageSize"));
    EXPECT_FALSE(settings.value("InputSlot").has_value());
}

TEST_F(SettingsRecord, ARecordFromOutsideIsStoredOnlyWholeAndRepaired) {
    PdCoreData offered = defaultCoreData();
    offered.DtDateStamp.set(2);
    const auto bytes = coreDataBytes(offered);
    panel.setCoreData(bytes);
    EXPECT_EQ(2, storedRecord(settings).DtDateStamp.get());

    const std::vector<unsigned char> shorter(bytes.begin(), bytes.end() - 1);
    std::vector<unsigned char> longer(bytes.begin(), bytes.end());
    longer.push_back(0);
    PdCoreData foreign = offered;
    foreign.layoutSignature.set(offered.layoutSignature.get() ^ 1);
    for (const std::span<const unsigned char> bad :
         {std::span<const unsigned char>(shorter), std::span<const unsigned char>(longer),
          std::span<const unsigned char>(),
          std::span<const unsigned char>(coreDataBytes(foreign))}) {
        panel.setCoreData(coreDataBytes(offered));
        panel.setCoreData(bad);
        EXPECT_EQ(0, storedRecord(settings).DtDateStamp.get()) << bad.size();
        EXPECT_TRUE(sameRecord(panel.getCoreData(), storedRecord(settings)));
    }

    // A member out of its range is set back before the rules see it; the others stay.
    PdCoreData broken = offered;
    broken.DtLayout.set(250);
    broken.DtPageSizeName.bytes[sizeof broken.DtPageSizeName.bytes - 1] = 'x';
    panel.setCoreData(coreDataBytes(broken));
    const PdCoreData stored = storedRecord(settings);
    EXPECT_EQ(defaultCoreData().DtLayout.get(), stored.DtLayout.get());
    EXPECT_EQ(0, stored.DtPageSizeName.bytes[sizeof stored.DtPageSizeName.bytes - 1]);
    EXPECT_EQ(2, stored.DtDateStamp.get());
}

TEST_F(SettingsRecord, TheDialogsPageFormatGoesIntoTheRecord) {
    job.setPaper("Poster", 612, 792, true);
    panel.restoreValues();
    const PdCoreData custom = storedRecord(settings);
    EXPECT_EQ(noPaperId, custom.DtPageSize.get());
    EXPECT_EQ(2159000u, custom.DtCustomPageSizeWidth.get());
    EXPECT_EQ(2794000u, custom.DtCustomPageSizeHeight.get());
    EXPECT_STREQ("Poster", reinterpret_cast<const char*>(custom.DtPageSizeName.bytes));

    job.setPaper("A4", 595, 842, false);
    const struct {
        PageOrientation orientation;
        std::uint8_t stored;
    } orientations[] = {{PageOrientation::landscape, 1},
                        {PageOrientation::reversePortrait, 0},
                        {PageOrientation::reverseLandscape, 1},
                        {PageOrientation::portrait, 0}};
    for (const auto& c : orientations) {
        job.host->page.setOrientation(c.orientation);
        panel.saveValues();
        const PdCoreData stored = storedRecord(settings);
        EXPECT_EQ(a4PaperId, stored.DtPageSize.get());
        EXPECT_EQ(c.stored, stored.DtOrientation.get());
    }
    PdPlatformData setup;
    panel.getPlatformData(setup);
    EXPECT_EQ(2100000u, setup.DtCustomPageSizeWidth.get());
    EXPECT_EQ(panel.getCoreData().DtInputSlot.get(), setup.DtInputSlot.get());
}

TEST(SettingsRecordLanguage, AStandardPaperIsNamedInTheLanguageOfThePpd) {
    PanelJob job(derivedPpd("japanese.ppd", "*LanguageVersion:", "*LanguageVersion: Japanese"));
    ASSERT_NE(nullptr, job.panel);
    job.setPaper("Letter", 612, 792, false);
    job.panel->restoreValues();
    const MultiEncodedString title(
        getLocalizedText(languageJapanese, pageSizeOption.choices[letterPaperId].titleRow));
    EXPECT_STREQ(title.utf8.get(),
                 reinterpret_cast<const char*>(storedRecord(job.settings()).DtPageSizeName.bytes));
}

TEST(SettingsRecordHost, ADialogWithoutSettingsOrPageFormatStillHasARecord) {
    struct BareHost : HostCallback {
        ppd_file_s* ppd = nullptr;
        ppd_file_s* ppdFile() override { return ppd; }
        PrintSettings* printSettings() override { return nullptr; }
        const PageFormat* pageFormat() override { return nullptr; }
        std::shared_ptr<const Printer> printer() override { return nullptr; }
    };
    const PpdFile ppd = openMarkedPpd(testPpdPath);
    auto host = std::make_shared<BareHost>();
    host->ppd = ppd.get();
    const auto panel = Panel::panelWithCallback(host, nullptr);
    ASSERT_NE(nullptr, panel);
    EXPECT_TRUE(panel->restoreValues());
    EXPECT_TRUE(panel->saveValues());
    EXPECT_EQ(defaultCoreData().DtPageSize.get(), panel->getCoreData().DtPageSize.get());
}

}  // namespace
}  // namespace pd
