#include "core/base/base64.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/base/hex.h"

namespace pd {
namespace {

TEST(Base64Encode, PadsTheLastGroup) {
    EXPECT_EQ("QUJD", base64Encode("ABC", 3));
    EXPECT_EQ("QUI=", base64Encode("AB", 2));
    EXPECT_EQ("QQ==", base64Encode("A", 1));
    EXPECT_EQ("", base64Encode("", 0));
    EXPECT_EQ("", base64Encode(nullptr, 0));
    const unsigned char high[] = {0xFB, 0xFF, 0xBF};
    EXPECT_EQ("+/+/", base64Encode(high, 3));
}

TEST(Base64, RecordSizedBlockRoundTrips) {
    std::vector<unsigned char> record(25'582);
    for (std::size_t i = 0; i < record.size(); ++i)
        record[i] = static_cast<unsigned char>(i * 7 + 3);
    const std::string text = base64Encode(record.data(), static_cast<std::uint32_t>(record.size()));
    ASSERT_EQ(34'112u, text.size());
    EXPECT_EQ("==", text.substr(text.size() - 2));

    std::vector<unsigned char> decoded(record.size());
    std::uint32_t count = 0;
    EXPECT_TRUE(base64Decode(text, decoded.data(), 25'582, &count));
    EXPECT_EQ(25'582u, count);
    EXPECT_EQ(record, decoded);
}

struct DecodeCase {
    std::string text;
    bool result;
    std::string bytes;  // what is written and counted
};

TEST(Base64Decode, LenientDecodingTable) {
    const DecodeCase cases[] = {
        {"QQ==", true, "A"},     {"QUI=", true, "AB"},    {"QUJD", true, "ABC"},
        {"", true, ""},          {"QQ=", false, ""},      {"QUJD\n", true, "ABC"},
        {"QU\nJD", true, "ABC"}, {"\nQUJD", true, "ABC"}, {"QUJD\r\nQUJD\r\n", true, "ABCABC"},
        {"\n\n\n\n", true, ""},  {"QQ\n\n", false, ""},   {"QUJDRA", false, "ABC"},
        {"QUJD=", true, "AB"},   {"====", false, ""},     {"Q\xC3\xA9UJD", true, "ABC"},
    };
    for (const DecodeCase& c : cases) {
        unsigned char output[16] = {};
        std::uint32_t count = 99;
        EXPECT_EQ(c.result, base64Decode(c.text, output, sizeof output, &count)) << c.text;
        EXPECT_EQ(c.bytes, std::string(reinterpret_cast<char*>(output), count)) << c.text;
    }
}

TEST(Base64Decode, LimitDropsBytesAndNullOutputCounts) {
    unsigned char output[3] = {0, 0, 0x55};
    std::uint32_t count = 0;
    EXPECT_TRUE(base64Decode("QUJD", output, 2, &count));
    EXPECT_EQ(2u, count);
    EXPECT_EQ('A', output[0]);
    EXPECT_EQ('B', output[1]);
    EXPECT_EQ(0x55, output[2]);

    EXPECT_TRUE(base64Decode("QUJD", nullptr, 2, &count));
    EXPECT_EQ(3u, count);
    EXPECT_TRUE(base64Decode("QUJD", output, 2));  // the count is optional
}

TEST(HexEncode, UpperCaseDigitsHighHalfFirst) {
    const unsigned char bytes[] = {0x00, 0xAB, 0xFF};
    EXPECT_EQ("00ABFF", hexEncode(bytes, 3));
    EXPECT_EQ("", hexEncode(nullptr, 3));
    EXPECT_EQ("", hexEncode(bytes, 0));
    const std::vector<unsigned char> record(25'582);
    EXPECT_EQ(51'164u, hexEncode(record.data(), 25'582).size());
}

}  // namespace
}  // namespace pd
