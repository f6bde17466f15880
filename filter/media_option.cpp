#include "filter/media_option.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

#include "core/base/regex_match.h"
#include "core/base/text_conversion.h"
#include "core/base/unit_scale.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/paper_size.h"

namespace pd {

namespace {

// The pattern is compiled once for the process; a failed compile accepts no custom size.
const regex_t* customSizePattern() {
    static regex_t pattern;
    static const bool compiled = [] {
        clearRegex(pattern);
        return regexCompile(pattern,
                            "^Custom\\.((\\+|-)?[0-9]+(\\.[0-9]+)?)x((\\+|-)?[0-9]+(\\.[0-9]+)?)"
                            "(in|cm|mm)?$",
                            REG_EXTENDED | REG_ICASE) == 0;
    }();
    return compiled ? &pattern : nullptr;
}

// The decimal number that the pattern matched, read the same under every locale.
std::optional<double> decimalNumber(std::string_view text) {
    if (text.starts_with('+')) text.remove_prefix(1);  // from_chars takes a minus sign only
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// A length in whole micrometres, or empty when it is not positive or too large for any field.
std::optional<std::uint64_t> micrometres(const std::string& number, const std::string& unit) {
    const auto parsed = decimalNumber(number);
    if (!parsed) return std::nullopt;
    const double value = *parsed;
    double result;
    if (unit.empty()) {
        result = std::round(value * 25400.0 / 72.0);
    } else if (unit == "in") {
        result = std::trunc(value * 25400.0 + 0.5);
    } else if (unit == "mm") {
        result = std::trunc(value * 1000.0 + 0.5);
    } else if (unit == "cm") {
        result = std::trunc(value * 10.0 * 1000.0 + 0.5);
    } else {
        return std::nullopt;  // a unit in capitals matches the pattern but is no unit we know
    }
    if (!(result >= 1.0 &&
          result <= static_cast<double>(std::numeric_limits<std::uint32_t>::max()))) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(result);
}

// Micrometres in the units of a field whose divisor is given in units per millimetre; empty
// when the result does not fit 32 bits or is 0.
std::optional<std::uint32_t> inFieldUnits(std::uint64_t value, std::uint32_t divisor) {
    if (divisor != 1000) {
        const std::uint64_t g = greatestCommonDivisor(1000, divisor);
        const std::uint64_t up = divisor / g;
        const std::uint64_t down = 1000 / g;
        const std::uint64_t half = up < down ? down / 2 : 0;
        value = (value * up + half) / down;
    }
    if (value == 0 || value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

bool applyPageSizeKeyword(PdPlatformData& setup, std::string_view token) {
    for (std::uint32_t i = 0; i < pageSizeOption.choiceCount && i < pageSizeOption.choices.size();
         ++i) {
        const char* keyword = pageSizeOption.choices[i].names.ppdName;
        if (keyword == nullptr || *keyword == '\0' || token != keyword) continue;
        char name[128] = {};
        copyUtf8Bounded(name, keyword, sizeof name);
        setup.DtPageSize.set(static_cast<std::uint8_t>(i));
        setup.DtPageSizeName.assign(name);
        return true;
    }
    return false;
}

}  // namespace

PdPlatformData pageSetupFromRecord(const PdCoreData& record, std::uint8_t jobOrientation) {
    PdPlatformData setup;
    std::memset(static_cast<void*>(&setup), 0, sizeof setup);
    setup.DtPageSize = record.DtPageSize;
    if (record.DtPageSize.get() == noPaperId) {
        setup.DtCustomPageSizeWidth = record.DtCustomPageSizeWidth;
        setup.DtCustomPageSizeHeight = record.DtCustomPageSizeHeight;
    }
    setup.DtPageSizeName = record.DtPageSizeName;  // all 128 bytes, as stored
    setup.DtInputSlot = record.DtInputSlot;
    setup.DtOrientation.set(jobOrientation);
    return setup;
}

std::optional<CustomMediaSize> parseCustomMediaSize(std::string_view token) {
    const regex_t* pattern = customSizePattern();
    if (pattern == nullptr) return std::nullopt;
    const std::string text(token);
    const SubmatchList groups = regexSubmatches(*pattern, text.c_str(), 0);
    if (groups.size() < 8) return std::nullopt;
    const auto width = micrometres(groups[1], groups[7]);
    const auto height = micrometres(groups[4], groups[7]);
    if (!width || !height) return std::nullopt;
    const auto fieldWidth = inFieldUnits(*width, customPageSizeWidthOption.divisor);
    const auto fieldHeight = inFieldUnits(*height, customPageSizeHeightOption.divisor);
    if (!fieldWidth || !fieldHeight) return std::nullopt;
    return CustomMediaSize{*fieldWidth, *fieldHeight};
}

bool applyMediaOption(PdPlatformData& setup, std::string_view mediaText) {
    if (mediaText.empty()) return false;
    for (std::size_t start = 0;;) {
        const std::size_t comma = mediaText.find(',', start);
        const std::string_view token = mediaText.substr(
            start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        if (applyPageSizeKeyword(setup, token)) return true;
        if (const auto size = parseCustomMediaSize(token)) {
            setup.DtCustomPageSizeWidth.set(size->width);
            setup.DtCustomPageSizeHeight.set(size->height);
            setup.DtPageSize.set(noPaperId);
            return true;
        }
        if (comma == std::string_view::npos) return false;
        start = comma + 1;
    }
}

}  // namespace pd
