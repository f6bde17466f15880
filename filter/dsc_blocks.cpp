#include "filter/dsc_blocks.h"

namespace pd {

namespace {

constexpr std::size_t firstBegin = static_cast<std::size_t>(DscKeyword::beginFeature);
constexpr std::size_t firstEnd = static_cast<std::size_t>(DscKeyword::endFeature);

}  // namespace

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

DscBlockMatcher::Step DscBlockMatcher::step(DscKeyword keyword, std::string_view line) {
    if (keyword == beginKeyword && (!needsKeyword || !extractFeatureKeyword(line).empty())) {
        ++depth;
        return beginLine;
    }
    if (depth > 0 && keyword == endKeyword) {
        --depth;
        return endLine;
    }
    return neither;
}

DscBlockMatchers makeDscBlockMatchers() {
    DscBlockMatchers matchers;
    for (std::size_t i = 0; i < dscBlockPairCount; ++i) {
        matchers[i].beginKeyword = static_cast<DscKeyword>(firstBegin + i);
        matchers[i].endKeyword = static_cast<DscKeyword>(firstEnd + i);
        matchers[i].needsKeyword = matchers[i].beginKeyword == DscKeyword::beginFeature;
    }
    return matchers;
}

std::size_t dscBlockPairOf(DscKeyword keyword) {
    const auto index = static_cast<std::size_t>(keyword);
    if (index >= firstBegin && index < firstBegin + dscBlockPairCount) return index - firstBegin;
    if (index >= firstEnd && index < firstEnd + dscBlockPairCount) return index - firstEnd;
    return dscBlockPairCount;
}

}  // namespace pd
