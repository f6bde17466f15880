// The finishing functions and paper paths that accept only some sheets or media, as the rules
// name them when they ask the capability tests. The rows of the rule tables and the tests' choice
// of refusal table both use these names.
#pragma once

#include <cstdint>

namespace pd {

// A function that accepts only some printed sheets: paper sizes, in every feed direction or in
// one. Any other value names no function and refuses nothing.
enum class PaperFeature : std::uint32_t {
    // Offset output, by copies or by sheets.
    offsetOutput = 1,
    zFold = 2,
    multiLetterFold = 3,
    multiCenterFold = 4,
    // The multi-centre fold with creases.
    creasedMultiCenterFold = 5,
    foldAndStaple = 6,
    // One staple, in a corner or on the binding side.
    oneStaple = 7,
    twoStaples = 8,
    twoHolePunch = 9,
    // Any staple on a Z-folded sheet.
    zFoldStaple = 10,
    threeHolePunch = 11,
    fourHolePunch = 12,
    streamPunch = 13,
    // The paper path itself, which no rule asks for: it gives the feed directions of a paper.
    paperPath = 14,
    // The image printed at the left or right of the sheet.
    sideImagePosition = 15,
    // Ring binding, by the printed side of the first sheet and of the last.
    ringBindingFirstInside = 16,
    ringBindingFirstOutside = 17,
    ringBindingLastInside = 18,
    ringBindingLastOutside = 19,
    // Feeding from tray 3.
    tray3 = 20,
    // Feeding from the automatic source.
    autoSlot = 21,
};

// A function that accepts only some media: weights, and for some, pre-punched media. Any value
// above the last names no function and refuses nothing.
enum class MediaFeature : std::uint32_t {
    duplex = 0,
    faceDown = 1,
    twoHolePunch = 2,
    threeHolePunch = 3,
    fourHolePunch = 4,
    streamPunch = 5,
    staple = 6,
    zFold = 7,
    // The multi-letter and multi-centre folds without creases.
    multiLetterFold = 8,
    multiCenterFold = 9,
    foldAndStaple = 10,
    ringBinding = 11,
};

}  // namespace pd
