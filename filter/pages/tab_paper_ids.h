// The paper ids of the tab papers that the record's tab paper setups name, and the paper each
// tab paper is cut from.
#pragma once

#include <cstdint>

namespace pd {

// `DtTab1PageSize` / `DtTab2PageSize` 0, 1, 2 give 31 (A4 tab), 32 (A4 tab 15 mm), 33 (Letter
// tab); any other value gives 36 (none).
std::uint32_t tab1PaperId(std::uint8_t tabPageSize);
std::uint32_t tab2PaperId(std::uint8_t tabPageSize);

// 31 and 32 give 1 (A4), 33 gives 17 (Letter); any other id is returned unchanged.
std::uint32_t untabbedPaperId(std::uint32_t paperId);

}  // namespace pd
