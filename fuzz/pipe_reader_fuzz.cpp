// The pipe reader and the keychain request decoder on whatever a settings application sends: no
// crash, no read outside a buffer, and
//   - the reader never takes more than it asked for, keeps no body above 64 KiB, and hands over
//     only messages that the stream holds as they are: the bytes just taken are the body, and
//     just before them stands a header of the connection's magic, the message's type and the
//     body's size;
//   - every keychain reply is a whole block whose password is at most 511 bytes of UTF-8 and
//     whose other fields are the request's.
//
// Input: a byte that cuts the stream into pieces of 1 to 256 bytes, then the stream. A message of
// type 2 or 3 is also answered from a keychain that holds one item.
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

#include "panel/keychain_service.h"
#include "panel/pipe_frame.h"
#include "platform/utf8.h"

namespace {

void require(bool condition) {
    if (!condition) __builtin_trap();
}

const std::string magic = "TALVOPDE4242";

void checkKeychainReply(const pd::KeychainRequest& reply, std::span<const unsigned char> body) {
    const pd::KeychainRequest request = pd::KeychainRequest::fromBody(body);
    require(reply.account == request.account);
    require(reply.service == request.service);
    const std::string password = pd::stringFromField(reply.password);
    require(password.size() <= 511);
    require(pd::isWellFormedUtf8(password.data(), password.size()));
}

std::uint32_t wordAt(const unsigned char* bytes) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

// message, delivered once the reader had taken the first end bytes of stream, is the frame that
// ends there.
void checkMessage(const pd::PipeMessage& message, std::span<const unsigned char> stream,
                  std::size_t end) {
    const std::size_t bodySize = message.body ? message.body->size() : 0;
    require(!message.body || (bodySize != 0 && bodySize <= pd::maxPipeBodySize));
    const std::size_t frameSize = magic.size() + 8 + bodySize;
    require(end >= frameSize);
    const unsigned char* frame = stream.data() + end - frameSize;
    require(std::memcmp(frame, magic.data(), magic.size()) == 0);
    require(static_cast<std::int32_t>(wordAt(frame + magic.size())) == message.type);
    require(wordAt(frame + magic.size() + 4) == bodySize);
    require(bodySize == 0 ||
            std::memcmp(frame + magic.size() + 8, message.body->data(), bodySize) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t piece = std::size_t{data[0]} + 1;
    const std::span<const unsigned char> stream(data + 1, size - 1);
    std::span<const unsigned char> rest = stream;
    pd::PipeFrameReader reader(magic);
    pd::MemoryKeychain keychain;
    keychain.items[{"print", "alice"}] = std::string("caf\xE9\0x", 6);
    while (!rest.empty()) {
        std::span<const unsigned char> input = rest.first(std::min(piece, rest.size()));
        rest = rest.subspan(input.size());
        while (!input.empty()) {
            const std::size_t wanted = reader.wanted();
            const std::size_t before = input.size();
            const std::optional<pd::PipeMessage> message = reader.take(input);
            require(before - input.size() <= wanted);
            if (!message) continue;
            checkMessage(*message, stream, static_cast<std::size_t>(input.data() - stream.data()));
            if (!message->body) continue;
            const std::span<const unsigned char> body(*message->body);
            if (message->type == 2)
                checkKeychainReply(pd::getKeychainPassword(keychain, body), body);
            if (message->type == 3) {
                const pd::KeychainRequest reply = pd::setKeychainPassword(keychain, body);
                require(reply.statusValue() == 0 || reply.statusValue() == 1);
                require(reply.password == pd::KeychainRequest::fromBody(body).password);
            }
        }
    }
    return 0;
}
