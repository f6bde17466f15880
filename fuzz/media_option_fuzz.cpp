// The job's "media" option: token scan, custom size parsing and the merge into the record, then
// the texts made from the merged record. No crash, no read outside a buffer, and:
//   - a custom size that parses is positive on both sides;
//   - the paper follows the first accepted token alone, so the same text gives the same setup and
//     anything after an accepted token changes nothing;
//   - a rejected text leaves the setup as it was.
//
// Input: a flag byte (bit 0: landscape, bit 1: orientation given, bit 2: start from a custom
// paper), then the option text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "filter/filter_job.h"
#include "filter/job_output.h"
#include "filter/job_services.h"
#include "filter/job_settings_comments.h"
#include "filter/media_option.h"

namespace {

void require(bool condition) {
    if (!condition) __builtin_trap();
}

bool sameSetup(const pd::PdPlatformData& a, const pd::PdPlatformData& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const unsigned flags = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        if (const auto custom = pd::parseCustomMediaSize(text.substr(start, comma - start))) {
            require(custom->width > 0 && custom->height > 0);
        }
        start = comma + 1;
    }

    pd::FilterJob job;
    job.record = pd::jobDefaultRecord();
    if (flags & 4) {
        job.record.DtPageSize.set(36);
        job.record.DtCustomPageSizeWidth.set(2100000);
        job.record.DtCustomPageSizeHeight.set(2970000);
    }
    job.jobOrientation = (flags & 2) ? (flags & 1) : 2;
    job.mediaText = std::string(text);

    const pd::PdPlatformData before = pd::pageSetupFromRecord(job.record, job.jobOrientation);
    pd::PdPlatformData setup = before;
    const bool accepted = pd::applyMediaOption(setup, text);
    if (!accepted) require(sameSetup(setup, before));
    require(setup.DtPageSizeName.isTerminated());
    if (accepted && setup.DtPageSize.get() == 36) {
        require(setup.DtCustomPageSizeWidth.get() > 0 && setup.DtCustomPageSizeHeight.get() > 0);
    }
    pd::PdPlatformData again = before;
    require(pd::applyMediaOption(again, std::string(text) + ",Letter,Custom.1x1") == true);
    if (accepted) require(sameSetup(again, setup));

    pd::mergeJobSettings(job);
    require(job.record.DtPageSizeName.isTerminated());
    pd::buildInsertedTexts(job.record);
    pd::JobOutput comments(-1);
    pd::writeJobSettingsComments(comments, job.record);
    require(!pd::jobPjlHeader(job.record, job.jobName, job.jobOwner).empty());
    return 0;
}
