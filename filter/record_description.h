// The self-describing layout of the settings record, so that a reader of a job can decode the
// record field by field without a copy of this driver's layout.
#pragma once

#include <string>
#include <string_view>

#include "core/catalog/option_descriptor.h"

namespace pd {

// The description as jobs carry it: buildCoreDataDescription() as a constant of the build.
// record_description_generator writes it from the record's member table and the catalogue, so
// that no job computes it at start-up; a test holds it to the computation.
extern const std::string_view coreDataDescription;

// "1", the format's signature in hexadecimal, "25582", then one row per option member
// ("name:size:count:offset:signed:type[:items]"), every token followed by a blank; returned as
// base64 of the text and its terminating NUL.
std::string buildCoreDataDescription();

// The plain text of the description, before its NUL and base64.
std::string coreDataDescriptionText();

// ":" and the sanitised internal name of every choice, in index order.
std::string appendChoiceKeywords(const ChoiceOptionDescriptor& option);

}  // namespace pd
