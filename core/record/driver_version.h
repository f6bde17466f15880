// The driver's version: the panel shows it, and the filter answers a version query with it and
// names it beside the record's layout signature in every job it rewrites.
#pragma once

#include <string_view>

namespace pd {

inline constexpr std::string_view driverVersion = "5.0.662";

}  // namespace pd
