#include "core/record/layout_signature.h"

#include <array>

#include "core/base/text_conversion.h"

namespace pd {

namespace {

constexpr std::array<std::uint32_t, 256> makeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
        table[i] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> crcTable = makeCrcTable();

// A number as the signature feeds it; returns the count of bytes used at the front of bytes.
std::size_t encodeNumber(std::uint32_t number, unsigned char (&bytes)[4]) {
    const std::size_t size = number <= 0xFFFF ? 2 : 4;
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>(number >> (8 * (size - 1 - i)));
    return size;
}

// The CRC register of one computation (the running value complemented), and optionally a copy
// of every byte fed. Bytes go straight into the register, without an intermediate text.
struct LayoutFeed {
    std::uint32_t crc = 0;
    std::vector<unsigned char>* bytesFed = nullptr;

    explicit LayoutFeed(std::uint32_t value, std::vector<unsigned char>* fed = nullptr)
        : crc(value ^ 0xFFFFFFFFu), bytesFed(fed) {}

    std::uint32_t value() const { return crc ^ 0xFFFFFFFFu; }

    void byte(unsigned char b) {
        crc = crcTable[(crc ^ b) & 0xFF] ^ (crc >> 8);
        if (bytesFed != nullptr) bytesFed->push_back(b);
    }
    // The sanitised identifier of text and a NUL.
    void text(const char* text) {
        if (text == nullptr) return;
        for (; *text != '\0'; ++text) {
            const int kept = identifierByte(*text);
            if (kept >= 0) byte(static_cast<unsigned char>(kept));
        }
        byte(0);
    }
    void number(std::uint32_t number) {
        unsigned char bytes[4];
        const std::size_t size = encodeNumber(number, bytes);
        for (std::size_t i = 0; i < size; ++i) byte(bytes[i]);
    }
    void choiceNames(const ChoiceOptionDescriptor& option) {
        number(option.choiceCount);
        const std::uint32_t count =
            option.choiceCount < maxChoiceCount ? option.choiceCount : maxChoiceCount;
        for (std::uint32_t i = 0; i < count; ++i) text(option.choices[i].name);
    }
};

}  // namespace

void crcAddText(std::uint32_t& value, const char* text) {
    LayoutFeed feed(value);
    feed.text(text);
    value = feed.value();
}

void crcAddNumber(std::uint32_t& value, std::uint32_t number) {
    LayoutFeed feed(value);
    feed.number(number);
    value = feed.value();
}

void crcAddDivisor(std::uint32_t& value, const NumericOptionDescriptor& option) {
    crcAddNumber(value, option.divisor);
}

void crcAddChoiceNames(std::uint32_t& value, const ChoiceOptionDescriptor& option) {
    LayoutFeed feed(value);
    feed.choiceNames(option);
    value = feed.value();
}

std::uint32_t layoutSignatureOf(std::span<const CoreDataMember> members,
                                std::vector<unsigned char>* bytesFed) {
    LayoutFeed feed(0xFFFFFFFFu, bytesFed);
    std::uint32_t optionMembers = 0;
    feed.number(coreDataSize);
    for (const CoreDataMember& member : members) {
        if (member.kind == MemberKind::signature || member.kind == MemberKind::opaquePair) continue;
        ++optionMembers;
        // The member name without its "Dt" prefix.
        feed.text(member.name + 2);
        if (member.choiceOption != nullptr)
            feed.choiceNames(*member.choiceOption);
        else if (member.numericOption != nullptr)
            feed.number(member.numericOption->divisor);
        feed.number(static_cast<std::uint32_t>(elementWidth(member.form)));
        if (member.form == StoredForm::text || member.form == StoredForm::bytes)
            feed.number(static_cast<std::uint32_t>(member.size));
    }
    feed.number(optionMembers);
    return feed.value();
}

std::uint32_t computeCoreDataSignature() {
    return coreDataSignature;
}

}  // namespace pd
