// The page-specific forms (PPS forms): the overlay form assignments of `DtPageSpecificForms` as the
// PJL header's form lines: each assignment reads "<form>:1:<ranges>" ("3:1:1-2,9"), assignments are
// separated by one space, and no line is longer than maxFormLineLength. A form whose ranges do not
// fit continues on the next line with its number again; a range is never split.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/record/core_data.h"
#include "core/record/page_lists.h"

namespace pd {

inline constexpr std::size_t maxFormLineLength = 256;

// Replaces forms by the decoded field and appends the lines to lines (passed empty). True when
// lines then holds fewer than 4 lines, the most the header carries.
bool buildPageSpecificFormLines(const PdCoreData& record, PageFormList& forms,
                                std::vector<std::string>& lines);

}  // namespace pd
