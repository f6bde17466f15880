// The user's custom papers as the page-setup merge uses them: a paper whose name equals the page
// setup's paper name decides whether the paper is one that the printer itself reports.
#pragma once

#include <cstdint>
#include <vector>

namespace pd {

struct CustomPaper {
    // 1 when the printer reports the paper, else 0: a DtPageSizeType value.
    std::uint32_t fromEngine;
    // UTF-8, NUL-terminated, never cut inside a UTF-8 sequence; empty when the entry has no name.
    char name[128];
};

// Appends one paper for each readable entry of the preferences, in their order. Reads them anew
// on every call; a process that installed no reader (the filter) reads none.
void loadCustomPapers(std::vector<CustomPaper>& papers);

}  // namespace pd
