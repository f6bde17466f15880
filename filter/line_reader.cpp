#include "filter/line_reader.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace pd {

namespace {

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

constexpr std::size_t hugePage = 2 << 20;

std::size_t roundUp(std::size_t size, std::size_t unit) {
    return (size + unit - 1) / unit * unit;
}

// The grown buffer of a held long line. Its bytes land in fresh memory, and where the system
// offers transparent huge pages each 2 MiB of the line costs one page fault instead of 512, which
// is most of the time such a line takes; where it does not, the advice is ignored and small pages
// serve. The bytes the first buffer held are copied into the first huge page, so they cost no
// fresh small pages either.
char* allocateHeldLineBuffer(std::size_t size) {
    const std::size_t rounded = roundUp(size, hugePage);
    void* const block = std::aligned_alloc(hugePage, rounded);
#ifdef MADV_HUGEPAGE
    if (block != nullptr) madvise(block, rounded, MADV_HUGEPAGE);
#endif
    return static_cast<char*>(block);
}

}  // namespace

LineReader::LineReader(std::FILE* file, JobOutput& output, const volatile std::sig_atomic_t* stop,
                       LineHandling handling)
    : file_(file),
      output_(output),
      stop_(stop),
      handling_(std::move(handling)),
      readStep_(std::max<std::size_t>(handling_.readStep, 1)) {}

LineReader::~LineReader() {
    std::free(buffer_);
}

std::size_t LineReader::next(char c, ByteSearch& search) {
    if (search.valid && !search.none && search.found >= position_) return search.found;
    std::size_t from = position_;
    // A search that found nothing holds for the bytes it covered; only newer bytes need a look.
    if (search.valid && search.none) from = std::max(from, search.searchedTo);
    const void* hit = from < fill_ ? std::memchr(buffer_ + from, c, fill_ - from) : nullptr;
    search.valid = true;
    search.none = hit == nullptr;
    search.searchedTo = fill_;
    if (search.none) return fill_;
    search.found = static_cast<std::size_t>(static_cast<const char*>(hit) - buffer_);
    return search.found;
}

std::size_t LineReader::nextLineEnd() {
    return std::min(next('\r', cr_), next('\n', lf_));
}

// One past the run of whole lines that starts at position_: up to the next line that begins with
// "%", or after the last line end buffered. position_ when the first line has no end yet.
std::size_t LineReader::runEnd() const {
    const char* from = buffer_ + position_ + 1;
    const char* const end = buffer_ + fill_;
    while (from < end) {
        const char* percent =
            static_cast<const char*>(std::memchr(from, '%', static_cast<std::size_t>(end - from)));
        if (percent == nullptr) break;
        if (isLineEnd(percent[-1])) return static_cast<std::size_t>(percent - buffer_);
        from = percent + 1;
    }
    const void* lf = memrchr(buffer_ + position_, '\n', fill_ - position_);
    std::size_t lastEnd = lf != nullptr
                              ? static_cast<std::size_t>(static_cast<const char*>(lf) - buffer_) + 1
                              : position_;
    const void* cr = memrchr(buffer_ + lastEnd, '\r', fill_ - lastEnd);
    if (cr != nullptr)
        lastEnd = static_cast<std::size_t>(static_cast<const char*>(cr) - buffer_) + 1;
    return lastEnd;
}

void LineReader::forgetSearches() {
    cr_.valid = false;
    lf_.valid = false;
}

ReadResult LineReader::take(CurrentLine& line, std::size_t end) {
    line.data = buffer_ + position_;
    line.length = end - position_;
    position_ = end;
    return ReadResult::line;
}

void LineReader::compact() {
    if (position_ == 0) return;
    std::memmove(buffer_, buffer_ + position_, fill_ - position_);
    fill_ -= position_;
    bufferOffset_ += position_;
    position_ = 0;
    forgetSearches();
}

bool LineReader::readMore() {
    // Room for a line shorter than a read step and one more read; only a held line needs more,
    // and then the buffer grows once to its largest size.
    if (capacity_ - fill_ < readStep_) {
        const bool first = capacity_ == 0;
        const std::size_t wanted = first ? 2 * readStep_ : bufferSize();
        // The callers keep the held line within the largest size; a buffer without room would
        // cut the job short.
        if (wanted - fill_ < readStep_) return false;
        char* const grown =
            first ? static_cast<char*>(std::malloc(wanted)) : allocateHeldLineBuffer(wanted);
        if (grown == nullptr) return false;
        if (fill_ > 0) std::memcpy(grown, buffer_, fill_);
        std::free(buffer_);
        buffer_ = grown;
        capacity_ = wanted;
    }
    if (stop_ != nullptr && *stop_ != 0) {
        endedEarly_ = true;
        endOfInput_ = true;
        return true;
    }
    // Bytes read before an error are kept: they reach the output like any others.
    const std::size_t got = std::fread(buffer_ + fill_, 1, readStep_, file_);
    fill_ += got;
    largestFill_ = std::max(largestFill_, fill_);
    if (std::ferror(file_)) endedEarly_ = true;
    if (got == 0 || std::feof(file_) || endedEarly_) endOfInput_ = true;
    return true;
}

bool LineReader::start() {
    return readMore() && !(endedEarly_ && fill_ == 0);
}

// The line at the front of the buffer has filled a read step without a line end.
LineReader::LongLine LineReader::longLine(CurrentLine& line) {
    // The first multiple of limitTestStep more than passThroughLimit bytes after the line's
    // start: a line that has not ended before it passes through unexamined.
    const std::uint64_t limitTest =
        (bufferOffset_ + passThroughLimit) / limitTestStep * limitTestStep + limitTestStep;
    std::uint64_t lineEnd = 0;
    const std::string_view head(buffer_, readStep_);
    if (handling_.mustHold && !handling_.mustHold(head)) {
        if (!passOn(lineEnd, readStep_)) return LongLine::failed;
        if (lineEnd >= limitTest) return LongLine::passedOn;
        line = {buffer_, readStep_, true};
        return LongLine::returned;
    }
    for (;;) {
        const std::size_t end = nextLineEnd();
        if (bufferOffset_ + end >= limitTest) {
            return passOn(lineEnd, 0) ? LongLine::passedOn : LongLine::failed;
        }
        if (end < fill_) {
            take(line, end + 1);
            return LongLine::returned;
        }
        if (endOfInput_) {
            take(line, fill_);
            return LongLine::returned;
        }
        if (!readMore()) return LongLine::failed;
    }
}

// Writes the line at the front of the buffer, up to and including its end, as its bytes arrive.
// Its first keep bytes stay where they are, the next bytes landing after them: the head of the
// line, kept without a copy in the part of the buffer that a read step has touched already.
// lineEnd: the input offset of its line end, or the input's end when it has none. False when the
// output or the input failed.
bool LineReader::passOn(std::uint64_t& lineEnd, std::size_t keep) {
    for (;;) {
        const std::size_t end = nextLineEnd();
        const std::size_t count = end < fill_ ? end + 1 : fill_;
        output_.write(buffer_ + position_, count - position_);
        // Reading on would only feed a dead output, maybe for gigabytes.
        if (output_.failed()) return false;
        if (end < fill_) {
            lineEnd = bufferOffset_ + end;
            position_ = count;
            return true;
        }
        bufferOffset_ += fill_ - keep;
        fill_ = keep;
        position_ = keep;
        forgetSearches();
        if (endOfInput_) {
            lineEnd = bufferOffset_ + keep;
            return true;
        }
        if (!readMore()) return false;
    }
}

ReadResult LineReader::readLine(CurrentLine& line) {
    line = CurrentLine{};
    for (;;) {
        if (position_ < fill_) {
            std::size_t end = position_;
            if (handling_.ordinaryRuns && buffer_[position_] != '%') {
                end = runEnd();
            } else if (const std::size_t lineEnd = nextLineEnd(); lineEnd < fill_) {
                end = lineEnd + 1;
            }
            if (end > position_) return take(line, end);
        }
        if (endOfInput_) {
            if (position_ == fill_)
                return endedEarly_ ? ReadResult::failed : ReadResult::endOfInput;
            return take(line, fill_);
        }
        compact();
        if (fill_ >= readStep_) {
            switch (longLine(line)) {
                case LongLine::returned:
                    return ReadResult::line;
                case LongLine::passedOn:
                    continue;
                case LongLine::failed:
                    return ReadResult::failed;
            }
        }
        if (!readMore()) return ReadResult::failed;
    }
}

}  // namespace pd
