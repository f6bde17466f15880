// The PPD options that the driver handles, as the print dialog asks the panel for them.
#pragma once

#include <string>
#include <vector>

#include "core/catalog/option_descriptor.h"
#include "core/ppd/ppd_choices.h"

namespace pd {

struct SupportedPpdOption {
    std::string keyword;
    // One (keyword, PPD choice keyword) pair per choice that has one, in choice order, repeats
    // kept; for a numeric option one (keyword, value text) pair per PPD value text.
    PpdChoiceList choices;

    friend bool operator==(const SupportedPpdOption&, const SupportedPpdOption&) = default;
};

using SupportedPpdOptionList = std::vector<SupportedPpdOption>;

// Empties out, then appends one entry per option that has a PPD keyword and at least one PPD
// choice: the record's choice and numeric members in record order, then the offset option.
void collectSupportedPpdOptions(SupportedPpdOptionList& out);

// Appends the entry of a choice option under keyword (null: nothing), when at least one of its
// choices has a PPD choice keyword.
void appendChoiceOptionPpdKeys(const char* keyword, const ChoiceOptionDescriptor& option,
                               SupportedPpdOptionList& out);

// Appends the entry of a numeric option that has a PPD keyword and at least two PPD value texts.
void addNumericPpdKeys(const NumericOptionDescriptor& option, SupportedPpdOptionList& out);

}  // namespace pd
