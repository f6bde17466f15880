#include "core/catalog/option_reading.h"

namespace pd {

std::uint32_t resolvedChoiceIndex(const ChoiceOptionDescriptor& option, std::uint32_t value) {
    const bool isChoice = value < option.choiceCount && value < maxChoiceCount;
    return isChoice ? value : defaultChoiceIndex(option);
}

const OptionChoice& choiceForValue(const ChoiceOptionDescriptor& option, std::uint32_t value) {
    return option.choices[resolvedChoiceIndex(option, value)];
}

bool isMediaNotSpecified(const ChoiceOptionDescriptor& mediaOption, std::uint32_t value) {
    return value == mediaOption.choiceCount;
}

std::optional<std::uint32_t> findChoiceByPpdName(const ChoiceOptionDescriptor& option,
                                                 std::string_view keyword) {
    for (std::uint32_t i = 0; i < option.choiceCount && i < maxChoiceCount; ++i) {
        const char* ppdName = option.choices[i].names.ppdName;
        if (ppdName != nullptr && keyword == ppdName) return i;
    }
    return std::nullopt;
}

bool isNumberInRange(const NumericOptionDescriptor& option, std::int64_t value) {
    return option.minimum <= value && value <= option.maximum;
}

std::string_view defaultTextOf(const TextOptionDescriptor& option) {
    return option.defaultText != nullptr ? std::string_view(option.defaultText)
                                         : std::string_view();
}

bool takesPartInPpd(const OptionDescriptor& option) {
    return isNameSet(option.names.ppdName);
}

bool hasPpdChoice(const OptionChoice& choice) {
    return isNameSet(choice.names.ppdName);
}

}  // namespace pd
