#include "panel/pipe_frame.h"

#include <gtest/gtest.h>

#include <vector>

namespace pd {
namespace {

using Bytes = std::vector<unsigned char>;

const std::string name = "TALVOPDE123456";

Bytes frameOf(std::int32_t type, const Bytes& body, const std::string& magic = name) {
    return createPipeCommunicationData(magic, type, body);
}

// Feeds bytes in pieces of at most piece bytes; the messages they complete.
std::vector<PipeMessage> feed(PipeFrameReader& reader, const Bytes& bytes, std::size_t piece) {
    std::vector<PipeMessage> messages;
    for (std::size_t start = 0; start < bytes.size(); start += piece) {
        std::span<const unsigned char> input(bytes.data() + start,
                                             std::min(piece, bytes.size() - start));
        while (!input.empty()) {
            const std::size_t wanted = reader.wanted();
            const std::size_t before = input.size();
            if (auto message = reader.take(input)) messages.push_back(std::move(*message));
            EXPECT_LE(before - input.size(), wanted);
        }
    }
    return messages;
}

TEST(PipeFrame, IsTheNameTypeSizeAndBodyLittleEndian) {
    const Bytes reply = frameOf(4, {1});
    Bytes expected(name.begin(), name.end());
    expected.insert(expected.end(), {4, 0, 0, 0, 1, 0, 0, 0, 1});
    EXPECT_EQ(expected, reply);
    EXPECT_EQ(23u, reply.size());
    EXPECT_EQ((std::array<unsigned char, 8>{0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
              windowLevelBytes(-2));
}

TEST(PipeFrameReader, ReassemblesFramesFromPiecesOfAnySize) {
    Bytes stream = frameOf(1, Bytes(25582, 0xAB));
    const Bytes second = frameOf(4, {});
    stream.insert(stream.end(), second.begin(), second.end());
    for (const std::size_t piece :
         {std::size_t{1}, std::size_t{5}, std::size_t{4096}, stream.size()}) {
        PipeFrameReader reader(name);
        const std::vector<PipeMessage> messages = feed(reader, stream, piece);
        ASSERT_EQ(2u, messages.size()) << piece;
        EXPECT_EQ(1, messages[0].type);
        ASSERT_TRUE(messages[0].body.has_value());
        EXPECT_EQ(Bytes(25582, 0xAB), *messages[0].body);
        EXPECT_EQ(4, messages[1].type);
        EXPECT_FALSE(messages[1].body.has_value());
        EXPECT_EQ(name.size() + 8, reader.wanted());
    }
}

TEST(PipeFrameReader, DropsAHeaderOfAnotherMagicAndAnOversizedBody) {
    std::string wrong = name;
    wrong.back() = '7';
    const struct {
        const char* what;
        Bytes before;
    } cases[] = {
        {"one byte of the magic differs", frameOf(4, {}, wrong)},
        // Its announced body is read as headers in turn: 8 bytes of zeros after a 14-byte name
        // are not a header.
        {"its body follows", frameOf(5, Bytes(name.size() + 8, 0), wrong)},
        {"a body of 64 KiB and one byte", frameOf(1, Bytes(maxPipeBodySize + 1, 0x41))},
    };
    for (const auto& c : cases) {
        Bytes stream = c.before;
        const Bytes valid = frameOf(5, {9});
        stream.insert(stream.end(), valid.begin(), valid.end());
        PipeFrameReader reader(name);
        const std::vector<PipeMessage> messages = feed(reader, stream, 1000);
        ASSERT_EQ(1u, messages.size()) << c.what;
        EXPECT_EQ(5, messages[0].type) << c.what;
        EXPECT_EQ(Bytes{9}, messages[0].body) << c.what;
    }
    // The largest body that is kept.
    PipeFrameReader reader(name);
    const auto kept = feed(reader, frameOf(1, Bytes(maxPipeBodySize, 1)), 70000);
    ASSERT_EQ(1u, kept.size());
    EXPECT_EQ(maxPipeBodySize, kept[0].body->size());
}

TEST(PipeFrameReader, NeverAsksForMoreThanAPieceOfAHugeBody) {
    PipeFrameReader reader(name);
    Bytes head(name.begin(), name.end());
    head.insert(head.end(), {1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_TRUE(feed(reader, head, head.size()).empty());
    EXPECT_EQ(64u * 1024, reader.wanted());
    const Bytes junk(1 << 20, 0);
    EXPECT_TRUE(feed(reader, junk, junk.size()).empty());
    EXPECT_EQ(64u * 1024, reader.wanted());
}

}  // namespace
}  // namespace pd
