// Drives the filter's set-up and rewriting with arbitrary options and job bytes, the job read
// through the line reader in one stream through the DSC block and insertion stages: no crash, no
// read outside a buffer. Without a PPD nothing is replaced, so every job byte must come out, in
// order, and a job without DSC comments comes out unchanged. The filter's reading (ordinary lines
// in runs, long lines streamed unless they must be held) must give the same output as reading
// line by line; short read steps make long lines of short inputs.
//
// Input: a flag byte (bit 0: rewrite with the test PPD, bit 1: with the driver's own short
// inserted texts instead of markers (the settings comments are always the record's), bits 2 and
// 3: the filter's read step, the usual one or 20, 33 or 64 bytes), the options text, a NUL byte,
// then the job.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "filter/filter_job.h"
#include "filter/job_ppd.h"
#include "filter/job_services.h"
#include "filter/line_reader.h"

namespace {

// Opened once: the PPD is only read by the rewriting.
ppd_file_t* testPpd() {
    static ppd_file_t* const ppd =
        pd::openJobPpd(PD_SOURCE_DIR "/data/ppd/durven-paltero.ppd", 0, nullptr);
    return ppd;
}

// Whether every byte of part appears in whole, in order.
bool isSubsequence(std::string_view part, std::string_view whole) {
    std::size_t at = 0;
    for (const char c : part) {
        at = whole.find(c, at);
        if (at == std::string_view::npos) return false;
        ++at;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const unsigned flags = data[0];
    const char* bytes = reinterpret_cast<const char*>(data + 1);
    --size;
    const void* nul = std::memchr(bytes, '\0', size);
    const std::size_t optionsLength =
        nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - bytes) : size;
    const std::string options(bytes, optionsLength);
    const std::string job = optionsLength < size
                                ? std::string(bytes + optionsLength + 1, size - optionsLength - 1)
                                : "";

    pd::FilterJob setup;
    setup.optionCount = cupsParseOptions(options.c_str(), 0, &setup.jobOptions);
    pd::scanJobOptions(setup, "fuzz", "fuzz job");
    pd::rebuildRecord(setup);
    pd::mergeJobSettings(setup);
    const bool withPpd = (flags & 1) != 0;

    pd::InsertedTexts texts{"<s>", "<e>", "<p>"};
    if (flags & 2) {
        texts = pd::buildInsertedTexts(setup.record);
        pd::jobPjlHeader(setup.record, setup.jobName, setup.jobOwner);
    }
    struct Rewritten {
        std::string output;
        std::size_t lineBytes = 0;
        bool dsc = false;
    };
    constexpr std::size_t readSteps[] = {pd::defaultReadStep, 20, 33, 64};
    const std::size_t readStep = readSteps[(flags >> 2) & 3];
    const auto rewrite = [&](bool asTheFilterReads) {
        Rewritten result;
        std::FILE* input = fmemopen(const_cast<char*>(job.data()), job.size(), "rb");
        if (input == nullptr) return result;
        pd::JobOutput output(-1);
        pd::JobRewriter rewriter(output, setup.record);
        rewriter.ppdFile = withPpd ? testPpd() : nullptr;
        rewriter.pendingFeatureList = setup.pendingFeatureList;
        rewriter.texts = texts;
        pd::LineHandling handling;
        if (asTheFilterReads) {
            handling = pd::lineHandlingFor(rewriter);
            handling.readStep = readStep;
        }
        pd::LineReader reader(input, output, nullptr, handling);
        pd::CurrentLine line;
        pd::ReadResult read;
        while ((read = reader.readLine(line)) == pd::ReadResult::line) {
            if (line.length == 0 || line.data == nullptr) __builtin_trap();
            result.lineBytes += line.length;
            result.dsc = result.dsc || line.data[0] == '%';
            pd::rewriteLine(rewriter, line);
        }
        std::fclose(input);
        if (read != pd::ReadResult::endOfInput) __builtin_trap();
        result.output = output.captured();
        return result;
    };
    const Rewritten lineByLine = rewrite(false);
    const Rewritten filter = rewrite(true);
    if (filter.output != lineByLine.output) __builtin_trap();
    // Every byte comes back in a line, unless a line long enough to pass through unexamined.
    if (job.size() <= pd::LineReader::passThroughLimit && lineByLine.lineBytes != job.size())
        __builtin_trap();
    if (!lineByLine.dsc && filter.output != job) __builtin_trap();
    if (!withPpd && !isSubsequence(job, filter.output)) __builtin_trap();
    return 0;
}
