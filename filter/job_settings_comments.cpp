#include "filter/job_settings_comments.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

#include "core/base/base64.h"
#include "core/record/core_data.h"
#include "filter/job_output.h"
#include "filter/record_description.h"

namespace pd {

namespace {

constexpr std::size_t commentLineLength = 160;
constexpr std::string_view continuationHead = "%%+ ";

// Cuts a comment's value into lines as its pieces come, so that a long value need not be whole
// in memory first. A line is ended once it is full; the next is begun by the next piece, or by
// finish() as a bare continuation line.
class CommentLines {
  public:
    CommentLines(JobOutput& output, std::string_view key) : output_(output) {
        output_.write("%%");
        output_.write(key);
        output_.write(": ");
        const std::size_t head = key.size() + 4;
        room_ = commentLineLength > head ? commentLineLength - head : 0;
        if (room_ == 0) endLine();
    }

    void append(std::string_view piece) {
        while (!piece.empty()) {
            if (full_) {
                output_.write(continuationHead);
                room_ = commentLineLength - continuationHead.size();
                full_ = false;
            }
            const std::size_t count = std::min(room_, piece.size());
            output_.write(piece.substr(0, count));
            piece.remove_prefix(count);
            room_ -= count;
            if (room_ == 0) endLine();
        }
    }

    void finish() {
        if (full_) output_.write(continuationHead);
        output_.write("\r\n");
    }

  private:
    void endLine() {
        output_.write("\r\n");
        full_ = true;
    }

    JobOutput& output_;
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

// The comments are the longest text the filter inserts: held whole in the output's block they
// would touch more of its fresh pages than the whole rest of a short job. So they are made and
// copied a piece at a time, what the output holds being sent before each piece. A multiple of 3,
// so that the record's pieces encode into pieces of the text of the whole.
constexpr std::size_t pieceSize = 3 * 1024;

// The record's base64 text, with the secrets as zero bytes.
void writeRecordText(JobOutput& output, CommentLines& lines, const PdCoreData& record) {
    const auto bytes = coreDataBytes(record);
    std::array<unsigned char, pieceSize> piece;
    for (std::size_t offset = 0; offset < bytes.size() && output.flush(); offset += pieceSize) {
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

void writeDescriptionText(JobOutput& output, CommentLines& lines) {
    std::string_view text = coreDataDescription;
    while (!text.empty() && output.flush()) {
        const std::string_view piece = text.substr(0, pieceSize);
        lines.append(piece);
        text.remove_prefix(piece.size());
    }
}

}  // namespace

void writeJobSettingsComments(JobOutput& output, const PdCoreData& record) {
    CommentLines recordLines(output, "TALVO-JobSettings");
    writeRecordText(output, recordLines, record);
    recordLines.finish();
    CommentLines descriptionLines(output, "TALVO-JobSettingsDescription");
    writeDescriptionText(output, descriptionLines);
    descriptionLines.finish();
}

void writeDscCommentLines(JobOutput& output, std::string_view key, std::string_view value) {
    if (key.empty()) return;
    CommentLines lines(output, key);
    lines.append(value);
    lines.finish();
}

}  // namespace pd
