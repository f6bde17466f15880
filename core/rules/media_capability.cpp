#include "core/rules/media_capability.h"

#include <span>

namespace pd {

namespace {

// A list refuses weights and, for some functions, pre-punched media. Each entry of the lists that
// the driver's tables describe specifies one attribute; they are held here by attribute.
struct MediaRefusal {
    std::span<const std::uint8_t> weights;
    bool prepunched;
};

constexpr std::uint8_t thick7Only[] = {10};
constexpr std::uint8_t thin2AndThick7[] = {1, 10};
constexpr std::uint8_t punchUnitB[] = {1, 2, 5, 6, 7, 8, 9, 10};
constexpr std::uint8_t streamPunch[] = {1, 2, 3, 8, 9, 10};
constexpr std::uint8_t zFold[] = {1, 2, 5, 6, 7, 8, 9, 10};
constexpr std::uint8_t multiLetterFold[] = {1, 6, 7, 8, 9, 10};
constexpr std::uint8_t foldAndStaple[] = {1, 8, 9, 10};
constexpr std::uint8_t ringBinding[] = {1, 2, 3, 8, 9, 10};

constexpr MediaRefusal refusesNothing{{}, false};

MediaRefusal mediaRefusal(MediaFeature mediaFeature, const InstalledOptions* options) {
    const bool foldUnit = optionByteIs(options, 3, 1, 1);
    switch (mediaFeature) {
        case MediaFeature::duplex:
        case MediaFeature::faceDown:
            return {thick7Only, false};
        case MediaFeature::twoHolePunch:
        case MediaFeature::threeHolePunch:
        case MediaFeature::fourHolePunch:
            if (optionByteIs(options, 2, 1, 4)) return {thin2AndThick7, true};
            if (optionByteIs(options, 8, 1, 4)) return {punchUnitB, true};
            return refusesNothing;
        case MediaFeature::streamPunch:
            return {streamPunch, true};
        case MediaFeature::staple:
            return {thin2AndThick7, false};
        case MediaFeature::zFold:
            return {zFold, false};
        case MediaFeature::multiLetterFold:
            return foldUnit ? MediaRefusal{multiLetterFold, false} : refusesNothing;
        case MediaFeature::multiCenterFold:
            return foldUnit ? MediaRefusal{thin2AndThick7, false} : refusesNothing;
        case MediaFeature::foldAndStaple:
            return foldUnit ? MediaRefusal{foldAndStaple, false} : refusesNothing;
        case MediaFeature::ringBinding:
            return {ringBinding, true};
    }
    return refusesNothing;
}

}  // namespace

bool isMediaAllowed(const MediaAttributes& media, MediaFeature mediaFeature,
                    const InstalledOptions* options) {
    if (media == unspecifiedMedia) return true;
    const MediaRefusal refusal = mediaRefusal(mediaFeature, options);
    // An unspecified attribute is one past its last choice and equals no refused value.
    for (const std::uint8_t weight : refusal.weights)
        if (media.weight == weight) return false;
    return !(refusal.prepunched && media.prepunched == 1);
}

}  // namespace pd
