// The filter's output: standard output, written in blocks of a pipe's size.
//
// Every byte of the printer stream passes through one JobOutput, so that inserted texts and copied
// lines keep their order and a failed write is noticed once and stops the job: CUPS must never
// report a truncated job as printed.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace pd {

class JobOutput {
  public:
    // Writes to the file descriptor fd; with fd < 0 the bytes are kept in captured() instead
    // (tests).
    explicit JobOutput(int fd, std::size_t blockSize = 64 << 10);
    JobOutput(const JobOutput&) = delete;
    JobOutput& operator=(const JobOutput&) = delete;

    void write(const void* bytes, std::size_t length);
    void write(std::string_view text) { write(text.data(), text.size()); }

    // Hands every buffered byte to the descriptor. False once any write has failed.
    bool flush();
    bool failed() const { return failed_; }

    const std::string& captured() const { return captured_; }

  private:
    bool send(const char* bytes, std::size_t length);

    int fd_;
    // Left unfilled: only the bytes written are ever read, and a short job touches little of it.
    std::size_t blockSize_;
    std::unique_ptr<char[]> block_;
    std::size_t used_ = 0;
    bool failed_ = false;
    std::string captured_;
};

}  // namespace pd
