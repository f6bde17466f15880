// The DSC keywords that the filter acts on, and the one a line begins with.
//
// No keyword is a prefix of another, so a line begins with at most one of them: a line is
// classified once, and the stages then compare keywords instead of bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pd {

// The begin and end keywords of the ten bracket pairs, each group in the order of the pairs (the
// feature pair first), then the landmarks of the insertion stage.
enum class DscKeyword : std::uint8_t {
    none,
    beginFeature,
    beginDocument,
    beginResource,
    beginProcSet,
    beginFile,
    beginFont,
    beginBinary,
    beginData,
    beginCustomColor,
    beginObject,
    endFeature,
    endDocument,
    endResource,
    endProcSet,
    endFile,
    endFont,
    endBinary,
    endData,
    endCustomColor,
    endObject,
    endComment,
    beginSetup,
    endSetup,
    pageTrailer,
    page,
    trailer,
};

inline constexpr std::size_t dscKeywordCount = 27;  // none included

// The longest keyword: a line's first dscKeywordReach bytes decide which keyword it begins with.
inline constexpr std::size_t dscKeywordReach = 19;

// A keyword's text held in place: a table of them holds no pointer, so the loader has nothing to
// relocate in it at start-up.
struct DscKeywordText {
    template <std::size_t size>
    constexpr DscKeywordText(const char (&text)[size]) : length(size - 1) {
        static_assert(size - 1 <= dscKeywordReach);
        for (std::size_t i = 0; i < size - 1; ++i) bytes[i] = text[i];
    }
    constexpr std::string_view view() const { return {bytes, length}; }

    char bytes[dscKeywordReach] = {};
    std::uint8_t length;
};

// The text of each keyword, indexed by DscKeyword; empty for none.
inline constexpr std::array<DscKeywordText, dscKeywordCount> dscKeywordTexts = {{
    "",
    "%%BeginFeature:",
    "%%BeginDocument:",
    "%%BeginResource:",
    "%%BeginProcSet:",
    "%%BeginFile:",
    "%%BeginFont:",
    "%%BeginBinary:",
    "%%BeginData:",
    "%%BeginCustomColor:",
    "%%BeginObject:",
    "%%EndFeature",
    "%%EndDocument",
    "%%EndResource",
    "%%EndProcSet",
    "%%EndFile",
    "%%EndFont",
    "%%EndBinary",
    "%%EndData",
    "%%EndCustomColor",
    "%%EndObject",
    "%%EndComment",
    "%%BeginSetup",
    "%%EndSetup",
    "%%PageTrailer",
    "%%Page:",
    "%%Trailer",
}};

// True when line begins with keyword, byte for byte; an empty keyword matches every line.
bool lineStartsWith(std::string_view line, std::string_view keyword);

// The keyword that line begins with, or none. Most lines are turned away by their first three
// bytes; a line is compared in full only with the one keyword that those bytes leave.
DscKeyword dscKeywordOf(std::string_view line);

}  // namespace pd
