// Cuts the job into lines without changing a byte.
//
// A line is everything up to and including its first CR or LF; every byte value, NUL included,
// passes. Memory stays bounded by the longest line: a line that grows beyond passThroughLimit bytes
// without a line end is copied straight to the output, unexamined, instead of being held.
#pragma once

#include <csignal>
#include <cstddef>
#include <cstdio>
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
// before it; or a buffer could not grow. Either way the job cannot be copied whole.
enum class ReadResult { line, endOfInput, failed };

class LineReader {
  public:
    // Small enough that an ordinary job's buffer stays in a few pages, large enough that reads
    // are few.
    static constexpr std::size_t readStep = 64 << 10;
    // A line still without its end when more than passThroughLimit bytes of it are held goes
    // straight to the output. The test is made only at every limitTestStep bytes of input, so
    // which lines are examined does not depend on readStep: a line of up to 5 MiB is always
    // examined, one of up to 6 MiB when its end arrives before the next test.
    static constexpr std::size_t passThroughLimit = 5 << 20;
    static constexpr std::size_t limitTestStep = 1 << 20;

    // Reads file; over-long lines go to passThrough, ahead of the line returned next. Once *stop
    // is set (when stop is given) no more is read: the bytes already read come out as lines, the
    // last one without its line end, and then the input is reported failed.
    LineReader(std::FILE* file, JobOutput& passThrough,
               const volatile std::sig_atomic_t* stop = nullptr);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The first read of the input. False when it failed or was stopped before a byte came (a
    // folder, a closed descriptor, a cancelled job): nothing of the job is there to be written.
    // An empty input is a success.
    bool start();

    // The next line, valid until the next call. A read error ends the input like its end, but
    // is then reported as `failed`.
    ReadResult readLine(CurrentLine& line);

    std::size_t capacity() const { return capacity_; }

  private:
    // The index of the next byte c at or after position_, or fill_ when the unread bytes hold none.
    // Remembers where it looked so that no byte is searched twice for the same c.
    struct ByteSearch {
        std::size_t found = 0;
        std::size_t searchedTo = 0;
        bool none = false;
        bool valid = false;
    };
    std::size_t next(char c, ByteSearch& search);
    std::size_t nextLineEnd();
    void forgetSearches();
    bool grow(std::size_t size);
    void drop(std::size_t count);
    // Appends up to readStep bytes of input; false when the buffer cannot grow.
    bool readMore();

    std::FILE* file_;
    JobOutput& passThrough_;
    char* buffer_ = nullptr;
    std::size_t capacity_ = 0;
    std::size_t fill_ = 0;
    std::size_t position_ = 0;
    const volatile std::sig_atomic_t* stop_;
    bool endOfInput_ = false;
    bool endedEarly_ = false;  // by a read error or a stop request
    std::size_t readSinceLimitTest_ = 0;
    ByteSearch cr_;
    ByteSearch lf_;
};

}  // namespace pd
