#include "filter/job_rewriter.h"

#include <algorithm>

#include "core/base/number_text.h"
#include "filter/features_dict.h"
#include "filter/job_ppd.h"
#include "filter/job_settings_comments.h"

namespace pd {

namespace {

constexpr std::size_t featurePair = 0;

// In the document setup with features pending, the job's feature blocks follow the feature rules.
bool featuresPending(const JobRewriter& job) {
    return job.beginSetupDone && !job.endSetupDone && !job.pendingFeatureList.empty();
}

void writeLineNow(JobRewriter& job, CurrentLine& line) {
    writeCurrentLine(job.output, line);
}

void writeInserted(JobRewriter& job, std::string_view text) {
    job.output.write(text);
    job.output.write("\n", 1);
}

// Inserts text ahead of the line, at the first of its landmark's lines only.
void insertFirstTime(JobRewriter& job, bool& done, std::string_view text) {
    if (done) return;
    writeInserted(job, text);
    done = true;
}

// A feature block of the job in its document setup while features are pending.
void applyFeatureRules(JobRewriter& job, DscBlockMatcher& matcher, CurrentLine& line) {
    if (job.ppdFile == nullptr) {
        // Without a PPD nothing is replaced: the block's lines pass as ordinary lines.
        matcher.depth = 0;
        return;
    }
    const std::string_view keyword = extractFeatureKeyword(line.view());
    job.currentBlock = &matcher;
    if (keyword == "PageSize") {
        for (const PpdChoice& feature : job.pendingFeatureList) {
            const auto code = findFeatureCode(job.ppdFile, feature.keyword, feature.choice);
            writeFeatureCode(job.output, feature.keyword, feature.choice, code.value_or(""),
                             featureCodeStopped | featureCodeEnd | featureCodeBegin);
        }
        job.pendingFeatureList.clear();
        return;
    }
    const auto pending =
        std::find_if(job.pendingFeatureList.begin(), job.pendingFeatureList.end(),
                     [&](const PpdChoice& feature) { return feature.keyword == keyword; });
    if (pending == job.pendingFeatureList.end()) return;
    const auto code = findFeatureCode(job.ppdFile, pending->keyword, pending->choice);
    // A choice the PPD does not know leaves the job's own block in place: dropping it would lose
    // the feature altogether. A known choice without code (the usual "None") drops the block
    // whole, its end line included: the job's code must not switch the feature back on.
    if (code) {
        writeFeatureCode(job.output, pending->keyword, pending->choice, *code,
                         featureCodeChanged | featureCodeBegin);
        line.handled = true;
        job.replacingFeature = true;
        job.droppingFeature = code->empty();
    }
    job.pendingFeatureList.erase(pending);
}

bool dropsOrdinaryLines(const JobRewriter& job) {
    return job.currentBlock != nullptr && job.replacingFeature;
}

// Whether a page is being written that has not been closed yet.
bool pageOpen(const JobRewriter& job) {
    return job.pageCounter != 0 && job.lastClosedPage != job.pageCounter;
}

// Writes the page trailer and page end of the page being written, once per page.
void closePage(JobRewriter& job) {
    if (!pageOpen(job)) return;
    job.lastClosedPage = job.pageCounter;
    if (!job.pageTrailerSeen) writePageTrailer(job.output, job.pageCounter);
    writeInserted(job, pageEndSnippet());
}

}  // namespace

void writeCurrentLine(JobOutput& output, CurrentLine& line) {
    if (!line.handled && line.data != nullptr) output.write(line.data, line.length);
    line.handled = true;
}

bool dscBlockStage(JobRewriter& job, CurrentLine& line, DscKeyword keyword) {
    const std::string_view text = line.view();
    if (job.currentBlock != nullptr) {
        job.currentBlock->step(keyword, text);
        if (job.currentBlock->depth == 0) {
            if (job.droppingFeature) line.handled = true;
            job.currentBlock = nullptr;
            job.replacingFeature = false;
            job.droppingFeature = false;
        } else if (job.replacingFeature) {
            line.handled = true;
        }
        return true;
    }
    // Only the pair that names the line's keyword can take it.
    const std::size_t pair = dscBlockPairOf(keyword);
    if (pair == dscBlockPairCount) return false;
    DscBlockMatcher& matcher = job.blockMatchers[pair];
    if (matcher.step(keyword, text) == DscBlockMatcher::neither) return false;
    if (pair == featurePair && featuresPending(job)) {
        applyFeatureRules(job, matcher, line);
    } else {
        job.currentBlock = &matcher;
    }
    return true;
}

void insertionStage(JobRewriter& job, CurrentLine& line, DscKeyword keyword) {
    switch (keyword) {
        case DscKeyword::endComment:
            if (job.endCommentsDone) break;
            writeJobSettingsComments(job.output, job.record);
            job.output.write("\n", 1);
            job.endCommentsDone = true;
            break;
        case DscKeyword::beginSetup:
            if (job.beginSetupDone) break;
            writeLineNow(job, line);
            writeInserted(job, job.texts.beginSetupCode);
            job.beginSetupDone = true;
            break;
        case DscKeyword::endSetup:
            insertFirstTime(job, job.endSetupDone, job.texts.endSetupCode);
            break;
        case DscKeyword::pageTrailer:
            job.pageTrailerSeen = true;
            break;
        case DscKeyword::page:
            closePage(job);
            writeLineNow(job, line);
            ++job.pageCounter;
            writeInserted(job, job.texts.pageStartCode);
            break;
        case DscKeyword::trailer:
            closePage(job);
            writeLineNow(job, line);
            writeInserted(job, trailerSnippet());
            break;
        default:
            break;
    }
}

void rewriteLine(JobRewriter& job, CurrentLine& line) {
    const DscKeyword keyword =
        line.length > 0 && line.data[0] == '%' ? dscKeywordOf(line.view()) : DscKeyword::none;
    // A line that names no keyword leaves every state as it is: it is only copied, or dropped
    // with the rest of a replaced feature block.
    if (keyword == DscKeyword::none) {
        if (dropsOrdinaryLines(job)) line.handled = true;
        writeCurrentLine(job.output, line);
        return;
    }
    if (!dscBlockStage(job, line, keyword)) insertionStage(job, line, keyword);
    writeCurrentLine(job.output, line);
}

bool mustHoldLine(const JobRewriter& job, std::string_view head) {
    if (head.size() < dscKeywordReach || dropsOrdinaryLines(job)) return true;
    // Inside a block only its own pair counts, and nothing goes ahead of a line.
    const bool topLevel = job.currentBlock == nullptr;
    switch (dscKeywordOf(head)) {
        case DscKeyword::beginFeature:
            // Whether it opens a block depends on a keyword that may lie beyond the head; and in
            // the document setup the PPD's code for a pending feature may go ahead of it or
            // replace it.
            return extractFeatureKeyword(head).empty() || (topLevel && featuresPending(job));
        case DscKeyword::endComment:
            return topLevel && !job.endCommentsDone;
        case DscKeyword::endSetup:
            return topLevel && !job.endSetupDone;
        case DscKeyword::page:
        case DscKeyword::trailer:
            return topLevel && pageOpen(job);
        default:
            return false;
    }
}

LineHandling lineHandlingFor(const JobRewriter& job) {
    return {.ordinaryRuns = true,
            .mustHold = [&job](std::string_view head) { return mustHoldLine(job, head); }};
}

void writeFeatureCode(JobOutput& output, std::string_view keyword, std::string_view choice,
                      std::string_view code, unsigned flags) {
    if (code.empty()) return;
    if (flags & featureCodeStopped) output.write("mark {\n");
    if (flags & featureCodeChanged)
        output.write("% The next feature was changed by the cups filter\n");
    if (flags & featureCodeBegin) {
        output.write("%%BeginFeature: *");
        output.write(keyword);
        output.write(" ");
        output.write(choice);
        output.write("\n");
    }
    output.write(code);
    if (code.back() != '\n') output.write("\n");
    if (flags & featureCodeEnd) output.write("%%EndFeature\n");
    if (flags & featureCodeStopped) output.write("} stopped cleartomark\n");
}

const std::string& pageEndSnippet() {
    static const std::string text = [] {
        bool prologueFlag = false;
        return "\r\n" + featuresDictCallIfKnown(prologueFlag, "Talvo_NupP3", "") +
               "%%TALVOPAGETRAILER%%\r\n";
    }();
    return text;
}

const std::string& trailerSnippet() {
    static const std::string text = [] {
        bool prologueFlag = false;
        return "\r\nuserdict /TalvoTABdict known { userdict /TalvoTABdict get /Talvo_TP1 known { "
               "userdict /TalvoTABdict get /Talvo_TP1 get exec } if } if\r\n" +
               featuresDictCallIfKnown(prologueFlag, "Talvo_P6", "");
    }();
    return text;
}

void writePageTrailer(JobOutput& output, std::uint64_t page) {
    output.write("(%%[Page ");
    output.write(formatUInt64(page));
    output.write("]%%) = \n%%PageTrailer\n");
}

}  // namespace pd
