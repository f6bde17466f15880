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

const char* pjlChoiceValueBounded(const PjlChoiceView& names, std::uint32_t index) {
    return index < names.values.size() ? static_cast<const char*>(names.values[index]) : nullptr;
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

const char* pjlChoiceValueWithDefault(const PjlChoiceView& names, std::uint32_t index) {
    return pjlChoiceValueBounded(names,
                                 indexWithDefault(index, names.choiceCount, names.defaultIndex));
}

void emitPjlChoice(const PjlChoiceView& names, PjlChoiceField field, const PjlValueList* values,
                   PdCoreData* target, std::string* out, const PdCoreData* record,
                   std::uint32_t jobKind) {
    const PjlDirection direction = pjlDirection(values, target, out, record);
    if (direction == PjlDirection::none || !isNameSet(names.name)) return;

    if (direction == PjlDirection::forward) {
        if (!pjlModeAdmits(names.mode, jobKind)) return;
        const std::uint32_t index =
            indexWithDefault((record->*field).get(), names.choiceCount, names.defaultIndex);
        out->append(pjlSetLineText(names.name, pjlChoiceValueBounded(names, index)));
        return;
    }

    const std::string wanted = findPjlValue(*values, names.name);
    if (wanted.empty()) return;
    for (std::uint32_t index = 0; index < names.values.size(); ++index) {
        const char* value = names.values[index];
        if (isNameSet(value) && wanted == std::string_view(value)) {
            (target->*field).set(static_cast<std::uint8_t>(index));
            return;
        }
    }
}

void emitPjlChoice(const ChoiceOptionDescriptor& option, PjlChoiceField field,
                   const PjlValueList* values, PdCoreData* target, std::string* out,
                   const PdCoreData* record, std::uint32_t jobKind) {
    const auto names = pjlChoiceNames(option);
    emitPjlChoice(pjlChoiceView(names), field, values, target, out, record, jobKind);
}

}  // namespace pd
