#include "filter/dsc_keywords.h"

#include <cstring>

namespace pd {

namespace {

// The one keyword that a line beginning "%%Begin" can name, told by the bytes after "Begin".
DscKeyword beginCandidate(char first, char second) {
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
            return DscKeyword::beginCustomColor;
        case 'O':
            return DscKeyword::beginObject;
        case 'S':
            return DscKeyword::beginSetup;
        default:
            return DscKeyword::none;
    }
}

// The same for a line beginning "%%End".
DscKeyword endCandidate(char first, char second) {
    switch (first) {
        case 'F':
            return second == 'e'   ? DscKeyword::endFeature
                   : second == 'i' ? DscKeyword::endFile
                                   : DscKeyword::endFont;
        case 'D':
            return second == 'o' ? DscKeyword::endDocument : DscKeyword::endData;
        case 'R':
            return DscKeyword::endResource;
        case 'P':
            return DscKeyword::endProcSet;
        case 'B':
            return DscKeyword::endBinary;
        case 'C':
            return second == 'u' ? DscKeyword::endCustomColor : DscKeyword::endComment;
        case 'O':
            return DscKeyword::endObject;
        case 'S':
            return DscKeyword::endSetup;
        default:
            return DscKeyword::none;
    }
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
            candidate = beginCandidate(at(7), at(8));
            break;
        case 'E':
            candidate = endCandidate(line[5], line[6]);
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
    if (candidate == DscKeyword::none) return DscKeyword::none;
    return lineStartsWith(line, dscKeywordTexts[static_cast<std::size_t>(candidate)])
               ? candidate
               : DscKeyword::none;
}

}  // namespace pd
