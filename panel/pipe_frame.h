// The frames on the settings application's pipes, in both directions: the connection name as the
// magic, a signed 32-bit operation code, an unsigned 32-bit body size (both little-endian), then
// the body.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "dialog/window_level.h"

namespace pd {

enum class PipeOp : std::int32_t {
    windowLevel = 0,     // panel: the print dialog's window level
    coreData = 1,        // application: a new settings record
    getPassword = 2,     // application: a keychain look-up; answered with the same code
    setPassword = 3,     // application: a keychain store; answered with the same code
    isActive = 4,        // application: is the dialog or the application active? 1 byte back
    pdeWindowLevel = 5,  // application: the dialog's window level, answered as for 0
    uiProcessId = 6,     // application: its process id, 4 bytes
    none = 7,            // never sent
};

// The largest body the reader keeps: the largest real one is a settings record. A larger body is
// read and dropped in pieces, so that no sender can make the dialog hold more.
inline constexpr std::uint32_t maxPipeBodySize = 64 * 1024;

// One frame: the magic, type, body size and body.
std::vector<unsigned char> createPipeCommunicationData(const std::string& magic, std::int32_t type,
                                                       std::span<const unsigned char> body);

// A window level as the body of operations 0 and 5: signed, little-endian, the platform word wide.
std::array<unsigned char, sizeof(WindowLevel)> windowLevelBytes(WindowLevel level);

// A message read from the pipe. A frame of size 0 has no body.
struct PipeMessage {
    std::int32_t type = static_cast<std::int32_t>(PipeOp::none);
    std::optional<std::vector<unsigned char>> body;
};

// The reader's frame assembly, fed with the bytes as they arrive in pieces of any size. A header
// whose magic differs is dropped whole, and the next bytes are read as the next header.
class PipeFrameReader {
  public:
    explicit PipeFrameReader(std::string magic);

    // The number of bytes the reader takes next: the rest of the header, of the body, or of the
    // next piece of a body it drops. Never beyond the current frame, so a reader that asks for no
    // more never reads into the next one.
    std::size_t wanted() const;

    // Takes the first bytes of input, no more than wanted(), and removes them from input; the
    // message that they complete, if any.
    std::optional<PipeMessage> take(std::span<const unsigned char>& input);

  private:
    enum class State { header, body, dropping };

    std::string magic_;
    State state_ = State::header;
    std::vector<unsigned char> collected_;
    std::int32_t type_ = static_cast<std::int32_t>(PipeOp::none);
    std::uint32_t size_ = 0;
    // The bytes of a dropped body still to come.
    std::uint32_t dropping_ = 0;
};

}  // namespace pd
