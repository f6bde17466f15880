#include "core/record/record_page_geometry.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace pd {

PageGeometry pageGeometryFromCoreData(const PdCoreData& record) {
    // The record's names may lack their NUL when the record has not been validated; bounded
    // copies keep the reads inside the fields.
    const auto terminated = [](std::string_view text) {
        std::array<char, 129> copy{};
        std::memcpy(copy.data(), text.data(), std::min(text.size(), copy.size() - 1));
        return copy;
    };
    const auto pageSizeName = terminated(record.DtPageSizeName.view());
    const auto targetPaperSizeName = terminated(record.DtTargetPaperSizeName.view());
    return makePageGeometry({
        .pageSize = record.DtPageSize.get(),
        .customPageWidth = record.DtCustomPageSizeWidth.get(),
        .customPageHeight = record.DtCustomPageSizeHeight.get(),
        .pageSizeName = pageSizeName.data(),
        .feedDirection = record.DtFeedDir.get(),
        .targetPaperSize = record.DtTargetPaperSize.get(),
        .customTargetWidth = record.DtCustomTargetPaperSizeWidth.get(),
        .customTargetHeight = record.DtCustomTargetPaperSizeHeight.get(),
        .targetPaperSizeName = targetPaperSizeName.data(),
        .layout = record.DtLayout.get(),
        .nUpCount = record.DtNUpCount.get(),
        .orientation = record.DtOrientation.get(),
        .binding = record.DtBinding.get(),
    });
}

}  // namespace pd
