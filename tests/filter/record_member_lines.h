// The job-settings record of psfilter's output as lines a reviewer can read: one "% Member=value"
// line for each member that differs from a base record, instead of 219 lines of base64.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/base/base64.h"
#include "core/base/hex.h"
#include "core/record/core_data.h"
#include "filter/job_services.h"
#include "written_comments.h"

namespace pd::test {

inline std::string hexBytes(std::span<const unsigned char> bytes) {
    return hexEncode(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

// A text member as a quoted text with \xHH for every byte that is not printable ASCII; a member
// without its NUL, or with bytes after it, as "hex:" and all its bytes.
inline std::string textValue(std::span<const unsigned char> bytes) {
    const auto nul = std::find(bytes.begin(), bytes.end(), 0);
    if (nul == bytes.end() || std::any_of(nul, bytes.end(), [](unsigned char b) { return b != 0; }))
        return "hex:" + hexBytes(bytes);
    const auto length = static_cast<std::size_t>(nul - bytes.begin());
    std::string text = "\"";
    char escape[5];
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned char byte = bytes[i];
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') {
            text += static_cast<char>(byte);
        } else {
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            text += escape;
        }
    }
    return text + "\"";
}

inline std::string memberValue(const PdCoreData& record, const CoreDataMember& member) {
    const auto bytes = memberBytes(record, member);
    switch (member.form) {
        case StoredForm::text:
            return textValue(bytes);
        case StoredForm::bytes: {
            // Blobs are mostly zero: the bytes up to the last non-zero one say it all.
            std::size_t used = bytes.size();
            while (used > 0 && bytes[used - 1] == 0) --used;
            return "hex:" + hexBytes(bytes.first(used));
        }
        case StoredForm::pair:
            return "hex:" + hexBytes(bytes);
        default:
            break;
    }
    if (member.kind == MemberKind::signature) return "hex:" + hexBytes(bytes);
    const std::int64_t number = readMemberNumber(record, member);
    std::string text = std::to_string(number);
    const ChoiceOptionDescriptor* option = member.choiceOption;
    if (member.kind == MemberKind::choice && option != nullptr && number >= 0 &&
        number < option->choiceCount && option->choices[number].name != nullptr) {
        const char* name = option->choices[number].name;
        text += std::string(" (") + name + ")";
    }
    return text;
}

// "% Member=value" and a line feed for every member of record that differs from base, in record
// order. The "% " keeps an output that holds these lines PostScript (Ghostscript reads the golden
// outputs).
inline std::string memberLines(const PdCoreData& record, const PdCoreData& base) {
    std::string lines;
    for (const CoreDataMember& member : coreDataMembers) {
        const auto mine = memberBytes(record, member);
        const auto theirs = memberBytes(base, member);
        if (std::equal(mine.begin(), mine.end(), theirs.begin())) continue;
        lines += "% " + std::string(member.name) + "=" + memberValue(record, member) + "\n";
    }
    return lines;
}

inline constexpr std::string_view recordCommentHead = "%%TALVO-JobSettings: ";
inline constexpr std::string_view descriptionCommentHead = "%%TALVO-JobSettingsDescription: ";
inline constexpr std::string_view memberLinesHead =
    "%%TALVO-JobSettings: (read by the golden harness: the members that differ from the default "
    "record)\n";

struct RecordComment {
    std::size_t start = 0;  // the comment's lines in the text
    std::size_t end = 0;
    PdCoreData record;
};

// The first record comment of text, when it holds a whole record and its lines are exactly those
// that the filter writes for that record.
inline std::optional<RecordComment> findRecordComment(std::string_view text) {
    RecordComment found;
    found.start = text.find(recordCommentHead);
    if (found.start == std::string_view::npos) return std::nullopt;
    found.end = text.find(descriptionCommentHead, found.start);
    if (found.end == std::string_view::npos) return std::nullopt;
    const std::string_view comment = text.substr(found.start, found.end - found.start);

    std::string value;
    std::string_view head = recordCommentHead;
    for (std::size_t at = 0; at < comment.size();) {
        const std::size_t lineEnd = comment.find("\r\n", at);
        if (lineEnd == std::string_view::npos || comment.compare(at, head.size(), head) != 0)
            return std::nullopt;
        value += comment.substr(at + head.size(), lineEnd - at - head.size());
        at = lineEnd + 2;
        head = "%%+ ";
    }
    std::uint32_t length = 0;
    const auto bytes = coreDataBytes(found.record);
    if (!base64Decode(value, bytes.data(), coreDataSize, &length) || length != coreDataSize)
        return std::nullopt;
    const std::string_view key = recordCommentHead.substr(2, recordCommentHead.size() - 4);
    if (dscCommentLinesText(key, base64Encode(bytes.data(), coreDataSize)) != comment)
        return std::nullopt;
    return found;
}

// The default record as the record comment carries it (its secrets as zero bytes).
inline PdCoreData commentedDefaultRecord() {
    return findRecordComment(jobSettingsCommentsText(jobDefaultRecord()))->record;
}

// output with the lines of its record comment replaced by memberLinesHead and the member lines
// against base. An output without a record comment that findRecordComment accepts stays as it is,
// so that nothing of the output is lost in the exchange.
inline std::string withRecordAsMemberLines(const std::string& output, const PdCoreData& base) {
    const auto comment = findRecordComment(output);
    if (!comment) return output;
    return output.substr(0, comment->start) + std::string(memberLinesHead) +
           memberLines(comment->record, base) + output.substr(comment->end);
}

}  // namespace pd::test
