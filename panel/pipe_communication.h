// The connection to the settings application of one launch: it writes frames into the
// application's standard input and reads frames from its standard output as the run loop reports
// data, handing each complete message to its handler.
//
// Neither direction ever blocks the print dialog: both ends are non-blocking; a frame that the
// pipe cannot take whole at once is a failed write, and a message arrives in as many pieces as the
// pipe delivers it.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "dialog/application.h"
#include "dialog/unique_fd.h"
#include "panel/pipe_frame.h"

namespace pd {

class PipeOperationHandler {
  public:
    virtual ~PipeOperationHandler() = default;

    // A message from the application; body is null for a message without one.
    virtual void handlePipeOperation(std::int32_t type, const std::vector<unsigned char>* body) = 0;
};

class PipeCommunication : public std::enable_shared_from_this<PipeCommunication> {
  public:
    // A connection named name (the frames' magic) that writes into writableEnd. The handler is not
    // owned: messages that arrive after it is gone are dropped.
    static std::shared_ptr<PipeCommunication> create(std::string name,
                                                     std::weak_ptr<PipeOperationHandler> handler,
                                                     UniqueFd writableEnd);
    ~PipeCommunication();
    PipeCommunication(const PipeCommunication&) = delete;
    PipeCommunication& operator=(const PipeCommunication&) = delete;

    // Reads readableEnd on application's run loop, in the modal panel mode and the standard mode,
    // until it reaches its end; then closes it.
    void startReading(std::shared_ptr<Application> application, UniqueFd readableEnd);
    // Whether the reader still waits for data.
    bool isReading() const { return static_cast<bool>(readableEnd_); }

    // Writes one frame of type and body, whole or not at all. False when it was not written:
    // after invalidate(), when the application has closed its end or does not read, or when the
    // frame is longer than a pipe takes in one piece. Never raises SIGPIPE.
    bool writeToPipe(std::int32_t type, std::span<const unsigned char> body = {});
    // Closes the writing end: later writes are dropped. The reader goes on.
    void invalidate();

  private:
    PipeCommunication(std::string name, std::weak_ptr<PipeOperationHandler> handler,
                      UniqueFd writableEnd);

    // The reader: run once each time the readable end has data or has reached its end.
    void dataAvailable();
    void waitForData();
    void stopReading();

    const std::string magic_;
    const std::weak_ptr<PipeOperationHandler> handler_;
    std::mutex pipeLock_;
    UniqueFd writableEnd_;
    PipeFrameReader reader_;
    // Kept from read to read: a body that is dropped passes through it piece by piece.
    std::vector<unsigned char> readBuffer_;
    std::shared_ptr<Application> application_;
    UniqueFd readableEnd_;
    RunLoop::WatchId watch_ = 0;
};

}  // namespace pd
