#include "core/ppd/supported_ppd_options.h"

#include <algorithm>

#include "core/catalog/option_catalogue.h"
#include "core/record/core_data.h"

namespace pd {

void appendChoiceOptionPpdKeys(const char* keyword, const ChoiceOptionDescriptor& option,
                               SupportedPpdOptionList& out) {
    if (keyword == nullptr) return;
    SupportedPpdOption entry{keyword, {}};
    const std::size_t count = std::min<std::size_t>(option.choiceCount, option.choices.size());
    for (std::size_t i = 0; i < count; ++i) {
        const char* choice = option.choices[i].names.ppdName;
        if (choice != nullptr) entry.choices.push_back({keyword, choice});
    }
    if (!entry.choices.empty()) out.push_back(std::move(entry));
}

void addNumericPpdKeys(const NumericOptionDescriptor& option, SupportedPpdOptionList& out) {
    const char* keyword = option.names.ppdName;
    if (keyword == nullptr || option.ppdValues[0] == nullptr || option.ppdValues[1] == nullptr)
        return;
    SupportedPpdOption entry{keyword, {}};
    for (const char* value : option.ppdValues) {
        if (value == nullptr) break;
        entry.choices.push_back({keyword, value});
    }
    out.push_back(std::move(entry));
}

void collectSupportedPpdOptions(SupportedPpdOptionList& out) {
    out.clear();
    for (const CoreDataMember& member : coreDataMembers) {
        if (member.choiceOption != nullptr)
            appendChoiceOptionPpdKeys(member.choiceOption->names.ppdName, *member.choiceOption,
                                      out);
        else if (member.numericOption != nullptr)
            addNumericPpdKeys(*member.numericOption, out);
    }
    appendChoiceOptionPpdKeys(offsetOption.names.ppdName, offsetOption, out);
}

}  // namespace pd
