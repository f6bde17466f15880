#include "core/catalog/page_geometry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "core/catalog/paper_size.h"

namespace pd {
namespace {

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

// Custom lengths are in 1/10000 mm. Layout 0 is "None", 2 "Booklet"; N-up count 0 is "1", 1 "2",
// 3 "4"; binding 0 is "Left", 2 "Top".
constexpr std::uint32_t a4 = a4PaperId;
constexpr std::uint32_t page = sheetFromPageSize;
constexpr std::uint32_t target = sheetFromTargetPaperSize;
constexpr std::uint32_t longEdge = feedDirectionLongEdge;
constexpr std::uint32_t shortEdge = feedDirectionShortEdge;
constexpr std::uint32_t undetermined = sheetOrientationUndetermined;

TEST(PageGeometry, WorksOutTheSheet) {
    const Case cases[] = {
        {"A4 portrait, measured from its whole points",
         PaperSettings{.pageSize = a4},
         {1, 209903, 297039, "", longEdge, 0, page}},
        {"A4 landscape",
         PaperSettings{.pageSize = a4, .orientation = 1},
         {1, 209903, 297039, "", shortEdge, 1, page}},
        {"A4 booklet: doubled to A3 and turned",
         PaperSettings{.pageSize = a4, .layout = 2},
         {0, 297039, 419806, "", shortEdge, 1, page}},
        {"A4 booklet landscape",
         PaperSettings{.pageSize = a4, .layout = 2, .orientation = 1},
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
         PaperSettings{.pageSize = a4, .layout = 10},
         {1, 209903, 297039, "", longEdge, 0, page}},
        {"N-up 4 keeps portrait",
         PaperSettings{.pageSize = a4, .nUpCount = 3},
         {1, 209903, 297039, "", longEdge, 0, page}},
        {"N-up 2 turns to landscape",
         PaperSettings{.pageSize = a4, .nUpCount = 1},
         {1, 209903, 297039, "", shortEdge, 1, page}},
        {"N-up 8 reverse turns landscape to portrait",
         PaperSettings{.pageSize = a4, .nUpCount = 8, .orientation = 1},
         {1, 209903, 297039, "", longEdge, 0, page}},
        {"N-up 16 reverse keeps",
         PaperSettings{.pageSize = a4, .nUpCount = 12},
         {1, 209903, 297039, "", longEdge, 0, page}},
        {"N-up beyond the choices: undetermined, long edge",
         PaperSettings{.pageSize = a4, .nUpCount = 13, .binding = 2},
         {1, 209903, 297039, "", longEdge, undetermined, page}},
        {"orientation 2: undetermined",
         PaperSettings{.pageSize = a4, .orientation = 2},
         {1, 209903, 297039, "", longEdge, undetermined, page}},
        {"negative orientation: undetermined",
         PaperSettings{.pageSize = a4, .orientation = -1},
         {1, 209903, 297039, "", longEdge, undetermined, page}},
        {"top binding on portrait: short edge",
         PaperSettings{.pageSize = a4, .binding = 2},
         {1, 209903, 297039, "", shortEdge, 0, page}},
        {"top binding on landscape: long edge",
         PaperSettings{.pageSize = a4, .orientation = 1, .binding = 2},
         {1, 209903, 297039, "", longEdge, 1, page}},
        {"a given long edge stays",
         PaperSettings{.pageSize = a4, .feedDirection = 1, .orientation = 1},
         {1, 209903, 297039, "", longEdge, 1, page}},
        {"a given short edge stays",
         PaperSettings{.pageSize = a4, .feedDirection = 2},
         {1, 209903, 297039, "", shortEdge, 0, page}},
        {"target A3 from the millimetre columns",
         PaperSettings{.pageSize = a4,
                       .pageSizeName = "ignored",
                       .targetPaperSize = 1,
                       .targetPaperSizeName = "A3",
                       .layout = 2},
         {0, 297000, 420000, "A3", shortEdge, 1, target}},
        {"target without a name",
         PaperSettings{.pageSize = a4, .targetPaperSize = 18},
         {17, 215900, 279400, "", longEdge, 0, target}},
        {"custom target rounded to 1/1000 mm",
         PaperSettings{.pageSize = a4,
                       .targetPaperSize = 37,
                       .customTargetWidth = 2100005,
                       .customTargetHeight = 2970004,
                       .targetPaperSizeName = "Proof"},
         {36, 210001, 297000, "Proof", longEdge, 0, target}},
        {"target number without a row",
         PaperSettings{.pageSize = a4, .targetPaperSize = 38},
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
         PaperSettings{.pageSize = a4, .pageSizeName = "A4"},
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
        const PageGeometry g = makePageGeometry(c.settings);
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
    const PageGeometry g = makePageGeometry(
        {.pageSize = a4, .targetPaperSize = 2, .targetPaperSizeName = name.c_str()});
    EXPECT_EQ(g.nameView(), std::string(126, 'x'));
    EXPECT_EQ(g.name.back(), '\0');
}

}  // namespace
}  // namespace pd
