#include "panel/pipe_communication.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <limits.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <vector>

#include "dialog/process_launcher.h"

namespace pd {
namespace {

using Bytes = std::vector<unsigned char>;

const std::string name = "TALVOPDE99";

struct Recorder : PipeOperationHandler {
    std::vector<std::pair<std::int32_t, std::optional<Bytes>>> messages;
    void handlePipeOperation(std::int32_t type, const Bytes* body) override {
        messages.emplace_back(type, body ? std::optional<Bytes>(*body) : std::nullopt);
    }
};

// A connection over a child's pipes, the test playing the child on their other ends.
struct Connection {
    std::shared_ptr<RunLoopApplication> application = std::make_shared<RunLoopApplication>();
    std::shared_ptr<Recorder> handler = std::make_shared<Recorder>();
    ChildPipes pipes = *createChildPipes();
    std::shared_ptr<PipeCommunication> pipe;

    Connection() {
        pipe = PipeCommunication::create(name, handler, std::move(pipes.input));
        pipe->startReading(application, std::move(pipes.output));
    }
    void childWrites(const Bytes& bytes) const {
        ASSERT_EQ(static_cast<ssize_t>(bytes.size()),
                  write(pipes.childOutput.get(), bytes.data(), bytes.size()));
    }
    // Serves the loop until the reader has taken everything written so far.
    void serve() const {
        int waiting = 0;
        while (ioctl(pipes.childOutput.get(), FIONREAD, &waiting) == 0 && waiting > 0)
            application->serveOnce(RunLoopMode::standard);
    }
    // Everything in the child's input so far.
    Bytes childReads() const {
        fcntl(pipes.childInput.get(), F_SETFL, O_NONBLOCK);
        Bytes bytes;
        unsigned char buffer[4096];
        ssize_t count = 0;
        while ((count = read(pipes.childInput.get(), buffer, sizeof buffer)) > 0)
            bytes.insert(bytes.end(), buffer, buffer + count);
        return bytes;
    }
};

TEST(PipeCommunication, HandsEachWholeMessageToItsHandler) {
    Connection connection;
    Bytes frame = createPipeCommunicationData(name, 1, Bytes(3000, 7));
    const Bytes empty = createPipeCommunicationData(name, 4, {});
    frame.insert(frame.end(), empty.begin(), empty.end());
    // A header that comes in two pieces is one header.
    connection.childWrites(Bytes(frame.begin(), frame.begin() + 5));
    connection.serve();
    EXPECT_TRUE(connection.handler->messages.empty());
    connection.childWrites(Bytes(frame.begin() + 5, frame.end()));
    connection.serve();
    ASSERT_EQ(2u, connection.handler->messages.size());
    EXPECT_EQ(1, connection.handler->messages[0].first);
    EXPECT_EQ(Bytes(3000, 7), connection.handler->messages[0].second);
    EXPECT_EQ(4, connection.handler->messages[1].first);
    EXPECT_FALSE(connection.handler->messages[1].second.has_value());
    EXPECT_TRUE(connection.pipe->isReading());
}

TEST(PipeCommunication, StopsAtTheEndOfTheOutputAndDropsAnIncompleteMessage) {
    for (const std::size_t cut : {std::size_t{3}, name.size() + 8 + 10}) {
        Connection connection;
        const Bytes frame = createPipeCommunicationData(name, 1, Bytes(100, 7));
        connection.childWrites(Bytes(frame.begin(), frame.begin() + static_cast<long>(cut)));
        connection.pipes.childOutput.reset();
        connection.application->serveUntilIdle(RunLoopMode::standard);
        EXPECT_FALSE(connection.pipe->isReading()) << cut;
        EXPECT_TRUE(connection.handler->messages.empty()) << cut;
    }
}

TEST(PipeCommunication, WritesWholeFramesUntilInvalidatedAndNeverRaisesSigpipe) {
    Connection connection;
    EXPECT_TRUE(connection.pipe->writeToPipe(4, Bytes{1}));
    EXPECT_TRUE(connection.pipe->writeToPipe(5, Bytes(8, 0)));
    Bytes expected = createPipeCommunicationData(name, 4, Bytes{1});
    const Bytes second = createPipeCommunicationData(name, 5, Bytes(8, 0));
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(expected, connection.childReads());
    // Longer than a pipe takes whole: refused rather than split.
    EXPECT_FALSE(connection.pipe->writeToPipe(1, Bytes(PIPE_BUF, 0)));

    // A child that does not read: the frames that do not fit fail, the caller never blocks.
    int written = 0;
    while (connection.pipe->writeToPipe(2, Bytes(1540, 0))) ++written;
    EXPECT_GT(written, 0);
    EXPECT_EQ(written * (name.size() + 8 + 1540), connection.childReads().size());

    // A child that has gone: EPIPE, and no SIGPIPE left pending or delivered.
    connection.pipes.childInput.reset();
    EXPECT_FALSE(connection.pipe->writeToPipe(4, Bytes{1}));
    sigset_t pending;
    sigpending(&pending);
    EXPECT_EQ(0, sigismember(&pending, SIGPIPE));

    connection.pipe->invalidate();
    EXPECT_FALSE(connection.pipe->writeToPipe(4, Bytes{1}));
    // The reader goes on after invalidate.
    connection.childWrites(createPipeCommunicationData(name, 6, Bytes(4, 1)));
    connection.serve();
    EXPECT_EQ(1u, connection.handler->messages.size());
}

TEST(PipeCommunication, GoesQuietlyWhenItsHandlerOrItselfIsGone) {
    Connection connection;
    connection.handler.reset();
    connection.childWrites(createPipeCommunicationData(name, 4, {}));
    connection.serve();
    // Destroyed while it waits for data: its watch and its reading end go with it.
    EXPECT_TRUE(connection.application->hasSources(RunLoopMode::standard));
    connection.pipe.reset();
    EXPECT_FALSE(connection.application->hasSources(RunLoopMode::standard));
}

}  // namespace
}  // namespace pd
