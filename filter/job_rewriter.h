// The rewriting of the job's PostScript, one line at a time.
//
// Each line goes first to the DSC block stage (brackets and PPD feature replacement), then, when
// that stage leaves it, to the insertion stage (the driver's texts at the job's DSC landmarks),
// and is then written unless a stage wrote or dropped it.
#pragma once

#include <cups/ppd.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/ppd/ppd_choices.h"
#include "core/record/core_data.h"
#include "filter/dsc_blocks.h"
#include "filter/job_output.h"
#include "filter/line_reader.h"

namespace pd {

// The short texts the driver inserts. They depend on nothing but the job's merged record, so
// they are made once before the first line.
struct InsertedTexts {
    std::string beginSetupCode;
    std::string endSetupCode;
    std::string pageStartCode;
};

struct JobRewriter {
    JobRewriter(JobOutput& out, const PdCoreData& jobRecord) : output(out), record(jobRecord) {}

    JobOutput& output;
    // The job's merged record, not owned: its settings comments are written from it where they
    // are inserted, as they are too long to be made beforehand.
    const PdCoreData& record;
    ppd_file_t* ppdFile = nullptr;     // not owned
    PpdChoiceList pendingFeatureList;  // features whose code replaces or precedes the job's own
    InsertedTexts texts;

    DscBlockMatchers blockMatchers = makeDscBlockMatchers();
    DscBlockMatcher* currentBlock = nullptr;
    bool replacingFeature = false;  // the open feature block's lines give way to the PPD's code
    bool droppingFeature = false;   // ... which is empty: the block's end line goes too

    bool endCommentsDone = false;
    bool beginSetupDone = false;
    bool endSetupDone = false;
    bool pageTrailerSeen = false;
    std::uint64_t pageCounter = 0;  // the page being written, from 1
    std::uint64_t lastClosedPage = 0;
};

// Writes the line unless it was already written or dropped; marks it handled either way.
void writeCurrentLine(JobOutput& output, CurrentLine& line);

// Both stages and the final write, for one line of the job, or for a run of lines none of which
// begins with "%" (such lines are only copied or dropped, all alike).
void rewriteLine(JobRewriter& job, CurrentLine& line);

// The stages on their own, for a line that begins with keyword (dscKeywordOf). dscBlockStage
// returns true when it took the line (the line belongs to a block, or is a begin or end line of
// one); the insertion stage then does not see it.
bool dscBlockStage(JobRewriter& job, CurrentLine& line, DscKeyword keyword);
void insertionStage(JobRewriter& job, CurrentLine& line, DscKeyword keyword);

// Whether a long line that begins with head must reach the stages whole: when they may write
// something ahead of it (a landmark's code, the close of a page, a pending feature's code) or
// drop it (inside a replaced feature block). Whether they do depends on whether the line passes
// through unexamined, known only once its end has come or the limit has been reached. Any other
// line can go to the output as it arrives, the stages seeing its head once its end has come:
// only its head is examined, and what they insert follows it.
bool mustHoldLine(const JobRewriter& job, std::string_view head);

// How a LineReader may hand lines to job: ordinary lines in runs, and a long line that
// mustHoldLine lets go straight to the output, then its head.
LineHandling lineHandlingFor(const JobRewriter& job);

// Feature code with the wrappings that flags ask for (the featureCode* bits below).
enum FeatureCodeFlags : unsigned {
    featureCodeBegin = 1,    // "%%BeginFeature: *k c" before the code
    featureCodeEnd = 2,      // "%%EndFeature" after it
    featureCodeStopped = 4,  // inside "mark {" ... "} stopped cleartomark"
    featureCodeChanged = 8,  // a comment that the filter changed this feature
};
void writeFeatureCode(JobOutput& output, std::string_view keyword, std::string_view choice,
                      std::string_view code, unsigned flags);

// The page end and trailer texts, each made once per process.
const std::string& pageEndSnippet();
const std::string& trailerSnippet();
void writePageTrailer(JobOutput& output, std::uint64_t page);

}  // namespace pd
