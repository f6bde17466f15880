#include "filter/record_description.h"

#include "core/record/base64.h"
#include "core/record/core_data.h"
#include "core/record/number_text.h"
#include "core/record/text_conversion.h"
#include "filter/job_services.h"
#include "filter/number_format.h"

namespace pd {

namespace {

bool isSigned(const CoreDataMember& member) {
    return member.form == StoredForm::int32 || member.form == StoredForm::text;
}

bool isArray(const CoreDataMember& member) {
    return member.form == StoredForm::text || member.form == StoredForm::bytes;
}

std::string memberRow(const CoreDataMember& member) {
    const std::size_t width = elementWidth(member.form);
    std::string row = sanitizeIdentifier(member.name + 2);  // without the "Dt" prefix
    row += ':';
    row += formatUnsigned(static_cast<std::uint32_t>(width));
    row += ':';
    row += formatInt32(static_cast<std::int32_t>(member.size / width));
    row += ':';
    row += formatUnsigned(static_cast<std::uint32_t>(member.offset));
    row += ':';
    row += formatInt32(isSigned(member) ? 1 : 0);
    if (isArray(member)) {
        row += ":A";
    } else if (member.choiceOption != nullptr) {
        row += ":S";
        row += appendChoiceKeywords(*member.choiceOption);
    } else if (member.numericOption != nullptr) {
        row += ":R:";
        row += formatUInt32(member.numericOption->divisor);
    }
    return row;
}

}  // namespace

std::string appendChoiceKeywords(const ChoiceOptionDescriptor& option) {
    std::string text;
    for (std::uint32_t i = 0; i < option.choiceCount && i < option.choices.size(); ++i) {
        text += ':';
        text += sanitizeIdentifier(option.choices[i].name);
    }
    return text;
}

std::string coreDataDescriptionText() {
    std::string text = "1 " + formatHex64(jobLayoutSignature()) + " 25582 ";
    for (const CoreDataMember& member : coreDataMembers) {
        if (member.kind == MemberKind::signature || member.kind == MemberKind::opaquePair) continue;
        text += memberRow(member);
        text += ' ';
    }
    return text;
}

std::string buildCoreDataDescription() {
    const std::string text = coreDataDescriptionText();
    return base64Encode(text.c_str(), static_cast<std::uint32_t>(text.size() + 1));
}

}  // namespace pd
