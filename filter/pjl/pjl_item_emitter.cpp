#include "filter/pjl/pjl_item_emitter.h"

#include <algorithm>
#include <limits>
#include <type_traits>

#include "core/base/number_text.h"
#include "core/catalog/option_reading.h"
#include "filter/pjl/pjl_line.h"
#include "filter/pjl/pjl_units.h"

namespace pd {
namespace {

std::string decimal(std::int32_t value) {
    return formatInt32(value);
}
std::string decimal(std::uint32_t value) {
    return formatUInt32(value);
}

// The number of a reverse value in the field's own type; a 16-bit field takes 0xFFFF for any
// number beyond it. None when the text holds no number.
template <typename Number>
std::optional<Number> parseNumber(const std::string& text) {
    if constexpr (std::is_same_v<Number, std::int32_t>) {
        std::int32_t value = 0;
        if (!parseInt32(text, value)) return std::nullopt;
        return value;
    } else {
        std::uint32_t value = 0;
        if (!parseUInt32(text, value)) return std::nullopt;
        return static_cast<Number>(
            std::min<std::uint32_t>(value, std::numeric_limits<Number>::max()));
    }
}

// Converts in Wide (the width of the arithmetic), stores in the field's own width.
template <typename Stored, typename Wide>
void emitNumber(const NumericOptionDescriptor& option, Stored PdCoreData::*field,
                const PjlValueList* values, PdCoreData* target, std::string* out,
                const PdCoreData* record, std::uint32_t jobKind) {
    // The scale that takes a stored value to PJL units.
    const std::uint32_t scale = option.outputScale[outputScalePjlWord];
    switch (pjlDirection(values, target, out, record)) {
        case PjlDirection::forward: {
            if (!isWrittenToPjl(option, jobKind)) return;
            const Wide stored = (record->*field).get();
            out->append(pjlSetLine(option.names.pjlName,
                                   decimal(convertToPjlUnits(stored, scale, option.divisor)), 0));
            return;
        }
        case PjlDirection::reverse: {
            if (!isNameSet(option.names.pjlName)) return;
            const std::string text = findPjlValue(*values, option.names.pjlName);
            if (text.empty()) return;
            const auto parsed = parseNumber<typename Stored::value_type>(text);
            if (!parsed) return;
            const Wide converted = convertFromPjlUnits(Wide{*parsed}, scale, option.divisor);
            (target->*field).set(static_cast<typename Stored::value_type>(converted));
            return;
        }
        case PjlDirection::none:
            return;
    }
}

}  // namespace

void emitPjlItem(const NumericOptionDescriptor& option, StoredInt32 PdCoreData::*field,
                 const PjlValueList* values, PdCoreData* target, std::string* out,
                 const PdCoreData* record, std::uint32_t jobKind) {
    emitNumber<StoredInt32, std::int32_t>(option, field, values, target, out, record, jobKind);
}

void emitPjlItem(const NumericOptionDescriptor& option, StoredUInt32 PdCoreData::*field,
                 const PjlValueList* values, PdCoreData* target, std::string* out,
                 const PdCoreData* record, std::uint32_t jobKind) {
    emitNumber<StoredUInt32, std::uint32_t>(option, field, values, target, out, record, jobKind);
}

void emitPjlItem(const NumericOptionDescriptor& option, StoredUInt16 PdCoreData::*field,
                 const PjlValueList* values, PdCoreData* target, std::string* out,
                 const PdCoreData* record, std::uint32_t jobKind) {
    emitNumber<StoredUInt16, std::uint32_t>(option, field, values, target, out, record, jobKind);
}

std::string pjlTextItemLine(const OptionDescriptor& option, std::string_view text,
                            std::uint32_t jobKind) {
    if (!isWrittenToPjl(option, jobKind)) return {};
    return pjlSetLine(option.names.pjlName, text, 1);
}

std::optional<std::string> pjlTextItemValue(const OptionDescriptor& option,
                                            const PjlValueList& values) {
    if (!isNameSet(option.names.pjlName)) return std::nullopt;
    std::string value = findPjlValue(values, option.names.pjlName);
    if (value.empty()) return std::nullopt;
    return value;
}

}  // namespace pd
