#include "panel/pipe_communication.h"

#include <limits.h>
#include <pthread.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace pd {
namespace {

// Writes bytes with SIGPIPE blocked on this thread alone, so that a reader that has gone makes
// the write fail with EPIPE instead of ending the host, whose signal handling stays its own. A
// SIGPIPE that the write raised is taken back before the thread's mask is restored.
ssize_t writeWithoutSigpipe(int fd, const std::vector<unsigned char>& bytes) {
    sigset_t sigpipe;
    sigemptyset(&sigpipe);
    sigaddset(&sigpipe, SIGPIPE);
    sigset_t previousMask;
    pthread_sigmask(SIG_BLOCK, &sigpipe, &previousMask);
    sigset_t pending;
    sigpending(&pending);
    const bool alreadyPending = sigismember(&pending, SIGPIPE) == 1;
    ssize_t written = 0;
    do {
        written = ::write(fd, bytes.data(), bytes.size());
    } while (written < 0 && errno == EINTR);
    if (written < 0 && errno == EPIPE && !alreadyPending) {
        const timespec noWait{};
        while (sigtimedwait(&sigpipe, nullptr, &noWait) < 0 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
    return written;
}

}  // namespace

std::shared_ptr<PipeCommunication> PipeCommunication::create(
    std::string name, std::weak_ptr<PipeOperationHandler> handler, UniqueFd writableEnd) {
    return std::shared_ptr<PipeCommunication>(
        new PipeCommunication(std::move(name), std::move(handler), std::move(writableEnd)));
}

PipeCommunication::PipeCommunication(std::string name, std::weak_ptr<PipeOperationHandler> handler,
                                     UniqueFd writableEnd)
    : magic_(std::move(name)),
      handler_(std::move(handler)),
      writableEnd_(std::move(writableEnd)),
      reader_(magic_) {}

PipeCommunication::~PipeCommunication() {
    stopReading();
}

void PipeCommunication::startReading(std::shared_ptr<Application> application,
                                     UniqueFd readableEnd) {
    stopReading();
    application_ = std::move(application);
    readableEnd_ = std::move(readableEnd);
    if (application_ && readableEnd_) waitForData();
}

void PipeCommunication::waitForData() {
    watch_ = application_->watchReadable(readableEnd_.get(), RunLoopModes::all,
                                         [weak = weak_from_this()] {
                                             if (const auto self = weak.lock())
                                                 self->dataAvailable();
                                         });
}

void PipeCommunication::stopReading() {
    if (application_ && watch_ != 0) application_->cancelWatch(watch_);
    watch_ = 0;
    readableEnd_.reset();
}

void PipeCommunication::dataAvailable() {
    watch_ = 0;
    const std::size_t wanted = reader_.wanted();
    if (readBuffer_.size() < wanted) readBuffer_.resize(wanted);
    ssize_t count = 0;
    do {
        count = ::read(readableEnd_.get(), readBuffer_.data(), wanted);
    } while (count < 0 && errno == EINTR);
    if (count == 0 || (count < 0 && errno != EAGAIN && errno != EWOULDBLOCK)) {
        // The end of the application's output, or a pipe that can no longer be read: an
        // incomplete message is dropped.
        stopReading();
        return;
    }
    // Asked before the message is handled, so that reading goes on whatever the handler does.
    waitForData();
    if (count < 0) return;
    std::span<const unsigned char> input(readBuffer_.data(), static_cast<std::size_t>(count));
    std::optional<PipeMessage> message = reader_.take(input);
    if (!message) return;
    if (const auto handler = handler_.lock())
        handler->handlePipeOperation(message->type, message->body ? &*message->body : nullptr);
}

bool PipeCommunication::writeToPipe(std::int32_t type, std::span<const unsigned char> body) {
    const std::lock_guard<std::mutex> lock(pipeLock_);
    if (!writableEnd_) return false;
    const std::vector<unsigned char> frame = createPipeCommunicationData(magic_, type, body);
    // Only a write of up to PIPE_BUF bytes is whole or nothing; every frame the panel sends is
    // shorter.
    if (frame.size() > PIPE_BUF) return false;
    return writeWithoutSigpipe(writableEnd_.get(), frame) == static_cast<ssize_t>(frame.size());
}

void PipeCommunication::invalidate() {
    const std::lock_guard<std::mutex> lock(pipeLock_);
    writableEnd_.reset();
}

}  // namespace pd
