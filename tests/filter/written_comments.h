// The job settings comments and comment lines as the filter writes them, gathered into one text.
#pragma once

#include <string>
#include <string_view>

#include "filter/job_output.h"
#include "filter/job_settings_comments.h"

namespace pd::test {

inline std::string jobSettingsCommentsText(const PdCoreData& record) {
    JobOutput output(-1);
    writeJobSettingsComments(output, record);
    return output.captured();
}

inline std::string dscCommentLinesText(std::string_view key, std::string_view value) {
    JobOutput output(-1);
    writeDscCommentLines(output, key, value);
    return output.captured();
}

}  // namespace pd::test
