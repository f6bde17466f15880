// DSC bracket tracking and PPD feature replacement.
//
// Comments inside an embedded document, resource, font, raw data or feature block belong to that
// material, not to the job: while a block is open its lines are only tested against its own pair.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "filter/dsc_keywords.h"

namespace pd {

// The PPD keyword named on a feature line: the bytes after the first "*" that is followed by a
// byte other than a blank or a line end, up to the next blank or line end. Empty when none.
std::string_view extractFeatureKeyword(std::string_view line);

// One bracket pair, counting how deeply its blocks are nested.
struct DscBlockMatcher {
    enum Step { neither = 0, beginLine = 1, endLine = 2 };

    DscKeyword beginKeyword = DscKeyword::none;
    DscKeyword endKeyword = DscKeyword::none;
    bool needsKeyword = false;  // a begin line counts only when it names a "*" keyword
    std::int64_t depth = 0;

    // Counts a begin or end line of this pair; keyword is dscKeywordOf(line). An end line with no
    // open block of the pair is not counted and reported as neither, so a stray end line cannot
    // swallow the rest of the job.
    Step step(DscKeyword keyword, std::string_view line);
};

constexpr std::size_t dscBlockPairCount = 10;
using DscBlockMatchers = std::array<DscBlockMatcher, dscBlockPairCount>;

// The ten pairs, in the order of the keywords' groups; the feature pair is first.
DscBlockMatchers makeDscBlockMatchers();

// The index of the pair whose begin or end keyword keyword is; dscBlockPairCount for any other.
std::size_t dscBlockPairOf(DscKeyword keyword);

}  // namespace pd
