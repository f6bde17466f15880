#include "filter/job_settings_comments.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

#include "core/base/base64.h"
#include "core/record/core_data.h"
#include "filter/record_description.h"

namespace pd {

namespace {

constexpr std::size_t commentLineLength = 160;
constexpr std::string_view continuationHead = "%%+ ";

// An upper bound of the size of dscCommentLines(key, value), to build it without regrowing.
std::size_t commentLinesSize(std::string_view key, std::size_t valueSize) {
    const std::size_t lines = valueSize / (commentLineLength - 4) + 2;
    return valueSize + lines * (key.size() + 6);
}

// Cuts a comment's value into lines as its pieces come, so that a long value need not be whole
// in memory first. A line is ended once it is full; the next is begun by the next piece, or by
// finish() as a bare continuation line.
class CommentLines {
  public:
    CommentLines(std::string& text, std::string_view key) : text_(text) {
        text_ += "%%";
        text_ += key;
        text_ += ": ";
        const std::size_t head = key.size() + 4;
        room_ = commentLineLength > head ? commentLineLength - head : 0;
        if (room_ == 0) endLine();
    }

    void append(std::string_view piece) {
        while (!piece.empty()) {
            if (full_) {
                text_ += continuationHead;
                room_ = commentLineLength - continuationHead.size();
                full_ = false;
            }
            const std::size_t count = std::min(room_, piece.size());
            text_ += piece.substr(0, count);
            piece.remove_prefix(count);
            room_ -= count;
            if (room_ == 0) endLine();
        }
    }

    void finish() {
        if (full_) text_ += continuationHead;
        text_ += "\r\n";
    }

  private:
    void endLine() {
        text_ += "\r\n";
        full_ = true;
    }

    std::string& text_;
    std::size_t room_ = 0;
    bool full_ = false;
};

struct ByteRange {
    std::size_t offset;
    std::size_t size;
};

// Secrets travel encrypted in the PJL header only.
constexpr std::array secretMembers{
    ByteRange{offsetof(PdCoreData, DtWaitModePassword), sizeof(PdCoreData::DtWaitModePassword)},
    ByteRange{offsetof(PdCoreData, DtPdfPassword), sizeof(PdCoreData::DtPdfPassword)},
    ByteRange{offsetof(PdCoreData, DtUserAuthenticationPassword),
              sizeof(PdCoreData::DtUserAuthenticationPassword)},
    ByteRange{offsetof(PdCoreData, DtAccountTrackPassword),
              sizeof(PdCoreData::DtAccountTrackPassword)},
    ByteRange{offsetof(PdCoreData, DtRelayServerSettings),
              sizeof(PdCoreData::DtRelayServerSettings)},
};

// The record's base64 text, made a few kilobytes at a time with the secrets as zero bytes: neither
// a copy of the record nor its whole text is needed.
void appendRecordText(CommentLines& lines, const PdCoreData& record) {
    // A multiple of 3, so that the pieces' texts join into the text of the whole.
    constexpr std::size_t pieceSize = 3 * 1024;
    const auto bytes = coreDataBytes(record);
    std::array<unsigned char, pieceSize> piece;
    for (std::size_t offset = 0; offset < bytes.size(); offset += pieceSize) {
        const std::size_t size = std::min(pieceSize, bytes.size() - offset);
        std::memcpy(piece.data(), bytes.data() + offset, size);
        for (const ByteRange& secret : secretMembers) {
            const std::size_t from = std::max(secret.offset, offset);
            const std::size_t to = std::min(secret.offset + secret.size, offset + size);
            if (from < to) std::memset(piece.data() + (from - offset), 0, to - from);
        }
        lines.append(base64Encode(piece.data(), static_cast<std::uint32_t>(size)));
    }
}

}  // namespace

std::string buildJobSettingsComments(const PdCoreData& record) {
    constexpr std::string_view recordKey = "TALVO-JobSettings";
    constexpr std::string_view descriptionKey = "TALVO-JobSettingsDescription";
    std::string text;
    text.reserve(commentLinesSize(recordKey, (coreDataSize + 2) / 3 * 4) +
                 commentLinesSize(descriptionKey, coreDataDescription.size()));
    CommentLines recordLines(text, recordKey);
    appendRecordText(recordLines, record);
    recordLines.finish();
    CommentLines descriptionLines(text, descriptionKey);
    descriptionLines.append(coreDataDescription);
    descriptionLines.finish();
    return text;
}

std::string dscCommentLines(std::string_view key, std::string_view value) {
    std::string text;
    if (key.empty()) return text;
    text.reserve(commentLinesSize(key, value.size()));
    CommentLines lines(text, key);
    lines.append(value);
    lines.finish();
    return text;
}

}  // namespace pd
