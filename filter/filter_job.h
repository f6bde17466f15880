// One run of psfilter: arguments and job options in, the printer stream out.
//
// CUPS starts the filter once per job as: psfilter job-id user title copies options [file].
// The run rebuilds the settings record from the job's "S_PCD" chunks, merges the job's "media"
// and orientation into it, lists the PPD features that the merge changed, and copies the job to
// the output inside a PJL frame, rewriting it line by line.
#pragma once

#include <cups/cups.h>
#include <cups/ppd.h>

#include <csignal>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/record/changed_field_list.h"
#include "core/record/core_data.h"
#include "core/record/record_chunks.h"
#include "filter/job_rewriter.h"

namespace pd {

// Exit statuses. noJob: the run ended before any output (wrong arguments, no option, input that
// cannot be opened, version query). jobFailed: the job could not be copied whole (input that
// cannot be read, a read that failed or was stopped, a failed write or allocation), so CUPS must
// not report it as printed.
enum ExitStatus : int { exitJobDone = 0, exitJobFailed = 1, exitNoJob = 2 };

// The state of the job's set-up, from the options to the PJL header.
struct FilterJob {
    FilterJob() = default;
    FilterJob(const FilterJob&) = delete;
    FilterJob& operator=(const FilterJob&) = delete;
    ~FilterJob();

    int optionCount = 0;
    cups_option_t* jobOptions = nullptr;
    std::vector<RecordChunk> recordChunks;
    std::uint8_t jobOrientation = 2;  // 0 portrait, 1 landscape, 2 not given
    std::string jobOwner;
    std::string jobName;
    std::string mediaText;
    PdCoreData record;
    ppd_file_t* ppdFile = nullptr;
    ChangedFieldList changedFields;
    PpdChoiceList pendingFeatureList;
    std::string pjlHeader;
};

// Reads the options that the filter uses; user names the owner and title the job when no option
// does (CUPS on Linux sends no job-name option, only the job's title argument).
void scanJobOptions(FilterJob& job, const char* user, const char* title);

// The record from the chunks, or the default record when they do not make a whole record.
void rebuildRecord(FilterJob& job);

// Merges the job's page setup into the record and lists the pending PPD features.
void mergeJobSettings(FilterJob& job);

// The short texts inserted at the DSC landmarks, made from the merged record.
InsertedTexts buildInsertedTexts(const PdCoreData& record);

// The whole run. ppdPath is the "PPD" variable (null when unset); standard input is read when
// argv names no file; the printer stream goes to outputFd. The PJL frame opens once the first
// read of the input has succeeded, and closes at its end, also when reading ended early or was
// stopped by *stop (when given, the termination flag in the program); only a failed write
// leaves it open, as nothing more can reach the printer then.
int runPsfilter(int argc, const char* const* argv, const char* ppdPath, std::FILE* standardInput,
                int outputFd, const volatile std::sig_atomic_t* stop = nullptr);

}  // namespace pd
