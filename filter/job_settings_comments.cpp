#include "filter/job_settings_comments.h"

#include <algorithm>
#include <cstring>

#include "core/record/base64.h"
#include "core/record/core_data.h"
#include "filter/record_description.h"

namespace pd {

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
    std::string text = dscCommentLines(
        "TALVO-JobSettings", base64Encode(bytes.data(), static_cast<std::uint32_t>(bytes.size())));
    text += dscCommentLines("TALVO-JobSettingsDescription", buildCoreDataDescription());
    return text;
}

std::string dscCommentLines(std::string_view key, std::string_view value) {
    constexpr std::size_t lineLength = 160;
    std::string text;
    if (key.empty()) return text;
    std::string head = "%%";
    head += key;
    head += ": ";
    std::size_t position = 0;
    for (;;) {
        const std::size_t room = lineLength > head.size() ? lineLength - head.size() : 0;
        const std::string_view piece = value.substr(std::min(position, value.size()), room);
        text += head;
        text += piece;
        text += "\r\n";
        position += piece.size();
        if (piece.size() < room) break;
        head = "%%+ ";
    }
    return text;
}

}  // namespace pd
