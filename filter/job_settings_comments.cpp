#include "filter/job_settings_comments.h"

namespace pd {

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
        if (piece.size() < room || room == 0) break;
        head = "%%+ ";
    }
    return text;
}

}  // namespace pd
