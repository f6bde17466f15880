// Cuts the job into lines without changing a byte.
//
// A line is everything up to and including its first CR or LF; every byte value, NUL included,
// passes. Whether a long line is examined follows the input's offsets alone, whatever the reads
// return: a line that has no line end yet when the input has been read up to a multiple of
// limitTestStep lying more than passThroughLimit bytes after the line's start is copied straight
// to the output, unexamined.
//
// Memory follows what the caller must hold: with a hold test, a line longer than a read step
// goes to the output as it arrives unless the caller needs it whole, and only its head is kept.
#pragma once

#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string_view>

#include "filter/job_output.h"

namespace pd {

// The line last returned by a LineReader, and whether it has been written or dropped.
struct CurrentLine {
    const char* data = nullptr;
    std::size_t length = 0;
    bool handled = false;

    std::string_view view() const { return {data, length}; }
};

// failed: the input ended early, for a read error or a stop request, after every line read
// before it; or the buffer could not be had, or the output failed while a line was going
// through. Either way the job cannot be copied whole.
enum class ReadResult { line, endOfInput, failed };

inline constexpr std::size_t defaultReadStep = 64 << 10;

// What the caller does with lines, so that the reader can spare work and memory.
struct LineHandling {
    // Lines that begin with no "%" come back as runs of whole lines, not one by one.
    bool ordinaryRuns = false;
    // Given the first readStep bytes of a line that has filled a read step without a line end:
    // true when the line must come back whole. Otherwise the line goes to the output as its bytes
    // arrive, and once its end has come it comes back as those first bytes, already handled.
    // Empty: every line comes back whole.
    std::function<bool(std::string_view head)> mustHold;
    // Small enough that an ordinary job's buffer stays in a few pages, large enough that reads
    // are few; tests take small steps to reach long lines with short inputs.
    std::size_t readStep = defaultReadStep;
};

class LineReader {
  public:
    // A line of up to passThroughLimit bytes is always examined, one of up to passThroughLimit +
    // limitTestStep when its end comes before the next multiple of limitTestStep.
    static constexpr std::size_t passThroughLimit = 5 << 20;
    static constexpr std::size_t limitTestStep = 1 << 20;

    // Reads file; lines that go to the output as they arrive (see LineHandling) or pass through
    // unexamined are written to output by the reader itself. Once *stop is set (when stop is given)
    // no more is read: the bytes already read come out as lines, the last one without its line end,
    // and then the input is reported failed.
    LineReader(std::FILE* file, JobOutput& output, const volatile std::sig_atomic_t* stop = nullptr,
               LineHandling handling = {});
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The first read of the input. False when it failed or was stopped before a byte came (a
    // folder, a closed descriptor, a cancelled job): nothing of the job is there to be written.
    // An empty input is a success.
    bool start();

    // The next line (or run, see LineHandling), valid until the next call. A read error ends the
    // input like its end, but is then reported as `failed`.
    ReadResult readLine(CurrentLine& line);

    // The most bytes held at once so far: what the longest held line has cost.
    std::size_t largestFill() const { return largestFill_; }

    // The largest the buffer grows: the longest line that can be held, and one more read. The
    // buffer starts at two read steps; the first held line that outgrows them grows it at once to
    // this size, wholly in huge pages where the system offers them, and it stays so. Its pages are
    // touched only as bytes arrive, so memory follows the longest held line (rounded up to 2 MiB
    // with huge pages) and the held bytes are copied at most once, to grow.
    std::size_t bufferSize() const { return passThroughLimit + limitTestStep + readStep_; }

  private:
    // The index of the next byte c at or after position_, or fill_ when the unread bytes hold none.
    // Remembers where it looked so that no byte is searched twice for the same c.
    struct ByteSearch {
        std::size_t found = 0;
        std::size_t searchedTo = 0;
        bool none = false;
        bool valid = false;
    };
    enum class LongLine { returned, passedOn, failed };

    std::size_t next(char c, ByteSearch& search);
    std::size_t nextLineEnd();
    std::size_t runEnd() const;
    void forgetSearches();
    ReadResult take(CurrentLine& line, std::size_t end);
    // Moves the unread bytes to the front of the buffer.
    void compact();
    // Appends up to readStep bytes of input; false when the buffer cannot be had.
    bool readMore();
    LongLine longLine(CurrentLine& line);
    bool passOn(std::uint64_t& lineEnd, std::size_t keep);

    std::FILE* file_;
    JobOutput& output_;
    const volatile std::sig_atomic_t* stop_;
    LineHandling handling_;
    std::size_t readStep_;
    char* buffer_ = nullptr;
    std::size_t capacity_ = 0;
    std::size_t fill_ = 0;
    std::size_t position_ = 0;
    std::uint64_t bufferOffset_ = 0;  // the input offset of buffer_[0]
    std::size_t largestFill_ = 0;
    bool endOfInput_ = false;
    bool endedEarly_ = false;  // by a read error or a stop request
    ByteSearch cr_;
    ByteSearch lf_;
};

}  // namespace pd
