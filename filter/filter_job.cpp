#include "filter/filter_job.h"

#include <cups/ipp.h>

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "core/base/number_text.h"
#include "core/ppd/ppd_choices.h"
#include "core/record/driver_version.h"
#include "core/rules/platform_data.h"
#include "filter/driver_postscript.h"
#include "filter/job_ppd.h"
#include "filter/job_services.h"
#include "filter/line_reader.h"
#include "filter/media_option.h"

namespace pd {

namespace {

// The print dialog's page-format orientations that are landscape (portrait is 1, reverse
// portrait 3).
constexpr std::int64_t pageFormatLandscape = 2;
constexpr std::int64_t pageFormatReverseLandscape = 4;

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

std::int64_t leadingNumber(const char* text) {
    return parseInt64(text).value_or(0);
}

// CUPS turns "nolandscape" into landscape=false; such a value asks for no landscape.
bool isNegative(std::string_view value) {
    const auto equalsIgnoringCase = [&](std::string_view word) {
        return value.size() == word.size() &&
               std::equal(value.begin(), value.end(), word.begin(), [](char a, char b) {
                   return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b;
               });
    };
    return equalsIgnoringCase("false") || equalsIgnoringCase("no") || equalsIgnoringCase("off");
}

// Closes the input file when the run opened one.
struct InputFile {
    std::FILE* file = nullptr;
    bool owned = false;
    ~InputFile() {
        if (owned && file != nullptr) std::fclose(file);
    }
};

constexpr std::string_view frameOpening = "\x1b%-12345X@PJL\n";
constexpr std::string_view languageSwitch = "@PJL ENTER LANGUAGE = POSTSCRIPT\n";
constexpr std::string_view frameClosing = "\n\x1b%-12345X";

int runJob(FilterJob& job, std::FILE* input, const char* ppdPath, JobOutput& output,
           const volatile std::sig_atomic_t* stop) {
    rebuildRecord(job);
    job.ppdFile = openJobPpd(ppdPath, job.optionCount, job.jobOptions);
    mergeJobSettings(job);
    job.pjlHeader = jobPjlHeader(job.record, job.jobName, job.jobOwner);

    JobRewriter rewriter(output, job.record);
    rewriter.ppdFile = job.ppdFile;
    rewriter.pendingFeatureList = std::move(job.pendingFeatureList);
    rewriter.texts = buildInsertedTexts(job.record);
    LineReader reader(input, output, stop, lineHandlingFor(rewriter));
    // Input that cannot be read at all gets nothing: no frame for a job that is not there.
    if (!reader.start()) return exitJobFailed;

    const bool framed = !job.pjlHeader.empty();
    if (framed) {
        output.write(frameOpening);
        output.write(job.pjlHeader);
        output.write(languageSwitch);
    }
    CurrentLine line;
    ReadResult result;
    while ((result = reader.readLine(line)) == ReadResult::line && !output.failed()) {
        rewriteLine(rewriter, line);
    }
    // Nothing more reaches a printer whose stream has failed.
    if (output.failed()) return exitJobFailed;
    // Input that ended early (a read error, a cancel) still gets its closing frame, whose line
    // feed ends the line in progress: the printer must not stay inside the job. The status tells
    // CUPS that the job did not come to its end.
    if (framed) output.write(frameClosing);
    const bool whole = result == ReadResult::endOfInput && !(stop != nullptr && *stop != 0);
    return output.flush() && whole ? exitJobDone : exitJobFailed;
}

}  // namespace

FilterJob::~FilterJob() {
    closeJobPpd(ppdFile);
    cupsFreeOptions(optionCount, jobOptions);
}

void scanJobOptions(FilterJob& job, const char* user, const char* title) {
    for (int i = 0; i < job.optionCount; ++i) {
        const cups_option_t& option = job.jobOptions[i];
        if (option.name == nullptr) continue;
        const std::string_view name = option.name;
        const char* value = option.value != nullptr ? option.value : "";
        if (name.starts_with(recordChunkPrefix)) {
            job.recordChunks.push_back({option.name, value});
        } else if (contains(name, "PMOrientation")) {
            const std::int64_t n = leadingNumber(value);
            job.jobOrientation =
                (n == pageFormatLandscape || n == pageFormatReverseLandscape) ? 1 : 0;
        } else if (name == "orientation-requested") {
            const std::int64_t n = leadingNumber(value);
            job.jobOrientation =
                (n == IPP_ORIENT_LANDSCAPE || n == IPP_ORIENT_REVERSE_LANDSCAPE) ? 1 : 0;
        } else if (contains(name, "PMJobOwner")) {
            job.jobOwner = value;
        } else if (contains(name, "PMJobName")) {
            job.jobName = value;
        } else if (name == "media") {
            job.mediaText = value;
        } else if (name == "landscape") {
            if (!isNegative(value)) job.jobOrientation = 1;
        }
    }
    if (job.jobOwner.empty() && user != nullptr) job.jobOwner = user;
    if (job.jobName.empty() && title != nullptr) job.jobName = title;
}

void rebuildRecord(FilterJob& job) {
    decodeRecordText(joinChunksInNameOrder(job.recordChunks), job.record, jobDefaultRecord());
}

void mergeJobSettings(FilterJob& job) {
    PdPlatformData setup = pageSetupFromRecord(job.record, job.jobOrientation);
    applyMediaOption(setup, job.mediaText);
    mergePlatformData(&job.record, &setup, nullptr, InputSlotMerge::keep, &job.changedFields);
    coreDataToPpdChoices(job.record, job.pendingFeatureList, &job.changedFields);
}

InsertedTexts buildInsertedTexts(const PdCoreData& record) {
    return {buildBeginSetupCode(record, HeaderCopyCount::absent),
            buildEndSetupCode(record, HeaderCopyCount::absent), buildPageStartCode(record)};
}

int runPsfilter(int argc, const char* const* argv, const char* ppdPath, std::FILE* standardInput,
                int outputFd, const volatile std::sig_atomic_t* stop) {
    try {
        useFilterSystemAnswers();
        JobOutput output(outputFd);
        if (argc == 1) {
            // A version query is answered with "R" and the driver's version.
            output.write("R");
            output.write(driverVersion);
            output.write("\n");
            output.flush();
            return exitNoJob;
        }
        if (argc != 6 && argc != 7) return exitNoJob;
        FilterJob job;
        job.optionCount = cupsParseOptions(argv[5], 0, &job.jobOptions);
        if (job.optionCount <= 0) return exitNoJob;
        InputFile input;
        if (argc == 7) {
            input.file = std::fopen(argv[6], "rb");
            input.owned = true;
        } else {
            input.file = standardInput;
        }
        if (input.file == nullptr) return exitNoJob;
        scanJobOptions(job, argv[2], argv[3]);
        return runJob(job, input.file, ppdPath, output, stop);
    } catch (...) {
        // A failed allocation, or a secret that cannot be encrypted: the job is not complete.
        return exitJobFailed;
    }
}

}  // namespace pd
