#include "core/ppd/numeric_ppd_choice.h"

#include <algorithm>
#include <array>
#include <limits>

#include "core/base/number_text.h"
#include "core/catalog/option_reading.h"

namespace pd {

namespace {

// The walk stops at the last entry that a full list of PPD value texts can hold.
constexpr std::size_t lastValueIndex = maxPpdValueCount - 1;

const char* entryAt(PpdValueTexts values, std::size_t index) {
    return index < values.size() ? values[index] : nullptr;
}

bool parseEntry(const char* text, std::uint32_t& out) {
    return parseUInt32(text, out);
}
bool parseEntry(const char* text, std::int32_t& out) {
    return parseInt32(text, out);
}

template <typename Value>
std::string nearestChoice(PpdValueTexts values, Value value) {
    if (entryAt(values, 0) == nullptr || entryAt(values, 1) == nullptr) return {};
    for (std::size_t i = 0;; ++i) {
        const char* lower = entryAt(values, i);
        if (i == lastValueIndex) return lower;
        const char* upper = entryAt(values, i + 1);
        if (upper == nullptr) return lower;
        Value a{}, b{};
        if (!parseEntry(lower, a)) return {};
        if (a == value) return lower;
        if (!parseEntry(upper, b)) return {};
        if (b == value) return upper;
        if (i == 0 && a > value) return lower;
        if (b > value) {
            // Distances in 64 bits are exact for every pair of 32-bit values.
            const std::int64_t above = std::int64_t{b} - std::int64_t{value};
            const std::int64_t below = std::int64_t{value} - std::int64_t{a};
            return above <= below ? upper : lower;
        }
    }
}

// The number option of a row that runs and has a PPD keyword, else null.
const NumericOptionDescriptor* selectedNumericOption(const PpdWriterRow& row,
                                                     const PdCoreData& record,
                                                     const ChangedFieldList* changed) {
    if (row.member == nullptr || !isPpdWriterSelected(row, record, changed)) return nullptr;
    const NumericOptionDescriptor* option = row.member->numericOption;
    if (option == nullptr || ppdKeywordOf(*option) == nullptr) return nullptr;
    return option;
}

// The member's value in the PPD's unit. The product is formed in 64 bits, where it always fits;
// a quotient beyond the family's range is held at the range's end rather than cut to its low
// bits, so that it still finds the nearest (the last) PPD value.
std::uint64_t scaledUnsigned(const PdCoreData& record, const CoreDataMember& member,
                             const NumericOptionDescriptor& option, std::uint64_t maximum) {
    const auto stored = static_cast<std::uint64_t>(readMemberNumber(record, member));
    return std::min(stored * option.outputScale[outputScalePpdWord] / effectiveDivisor(option),
                    maximum);
}

bool appendNearest(PpdChoiceList& out, const NumericOptionDescriptor& option,
                   const std::string& text) {
    if (text.empty()) return false;
    out.push_back({ppdKeywordOf(option), text});
    return true;
}

// The option's PPD value texts as C strings; they point into the constant descriptor.
std::array<const char*, maxPpdValueCount> valueTexts(const NumericOptionDescriptor& option) {
    std::array<const char*, maxPpdValueCount> texts{};
    for (std::size_t i = 0; i < maxPpdValueCount; ++i) texts[i] = option.ppdValues[i];
    return texts;
}

}  // namespace

std::string nearestNumericChoice(PpdValueTexts values, std::uint32_t value) {
    return nearestChoice(values, value);
}

std::string nearestNumericChoice16(PpdValueTexts values, std::uint16_t value) {
    return nearestChoice(values, std::uint32_t{value});
}

std::string nearestSignedNumericChoice(PpdValueTexts values, std::int32_t value) {
    return nearestChoice(values, value);
}

bool writePpdNumber(const PpdWriterRow& row, const PdCoreData& record, PpdChoiceList& out,
                    const ChangedFieldList* changed) {
    const NumericOptionDescriptor* option = selectedNumericOption(row, record, changed);
    if (option == nullptr) return false;
    const auto value = static_cast<std::uint32_t>(
        scaledUnsigned(record, *row.member, *option, std::numeric_limits<std::uint32_t>::max()));
    return appendNearest(out, *option, nearestNumericChoice(valueTexts(*option), value));
}

bool writePpdNumber16(const PpdWriterRow& row, const PdCoreData& record, PpdChoiceList& out,
                      const ChangedFieldList* changed) {
    const NumericOptionDescriptor* option = selectedNumericOption(row, record, changed);
    if (option == nullptr) return false;
    const auto value = static_cast<std::uint16_t>(
        scaledUnsigned(record, *row.member, *option, std::numeric_limits<std::uint16_t>::max()));
    return appendNearest(out, *option, nearestNumericChoice16(valueTexts(*option), value));
}

bool writePpdSignedNumber(const PpdWriterRow& row, const PdCoreData& record, PpdChoiceList& out,
                          const ChangedFieldList* changed) {
    const NumericOptionDescriptor* option = selectedNumericOption(row, record, changed);
    if (option == nullptr) return false;
    // Signed arithmetic truncates toward zero; |stored| < 2^31 and scale < 2^32 fit in 64 bits.
    const std::int64_t stored = readMemberNumber(record, *row.member);
    const std::int64_t quotient = stored * std::int64_t{option->outputScale[outputScalePpdWord]} /
                                  static_cast<std::int64_t>(effectiveDivisor(*option));
    const auto value = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(quotient, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
    return appendNearest(out, *option, nearestSignedNumericChoice(valueTexts(*option), value));
}

}  // namespace pd
