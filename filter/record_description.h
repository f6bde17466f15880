// The self-describing layout of the settings record, so that a reader of a job can decode the
// record field by field without a copy of this driver's layout.
#pragma once

#include <string>

#include "core/catalog/option_descriptor.h"

namespace pd {

// "1", the format's signature in hexadecimal, "25582", then one row per option member
// ("name:size:count:offset:signed:type[:items]"), every token followed by a blank; returned as
// base64 of the text and its terminating NUL. The same for every job of one build.
std::string buildCoreDataDescription();

// The plain text of the description, before its NUL and base64.
std::string coreDataDescriptionText();

// ":" and the sanitised internal name of every choice, in index order.
std::string appendChoiceKeywords(const ChoiceOptionDescriptor& option);

}  // namespace pd
