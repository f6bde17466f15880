#include "core/record/record_chunks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "core/base/base64.h"
#include "core/record/default_record.h"

namespace pd {
namespace {

TEST(RecordChunkKeys, AreNumberedFromOneAndRecognisedByTheirDigits) {
    EXPECT_EQ("S_PCD0001", recordChunkKey(1));
    EXPECT_EQ("S_PCD0134", recordChunkKey(134));
    EXPECT_EQ("S_PCD12345", recordChunkKey(12345));
    for (const char* key : {"S_PCD0001", "S_PCD0", "S_PCD99999999"})
        EXPECT_TRUE(isRecordChunkKey(key)) << key;
    for (const char* key : {"S_PCD", "S_PCDx1", "S_PCD0001x", "s_PCD0001", "xS_PCD0001", ""})
        EXPECT_FALSE(isRecordChunkKey(key)) << key;
}

TEST(RecordChunks, AWholeRecordTakesChunksOneTo134OfAtMost255Characters) {
    PdCoreData record = defaultCoreData();
    record.DtDateStamp.set(2);
    const std::vector<RecordChunk> chunks = encodeRecordChunks(record);
    ASSERT_EQ(134u, chunks.size());
    EXPECT_EQ(recordChunkCount, chunks.size());
    std::string joined;
    for (std::uint32_t n = 1; n <= 134; ++n) {
        const RecordChunk& chunk = chunks[n - 1];
        EXPECT_EQ(recordChunkKey(n), chunk.name);
        EXPECT_EQ(n <= 133 ? 255u : 197u, chunk.value.size()) << n;
        joined += chunk.value;
    }
    EXPECT_EQ(recordTextLength, joined.size());
    const auto bytes = coreDataBytes(record);
    EXPECT_EQ(base64Encode(bytes.data(), coreDataSize), joined);
}

TEST(RecordChunks, TheFilterJoinsEveryChunkInByteOrderOfItsName) {
    std::vector<RecordChunk> chunks = {
        {.name = "S_PCD0010", .value = "c"}, {.name = "S_PCDa", .value = "f"},
        {.name = "S_PCD0002", .value = "b"}, {.name = "S_PCD10", .value = "d"},
        {.name = "S_PCDZ", .value = "e"},    {.name = "S_PCD0001", .value = "a"}};
    EXPECT_EQ("abcdef", joinChunksInNameOrder(chunks));
    EXPECT_EQ("S_PCD0001", chunks.front().name) << "sorted in place";
    EXPECT_EQ("", joinChunksInNameOrder({}));
}

TEST(RecordChunks, ThePanelJoinsFromNumberOneUpToTheFirstMissingNumber) {
    // A chunk that holds no text is given as an empty one.
    const std::map<std::string, std::string> held = {
        {"S_PCD0001", "ab"}, {"S_PCD0002", ""}, {"S_PCD0003", "cd"}, {"S_PCD0005", "after a gap"}};
    std::vector<std::string> asked;
    const std::string text = joinNumberedChunks([&](const std::string& key) {
        asked.push_back(key);
        const auto found = held.find(key);
        return found != held.end() ? std::optional(found->second) : std::nullopt;
    });
    EXPECT_EQ("abcd", text);
    EXPECT_EQ((std::vector<std::string>{"S_PCD0001", "S_PCD0002", "S_PCD0003", "S_PCD0004"}),
              asked);
    EXPECT_EQ("", joinNumberedChunks([](const std::string&) { return std::nullopt; }));

    // The same chunks by the filter's rule: the gap does not end the join.
    std::vector<RecordChunk> options;
    for (const auto& [name, value] : held) options.push_back({.name = name, .value = value});
    EXPECT_EQ("abcdafter a gap", joinChunksInNameOrder(options));
}

// A caller's default that differs from the process's default record.
PdCoreData callersDefault() {
    PdCoreData record = defaultCoreData();
    record.DtOutputMethodFileName.assign("the caller's default");
    return record;
}

TEST(DecodeRecordText, TakesOnlyAWholeRecordAndOtherwiseTheCallersDefault) {
    PdCoreData record = defaultCoreData();
    record.DtDateStamp.set(2);
    record.DtLayout.set(200);
    const auto bytes = coreDataBytes(record);
    const std::string text = base64Encode(bytes.data(), coreDataSize);

    const PdCoreData fallback = callersDefault();
    PdCoreData decoded;
    decodeRecordText(text, decoded, fallback);
    EXPECT_EQ(2, decoded.DtDateStamp.get());
    EXPECT_EQ(defaultCoreData().DtLayout.get(), decoded.DtLayout.get()) << "repaired";
    EXPECT_EQ("", decoded.DtOutputMethodFileName.view());

    // Without the last chunk, cut inside a group or empty: the caller's default, whole, with no
    // byte of the text left over what was there before.
    for (const std::string& partial : {text.substr(0, 133 * 255), text.substr(0, 30001),
                                       text.substr(0, text.size() - 1), std::string()}) {
        PdCoreData restored = record;
        decodeRecordText(partial, restored, fallback);
        EXPECT_EQ(0, std::memcmp(&fallback, &restored, coreDataSize))
            << partial.size() << " characters";
    }

    // A whole record of another layout is the validation's to replace: by the process's default.
    PdCoreData foreign = record;
    foreign.layoutSignature.set(foreign.layoutSignature.get() + 1);
    const auto foreignBytes = coreDataBytes(foreign);
    PdCoreData restored;
    decodeRecordText(base64Encode(foreignBytes.data(), coreDataSize), restored, fallback);
    EXPECT_EQ(0, std::memcmp(&defaultCoreData(), &restored, coreDataSize));
}

}  // namespace
}  // namespace pd
