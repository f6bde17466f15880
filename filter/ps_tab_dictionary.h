// The tab dictionary TalvoTABdict of the end-setup code: the record's two tab paper setups
// (paper, tab width, tabs per set, spaces, height, orientation, text position and font), then one
// column per tab page or tab sheet of the job (page, inserted or not, position, set, text).
#pragma once

#include <string>
#include <string_view>

#include "core/record/core_data.h"
#include "filter/pages/pps_trays.h"

namespace pd {

// Empty when tab image shift is on or the job has no tab page and no tab sheet.
std::string buildTabDictionary(const PdCoreData& record, HeaderCopyCount copyCount);

// "/NAME [ p q ] def" and CR LF, an empty value left out; empty for an empty name.
std::string psDefLine(std::string_view name, std::string_view first, std::string_view second);

// Replaces the first occurrence of search, searched from the start each time, until none is
// left. A replacement that contains the search text is applied once per occurrence found
// left to right, so that the call always ends.
void replaceAll(std::string& text, std::string_view search, std::string_view replacement);

// The tab text of an entry as the dictionary's array of hexadecimal strings, one per line.
std::string tabTextGroup(std::string text, bool latin1);

}  // namespace pd
