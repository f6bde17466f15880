#include "filter/record_description.h"

#include <array>
#include <charconv>
#include <cstdint>

#include "core/base/base64.h"
#include "core/base/number_text.h"
#include "core/base/text_conversion.h"
#include "core/record/core_data.h"
#include "core/record/layout_signature.h"

namespace pd {

namespace {

bool isSigned(const CoreDataMember& member) {
    return member.form == StoredForm::int32 || member.form == StoredForm::text;
}

bool isArray(const CoreDataMember& member) {
    return member.form == StoredForm::text || member.form == StoredForm::bytes;
}

// identifierByte of every byte, looked up rather than tested.
constexpr std::array<std::int16_t, 256> identifierBytes = [] {
    std::array<std::int16_t, 256> table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = static_cast<std::int16_t>(identifierByte(static_cast<char>(i)));
    return table;
}();

// Appends the sanitised identifier of name (see sanitizeIdentifier) without building it apart.
void appendIdentifier(std::string& text, const char* name) {
    char kept[64];
    std::size_t count = 0;
    for (; *name != '\0'; ++name) {
        const int byte = identifierBytes[static_cast<unsigned char>(*name)];
        if (byte < 0) continue;
        if (count == sizeof kept) {
            text.append(kept, count);
            count = 0;
        }
        kept[count++] = static_cast<char>(byte);
    }
    text.append(kept, count);
}

template <typename T>
void appendDecimal(std::string& text, T value) {
    char digits[12];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    text.append(digits, result.ptr);
}

void appendChoiceKeywordsTo(std::string& text, const ChoiceOptionDescriptor& option) {
    for (std::uint32_t i = 0; i < option.choiceCount && i < option.choices.size(); ++i) {
        text += ':';
        if (option.choices[i].name != nullptr) appendIdentifier(text, option.choices[i].name);
    }
}

void appendMemberRow(std::string& text, const CoreDataMember& member) {
    const std::size_t width = elementWidth(member.form);
    appendIdentifier(text, member.name + 2);  // without the "Dt" prefix
    text += ':';
    appendDecimal(text, static_cast<std::uint32_t>(width));
    text += ':';
    appendDecimal(text, static_cast<std::int32_t>(member.size / width));
    text += ':';
    appendDecimal(text, static_cast<std::uint32_t>(member.offset));
    text += ':';
    text += isSigned(member) ? '1' : '0';
    if (isArray(member)) {
        text += ":A";
    } else if (member.choiceOption != nullptr) {
        text += ":S";
        appendChoiceKeywordsTo(text, *member.choiceOption);
    } else if (member.numericOption != nullptr) {
        text += ":R:";
        appendDecimal(text, member.numericOption->divisor);
    }
}

// Room for the whole description text, so that it is built without regrowing.
constexpr std::size_t descriptionCapacity = 16 * 1024;

}  // namespace

std::string appendChoiceKeywords(const ChoiceOptionDescriptor& option) {
    std::string text;
    appendChoiceKeywordsTo(text, option);
    return text;
}

std::string coreDataDescriptionText() {
    std::string text;
    text.reserve(descriptionCapacity);
    text += "1 ";
    text += formatHex64(computeCoreDataSignature());
    text += " 25582 ";
    for (const CoreDataMember& member : coreDataMembers) {
        if (member.kind == MemberKind::signature || member.kind == MemberKind::opaquePair) continue;
        appendMemberRow(text, member);
        text += ' ';
    }
    return text;
}

std::string buildCoreDataDescription() {
    const std::string text = coreDataDescriptionText();
    return base64Encode(text.c_str(), static_cast<std::uint32_t>(text.size() + 1));
}

}  // namespace pd
