#include "core/catalog/page_geometry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "core/catalog/paper_size.h"

namespace pd {
namespace {

// The paper settings that `makePageGeometry` reads, at "A4" portrait with nothing else set.
struct PaperSettings {
    std::uint32_t pageSize = 1;
    std::uint32_t customPageWidth = 0;  // 1/10000 mm
    std::uint32_t customPageHeight = 0;
    const char* pageSizeName = nullptr;
    std::uint32_t feedDirection = feedDirectionAuto;
    std::uint32_t targetPaperSize = noTargetPaperSize;
    std::uint32_t customTargetWidth = 0;
    std::uint32_t customTargetHeight = 0;
    const char* targetPaperSizeName = nullptr;
    std::uint32_t layout = 0;    // "None"; 2 is "Booklet"
    std::uint32_t nUpCount = 0;  // "1"; 1 is "2", 3 is "4"
    std::int32_t orientation = 0;
    std::uint32_t binding = 0;  // "Left"; 2 is "Top"
};

PageGeometry geometryOf(const PaperSettings& s) {
    return makePageGeometry(s.pageSize, s.customPageWidth, s.customPageHeight, s.pageSizeName,
                            s.feedDirection, s.targetPaperSize, s.customTargetWidth,
                            s.customTargetHeight, s.targetPaperSizeName, s.layout, s.nUpCount,
                            s.orientation, s.binding);
}

struct Expected {
    std::uint32_t paperId;
    std::uint32_t width;  // 1/1000 mm
    std::uint32_t height;
    std::string name;
    std::uint32_t feedDirection;
    std::uint32_t sheetOrientation;
    std::uint32_t source;
};

struct Case {
    const char* what;
    PaperSettings settings;
    Expected expected;
};

constexpr std::uint32_t page = sheetFromPageSize;
constexpr std::uint32_t target = sheetFromTargetPaperSize;
constexpr std::uint32_t longEdge = feedDirectionLongEdge;
constexpr std::uint32_t shortEdge = feedDirectionShortEdge;
constexpr std::uint32_t undetermined = sheetOrientationUndetermined;

TEST(PageGeometry, WorksOutTheSheet) {
    const Case cases[] = {
        {"A4 portrait, measured from its whole points",
         PaperSettings{},
         {1, 209903, 297039, "", longEdge, 0, page}},
        {"A4 landscape",
         PaperSettings{.orientation = 1},
         {1, 209903, 297039, "", shortEdge, 1, page}},
        {"A4 booklet: doubled to A3 and turned",
         PaperSettings{.layout = 2},
         {0, 297039, 419806, "", shortEdge, 1, page}},
        {"A4 booklet landscape",
         PaperSettings{.layout = 2, .orientation = 1},
         {0, 297039, 419806, "", longEdge, 0, page}},
        {"Letter: exact inches",
         PaperSettings{.pageSize = 17},
         {17, 215900, 279400, "", longEdge, 0, page}},
        {"Letter doubled to Tabloid",
         PaperSettings{.pageSize = 17, .layout = 1},
         {10, 279400, 431800, "", shortEdge, 1, page}},
        {"A3 doubled: no standard paper",
         PaperSettings{.pageSize = 0, .layout = 9},
         {36, 420158, 594078, "", shortEdge, 1, page}},
        {"a layout beyond the choices counts as none",
         PaperSettings{.layout = 10},
         {1, 209903, 297039, "", longEdge, 0, page}},
        {"N-up 4 keeps portrait",
         PaperSettings{.nUpCount = 3},
         {1, 209903, 297039, "", longEdge, 0, page}},
        {"N-up 2 turns to landscape",
         PaperSettings{.nUpCount = 1},
         {1, 209903, 297039, "", shortEdge, 1, page}},
        {"N-up 8 reverse turns landscape to portrait",
         PaperSettings{.nUpCount = 8, .orientation = 1},
         {1, 209903, 297039, "", longEdge, 0, page}},
        {"N-up 16 reverse keeps",
         PaperSettings{.nUpCount = 12},
         {1, 209903, 297039, "", longEdge, 0, page}},
        {"N-up beyond the choices: undetermined, long edge",
         PaperSettings{.nUpCount = 13, .binding = 2},
         {1, 209903, 297039, "", longEdge, undetermined, page}},
        {"orientation 2: undetermined",
         PaperSettings{.orientation = 2},
         {1, 209903, 297039, "", longEdge, undetermined, page}},
        {"negative orientation: undetermined",
         PaperSettings{.orientation = -1},
         {1, 209903, 297039, "", longEdge, undetermined, page}},
        {"top binding on portrait: short edge",
         PaperSettings{.binding = 2},
         {1, 209903, 297039, "", shortEdge, 0, page}},
        {"top binding on landscape: long edge",
         PaperSettings{.orientation = 1, .binding = 2},
         {1, 209903, 297039, "", longEdge, 1, page}},
        {"a given long edge stays",
         PaperSettings{.feedDirection = 1, .orientation = 1},
         {1, 209903, 297039, "", longEdge, 1, page}},
        {"a given short edge stays",
         PaperSettings{.feedDirection = 2},
         {1, 209903, 297039, "", shortEdge, 0, page}},
        {"target A3 from the millimetre columns",
         PaperSettings{.pageSizeName = "ignored",
                       .targetPaperSize = 1,
                       .targetPaperSizeName = "A3",
                       .layout = 2},
         {0, 297000, 420000, "A3", shortEdge, 1, target}},
        {"target without a name",
         PaperSettings{.targetPaperSize = 18},
         {17, 215900, 279400, "", longEdge, 0, target}},
        {"custom target rounded to 1/1000 mm",
         PaperSettings{.targetPaperSize = 37,
                       .customTargetWidth = 2100005,
                       .customTargetHeight = 2970004,
                       .targetPaperSizeName = "Proof"},
         {36, 210001, 297000, "Proof", longEdge, 0, target}},
        {"target number without a row",
         PaperSettings{.targetPaperSize = 38},
         {36, 0, 0, "", longEdge, 0, target}},
        {"custom page keeps its name",
         PaperSettings{.pageSize = 36,
                       .customPageWidth = 2100005,
                       .customPageHeight = 2970004,
                       .pageSizeName = "My paper"},
         {36, 210001, 297000, "My paper", longEdge, 0, page}},
        {"custom page doubled: height, twice the width, no name",
         PaperSettings{.pageSize = 36,
                       .customPageWidth = 2100005,
                       .customPageHeight = 2970004,
                       .pageSizeName = "My paper",
                       .layout = 1},
         {36, 297000, 420001, "", shortEdge, 1, page}},
        {"custom page doubled beyond 32 bits saturates",
         PaperSettings{
             .pageSize = 36, .customPageWidth = 0x80000000, .customPageHeight = 10, .layout = 1},
         {36, 1, 429496730, "", shortEdge, 1, page}},
        {"standard page ignores its name",
         PaperSettings{.pageSizeName = "A4"},
         {1, 209903, 297039, "", longEdge, 0, page}},
        {"page size without a row",
         PaperSettings{.pageSize = 40},
         {40, 0, 0, "", longEdge, 0, page}},
        {"page size without a row, doubled",
         PaperSettings{.pageSize = 40, .layout = 1},
         {40, 0, 0, "", shortEdge, 1, page}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PageGeometry g = geometryOf(c.settings);
        EXPECT_EQ(g.paperId, c.expected.paperId);
        EXPECT_EQ(g.width, c.expected.width);
        EXPECT_EQ(g.height, c.expected.height);
        EXPECT_EQ(g.nameView(), c.expected.name);
        EXPECT_EQ(g.feedDirection, c.expected.feedDirection);
        EXPECT_EQ(g.sheetOrientation, c.expected.sheetOrientation);
        EXPECT_EQ(g.source, c.expected.source);
    }
}

TEST(PageGeometry, NamesAreCutWithoutSplittingACharacter) {
    // 126 bytes, then a two-byte character that would end at byte 128: it is left out.
    const std::string name = std::string(126, 'x') + "\xC3\xA9" + "tail";
    PaperSettings settings;
    settings.targetPaperSize = 2;
    settings.targetPaperSizeName = name.c_str();
    const PageGeometry g = geometryOf(settings);
    EXPECT_EQ(g.nameView(), std::string(126, 'x'));
    EXPECT_EQ(g.name.back(), '\0');
}

}  // namespace
}  // namespace pd
