#include "filter/dsc_blocks.h"

#include <cstring>

namespace pd {

bool lineStartsWith(std::string_view line, std::string_view keyword) {
    return line.size() >= keyword.size() &&
           std::memcmp(line.data(), keyword.data(), keyword.size()) == 0;
}

std::string_view extractFeatureKeyword(std::string_view line) {
    const auto endsKeyword = [](char c) { return c == ' ' || c == '\r' || c == '\n'; };
    for (std::size_t star = 0; star + 1 < line.size(); ++star) {
        if (line[star] != '*' || endsKeyword(line[star + 1])) continue;
        std::size_t end = star + 1;
        while (end < line.size() && !endsKeyword(line[end])) ++end;
        return line.substr(star + 1, end - star - 1);
    }
    return {};
}

DscBlockMatcher::Step DscBlockMatcher::step(std::string_view line) {
    if (lineStartsWith(line, beginKeyword) &&
        (!needsKeyword || !extractFeatureKeyword(line).empty())) {
        ++depth;
        return beginLine;
    }
    if (depth > 0 && lineStartsWith(line, endKeyword)) {
        --depth;
        return endLine;
    }
    return neither;
}

DscBlockMatchers makeDscBlockMatchers() {
    return {{
        {"%%BeginFeature:", "%%EndFeature", true},
        {"%%BeginDocument:", "%%EndDocument", false},
        {"%%BeginResource:", "%%EndResource", false},
        {"%%BeginProcSet:", "%%EndProcSet", false},
        {"%%BeginFile:", "%%EndFile", false},
        {"%%BeginFont:", "%%EndFont", false},
        {"%%BeginBinary:", "%%EndBinary", false},
        {"%%BeginData:", "%%EndData", false},
        {"%%BeginCustomColor:", "%%EndCustomColor", false},
        {"%%BeginObject:", "%%EndObject", false},
    }};
}

}  // namespace pd
