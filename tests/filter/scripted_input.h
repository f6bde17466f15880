// An input stream for the reader's tests: it hands out its pieces one read at a time, then ends
// or fails. It can also play a cancel: once a given number of pieces has been taken it raises a
// stop flag, and the read after that fails with EINTR, as a read that SIGTERM interrupts does.
#pragma once

#include <sys/types.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace pd::test {

struct ScriptedInput {
    std::vector<std::string> pieces;
    bool failsAtEnd = false;  // a read error after the last piece instead of the end of input
    volatile std::sig_atomic_t* stop = nullptr;
    std::size_t stopAfter = 0;  // pieces taken when *stop is raised
    std::size_t taken = 0;
    std::size_t reads = 0;

    // A stream over this input (it must outlive the stream).
    std::FILE* open() {
        const cookie_io_functions_t functions{&ScriptedInput::read, nullptr, nullptr, nullptr};
        return fopencookie(this, "r", functions);
    }

  private:
    static ssize_t read(void* cookie, char* buffer, std::size_t size) {
        auto& input = *static_cast<ScriptedInput*>(cookie);
        ++input.reads;
        if (input.stop != nullptr && *input.stop != 0) {
            errno = EINTR;
            return -1;
        }
        if (input.taken == input.pieces.size()) return input.failsAtEnd ? -1 : 0;
        const std::string& piece = input.pieces[input.taken++];
        const std::size_t length = std::min(size, piece.size());
        std::memcpy(buffer, piece.data(), length);
        if (input.stop != nullptr && input.taken == input.stopAfter) *input.stop = 1;
        return static_cast<ssize_t>(length);
    }
};

}  // namespace pd::test
