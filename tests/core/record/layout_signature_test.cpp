#include "core/record/layout_signature.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace pd {
namespace {

// Plain CRC-32 (register starting at all ones), to tell the signature from it.
std::uint32_t plainCrc32(const std::vector<unsigned char>& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return crc ^ 0xFFFFFFFFu;
}

// The signature's CRC of bytes fed at once: complement, CRC from a zero register, complement.
std::uint32_t zeroRegisterCrc(const std::vector<unsigned char>& bytes) {
    std::uint32_t crc = 0;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return crc ^ 0xFFFFFFFFu;
}

std::vector<unsigned char> bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

std::vector<unsigned char> withNul(std::string_view text) {
    std::vector<unsigned char> bytes = bytesOf(text);
    bytes.push_back(0);
    return bytes;
}

std::vector<unsigned char> layoutBytes() {
    std::vector<unsigned char> bytes;
    layoutSignatureOf(coreDataMembers, &bytes);
    return bytes;
}

TEST(LayoutSignature, FeedsTheLayoutAsOneByteStream) {
    const std::vector<unsigned char> bytes = layoutBytes();
    ASSERT_EQ(bytes.size(), 8890u);
    std::vector<unsigned char> head = {0x63, 0xEE};
    for (auto part : {bytesOf("pagesize"), std::vector<unsigned char>{0, 0x00, 0x24}, bytesOf("a3"),
                      std::vector<unsigned char>{0}, bytesOf("a4"), std::vector<unsigned char>{0}})
        head.insert(head.end(), part.begin(), part.end());
    EXPECT_TRUE(std::equal(head.begin(), head.end(), bytes.begin()));
    std::vector<unsigned char> tail = bytesOf("relayserverscreenid");
    for (unsigned char b : {0x00, 0x00, 0x01, 0x00, 0x11, 0x00, 0xD7}) tail.push_back(b);
    EXPECT_TRUE(std::equal(tail.rbegin(), tail.rend(), bytes.rbegin()));
}

TEST(LayoutSignature, IsTheCrcWithItsRegisterStartingAtZero) {
    const std::vector<unsigned char> bytes = layoutBytes();
    const std::uint32_t signature = layoutSignatureOf(coreDataMembers);
    EXPECT_EQ(signature, zeroRegisterCrc(bytes));
    EXPECT_NE(signature, plainCrc32(bytes));
}

// The two CRCs of one byte stream differ by a value that depends on its length alone. The pair
// published for the printer's layout (0xAC9D5F4D, plain 0x9AC2B97D) differs by the same value as
// ours, so the stream has the published length and the register rule is the published one.
TEST(LayoutSignature, AgreesInLengthAndRuleWithThePublishedPair) {
    const std::vector<unsigned char> bytes = layoutBytes();
    EXPECT_EQ(zeroRegisterCrc(bytes) ^ plainCrc32(bytes), 0xAC9D5F4Du ^ 0x9AC2B97Du);
}

// The layout guard: any change of a member, a capacity or a choice name shows here, and must come
// with a new format signature. Records carry the format's signature, not this computation.
TEST(LayoutSignature, TheLayoutIsPinnedAndRecordsCarryTheFormatsSignature) {
    EXPECT_EQ(layoutSignatureOf(coreDataMembers), 0x84658113u);
    EXPECT_EQ(computeCoreDataSignature(), 0xAC9D5F4Du);
}

TEST(LayoutSignature, NumbersTakeTwoBytesUpTo65535AndFourAbove) {
    struct Case {
        std::uint32_t number;
        std::vector<unsigned char> bytes;
    } cases[] = {
        {0, {0x00, 0x00}},
        {25582, {0x63, 0xEE}},
        {65535, {0xFF, 0xFF}},
        {65536, {0x00, 0x01, 0x00, 0x00}},
        {0xFFFFFFFF, {0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const Case& c : cases) {
        std::uint32_t value = 0xFFFFFFFFu;
        crcAddNumber(value, c.number);
        EXPECT_EQ(value, zeroRegisterCrc(c.bytes)) << c.number;
    }
}

TEST(LayoutSignature, TextsAreSanitisedAndEndedByNul) {
    std::uint32_t value = 0xFFFFFFFFu;
    crcAddText(value, "Custom-Page Size_2");
    EXPECT_EQ(value, zeroRegisterCrc(withNul("custompagesize_2")));

    std::uint32_t unchanged = 0x12345678u;
    crcAddText(unchanged, nullptr);
    EXPECT_EQ(unchanged, 0x12345678u) << "a null text feeds not even the NUL";

    std::uint32_t split = 0xFFFFFFFFu;
    crcAddText(split, "Tray1");
    crcAddNumber(split, 5);
    std::vector<unsigned char> joined = withNul("tray1");
    joined.insert(joined.end(), {0x00, 0x05});
    EXPECT_EQ(split, zeroRegisterCrc(joined)) << "feeding in parts equals feeding at once";
}

TEST(LayoutSignature, ChoiceAndNumericObjectsFeedTheirCountNamesOrDivisor) {
    std::uint32_t value = 0xFFFFFFFFu;
    crcAddChoiceNames(value, jobFormOption);
    EXPECT_EQ(value, zeroRegisterCrc({0x00, 0x00})) << "no choices: the count alone";

    value = 0xFFFFFFFFu;
    crcAddChoiceNames(value, orientationOption);
    std::vector<unsigned char> expected = {0x00, 0x02};
    for (auto name : {withNul("port"), withNul("land")})
        expected.insert(expected.end(), name.begin(), name.end());
    EXPECT_EQ(value, zeroRegisterCrc(expected));

    value = 0xFFFFFFFFu;
    crcAddDivisor(value, gutterOption);
    EXPECT_EQ(value, zeroRegisterCrc({0x27, 0x10}));
}

// A copy of the member table in which one member's catalogue object can be replaced.
struct EditedLayout {
    std::array<CoreDataMember, coreDataMemberCount> members = coreDataMembers;

    CoreDataMember& member(std::string_view name) {
        for (CoreDataMember& m : members)
            if (m.name == name) return m;
        throw std::invalid_argument(std::string(name));
    }
    std::uint32_t signature() const { return layoutSignatureOf(members); }
};

TEST(LayoutSignature, ChangesWithTheLayoutButNotWithDefaultsOrExternalNames) {
    const std::uint32_t original = layoutSignatureOf(coreDataMembers);

    ChoiceOptionDescriptor staple = stapleOption;
    staple.defaultIndex = 2;
    staple.names.ppdName = "QZOther";
    staple.names.pjlName = "OTHER";
    staple.choices[1].names.ppdName = "Changed";
    staple.titleRow = 1;
    NumericOptionDescriptor zoom = zoomOption;
    zoom.minimum = 5;
    zoom.maximum = 50;
    zoom.defaultValue = 7;
    TextOptionDescriptor userName = userAuthenticationUserNameOption;
    userName.defaultText = "Someone";
    {
        EditedLayout layout;
        layout.member("DtStaple").choiceOption = &staple;
        layout.member("DtZoom").numericOption = &zoom;
        layout.member("DtUserAuthenticationUserName").textOption = &userName;
        EXPECT_EQ(layout.signature(), original);
    }

    ChoiceOptionDescriptor renamed = stapleOption;
    renamed.choices[4].name = "2StaplesWider";
    ChoiceOptionDescriptor added = stapleOption;
    added.choices[7].name = "3Staples";
    added.choiceCount = 8;
    NumericOptionDescriptor divided = zoomOption;
    divided.divisor = 10;
    const std::function<void(EditedLayout&)> edits[] = {
        [&](EditedLayout& l) { l.member("DtStaple").choiceOption = &renamed; },
        [&](EditedLayout& l) { l.member("DtStaple").choiceOption = &added; },
        [&](EditedLayout& l) { l.member("DtZoom").numericOption = &divided; },
        [](EditedLayout& l) { l.member("DtPageSizeName").size = 127; },
        [](EditedLayout& l) { l.member("DtLayout").name = "DtLayouts"; },
        [](EditedLayout& l) { std::swap(l.members[10], l.members[11]); },
    };
    for (const auto& edit : edits) {
        EditedLayout layout;
        edit(layout);
        EXPECT_NE(layout.signature(), original);
    }
}

}  // namespace
}  // namespace pd
