// The page geometry the printer's PostScript reads from TLQXFeatures: page size in micrometres
// and, for a custom size, in points, tolerance, orientation, N-up mode and booklet blank
// insertion, followed by the guarded call of Talvo_NupP5. The page-start code wraps it in the
// guarded calls made before every page (buildPageStartCode, driver_postscript.h).
#pragma once

#include <cstdint>
#include <string>

#include "core/base/unit_scale.h"
#include "core/catalog/option_descriptor.h"
#include "core/record/core_data.h"

namespace pd {

// prologueFlag is the flag of the text the geometry goes into (features_dict.h).
std::string buildPageGeometryCode(bool& prologueFlag, const PdCoreData& record);

// The units per millimetre of an option's values in the driver's PostScript.
constexpr std::uint32_t postScriptScale(const NumericOptionDescriptor& option) {
    return option.outputScale[outputScalePostScriptWord];
}

// A stored value of Option in the driver's PostScript units, Option's units read while compiling.
template <const NumericOptionDescriptor& Option, typename Value>
Value toPostScript(Value value) {
    constexpr std::uint32_t divisor = Option.divisor;
    constexpr std::uint32_t scale = postScriptScale(Option);
    return rescaleUnits(value, divisor, scale);
}

// Micrometres (or any length) as PostScript points: value x 72.0 / 25400.0.
double micrometresToPoints(double micrometres);

}  // namespace pd
