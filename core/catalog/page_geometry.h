// The sheet that a job is printed on, worked out from its paper settings: the target
// paper size when one is set, otherwise the page size, or the paper twice its size when an
// imposition layout puts two pages on one sheet.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace pd {

// Values of `PageGeometry::feedDirection` (the `feedDirOption` choices; "Auto" is resolved).
inline constexpr std::uint32_t feedDirectionAuto = 0;
inline constexpr std::uint32_t feedDirectionLongEdge = 1;
inline constexpr std::uint32_t feedDirectionShortEdge = 2;

// Values of `PageGeometry::sheetOrientation`.
inline constexpr std::uint32_t sheetPortrait = 0;
inline constexpr std::uint32_t sheetLandscape = 1;
inline constexpr std::uint32_t sheetOrientationUndetermined = 2;

// Values of `PageGeometry::source`.
inline constexpr std::uint32_t sheetFromPageSize = 1;
inline constexpr std::uint32_t sheetFromTargetPaperSize = 2;

struct PageGeometry {
    std::uint32_t paperId;  // `noPaperId` for a custom sheet or when no standard paper fits
    std::uint32_t width;    // 1/1000 mm
    std::uint32_t height;   // 1/1000 mm
    // UTF-8, NUL-terminated: the target paper size name when a target is set, the page size name
    // for a custom page on its own, empty otherwise.
    std::array<char, 128> name;
    std::uint32_t feedDirection;
    std::uint32_t sheetOrientation;
    std::uint32_t source;

    std::string_view nameView() const;
    bool operator==(const PageGeometry&) const = default;
};

// The paper settings a sheet is worked out from, as a settings record holds them. Custom lengths
// are in the units of their options (`customPageSizeWidthOption` and the like); the choices are
// indices of `pageSizeOption`, `feedDirOption`, `targetPaperSizeOption`, `layoutOption`,
// `nUpCountOption`, `orientationOption` and `bindingOption`. Either name may be null.
struct PaperSettings {
    std::uint32_t pageSize = 0;
    std::uint32_t customPageWidth = 0;
    std::uint32_t customPageHeight = 0;
    const char* pageSizeName = nullptr;
    std::uint32_t feedDirection = feedDirectionAuto;
    std::uint32_t targetPaperSize = 0;  // "Auto": no target paper size
    std::uint32_t customTargetWidth = 0;
    std::uint32_t customTargetHeight = 0;
    const char* targetPaperSizeName = nullptr;
    std::uint32_t layout = 0;
    std::uint32_t nUpCount = 0;
    std::int32_t orientation = 0;
    std::uint32_t binding = 0;
};

PageGeometry makePageGeometry(const PaperSettings& settings);

}  // namespace pd
