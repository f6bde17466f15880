#include "filter/job_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace pd {

JobOutput::JobOutput(int fd, std::size_t blockSize)
    : fd_(fd),
      blockSize_(blockSize > 0 ? blockSize : 1),
      block_(std::make_unique_for_overwrite<char[]>(blockSize_)) {}

void JobOutput::write(const void* bytes, std::size_t length) {
    if (failed_ || bytes == nullptr || length == 0) return;
    const char* from = static_cast<const char*>(bytes);
    if (fd_ < 0) {
        captured_.append(from, length);
        return;
    }
    // A piece at least as large as the block goes out directly rather than through it.
    if (length < blockSize_ && used_ + length <= blockSize_) {
        std::memcpy(block_.get() + used_, from, length);
        used_ += length;
        return;
    }
    if (!flush()) return;
    if (length >= blockSize_) {
        send(from, length);
        return;
    }
    std::memcpy(block_.get(), from, length);
    used_ = length;
}

bool JobOutput::flush() {
    if (failed_) return false;
    const std::size_t length = used_;
    used_ = 0;
    return send(block_.get(), length);
}

bool JobOutput::send(const char* bytes, std::size_t length) {
    if (fd_ < 0) {
        captured_.append(bytes, length);
        return true;
    }
    while (length > 0) {
        const ssize_t written = ::write(fd_, bytes, length);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            failed_ = true;
            return false;
        }
        bytes += written;
        length -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace pd
