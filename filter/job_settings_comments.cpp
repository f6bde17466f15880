#include "filter/job_settings_comments.h"

#include <algorithm>
#include <cstring>

#include "core/base/base64.h"
#include "core/record/core_data.h"
#include "filter/record_description.h"

namespace pd {

namespace {

constexpr std::size_t commentLineLength = 160;

// An upper bound of the size of dscCommentLines(key, value), to build it without regrowing.
std::size_t commentLinesSize(std::string_view key, std::string_view value) {
    const std::size_t lines = value.size() / (commentLineLength - 4) + 2;
    return value.size() + lines * (key.size() + 6);
}

void appendCommentLines(std::string& text, std::string_view key, std::string_view value) {
    if (key.empty()) return;
    std::string head = "%%";
    head += key;
    head += ": ";
    std::size_t position = 0;
    for (;;) {
        const std::size_t room =
            commentLineLength > head.size() ? commentLineLength - head.size() : 0;
        const std::string_view piece = value.substr(std::min(position, value.size()), room);
        text += head;
        text += piece;
        text += "\r\n";
        position += piece.size();
        if (piece.size() < room) break;
        head = "%%+ ";
    }
}

}  // namespace

std::string buildJobSettingsComments(const PdCoreData& record) {
    PdCoreData copy = record;
    // Secrets travel encrypted in the PJL header only.
    std::memset(copy.DtWaitModePassword.bytes, 0, sizeof copy.DtWaitModePassword);
    std::memset(copy.DtPdfPassword.bytes, 0, sizeof copy.DtPdfPassword);
    std::memset(copy.DtUserAuthenticationPassword.bytes, 0,
                sizeof copy.DtUserAuthenticationPassword);
    std::memset(copy.DtAccountTrackPassword.bytes, 0, sizeof copy.DtAccountTrackPassword);
    std::memset(copy.DtRelayServerSettings.bytes, 0, sizeof copy.DtRelayServerSettings);
    const auto bytes = coreDataBytes(copy);
    constexpr std::string_view recordKey = "TALVO-JobSettings";
    constexpr std::string_view descriptionKey = "TALVO-JobSettingsDescription";
    const std::string encoded =
        base64Encode(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    std::string text;
    text.reserve(commentLinesSize(recordKey, encoded) +
                 commentLinesSize(descriptionKey, coreDataDescription));
    appendCommentLines(text, recordKey, encoded);
    appendCommentLines(text, descriptionKey, coreDataDescription);
    return text;
}

std::string dscCommentLines(std::string_view key, std::string_view value) {
    std::string text;
    text.reserve(commentLinesSize(key, value));
    appendCommentLines(text, key, value);
    return text;
}

}  // namespace pd
