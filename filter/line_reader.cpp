#include "filter/line_reader.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace pd {

LineReader::LineReader(std::FILE* file, JobOutput& passThrough,
                       const volatile std::sig_atomic_t* stop)
    : file_(file), passThrough_(passThrough), stop_(stop) {}

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

void LineReader::forgetSearches() {
    cr_.valid = false;
    lf_.valid = false;
}

bool LineReader::grow(std::size_t size) {
    if (buffer_ != nullptr && capacity_ >= size) return true;
    // Doubling keeps the copies of a growing long line linear in its length; no line is held
    // beyond the pass-through limit, so neither is the buffer.
    size = std::max(size, std::min(2 * capacity_, passThroughLimit + limitTestStep));
    char* grown = static_cast<char*>(std::realloc(buffer_, size));
    if (grown == nullptr) return false;
    buffer_ = grown;
    capacity_ = size;
    return true;
}

// Removes the first count buffered bytes (position_ is 0 whenever this is called).
void LineReader::drop(std::size_t count) {
    std::memmove(buffer_, buffer_ + count, fill_ - count);
    fill_ -= count;
    forgetSearches();
}

bool LineReader::readMore() {
    if (!grow(fill_ + readStep)) return false;
    if (stop_ != nullptr && *stop_ != 0) {
        endedEarly_ = true;
        endOfInput_ = true;
        return true;
    }
    // Bytes read before an error are kept: they reach the output like any others.
    const std::size_t got = std::fread(buffer_ + fill_, 1, readStep, file_);
    fill_ += got;
    readSinceLimitTest_ += got;
    if (std::ferror(file_)) endedEarly_ = true;
    if (got == 0 || std::feof(file_) || endedEarly_) endOfInput_ = true;
    return true;
}

bool LineReader::start() {
    return readMore() && !(endedEarly_ && fill_ == 0);
}

ReadResult LineReader::readLine(CurrentLine& line) {
    line = CurrentLine{};
    bool passingThrough = false;
    for (;;) {
        const std::size_t end = nextLineEnd();
        if (end < fill_) {
            line.data = buffer_ + position_;
            line.length = end + 1 - position_;
            position_ = end + 1;
            return ReadResult::line;
        }
        if (position_ > 0) {
            std::memmove(buffer_, buffer_ + position_, fill_ - position_);
            fill_ -= position_;
            position_ = 0;
            forgetSearches();
        }
        if (endOfInput_) {
            if (fill_ == 0) return endedEarly_ ? ReadResult::failed : ReadResult::endOfInput;
            line.data = buffer_;
            line.length = fill_;
            position_ = fill_;
            return ReadResult::line;
        }
        // Read until the buffer holds a line end or the input ends.
        for (;;) {
            if (readSinceLimitTest_ >= limitTestStep) {
                readSinceLimitTest_ = 0;
                if (fill_ > passThroughLimit) {
                    passThrough_.write(buffer_, fill_);
                    // Reading on would only feed a dead output, maybe for gigabytes.
                    if (passThrough_.failed()) return ReadResult::failed;
                    fill_ = 0;
                    forgetSearches();
                    passingThrough = true;
                }
            }
            if (!readMore()) return ReadResult::failed;
            std::size_t lineEnd = nextLineEnd();
            if (passingThrough && (lineEnd < fill_ || endOfInput_)) {
                const std::size_t count = lineEnd < fill_ ? lineEnd + 1 : fill_;
                passThrough_.write(buffer_, count);
                drop(count);
                passingThrough = false;
                lineEnd = nextLineEnd();
            }
            if (endOfInput_ || lineEnd < fill_) break;
        }
    }
}

}  // namespace pd
