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

MediaRefusal mediaRefusal(std::uint32_t mediaFeature, const InstalledOptions* options) {
    const bool foldUnit = optionByteIs(options, 3, 1, 1);
    switch (mediaFeature) {
        case 0:
        case 1:
            return {thick7Only, false};
        case 2:
        case 3:
        case 4:
            if (optionByteIs(options, 2, 1, 4)) return {thin2AndThick7, true};
            if (optionByteIs(options, 8, 1, 4)) return {punchUnitB, true};
            return refusesNothing;
        case 5:
            return {streamPunch, true};
        case 6:
            return {thin2AndThick7, false};
        case 7:
            return {zFold, false};
        case 8:
            return foldUnit ? MediaRefusal{multiLetterFold, false} : refusesNothing;
        case 9:
            return foldUnit ? MediaRefusal{thin2AndThick7, false} : refusesNothing;
        case 10:
            return foldUnit ? MediaRefusal{foldAndStaple, false} : refusesNothing;
        case 11:
            return {ringBinding, true};
        default:
            return refusesNothing;
    }
}

}  // namespace

bool isMediaAllowed(const MediaAttributes& media, std::uint32_t mediaFeature,
                    const InstalledOptions* options) {
    if (media == unspecifiedMedia) return true;
    const MediaRefusal refusal = mediaRefusal(mediaFeature, options);
    // An unspecified attribute is one past its last choice and equals no refused value.
    for (const std::uint8_t weight : refusal.weights)
        if (media.weight == weight) return false;
    return !(refusal.prepunched && media.prepunched == 1);
}

}  // namespace pd
