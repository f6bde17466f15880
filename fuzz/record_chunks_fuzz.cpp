// The record chunks of a job ("S_PCD" options): base64 decoding, the rebuild of the record from
// chunks given in any order, and everything the filter then makes from a record that came from
// outside (merge, inserted texts, PJL header). No crash, no read outside a buffer, and:
//   - the decoder counts what it writes, never writes past its limit, and undoes the encoder;
//   - chunks that carry a whole record in pieces give that record, whatever their order.
//
// Input: a flag byte, then
//   flag bit 0 clear: chunk texts separated by line feeds, taken as they are;
//   flag bit 0 set:   patches over the default record (a 16-bit big-endian offset, a length byte
//                     and that many bytes), whose base64 text is then cut into 1 + (flag >> 1) % 8
//                     chunks, given in reverse order.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/base64.h"
#include "core/record/core_data.h"
#include "core/record/record_chunks.h"
#include "core/record/validation.h"
#include "filter/filter_job.h"
#include "filter/job_output.h"
#include "filter/job_services.h"
#include "filter/job_settings_comments.h"

namespace {

void require(bool condition) {
    if (!condition) __builtin_trap();
}

// The decoder on text alone: counting, limits and the round trip through the encoder.
void checkDecoder(std::string_view text) {
    std::uint32_t counted = 0;
    const bool whole = pd::base64Decode(text, nullptr, 0, &counted);
    std::vector<unsigned char> out(counted + 8, 0xA5);
    std::uint32_t written = 0;
    require(pd::base64Decode(text, out.data(), counted, &written) == whole);
    require(written == counted);
    require(
        std::all_of(out.begin() + counted, out.end(), [](unsigned char b) { return b == 0xA5; }));
    // A short limit writes only what fits, and never past it.
    const std::uint32_t limit = counted / 2;
    std::vector<unsigned char> cut(limit + 8, 0x5A);
    std::uint32_t cutWritten = 0;
    pd::base64Decode(text, cut.data(), limit, &cutWritten);
    require(cutWritten <= limit);
    require(std::equal(cut.begin(), cut.begin() + cutWritten, out.begin()));
    require(std::all_of(cut.begin() + limit, cut.end(), [](unsigned char b) { return b == 0x5A; }));

    const std::string encoded = pd::base64Encode(out.data(), counted);
    std::vector<unsigned char> back(counted + 1);
    std::uint32_t backLength = 0;
    require(pd::base64Decode(encoded, back.data(), counted + 1, &backLength));
    require(backLength == counted && std::equal(back.begin(), back.begin() + counted, out.begin()));
}

// The filter's steps after the rebuild: none may fail on any record.
void useRecord(pd::FilterJob& job) {
    pd::mergeJobSettings(job);
    pd::buildInsertedTexts(job.record);
    pd::JobOutput comments(-1);
    pd::writeJobSettingsComments(comments, job.record);
    require(!pd::jobPjlHeader(job.record, job.jobName, job.jobOwner).empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const unsigned flags = data[0];
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    pd::FilterJob job;

    if ((flags & 1) == 0) {
        std::uint32_t index = 0;
        for (std::size_t start = 0; start <= rest.size(); ++index) {
            const std::size_t end = std::min(rest.find('\n', start), rest.size());
            const std::string_view text = rest.substr(start, end - start);
            checkDecoder(text);
            job.recordChunks.push_back({pd::recordChunkKey(index), std::string(text)});
            start = end + 1;
        }
        pd::rebuildRecord(job);
        useRecord(job);
        return 0;
    }

    pd::PdCoreData record = pd::jobDefaultRecord();
    const auto bytes = pd::coreDataBytes(record);
    for (std::size_t at = 0; at + 3 <= rest.size();) {
        const std::size_t offset =
            ((std::size_t{std::uint8_t(rest[at])} << 8) | std::uint8_t(rest[at + 1])) %
            pd::coreDataSize;
        std::size_t length = std::uint8_t(rest[at + 2]);
        at += 3;
        length = std::min({length, rest.size() - at, pd::coreDataSize - offset});
        std::memcpy(bytes.data() + offset, rest.data() + at, length);
        at += length;
    }
    const std::string text = pd::base64Encode(bytes.data(), pd::coreDataSize);
    const std::size_t chunks = 1 + (flags >> 1) % 8;
    const std::size_t step = (text.size() + chunks - 1) / chunks;
    for (std::size_t i = 0; i < chunks; ++i) {
        const std::size_t from = std::min(i * step, text.size());
        job.recordChunks.push_back({pd::recordChunkKey(static_cast<std::uint32_t>(i + 1)),
                                    text.substr(from, std::min(step, text.size() - from))});
    }
    std::reverse(job.recordChunks.begin(), job.recordChunks.end());
    pd::rebuildRecord(job);
    // The record comes back as sent, less what validation repairs.
    pd::PdCoreData expected = record;
    pd::validateCoreData(expected);
    require(std::memcmp(&job.record, &expected, pd::coreDataSize) == 0);
    useRecord(job);
    return 0;
}
