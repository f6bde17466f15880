#include "filter/pjl/pjl_choice_emitter.h"

#include <string_view>

#include "core/catalog/option_reading.h"
#include "filter/pjl/pjl_line.h"

namespace pd {
namespace {

// The index a stored value reads as: itself below the choice count, otherwise the default.
std::uint32_t indexWithDefault(std::uint32_t index, std::uint32_t choiceCount,
                               std::uint32_t defaultIndex) {
    return index < choiceCount ? index : defaultIndex & 0xFF;
}

}  // namespace

bool hasPjlName(const OptionDescriptor& option) {
    return isNameSet(option.names.pjlName);
}

const char* pjlChoiceValueBounded(const ChoiceOptionDescriptor& option, std::uint32_t index) {
    if (index >= option.choiceCount || index >= option.choices.size()) return nullptr;
    return option.choices[index].names.pjlName;
}

const char* pjlChoiceValueWithDefault(const ChoiceOptionDescriptor& option, std::uint32_t index) {
    return pjlChoiceValueBounded(option,
                                 indexWithDefault(index, option.choiceCount, option.defaultIndex));
}

void emitPjlChoice(const ChoiceOptionDescriptor& option, PjlChoiceField field,
                   const PjlValueList* values, PdCoreData* target, std::string* out,
                   const PdCoreData* record, std::uint32_t jobKind) {
    const PjlDirection direction = pjlDirection(values, target, out, record);
    if (direction == PjlDirection::none || !hasPjlName(option)) return;

    if (direction == PjlDirection::forward) {
        if (!pjlModeAdmits(option.names.pjlMode, jobKind)) return;
        out->append(pjlSetLineText(option.names.pjlName,
                                   pjlChoiceValueWithDefault(option, (record->*field).get())));
        return;
    }

    const std::string wanted = findPjlValue(*values, option.names.pjlName);
    if (wanted.empty()) return;
    for (std::uint32_t index = 0; index < option.choiceCount && index < option.choices.size();
         ++index) {
        const char* value = option.choices[index].names.pjlName;
        if (isNameSet(value) && wanted == std::string_view(value)) {
            (target->*field).set(static_cast<std::uint8_t>(index));
            return;
        }
    }
}

}  // namespace pd
