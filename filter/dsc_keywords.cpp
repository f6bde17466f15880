#include "filter/dsc_keywords.h"

#include <cstring>

namespace pd {

namespace {

// The keyword that the name after "%%Begin" or "%%End" can make, told by the name's first two
// bytes, in its begin form ("Comment" only ends a keyword). The full comparison weeds out the rest.
DscKeyword nameCandidate(char first, char second) {
    switch (first) {
        case 'F':
            return second == 'e'   ? DscKeyword::beginFeature
                   : second == 'i' ? DscKeyword::beginFile
                                   : DscKeyword::beginFont;
        case 'D':
            return second == 'o' ? DscKeyword::beginDocument : DscKeyword::beginData;
        case 'R':
            return DscKeyword::beginResource;
        case 'P':
            return DscKeyword::beginProcSet;
        case 'B':
            return DscKeyword::beginBinary;
        case 'C':
            return second == 'u' ? DscKeyword::beginCustomColor : DscKeyword::endComment;
        case 'O':
            return DscKeyword::beginObject;
        case 'S':
            return DscKeyword::beginSetup;
        default:
            return DscKeyword::none;
    }
}

// The end form of a begin keyword; any other keyword as it is.
DscKeyword endForm(DscKeyword keyword) {
    constexpr auto firstBegin = static_cast<std::size_t>(DscKeyword::beginFeature);
    constexpr auto firstEnd = static_cast<std::size_t>(DscKeyword::endFeature);
    const auto index = static_cast<std::size_t>(keyword);
    if (index >= firstBegin && index < firstEnd)
        return static_cast<DscKeyword>(index - firstBegin + firstEnd);
    return keyword == DscKeyword::beginSetup ? DscKeyword::endSetup : keyword;
}

}  // namespace

bool lineStartsWith(std::string_view line, std::string_view keyword) {
    return line.size() >= keyword.size() &&
           std::memcmp(line.data(), keyword.data(), keyword.size()) == 0;
}

DscKeyword dscKeywordOf(std::string_view line) {
    // Seven bytes: the shortest keyword, "%%Page:".
    if (line.size() < 7 || line[0] != '%' || line[1] != '%') return DscKeyword::none;
    const auto at = [&](std::size_t i) { return i < line.size() ? line[i] : '\0'; };
    DscKeyword candidate = DscKeyword::none;
    switch (line[2]) {
        case 'B':
            candidate = nameCandidate(at(7), at(8));
            break;
        case 'E':
            candidate = endForm(nameCandidate(line[5], line[6]));
            break;
        case 'P':
            candidate = line[6] == ':' ? DscKeyword::page : DscKeyword::pageTrailer;
            break;
        case 'T':
            candidate = DscKeyword::trailer;
            break;
        default:
            return DscKeyword::none;
    }
    // none's text is empty: it matches, and none it stays.
    return lineStartsWith(line, dscKeywordTexts[static_cast<std::size_t>(candidate)].view())
               ? candidate
               : DscKeyword::none;
}

}  // namespace pd
