#include "panel/record_chunks.h"

#include <gtest/gtest.h>

#include "core/record/default_record.h"
#include "tests/panel/panel_test_support.h"

namespace pd {
namespace {

TEST(RecordChunks, AWholeRecordIsWrittenUnderKeysOneTo134) {
    PdCoreData record = defaultCoreData();
    record.DtDateStamp.set(2);
    MemoryPrintSettings settings;
    writeRecordChunks(settings, record);
    const std::vector<std::string> keys = chunkKeys(settings);
    ASSERT_EQ(134u, keys.size());
    EXPECT_EQ("S_PCD0001", keys.front());
    EXPECT_EQ("S_PCD0134", keys.back());
    const std::vector<RecordChunk> chunks = encodeRecordChunks(record);
    for (const RecordChunk& chunk : chunks)
        EXPECT_EQ(chunk.value, stringSetting(settings, chunk.name)) << chunk.name;
    const PdCoreData stored = storedRecord(settings);
    EXPECT_EQ(0, std::memcmp(&record, &stored, coreDataSize));
}

TEST(RecordChunks, AStoreRemovesEveryChunkKeyEvenAfterAGap) {
    MemoryPrintSettings settings;
    for (std::uint32_t n = 1; n <= 140; ++n) settings.setValue(recordChunkKey(n), std::string("x"));
    settings.setValue("S_PCD0135", std::nullopt);
    settings.setValue("S_PCD99999", std::string("stale"));
    settings.setValue("S_PCDnote", std::string("kept"));
    writeRecordChunks(settings, defaultCoreData());
    EXPECT_EQ(134u, chunkKeys(settings).size());
    EXPECT_FALSE(settings.value("S_PCD0136").has_value());
    EXPECT_FALSE(settings.value("S_PCD99999").has_value());
    EXPECT_EQ("kept", stringSetting(settings, "S_PCDnote"));
}

TEST(RecordChunks, JoiningStopsAtTheFirstMissingNumberAndSkipsValuesThatAreNoText) {
    MemoryPrintSettings settings;
    settings.setValue("S_PCD0001", std::string("ab"));
    settings.setValue("S_PCD0002", std::int64_t{7});
    settings.setValue("S_PCD0003", std::string("cd"));
    settings.setValue("S_PCD0005", std::string("after a gap"));
    EXPECT_EQ("abcd", joinRecordChunks(settings));
    EXPECT_EQ("", joinRecordChunks(MemoryPrintSettings{}));
}

TEST(RecordFromChunkText, TakesOnlyAWholeRecordAndRepairsItsMembers) {
    PdCoreData record = defaultCoreData();
    record.DtDateStamp.set(2);
    record.DtLayout.set(200);
    MemoryPrintSettings settings;
    writeRecordChunks(settings, record);
    const std::string text = joinRecordChunks(settings);

    const PdCoreData restored = recordFromChunkText(text);
    EXPECT_EQ(2, restored.DtDateStamp.get());
    EXPECT_EQ(defaultCoreData().DtLayout.get(), restored.DtLayout.get());

    const PdCoreData& defaults = defaultCoreData();
    // Without the last chunk, cut inside a group, empty, or of another layout: the default record.
    PdCoreData foreign = record;
    foreign.layoutSignature.set(foreign.layoutSignature.get() + 1);
    writeRecordChunks(settings, foreign);
    for (const std::string& bad : {text.substr(0, 133 * 255), text.substr(0, text.size() - 1),
                                   std::string(), joinRecordChunks(settings)}) {
        const PdCoreData restored = recordFromChunkText(bad);
        EXPECT_EQ(0, std::memcmp(&defaults, &restored, coreDataSize));
    }
}

}  // namespace
}  // namespace pd
