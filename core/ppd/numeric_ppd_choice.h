// Numbers as PPD choices: a number member is scaled into the PPD's unit and sent as the nearest
// of its option's PPD value texts.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/ppd/ppd_choices.h"
#include "core/ppd/ppd_writers.h"
#include "core/record/changed_field_list.h"
#include "core/record/core_data.h"

namespace pd {

// A list of PPD value texts: ascending decimal numbers, ended by the first null entry or by the
// end of the span. An empty span is no list.
using PpdValueTexts = std::span<const char* const>;

// The entry nearest to value, as written in the list; the upper entry wins a tie, a value below
// the first entry gives the first and one above the last gives the last. Empty when the list has
// fewer than two entries or an entry met before the walk ends holds no number.
std::string nearestNumericChoice(PpdValueTexts values, std::uint32_t value);
std::string nearestNumericChoice16(PpdValueTexts values, std::uint16_t value);
std::string nearestSignedNumericChoice(PpdValueTexts values, std::int32_t value);

// The number writers of the three families: value × output scale word 0 ÷ divisor (0 counts as
// 1), truncated toward zero, looked up in the object's PPD value texts.
bool writePpdNumber(const PpdWriterRow& row, const PdCoreData& record, PpdChoiceList& out,
                    const ChangedFieldList* changed);
bool writePpdNumber16(const PpdWriterRow& row, const PdCoreData& record, PpdChoiceList& out,
                      const ChangedFieldList* changed);
bool writePpdSignedNumber(const PpdWriterRow& row, const PdCoreData& record, PpdChoiceList& out,
                          const ChangedFieldList* changed);

}  // namespace pd
