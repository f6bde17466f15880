#include "panel/pipe_frame.h"

#include <algorithm>
#include <cstring>

namespace pd {
namespace {

constexpr std::size_t wordSize = 4;
constexpr std::size_t dropPiece = 64 * 1024;

void appendWord(std::vector<unsigned char>& bytes, std::uint32_t value) {
    for (std::size_t i = 0; i < wordSize; ++i)
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

std::uint32_t wordAt(const unsigned char* bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < wordSize; ++i) value |= std::uint32_t{bytes[i]} << (8 * i);
    return value;
}

}  // namespace

std::vector<unsigned char> createPipeCommunicationData(const std::string& magic, std::int32_t type,
                                                       std::span<const unsigned char> body) {
    std::vector<unsigned char> frame;
    frame.reserve(magic.size() + 2 * wordSize + body.size());
    frame.insert(frame.end(), magic.begin(), magic.end());
    appendWord(frame, static_cast<std::uint32_t>(type));
    appendWord(frame, static_cast<std::uint32_t>(body.size()));
    frame.insert(frame.end(), body.begin(), body.end());
    return frame;
}

std::array<unsigned char, sizeof(WindowLevel)> windowLevelBytes(WindowLevel level) {
    std::array<unsigned char, sizeof(WindowLevel)> bytes{};
    const auto value = static_cast<std::uintptr_t>(level);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    return bytes;
}

PipeFrameReader::PipeFrameReader(std::string magic) : magic_(std::move(magic)) {
    collected_.reserve(magic_.size() + 2 * wordSize);
}

std::size_t PipeFrameReader::wanted() const {
    switch (state_) {
        case State::header:
            return magic_.size() + 2 * wordSize - collected_.size();
        case State::body:
            return size_ - collected_.size();
        case State::dropping:
            return std::min<std::size_t>(dropping_, dropPiece);
    }
    return 0;
}

std::optional<PipeMessage> PipeFrameReader::take(std::span<const unsigned char>& input) {
    const std::size_t count = std::min(input.size(), wanted());
    const std::span<const unsigned char> piece = input.first(count);
    input = input.subspan(count);
    if (state_ == State::dropping) {
        dropping_ -= static_cast<std::uint32_t>(count);
        if (dropping_ == 0) state_ = State::header;
        return std::nullopt;
    }
    collected_.insert(collected_.end(), piece.begin(), piece.end());
    if (wanted() != 0) return std::nullopt;

    if (state_ == State::body) {
        state_ = State::header;
        PipeMessage message{type_, std::move(collected_)};
        collected_ = {};
        collected_.reserve(magic_.size() + 2 * wordSize);
        return message;
    }
    const unsigned char* header = collected_.data();
    const bool matches = std::memcmp(header, magic_.data(), magic_.size()) == 0;
    type_ = static_cast<std::int32_t>(wordAt(header + magic_.size()));
    size_ = wordAt(header + magic_.size() + wordSize);
    collected_.clear();
    if (!matches) return std::nullopt;
    if (size_ == 0) return PipeMessage{type_, std::nullopt};
    if (size_ > maxPipeBodySize) {
        state_ = State::dropping;
        dropping_ = size_;
        return std::nullopt;
    }
    state_ = State::body;
    collected_.reserve(size_);
    return std::nullopt;
}

}  // namespace pd
